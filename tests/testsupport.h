#pragma once

#include "prompter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

// Helpers shared by the tests: a private settings folder, COM numbers mapped to ptys or to
// missing paths, and the far end of a pseudo-terminal.
namespace TestSupport {

// Points XDG_CONFIG_HOME at a fresh temporary folder. Call before the first QSettings use.
void useTemporarySettings();
// Removes every stored entry.
void clearSettings();
void setStoredCommPort(const QString &text);
QString storedCommPort();
// Maps COMn to a device path in the settings store.
void mapPort(int port, const QString &path);
// Maps COM1..COM6 to paths that do not exist, so no test ever opens a real device.
void mapAllPortsToMissing();
QString missingDevicePath(int port);

// What a control shows as its caption: a frame's title, a label's or a button's text, a list's
// or a text box's current text.
QString caption(const QWidget *widget);

// Hex pairs ("FC 10 00") to bytes; fails the current test on malformed input.
QByteArray hex(const char *text);

// A pseudo-terminal: the program opens slavePath() as its serial port, the test reads and
// writes the master side. The slave side is set raw and held open, so that the master never
// sees a hang-up while the program has the port closed.
class Pty
{
public:
    Pty();
    ~Pty();
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;

    bool isValid() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    int masterFd() const { return m_master; }

    // Reads from the master until `count` bytes arrived or `timeoutMs` passed, dispatching Qt
    // events meanwhile (so the program's writes go out). Returns what arrived.
    QByteArray read(int count, int timeoutMs = 2000);
    // Everything that arrives within `quietMs` of silence.
    QByteArray readAll(int quietMs = 100);
    void write(const QByteArray &bytes);
    // Hangs up: the program's side then sees the device vanish.
    void closeMaster();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

// The start of a test of the program's windows: no stored settings, COM2..COM6 mapped to missing
// paths and COM1 to a new pty (returned; the test deletes it), the test prompter's answers put
// back, and every message caught in `messages`, which is emptied first.
Pty *startOnNewPty(QStringList *messages);
// What the file dialog that `opens` brings up proposes: the folder it shows and the file it
// selects. The real dialog is put back, shown, read and cancelled; all empty when none came up.
struct FileProposal
{
    QString folder;
    QString file;
};
FileProposal proposedFile(const std::function<void()> &opens);

// The prompter the tests hand to the windows: it answers at once, as each test says, and never
// shows a box. Without an answer set: messages are only recorded, questions about unsaved
// changes and choices are cancelled, file choosers cancelled and dialogs rejected.
class TestPrompter : public Prompter
{
public:
    void message(QWidget *parent, const QString &text, const QString &detail) override;
    SaveQuestion::Answer askSave(QWidget *parent, const QString &document) override;
    FileChooser::Choice chooseFile(QWidget *parent, FileChooser::Purpose purpose,
                                   const QString &caption, const QString &folder,
                                   const QStringList &filters, const QString &selectedFilter,
                                   const QString &fileName) override;
    std::optional<int> choose(QWidget *parent, const QString &text, const QString &detail,
                              const QStringList &choices) override;
    int exec(QDialog &dialog) override;

    // Back to the answers above.
    void reset();

    std::function<void(QWidget *parent, const QString &text)> onMessage;
    std::function<void(QWidget *parent, const QString &text, const QString &detail)>
        onMessageDetail;
    std::function<SaveQuestion::Answer(QWidget *parent, const QString &document)> onSave;
    std::function<FileChooser::Choice(FileChooser::Purpose purpose, const QString &caption,
                                      const QStringList &filters)>
        onFile;
    std::function<std::optional<int>(const QString &text, const QString &detail,
                                     const QStringList &choices)>
        onChoice;
    // A dialog of the program's own (Paste As, Import Image, Import Animation, Text to Frames):
    // the test sets its controls and returns its result code.
    std::function<int(QDialog &dialog)> onDialog;
    // File choosers as the program shows them, for a test that looks at what they propose.
    bool realFileChooser = false;
};

// The one test prompter of the test program.
TestPrompter &prompter();

} // namespace TestSupport
