#include "bankmodel.h"

#include "bankdocument.h"
#include "patternpicture.h"
#include "textformats.h"

#include <QFont>
#include <QMimeData>
#include <QPainter>

BankModel::BankModel(BankDocument *document, QObject *parent)
    : QAbstractListModel(parent)
    , m_document(document)
{
    connect(document, &BankDocument::changed, this,
            [this] { emit dataChanged(index(0), index(CharacterBank::Slots - 1)); });
}

QString BankModel::markText(CharacterBank::Mark mark)
{
    switch (mark) {
    case CharacterBank::Mark::NeverUploaded:
        return tr("never uploaded");
    case CharacterBank::Mark::Changed:
        return tr("changed");
    case CharacterBank::Mark::Uploaded:
        return tr("uploaded");
    }
    return QString();
}

QSize BankModel::thumbnailSize()
{
    return {8 * (ThumbnailDotSize + HeldDotSize) + 4, 8 * ThumbnailDotSize};
}

// The slot's pattern and, for a changed slot, what the module still holds, small beside it.
QPixmap BankModel::thumbnail(const CharacterBank::Slot &slot)
{
    QPixmap picture(thumbnailSize());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, PatternPicture::draw(slot.pattern, ThumbnailDotSize));
    if (slot.mark() == CharacterBank::Mark::Changed)
        painter.drawPixmap(picture.width() - 8 * HeldDotSize, picture.height() - 8 * HeldDotSize,
                           PatternPicture::draw(*slot.uploaded, HeldDotSize));
    return picture;
}

int BankModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : CharacterBank::Slots;
}

QVariant BankModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= CharacterBank::Slots)
        return {};
    const CharacterBank::Slot &slot = m_document->bank().slot(index.row());
    const CharacterBank::Mark mark = slot.mark();
    switch (role) {
    case Qt::DisplayRole:
        return QStringLiteral("%1\n%2").arg(index.row()).arg(markText(mark));
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return mark == CharacterBank::Mark::Changed
                   ? tr("Slot %1: changed since the last upload; the small picture is what the "
                        "module holds")
                         .arg(index.row())
                   : tr("Slot %1: %2").arg(index.row()).arg(markText(mark));
    case Qt::DecorationRole:
        return thumbnail(slot);
    case Qt::FontRole:
        if (mark != CharacterBank::Mark::Uploaded) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case PatternRole:
        return QVariant::fromValue(slot.pattern.bits());
    case MarkRole:
        return int(mark);
    default:
        return {};
    }
}

Qt::ItemFlags BankModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
}

Qt::DropActions BankModel::supportedDropActions() const
{
    // The library drags with Move, and keeps its patterns all the same.
    return Qt::CopyAction | Qt::MoveAction;
}

QStringList BankModel::mimeTypes() const
{
    return {QStringLiteral("text/plain")};
}

QList<Pattern> BankModel::droppedPatterns(const QMimeData *data)
{
    QList<Pattern> patterns;
    if (!data || !data->hasText())
        return patterns;
    for (const QString &line : data->text().split(u'\n', Qt::SkipEmptyParts)) {
        const auto parsed = TextFormats::parse(line, TextFormats::Format::ModuleBytes);
        if (!parsed.pattern)
            return {};
        patterns.append(*parsed.pattern);
    }
    return patterns;
}

// On a slot, or between two: the slot after the gap.
int BankModel::dropPosition(int row, const QModelIndex &parent)
{
    if (parent.isValid())
        return parent.row();
    return row >= 0 && row < CharacterBank::Slots ? row : -1;
}

// The empty part of the view counts too: a drag that enters there must not be refused for the
// whole of its way over the slots. A drop there changes nothing.
bool BankModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int, int,
                                const QModelIndex &) const
{
    return (action & supportedDropActions()) && !droppedPatterns(data).isEmpty();
}

bool BankModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                             const QModelIndex &parent)
{
    const int position = dropPosition(row, parent);
    if (position < 0 || !canDropMimeData(data, action, row, column, parent))
        return false;
    emit patternsDropped(position, droppedPatterns(data).mid(0, CharacterBank::Slots - position));
    return true;
}
