#pragma once

#include "characterbank.h"
#include "pattern.h"

#include <QAbstractListModel>
#include <QPixmap>

class BankDocument;

// The ten slots of the shown character bank for a view: each one's picture, position and mark.
// Patterns dropped on a slot (from the library window, which drags them as module-byte text)
// are handed on by patternsDropped(), not stored here, so that the window makes one undo step
// of them.
class BankModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { PatternRole = Qt::UserRole + 1, MarkRole };
    static constexpr int ThumbnailDotSize = 5;
    // What a changed slot's module still holds, beside its pattern.
    static constexpr int HeldDotSize = 2;

    explicit BankModel(BankDocument *document, QObject *parent = nullptr);

    static QString markText(CharacterBank::Mark mark);
    static QSize thumbnailSize();
    static QPixmap thumbnail(const CharacterBank::Slot &slot);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

signals:
    // Dropped patterns for the slots from `position` on; those past the last slot are left out.
    void patternsDropped(int position, const QList<Pattern> &patterns);

private:
    static QList<Pattern> droppedPatterns(const QMimeData *data);
    static int dropPosition(int row, const QModelIndex &parent);

    BankDocument *m_document;
};
