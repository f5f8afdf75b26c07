#include "prompter.h"

#include "messagebox.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

Prompter::~Prompter() = default;

void Prompter::message(QWidget *parent, const QString &text, const QString &detail)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(MessageBox::Caption), text,
                    QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    MessageBox::fitCaption(box);
    box.adjustSize();
    box.move(MessageBox::placement(parent, box.size()));
    box.exec();
}

SaveQuestion::Answer Prompter::askSave(QWidget *parent, const QString &document)
{
    QMessageBox box(
        QMessageBox::Warning, QString::fromLatin1(MessageBox::Caption),
        QCoreApplication::translate("SaveQuestion", "%1 has changes that are not saved.")
            .arg(document),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(QCoreApplication::translate("SaveQuestion", "Save them?"));
    box.setDefaultButton(QMessageBox::Save);
    MessageBox::fitCaption(box);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveQuestion::Answer::Save;
    case QMessageBox::Discard:
        return SaveQuestion::Answer::Discard;
    default:
        return SaveQuestion::Answer::Cancel;
    }
}

FileChooser::Choice Prompter::chooseFile(QWidget *parent, FileChooser::Purpose purpose,
                                         const QString &caption, const QString &folder,
                                         const QStringList &filters, const QString &selectedFilter,
                                         const QString &fileName)
{
    // A folder that does not exist would be taken apart: its last part proposed as the file.
    QFileDialog dialog(parent, caption, QFileInfo(folder).isDir() ? folder : QDir::homePath());
    dialog.setNameFilters(filters);
    if (!selectedFilter.isEmpty())
        dialog.selectNameFilter(selectedFilter);
    if (purpose == FileChooser::Purpose::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!fileName.isEmpty())
            dialog.selectFile(fileName);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

std::optional<int> Prompter::choose(QWidget *parent, const QString &text, const QString &detail,
                                    const QStringList &choices)
{
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(MessageBox::Caption), text,
                    QMessageBox::NoButton, parent);
    box.setInformativeText(detail);
    QList<QAbstractButton *> buttons;
    for (const QString &choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    box.addButton(QMessageBox::Cancel);
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.constFirst()));
    MessageBox::fitCaption(box);
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen < 0 ? std::nullopt : std::optional<int>(int(chosen));
}

int Prompter::exec(QDialog &dialog)
{
    return dialog.exec();
}

namespace FileChooser {

QString fileNameFor(const QString &name, const QString &suffix, const QString &fallback)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString base;
    for (const QChar c : name)
        base += c.category() == QChar::Other_Control || refused.contains(c) ? QChar(u'_') : c;
    // Leading dots hide a file; trailing dots and spaces are lost on some file systems.
    while (base.startsWith(u'.') || base.startsWith(u' '))
        base.remove(0, 1);
    while (base.endsWith(u'.') || base.endsWith(u' '))
        base.chop(1);
    if (base.isEmpty() || base.count(u'_') == base.size())
        base = fallback;
    return base + u'.' + suffix;
}

} // namespace FileChooser
