#include "spanframesmodel.h"

#include "spaneditor.h"

#include <QImage>

namespace {

// The canvas as a key: its size and its dots.
QByteArray keyOf(const Canvas &canvas)
{
    QByteArray key;
    key.reserve(2 + 8 * canvas.moduleCount());
    key.append(char(canvas.moduleColumns()));
    key.append(char(canvas.moduleRows()));
    for (int i = 0; i < canvas.moduleCount(); ++i) {
        const quint64 bits = canvas.tile(i).bits();
        key.append(reinterpret_cast<const char *>(&bits), sizeof bits);
    }
    return key;
}

// At most this many thumbnails are kept; beyond it the cache starts again.
constexpr qsizetype MaxThumbnails = 4096;

} // namespace

SpanFramesModel::SpanFramesModel(SpanEditor *editor, QObject *parent)
    : QAbstractListModel(parent)
    , m_editor(editor)
{
    refresh();
}

void SpanFramesModel::refresh()
{
    const QList<SpanFrame> frames = m_editor->frames();
    if (frames.size() != m_frames.size()) {
        beginResetModel();
        m_frames = frames;
        endResetModel();
        return;
    }
    // The same frames shared with the editor: nothing to tell the strip.
    if (frames.constData() == m_frames.constData())
        return;
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < frames.size(); ++i) {
        if (!(frames.at(i) == m_frames.at(i))) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    m_frames = frames;
    if (first >= 0)
        emit dataChanged(index(int(first)), index(int(last)));
}

int SpanFramesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_frames.size());
}

int SpanFramesModel::thumbnailDot(const Canvas &canvas)
{
    return qBound(2, 160 / canvas.width(), 6);
}

QPixmap SpanFramesModel::thumbnail(const Canvas &canvas)
{
    return thumbnail(canvas, thumbnailDot(canvas));
}

QSize SpanFramesModel::thumbnailSize(const Canvas &canvas, int dot)
{
    const int gap = std::max(1, dot / 2);
    return QSize(canvas.width() * dot + (canvas.moduleColumns() - 1) * gap,
                 canvas.height() * dot + (canvas.moduleRows() - 1) * gap);
}

QPixmap SpanFramesModel::thumbnail(const Canvas &canvas, int dot)
{
    const int gap = std::max(1, dot / 2);
    QImage image(thumbnailSize(canvas, dot), QImage::Format_RGB32);
    image.fill(qRgb(200, 200, 200));
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb colour = canvas.dot(x, y) ? qRgb(255, 48, 48) : qRgb(40, 28, 28);
            const int left = x * dot + (x / Canvas::ModuleDots) * gap;
            const int top = y * dot + (y / Canvas::ModuleDots) * gap;
            for (int dy = 0; dy < dot; ++dy) {
                auto *line = reinterpret_cast<QRgb *>(image.scanLine(top + dy));
                for (int dx = 0; dx < dot; ++dx)
                    line[left + dx] = colour;
            }
        }
    }
    return QPixmap::fromImage(image);
}

QVariant SpanFramesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_frames.size())
        return {};
    const SpanFrame &frame = m_frames.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return tr("%1: %2 ms").arg(index.row() + 1).arg(frame.durationMs);
    case Qt::DecorationRole: {
        const QByteArray key = keyOf(frame.canvas);
        auto it = m_thumbnails.find(key);
        if (it == m_thumbnails.end()) {
            if (m_thumbnails.size() >= MaxThumbnails)
                m_thumbnails.clear();
            it = m_thumbnails.insert(key, thumbnail(frame.canvas));
        }
        return *it;
    }
    case Qt::ToolTipRole:
        return tr("Frame %1, shown for %2 ms").arg(index.row() + 1).arg(frame.durationMs);
    case Qt::AccessibleTextRole:
        return tr("Frame %1, %2 ms").arg(index.row() + 1).arg(frame.durationMs);
    default:
        return {};
    }
}
