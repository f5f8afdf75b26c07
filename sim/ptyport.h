#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>

class QSocketNotifier;
class QTimer;

// The module's end of the serial line: a pseudo-terminal whose slave side the program opens as
// its serial port, found through a symbolic link when one is asked for.
//
// The simulator holds a slave descriptor of its own for as long as it runs: while any slave
// descriptor is open the master never reads end-of-file or EIO, so the program may close and
// reopen its port as often as it likes.
//
// Beside a link, "<link>.owner" holds the process id of the simulator that serves it, so that a
// second simulator given the same link does not take it from a live one by accident.
class PtyPort : public QObject
{
    Q_OBJECT

public:
    explicit PtyPort(QObject *parent = nullptr);
    // Removes the link, if it still points at this port.
    ~PtyPort() override;

    // Opens the pseudo-terminal and, with a non-empty `linkPath`, points a symbolic link there
    // at its slave, replacing an old link. A link that another simulator still serves is left
    // alone unless `replace`. False, with errorString() saying why, on failure; linkFailed()
    // tells whether the link was the trouble rather than the pseudo-terminal.
    bool open(const QString &linkPath, bool replace = false);
    QString errorString() const { return m_errorString; }
    bool linkFailed() const { return m_linkFailed; }

    QString slavePath() const { return m_slavePath; }
    // The path the program should open: the link when there is one.
    QString portPath() const { return m_linkPath.isEmpty() ? m_slavePath : m_linkPath; }

    // Queues bytes for the program; they go out in order as fast as the pty takes them.
    void write(const QByteArray &bytes);

    // Takes at most baud / 10 bytes a second from the pty, as a module on a real line of that
    // speed (8N1: ten bits a byte) receives them; what the program sends faster waits in the
    // pty. 0, the default, takes whatever is there at once.
    void setBaud(int baud);
    // With a baud rate set: takes now the bytes the line has delivered by now. For whoever
    // wants to know whether the line has really gone quiet, when its own timer says so.
    void takeDue();

signals:
    // `arrival` is when the last of the bytes came off the line: with a baud rate set, the time
    // a line of that speed delivered it, which a late timer does not move.
    void received(const QByteArray &bytes, std::chrono::steady_clock::time_point arrival);

private:
    bool fail(const QString &what);
    bool claimLink(const QString &linkPath, bool replace);
    QString ownerPath() const { return m_linkPath + QStringLiteral(".owner"); }
    void readAvailable();
    void readPaced();
    void writePending();
    void removeLink();

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_linkPath;
    QString m_errorString;
    bool m_linkFailed = false;
    QByteArray m_outgoing;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;

    // Pacing at the line's speed: the time one byte takes, and when the last byte taken had
    // finished arriving.
    std::chrono::nanoseconds m_byteTime{0};
    std::chrono::steady_clock::time_point m_lineFree{};
    bool m_lineIdle = true;
    QTimer *m_paceTimer = nullptr;
};
