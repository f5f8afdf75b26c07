#pragma once

#include "framer.h"
#include "module.h"

#include <QFile>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
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
    // each flushed as it is written; with `times`, each begins with the time in milliseconds on
    // the monotonic clock, for a message that of its last byte.
    bool openLog(const QString &path, QString *error, bool times = false);
    // Where the stored settings are written whenever they change.
    void setStateFile(const QString &path) { m_statePath = path; }
    void note(const QString &text);

    const Pattern &display() const { return m_module.display(); }

    // Bytes from the line; `arrival` when the last of them came, by the steady clock.
    void receive(const QByteArray &bytes, std::chrono::steady_clock::time_point arrival);
    // Called before the line is taken to be quiet, so that bytes the line has delivered but the
    // port has not handed over yet are counted first.
    void setLinePoll(std::function<void()> poll) { m_linePoll = std::move(poll); }

signals:
    void transmit(const QByteArray &bytes);
    void displayChanged(const Pattern &pattern);

private:
    MessageFramer::Time now() const;
    void take(const QList<MessageFramer::Frame> &frames, MessageFramer::Time at);
    void armGapTimer();
    void endMessageByGap();
    void act(const QByteArray &message);
    void sendReply(const QByteArray &reply);
    void send(const QByteArray &bytes);
    void step();
    void updateDisplay();
    void writeLog(const QString &line, std::optional<MessageFramer::Time> at = std::nullopt);

    Module m_module;
    Faults m_faults;
    MessageFramer m_framer;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    std::function<void()> m_linePoll;
    MessageFramer::Time m_lastArrival{};
    QTimer m_gapTimer;
    QTimer m_stepTimer;
    QFile m_log;
    bool m_logTimes = false;
    QString m_statePath;
    StoredState m_saved;
    Pattern m_shown;
};
