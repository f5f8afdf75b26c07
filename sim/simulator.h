#pragma once

#include "framer.h"
#include "module.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>

// Faults the simulated module can be given, so that the configuration dialog's handling of a
// late, wrong, broken or missing answer can be tried.
struct Faults
{
    bool noReply = false;
    std::chrono::milliseconds replyDelay{0};
    // Answers REPLY_NAK, and stores nothing, where it would store a setting and acknowledge.
    bool nak = false;
    // Answers CMD_READ_SETTINGS with exactly these bytes.
    std::optional<QByteArray> settingsReply;
    // Sends each reply of two bytes or more in two parts this far apart.
    std::optional<std::chrono::milliseconds> split;
};

// Runs a Module on the byte stream of the serial line: frames what arrives, answers (with the
// faults it was given), steps the animations, keeps the log and the state file.
class Simulator : public QObject
{
    Q_OBJECT

public:
    Simulator(const StoredState &stored, const Faults &faults, QObject *parent = nullptr);

    // One line per framed message, one per reply ("< AA"), and notes starting with "# ",
    // each flushed as it is written.
    bool openLog(const QString &path, QString *error);
    // Where the stored settings are written whenever they change.
    void setStateFile(const QString &path) { m_statePath = path; }
    void note(const QString &text);

    const Protocol::ColumnPattern &display() const { return m_module.display(); }

    void receive(const QByteArray &bytes);

signals:
    void transmit(const QByteArray &bytes);
    void displayChanged(const Protocol::ColumnPattern &pattern);

private:
    MessageFramer::Time now() const;
    void take(const QList<MessageFramer::Frame> &frames);
    void armGapTimer();
    void endMessageByGap();
    void act(const QByteArray &message);
    void sendReply(const QByteArray &reply);
    void send(const QByteArray &bytes);
    void step();
    void updateDisplay();
    void writeLog(const QString &line);

    Module m_module;
    Faults m_faults;
    MessageFramer m_framer;
    QElapsedTimer m_clock;
    QTimer m_gapTimer;
    QTimer m_stepTimer;
    QFile m_log;
    QString m_statePath;
    StoredState m_saved;
    Protocol::ColumnPattern m_shown{};
};
