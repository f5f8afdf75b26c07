#include "librarydocument.h"

#include "editorsettings.h"
#include "messagebox.h"
#include "prompter.h"
#include "starterset.h"

#include <QFileInfo>

namespace {

QString filter()
{
    return LibraryDocument::tr("Pattern libraries (*.%1)")
        .arg(QLatin1String(PatternLibrary::FileSuffix));
}

} // namespace

LibraryDocument::LibraryDocument(Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_prompter(prompter)
    , m_saved(starterSet())
{
    m_model.setLibrary(m_saved);
    m_sections = m_saved.otherSections;
    connect(&m_model, &LibraryModel::edited, this, &LibraryDocument::updateModified);
}

QString LibraryDocument::displayName() const
{
    if (!m_path.isEmpty())
        return QFileInfo(m_path).fileName();
    return m_starterSet ? tr("Starter set") : tr("Untitled library");
}

void LibraryDocument::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void LibraryDocument::updateModified()
{
    setModified(current() != m_saved);
    emit contentsChanged();
}

void LibraryDocument::setFilePath(const QString &path)
{
    m_path = path;
    emit filePathChanged(path);
}

bool LibraryDocument::maybeSave(QWidget *parent)
{
    if (!m_modified)
        return true;
    switch (m_prompter.askSave(parent, displayName())) {
    case SaveQuestion::Answer::Save:
        return save(parent);
    case SaveQuestion::Answer::Discard:
        revert();
        return true;
    case SaveQuestion::Answer::Cancel:
        return false;
    }
    return false;
}

void LibraryDocument::revert()
{
    m_model.setLibrary(m_saved);
    replaceAnimations(m_saved.animations);
    replaceSections(m_saved.otherSections);
    setModified(false);
}

void LibraryDocument::replaceContents(const PatternLibrary &contents)
{
    m_model.setLibrary(contents);
    replaceAnimations(contents.animations);
    replaceSections(contents.otherSections);
    updateModified();
}

void LibraryDocument::restore(const PatternLibrary &contents, const QString &file,
                              bool fromStarterSet)
{
    QString error;
    std::optional<PatternLibrary> onDisk;
    if (!file.isEmpty())
        onDisk = PatternLibrary::read(file, &error);
    m_starterSet = file.isEmpty() && fromStarterSet;
    m_saved = onDisk ? *onDisk : m_starterSet ? starterSet() : PatternLibrary();
    setFilePath(file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath());
    replaceContents(contents);
}

void LibraryDocument::setAnimations(const QList<Animation> &animations)
{
    if (animations == m_animations)
        return;
    m_animations = animations;
    updateModified();
}

void LibraryDocument::replaceAnimations(const QList<Animation> &animations)
{
    m_animations = animations;
    emit animationsReplaced();
    emit replaced();
}

void LibraryDocument::setSection(const QString &key, const QJsonValue &value)
{
    if (value == m_sections.value(key))
        return;
    if (value.isUndefined())
        m_sections.remove(key);
    else
        m_sections.insert(key, value);
    updateModified();
}

void LibraryDocument::replaceSections(const QJsonObject &sections)
{
    m_sections = sections;
    emit sectionsReplaced();
}

PatternLibrary LibraryDocument::current() const
{
    PatternLibrary library = m_model.library();
    library.animations = m_animations;
    library.otherSections = m_sections;
    return library;
}

bool LibraryDocument::newLibrary(QWidget *parent)
{
    if (!maybeSave(parent))
        return false;
    m_saved = PatternLibrary();
    m_starterSet = false;
    m_model.setLibrary(m_saved);
    replaceAnimations({});
    replaceSections({});
    setFilePath(QString());
    setModified(false);
    return true;
}

bool LibraryDocument::open(QWidget *parent)
{
    const auto choice =
        m_prompter.chooseFile(parent, FileChooser::Purpose::Open, tr("Open Pattern Library"),
                              EditorSettings::lastFolder(), {filter()});
    return !choice.path.isEmpty() && openFile(choice.path, parent);
}

// The file is read before anything is asked or changed: a bad file leaves the open library,
// changes and all, as it was.
bool LibraryDocument::openFile(const QString &path, QWidget *parent)
{
    QString error;
    auto library = PatternLibrary::read(path, &error);
    if (!library) {
        m_prompter.message(parent, error);
        return false;
    }
    if (!maybeSave(parent))
        return false;
    m_saved = std::move(*library);
    m_starterSet = false;
    m_model.setLibrary(m_saved);
    replaceAnimations(m_saved.animations);
    replaceSections(m_saved.otherSections);
    setFilePath(QFileInfo(path).absoluteFilePath());
    setModified(false);
    EditorSettings::rememberFile(m_path);
    return true;
}

bool LibraryDocument::save(QWidget *parent)
{
    return m_path.isEmpty() ? saveAs(parent) : saveTo(m_path, parent);
}

bool LibraryDocument::saveAs(QWidget *parent)
{
    const QString folder =
        m_path.isEmpty() ? EditorSettings::lastFolder() : QFileInfo(m_path).absolutePath();
    const QString name =
        m_path.isEmpty()
            ? FileChooser::fileNameFor(tr("Untitled"), QLatin1String(PatternLibrary::FileSuffix),
                                       tr("Untitled"))
            : QFileInfo(m_path).fileName();
    auto choice =
        m_prompter.chooseFile(parent, FileChooser::Purpose::Save, tr("Save Pattern Library"),
                              folder, {filter()}, QString(), name);
    if (choice.path.isEmpty())
        return false;
    if (QFileInfo(choice.path).suffix().isEmpty())
        choice.path += QLatin1Char('.') + QLatin1String(PatternLibrary::FileSuffix);
    return saveTo(choice.path, parent);
}

bool LibraryDocument::saveTo(const QString &path, QWidget *parent)
{
    QString error;
    const PatternLibrary library = current();
    if (!library.write(path, &error)) {
        m_prompter.message(parent, error);
        return false;
    }
    m_saved = library;
    m_starterSet = false;
    setFilePath(QFileInfo(path).absoluteFilePath());
    setModified(false);
    EditorSettings::rememberFile(m_path);
    return true;
}
