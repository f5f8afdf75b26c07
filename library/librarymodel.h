#pragma once

#include "patternlibrary.h"

#include <QAbstractListModel>
#include <QHash>
#include <QPixmap>

// The patterns of a library as a list: names to show and edit, thumbnails, module bytes. Every
// edit keeps the names unique and non-empty and is announced by edited(). Thumbnails are drawn
// only when a view asks for them and kept per picture, so thousands of rows stay fast.
class LibraryModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { PatternRole = Qt::UserRole + 1, BytesRole };
    static constexpr char RowsMimeType[] = "application/x-glyphsmith-library-rows";
    static constexpr int ThumbnailDotSize = 5;

    explicit LibraryModel(QObject *parent = nullptr);

    const PatternLibrary &library() const { return m_library; }
    void setLibrary(PatternLibrary library);
    const NamedPattern &at(int row) const { return m_library.patterns.at(row); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

    // The new row, at the end; an empty name becomes "Pattern n".
    int addPattern(const Pattern &pattern, const QString &name = QString());
    void replacePattern(int row, const Pattern &pattern);
    // False, and refused() says why, for an empty name or one another pattern has.
    bool renamePattern(int row, const QString &name);
    void removePatterns(QList<int> rows);
    // The rows keep their order and end up before the row that stood at `destination`
    // (rowCount(): at the end).
    void movePatterns(QList<int> rows, int destination);
    // All patterns at once, as an undo step puts them back.
    void setPatterns(const QList<NamedPattern> &patterns);
    // The character bank the file keeps beside the patterns.
    void setCharacterBank(const CharacterBankSection &bank);
    static QList<int> rowsFromMimeData(const QMimeData *data);

signals:
    void edited();
    void refused(const QString &reason);

private:
    QPixmap thumbnail(const Pattern &pattern) const;

    PatternLibrary m_library;
    mutable QHash<quint64, QPixmap> m_thumbnails;
};
