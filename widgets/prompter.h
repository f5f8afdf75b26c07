#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QWidget;

namespace SaveQuestion {
// The answer to "has changes that are not saved": Save, Discard or Cancel.
enum class Answer { Save, Discard, Cancel };
} // namespace SaveQuestion

namespace FileChooser {
enum class Purpose { Open, Save };

struct Choice
{
    QString path;
    // The filter the user chose among the filters offered.
    QString filter;
};

// `name` (a library's, an animation's) as a file name with `suffix`: the characters that file
// systems refuse become '_', and `fallback` stands in for a name with nothing left.
QString fileNameFor(const QString &name, const QString &suffix, const QString &fallback);
} // namespace FileChooser

// Every message box, question, file chooser and modal dialog of the program goes through the one
// prompter handed to the windows that ask: the real boxes and dialogs in the program, one that
// answers at once in the tests. So no test waits on a dialog, nothing process-wide is replaced,
// and a window can be tested without the main window.
class Prompter
{
public:
    Prompter() = default;
    virtual ~Prompter();
    Prompter(const Prompter &) = delete;
    Prompter &operator=(const Prompter &) = delete;

    // The text, an optional detail below it, one OK button, no icon, the application title as
    // the caption, centred on the window it concerns.
    virtual void message(QWidget *parent, const QString &text, const QString &detail = QString());
    // "`document` has changes that are not saved": Save, Discard or Cancel.
    virtual SaveQuestion::Answer askSave(QWidget *parent, const QString &document);
    // An empty path when the user cancelled. The dialog opens in `folder` (the home folder when
    // it does not exist), with `fileName` proposed for a file to save.
    virtual FileChooser::Choice chooseFile(QWidget *parent, FileChooser::Purpose purpose,
                                           const QString &caption, const QString &folder,
                                           const QStringList &filters,
                                           const QString &selectedFilter = QString(),
                                           const QString &fileName = QString());
    // `text`, with `detail` below it, and a button for each of `choices` (the first the default)
    // and Cancel. The index of the choice taken; nothing for Cancel.
    virtual std::optional<int> choose(QWidget *parent, const QString &text, const QString &detail,
                                      const QStringList &choices);
    // Runs a modal dialog of the program's own (Paste As, Import Image, Import Animation, Text to
    // Frames) and returns its result code, as QDialog::exec() does.
    virtual int exec(QDialog &dialog);
};
