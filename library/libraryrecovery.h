#pragma once

#include "recoverystore.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class LibraryDocument;

// Keeps a recovery copy of the open library while it has unsaved changes: written a few seconds
// after each change (the changes of a drag or a quick run of edits make one write), removed once
// the library is saved, its changes discarded, or the program closes with nothing unsaved.
class LibraryRecovery : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds Delay{3};

    explicit LibraryRecovery(const QString &folder = RecoveryStore::defaultFolder(),
                             QObject *parent = nullptr);
    // A copy still waiting is written now: the program is going while changes are unsaved.
    ~LibraryRecovery() override;

    void watch(LibraryDocument *document);
    RecoveryStore &store() { return m_store; }
    // How long after a change the copy is written (Delay unless set).
    void setDelay(std::chrono::milliseconds delay) { m_delay.setInterval(delay); }
    // Whether a change waits for its copy to be written.
    bool isPending() const { return m_delay.isActive(); }
    // Writes the copy now, if there are unsaved changes; false when it could not be written.
    bool writeNow();
    // Puts a copy that an earlier run left into the document, as unsaved changes, and keeps a
    // copy of them at once; the earlier run's copy is removed once this one is written.
    bool restore(const RecoveryCopy &copy, const QString &copyPath);

signals:
    // The copy could not be written: the changes are not safe from a crash.
    void writeFailed(const QString &reason);

private:
    void changed();
    void modifiedChanged(bool modified);

    RecoveryStore m_store;
    QPointer<LibraryDocument> m_document;
    QTimer m_delay;
};
