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
    explicit SpanFramesModel(SpanEditor *editor, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Rebuilds from the editor; the strip keeps nothing of its own.
    void refresh();
    // The thumbnail of `canvas`, as the strip shows it: about 160 pixels across, two at least
    // to a dot.
    static QPixmap thumbnail(const Canvas &canvas);
    static QPixmap thumbnail(const Canvas &canvas, int dotSize);
    static int thumbnailDot(const Canvas &canvas);
    static QSize thumbnailSize(const Canvas &canvas, int dotSize);

private:
    SpanEditor *m_editor;
    QList<SpanFrame> m_frames;
    mutable QHash<QByteArray, QPixmap> m_thumbnails;
};
