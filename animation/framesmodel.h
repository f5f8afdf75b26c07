#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QPixmap>

class FramesEditor;

// The current animation's frames for the Frames window's strip: each a thumbnail over its number
// and time.
class FramesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit FramesModel(FramesEditor *editor, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }

    // Rebuilds from the editor; the strip keeps nothing of its own.
    void refresh();

private:
    FramesEditor *m_editor;
    int m_rows = 0;
    mutable QHash<quint64, QPixmap> m_thumbnails;
};
