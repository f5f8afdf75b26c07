#include "questions.h"

#include "messagebox.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace SaveQuestion {

namespace {
Handler &handler()
{
    static Handler current;
    return current;
}
} // namespace

Answer ask(QWidget *parent, const QString &document)
{
    if (handler())
        return handler()(parent, document);
    QMessageBox box(
        QMessageBox::Warning, QString::fromLatin1(MessageBox::Caption),
        QCoreApplication::translate("SaveQuestion", "%1 has changes that are not saved.")
            .arg(document),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(QCoreApplication::translate("SaveQuestion", "Save them?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

void setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace SaveQuestion

namespace FileChooser {

namespace {
Handler &handler()
{
    static Handler current;
    return current;
}
} // namespace

Choice choose(QWidget *parent, Purpose purpose, const QString &caption, const QString &folder,
              const QStringList &filters, const QString &selectedFilter)
{
    if (handler())
        return handler()(purpose, caption, filters);
    QFileDialog dialog(parent, caption, folder);
    dialog.setNameFilters(filters);
    if (!selectedFilter.isEmpty())
        dialog.selectNameFilter(selectedFilter);
    if (purpose == Purpose::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

void setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace FileChooser

namespace ChoiceQuestion {

namespace {
Handler &handler()
{
    static Handler current;
    return current;
}
} // namespace

std::optional<int> ask(QWidget *parent, const QString &text, const QString &detail,
                       const QStringList &choices)
{
    if (handler())
        return handler()(text, detail, choices);
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(MessageBox::Caption), text,
                    QMessageBox::NoButton, parent);
    box.setInformativeText(detail);
    QList<QAbstractButton *> buttons;
    for (const QString &choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    box.addButton(QMessageBox::Cancel);
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.constFirst()));
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen < 0 ? std::nullopt : std::optional<int>(int(chosen));
}

void setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace ChoiceQuestion
