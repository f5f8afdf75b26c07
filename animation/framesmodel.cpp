#include "framesmodel.h"

#include "frameseditor.h"
#include "pattern.h"
#include "patternpicture.h"

namespace {
constexpr int ThumbnailDot = 5;
} // namespace

FramesModel::FramesModel(FramesEditor *editor, QObject *parent)
    : QAbstractListModel(parent)
    , m_editor(editor)
{
    refresh();
}

void FramesModel::refresh()
{
    const int rows = int(m_editor->frames().size());
    if (rows != m_rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
        return;
    }
    if (rows > 0)
        emit dataChanged(index(0), index(rows - 1));
}

int FramesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant FramesModel::data(const QModelIndex &index, int role) const
{
    const QList<Frame> frames = m_editor->frames();
    if (!index.isValid() || index.row() >= frames.size())
        return {};
    const Frame &frame = frames.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return tr("%1: %2 ms").arg(index.row() + 1).arg(frame.durationMs);
    case Qt::DecorationRole: {
        const Pattern &pattern = frame.pattern;
        auto it = m_thumbnails.find(pattern.bits());
        if (it == m_thumbnails.end())
            it = m_thumbnails.insert(pattern.bits(), PatternPicture::draw(pattern, ThumbnailDot));
        return *it;
    }
    case Qt::ToolTipRole:
        return tr("Frame %1, shown for %2 ms").arg(index.row() + 1).arg(frame.durationMs);
    default:
        return {};
    }
}

Qt::ItemFlags FramesModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractListModel::flags(index) | Qt::ItemIsDropEnabled;
    return index.isValid() ? flags | Qt::ItemIsDragEnabled : flags;
}
