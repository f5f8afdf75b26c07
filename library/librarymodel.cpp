#include "librarymodel.h"

#include "patternpicture.h"
#include "textformats.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace {
// Thumbnails of this many different pictures are kept; beyond, the cache starts again.
constexpr qsizetype ThumbnailCacheSize = 4096;
} // namespace

LibraryModel::LibraryModel(QObject *parent)
    : QAbstractListModel(parent)
{}

void LibraryModel::setLibrary(PatternLibrary library)
{
    beginResetModel();
    m_library = std::move(library);
    endResetModel();
}

int LibraryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_library.patterns.size());
}

QPixmap LibraryModel::thumbnail(const Pattern &pattern) const
{
    const auto cached = m_thumbnails.constFind(pattern.bits());
    if (cached != m_thumbnails.cend())
        return *cached;
    if (m_thumbnails.size() >= ThumbnailCacheSize)
        m_thumbnails.clear();
    return *m_thumbnails.insert(pattern.bits(), PatternPicture::draw(pattern, ThumbnailDotSize));
}

QVariant LibraryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const NamedPattern &named = m_library.patterns.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return named.name;
    case Qt::DecorationRole:
        return thumbnail(named.pattern);
    case Qt::ToolTipRole:
        return QStringLiteral("%1\n%2").arg(named.name, bytesText(named.pattern));
    case PatternRole:
        return QVariant::fromValue(named.pattern.bits());
    case BytesRole:
        return bytesText(named.pattern);
    default:
        return QVariant();
    }
}

bool LibraryModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    return renamePattern(index.row(), value.toString());
}

Qt::ItemFlags LibraryModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return QAbstractListModel::flags(index) | Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
}

Qt::DropActions LibraryModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

QStringList LibraryModel::mimeTypes() const
{
    return {QLatin1String(RowsMimeType), QStringLiteral("text/plain")};
}

QMimeData *LibraryModel::mimeData(const QModelIndexList &indexes) const
{
    QList<int> rows;
    QStringList texts;
    for (const QModelIndex &index : indexes) {
        rows.append(index.row());
        texts.append(TextFormats::write(m_library.patterns.at(index.row()).pattern,
                                        TextFormats::Format::ModuleBytes));
    }
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    stream << rows;
    auto *data = new QMimeData;
    data->setData(QLatin1String(RowsMimeType), encoded);
    data->setText(texts.join(QLatin1Char('\n')));
    return data;
}

void LibraryModel::setPatterns(const QList<NamedPattern> &patterns)
{
    if (patterns == m_library.patterns)
        return;
    beginResetModel();
    m_library.patterns = patterns;
    endResetModel();
    emit edited();
}

void LibraryModel::setCharacterBank(const CharacterBankSection &bank)
{
    if (m_library.characterBank == bank)
        return;
    m_library.characterBank = bank;
    emit edited();
}

QList<int> LibraryModel::rowsFromMimeData(const QMimeData *data)
{
    QList<int> rows;
    if (data) {
        QDataStream stream(data->data(QLatin1String(RowsMimeType)));
        stream >> rows;
    }
    return rows;
}

int LibraryModel::addPattern(const Pattern &pattern, const QString &name)
{
    const int row = rowCount();
    const QString chosen = name.trimmed().isEmpty() || !m_library.nameProblem(name).isEmpty()
                               ? m_library.unusedName()
                               : name;
    beginInsertRows(QModelIndex(), row, row);
    m_library.patterns.append({chosen, pattern, {}});
    endInsertRows();
    emit edited();
    return row;
}

void LibraryModel::replacePattern(int row, const Pattern &pattern)
{
    if (row < 0 || row >= rowCount() || m_library.patterns.at(row).pattern == pattern)
        return;
    m_library.patterns[row].pattern = pattern;
    emit dataChanged(index(row), index(row));
    emit edited();
}

bool LibraryModel::renamePattern(int row, const QString &name)
{
    if (row < 0 || row >= rowCount())
        return false;
    if (m_library.patterns.at(row).name == name)
        return true;
    if (const QString problem = m_library.nameProblem(name, row); !problem.isEmpty()) {
        emit refused(problem);
        return false;
    }
    m_library.patterns[row].name = name;
    emit dataChanged(index(row), index(row));
    emit edited();
    return true;
}

void LibraryModel::removePatterns(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty())
        return;
    for (int row : rows) {
        if (row < 0 || row >= rowCount())
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        m_library.patterns.removeAt(row);
        endRemoveRows();
    }
    emit edited();
}

void LibraryModel::movePatterns(QList<int> rows, int destination)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int row) { return row < 0 || row >= rowCount(); });
    if (rows.isEmpty())
        return;
    // The new order as old row numbers: the rows that stay, with the moved ones put in before
    // the first staying row at or after the destination.
    QList<int> order;
    order.reserve(rowCount());
    QList<bool> moving(rowCount(), false);
    for (int row : rows)
        moving[row] = true;
    bool placed = false;
    for (int row = 0; row <= rowCount(); ++row) {
        if (!placed && row >= destination && (row == rowCount() || !moving[row])) {
            order.append(rows);
            placed = true;
        }
        if (row < rowCount() && !moving[row])
            order.append(row);
    }
    bool unchanged = true;
    for (int row = 0; row < order.size(); ++row)
        unchanged = unchanged && order.at(row) == row;
    if (unchanged)
        return;

    emit layoutAboutToBeChanged();
    QList<int> newRow(rowCount());
    QList<NamedPattern> reordered;
    reordered.reserve(rowCount());
    for (int row = 0; row < order.size(); ++row) {
        newRow[order.at(row)] = row;
        reordered.append(m_library.patterns.at(order.at(row)));
    }
    m_library.patterns = std::move(reordered);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex &index : before)
        after.append(this->index(newRow.at(index.row())));
    changePersistentIndexList(before, after);
    emit layoutChanged();
    emit edited();
}
