#pragma once

#include "librarymodel.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QString>

class Prompter;
class QWidget;

// The pattern library the workbench has open: its patterns (the model the library window
// shows), the file they came from, and whether they changed since. Before the user opens or
// saves a file of their own it holds the starter set. Every failure is told to the user in one
// message that names the file and the reason, and leaves the document and the file on disk as
// they were; unsaved changes are never dropped without asking.
class LibraryDocument : public QObject
{
    Q_OBJECT

public:
    explicit LibraryDocument(Prompter &prompter, QObject *parent = nullptr);

    LibraryModel *model() { return &m_model; }
    // The animations kept in the same file as the patterns.
    const QList<Animation> &animations() const { return m_animations; }
    // Every change of the animations comes through here and counts as a change of the document.
    void setAnimations(const QList<Animation> &animations);
    // A top-level section of the file that the document does not read itself (the spans, say);
    // undefined when the file has none. Setting one (undefined: removing it) counts as a change
    // of the document.
    QJsonValue section(const QString &key) const { return m_sections.value(key); }
    void setSection(const QString &key, const QJsonValue &value);
    QString filePath() const { return m_path; }
    // The file's name, or what stands for a library that has none.
    QString displayName() const;
    // Whether the patterns or animations differ from what was last opened or saved: an edit that
    // is undone leaves nothing to save.
    bool isModified() const { return m_modified; }
    // With no file: whether the library began as the starter set.
    bool isStarterSet() const { return m_starterSet; }
    // The file's contents as they are now: the model's patterns and the sections beside them,
    // these animations.
    PatternLibrary current() const;

    // Each of these asks whether to save changes first where they would be lost.
    bool newLibrary(QWidget *parent);
    // Asks for a file, then opens it.
    bool open(QWidget *parent);
    bool openFile(const QString &path, QWidget *parent);
    bool save(QWidget *parent);
    bool saveAs(QWidget *parent);
    bool saveTo(const QString &path, QWidget *parent);

    // With changes: Save, Discard (back to what was last opened or saved) or Cancel. True
    // when the caller may go on.
    bool maybeSave(QWidget *parent);
    void revert();

    // Everything the library holds replaced by `contents`, as an unsaved change of the library
    // as it was opened (a test's edit, say).
    void replaceContents(const PatternLibrary &contents);
    // Unsaved changes kept from an earlier run put back: `contents` as changes of `file` (read
    // again as it is now; nothing or an unreadable file counts as an empty library), or, with no
    // file, of the starter set or an untitled library.
    void restore(const PatternLibrary &contents, const QString &file, bool fromStarterSet);

signals:
    void modifiedChanged(bool modified);
    // The patterns, animations or sections changed, whether or not that leaves anything to save.
    void contentsChanged();
    // The animations were replaced wholesale: a file opened, a new library, changes discarded.
    void animationsReplaced();
    // The same for the whole library, patterns and animations: the undo steps made on the
    // library that was there are of no use any more.
    void replaced();
    // The same for the sections kept by section() and setSection().
    void sectionsReplaced();
    void filePathChanged(const QString &path);

private:
    Prompter &m_prompter;
    void setModified(bool modified);
    void updateModified();
    void setFilePath(const QString &path);

    void replaceAnimations(const QList<Animation> &animations);
    void replaceSections(const QJsonObject &sections);

    LibraryModel m_model;
    QList<Animation> m_animations;
    // The file's sections beside the patterns, the animations and the bank, as they are now.
    QJsonObject m_sections;
    QString m_path;
    bool m_modified = false;
    bool m_starterSet = true;
    // What was last opened or saved: Discard goes back to it.
    PatternLibrary m_saved;
};
