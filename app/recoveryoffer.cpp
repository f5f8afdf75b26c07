#include "recoveryoffer.h"

#include "librarycontroller.h"
#include "librarydocument.h"
#include "libraryrecovery.h"
#include "prompter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("RecoveryOffer", text);
}

QString whenWritten(const QDateTime &written)
{
    const QDateTime local = written.toLocalTime();
    return QLocale().toString(local.date(), QLocale::LongFormat) + QLatin1String(", ") +
           local.time().toString(QStringLiteral("HH:mm:ss"));
}

QString whose(const RecoveryCopy &copy)
{
    if (!copy.file.isEmpty())
        return tr("the library %1").arg(QFileInfo(copy.file).fileName());
    return copy.starterSet ? tr("the starter set") : tr("an untitled library");
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
                window, tr("A recovery copy of unsaved changes is damaged and was not restored."),
                tr("%1: %2.").arg(left.path, left.problem) + u'\n' +
                    (aside ? tr("It has been set aside as %1.").arg(*aside)
                           : tr("It could not be set aside; it stays where it is.")));
            continue;
        }
        if (restored)
            continue;
        const RecoveryCopy &copy = *left.copy;
        const QString belongsTo = copy.file.isEmpty()
                                      ? tr("It belongs to no file yet.")
                                      : tr("It belongs to the file %1.").arg(copy.file);
        const auto choice = prompter.choose(
            window,
            tr("The program ended before changes of %1 were saved. A copy of them was kept.")
                .arg(whose(copy)),
            tr("The copy was written on %1. %2").arg(whenWritten(copy.written), belongsTo) + u'\n' +
                tr("Restore them, discard them, or Cancel to decide at the next start."),
            {tr("Restore"), tr("Discard")});
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
