#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

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
// paths and COM1 to a new pty (returned; the test deletes it), and every message box caught in
// `messages`, which is emptied first.
Pty *startOnNewPty(QStringList *messages);
// What the file dialog that `opens` brings up proposes: the folder it shows and the file it
// selects. The real dialog is put back, shown, read and cancelled; all empty when none came up.
struct FileProposal
{
    QString folder;
    QString file;
};
FileProposal proposedFile(const std::function<void()> &opens);

// Puts back the real message box, file chooser, save question and choice question after a test
// replaced them.
void resetDialogHandlers();

} // namespace TestSupport
