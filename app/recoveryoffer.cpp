#include "recoveryoffer.h"

#include "librarycontroller.h"
#include "librarydocument.h"
#include "libraryrecovery.h"
#include "prompter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryOffer)
};

QString whenWritten(const QDateTime &written)
{
    const QDateTime local = written.toLocalTime();
    return QLocale().toString(local.date(), QLocale::LongFormat) + QLatin1String(", ") +
           local.time().toString(QStringLiteral("HH:mm:ss"));
}

QString whose(const RecoveryCopy &copy)
{
    if (!copy.file.isEmpty())
        return Texts::tr("the library %1").arg(QFileInfo(copy.file).fileName());
    return copy.starterSet ? Texts::tr("the starter set") : Texts::tr("an untitled library");
}

} // namespace

void offerRecovery(LibraryController &library, Prompter &prompter, QWidget *window)
{
    LibraryRecovery &recovery = library.recovery();
    bool restored = false;
    for (const RecoveryStore::LeftBehind &left : recovery.store().leftBehind()) {
        if (!left.copy) {
            const auto aside = RecoveryStore::setAside(left.path);
            prompter.message(
                window,
                Texts::tr("A recovery copy of unsaved changes is damaged and was not restored."),
                Texts::tr("%1: %2.").arg(left.path, left.problem) + u'\n' +
                    (aside ? Texts::tr("It has been set aside as %1.").arg(*aside)
                           : Texts::tr("It could not be set aside; it stays where it is.")));
            continue;
        }
        if (restored)
            continue;
        const RecoveryCopy &copy = *left.copy;
        const QString belongsTo = copy.file.isEmpty()
                                      ? Texts::tr("It belongs to no file yet.")
                                      : Texts::tr("It belongs to the file %1.").arg(copy.file);
        const auto choice = prompter.choose(
            window,
            Texts::tr("The program ended before changes of %1 were saved. A copy of them was kept.")
                .arg(whose(copy)),
            Texts::tr("The copy was written on %1. %2").arg(whenWritten(copy.written), belongsTo) +
                u'\n' +
                Texts::tr("Restore them, discard them, or Cancel to decide at the next start."),
            {Texts::tr("Restore"), Texts::tr("Discard")});
        if (!choice)
            continue;
        if (*choice == 0) {
            library.document();
            recovery.restore(copy, left.path);
            library.showLibrary();
            restored = true;
        } else {
            RecoveryStore::discard(left.path);
        }
    }
}
