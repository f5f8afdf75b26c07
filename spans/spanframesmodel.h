#pragma once

#include "span.h"

#include <QAbstractListModel>
#include <QHash>
#include <QPixmap>

class SpanEditor;

// The chosen span animation's frames for the Span window's strip: each a thumbnail of the whole
// span over its number and time. Thumbnails are drawn only when the strip shows them and kept per
// picture, so an animation of thousands of frames opens at once.
class SpanFramesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int ThumbnailDot = 2;

    explicit SpanFramesModel(SpanEditor *editor, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Rebuilds from the editor; the strip keeps nothing of its own.
    void refresh();
    // The thumbnail of `canvas`, as the strip shows it.
    static QPixmap thumbnail(const Canvas &canvas);

private:
    SpanEditor *m_editor;
    QList<SpanFrame> m_frames;
    mutable QHash<QByteArray, QPixmap> m_thumbnails;
};
