#pragma once

#include "patternlibrary.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

// What a recovery copy keeps of a library whose changes were not saved yet.
struct RecoveryCopy
{
    PatternLibrary library;  // everything it held: patterns, animations, the bank's copy, ...
    QString file;            // the file it belongs to; empty when it has none yet
    bool starterSet = false; // with no file: whether it began as the starter set
    QDateTime written;       // UTC

    friend bool operator==(const RecoveryCopy &, const RecoveryCopy &) = default;
};

// Recovery copies of unsaved library changes under the user's state folder
// ($XDG_STATE_HOME/glyphsmith/recovery, ~/.local/state/glyphsmith/recovery by default), where a
// crash, a kill or a power cut cannot take them. Each run writes a copy of its own, under a lock
// it holds while it runs, so that the next start knows the copies whose runs are over from those
// of a run still going. A copy is a .glyphs document (it opens as a library, too) with one more
// section saying which file it belongs to and when it was written. Copies are written whole or
// not at all (QSaveFile); one that cannot be read back is never loaded in part, but set aside
// under a name that says so.
class RecoveryStore
{
public:
    static constexpr char Section[] = "glyphsmithRecovery";

    // $XDG_STATE_HOME/glyphsmith/recovery.
    static QString defaultFolder();

    explicit RecoveryStore(const QString &folder = defaultFolder());
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    QString folder() const { return m_folder; }
    // This run's copy; empty before the first write.
    QString path() const { return m_path; }
    bool write(const RecoveryCopy &copy, QString *error);
    // Removes this run's copy, if there is one.
    void remove();

    struct LeftBehind
    {
        QString path;
        std::optional<RecoveryCopy> copy; // nothing when it cannot be read back
        QString problem;                  // why not
    };
    // The copies of runs that are over, oldest first.
    QList<LeftBehind> leftBehind() const;

    static QByteArray toJson(const RecoveryCopy &copy);
    static std::optional<RecoveryCopy> fromJson(const QByteArray &json, QString *problem);
    static std::optional<RecoveryCopy> read(const QString &path, QString *problem);
    // Moves a copy that cannot be read out of the way ("....glyphs.damaged"); the new name, or
    // nothing when it could not be moved.
    static std::optional<QString> setAside(const QString &path);
    static bool discard(const QString &path);

private:
    bool claim(QString *error);

    QString m_folder;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
