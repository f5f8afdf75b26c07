#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// The questions the workbench asks, each through one function that tests can replace, as
// MessageBox does for messages: whether to save changes, which file to open or save, and which
// of a few ways to take something.
namespace SaveQuestion {

enum class Answer { Save, Discard, Cancel };

// "`document` has changes that are not saved": Save, Discard or Cancel.
Answer ask(QWidget *parent, const QString &document);

using Handler = std::function<Answer(QWidget *parent, const QString &document)>;
// Replaces the question box; an empty handler restores it.
void setHandler(Handler handler);

} // namespace SaveQuestion

namespace FileChooser {

enum class Purpose { Open, Save };

struct Choice
{
    QString path;
    // The filter the user chose among `filters`.
    QString filter;
};

// An empty path when the user cancelled. The dialog opens in `folder` (the home folder when it
// does not exist), with `fileName` proposed for a file to save.
Choice choose(QWidget *parent, Purpose purpose, const QString &caption, const QString &folder,
              const QStringList &filters, const QString &selectedFilter = QString(),
              const QString &fileName = QString());

// `name` (a library's, an animation's) as a file name with `suffix`: the characters that file
// systems refuse become '_', and `fallback` stands in for a name with nothing left.
QString fileNameFor(const QString &name, const QString &suffix, const QString &fallback);

using Handler =
    std::function<Choice(Purpose purpose, const QString &caption, const QStringList &filters)>;
void setHandler(Handler handler);

} // namespace FileChooser

namespace ChoiceQuestion {

// `text`, with `detail` below it, and a button for each of `choices` (the first the default)
// and Cancel. The index of the choice taken; nothing for Cancel.
std::optional<int> ask(QWidget *parent, const QString &text, const QString &detail,
                       const QStringList &choices);

using Handler = std::function<std::optional<int>(const QString &text, const QString &detail,
                                                 const QStringList &choices)>;
// Replaces the question box; an empty handler restores it.
void setHandler(Handler handler);

} // namespace ChoiceQuestion
