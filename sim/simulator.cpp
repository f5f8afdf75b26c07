#include "simulator.h"

#include "statefile.h"

using namespace Protocol;
using namespace std::chrono;

Simulator::Simulator(const StoredState &stored, const Faults &faults, QObject *parent)
    : QObject(parent)
    , m_module(stored)
    , m_faults(faults)
    , m_saved(stored)
{
    m_module.setRefusingSettings(faults.nak);
    m_gapTimer.setSingleShot(true);
    m_gapTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_gapTimer, &QTimer::timeout, this, &Simulator::endMessageByGap);
    m_stepTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_stepTimer, &QTimer::timeout, this, &Simulator::step);
    m_shown = m_module.display();
}

bool Simulator::openLog(const QString &path, QString *error, bool times)
{
    m_logTimes = times;
    m_log.setFileName(path);
    if (!m_log.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = m_log.errorString();
        return false;
    }
    return true;
}

void Simulator::writeLog(const QString &line, std::optional<MessageFramer::Time> at)
{
    if (!m_log.isOpen())
        return;
    QByteArray text = line.toLatin1();
    if (m_logTimes) {
        // On the system's monotonic clock, so that other programs can set their own times
        // against the log's.
        const auto stamp = m_start.time_since_epoch() + at.value_or(now());
        const double ms = double(duration_cast<microseconds>(stamp).count()) / 1000;
        text.prepend(QByteArray::number(ms, 'f', 3) + ' ');
    }
    m_log.write(text + '\n');
    m_log.flush();
}

void Simulator::note(const QString &text)
{
    writeLog(QStringLiteral("# ") + text);
}

MessageFramer::Time Simulator::now() const
{
    return duration_cast<MessageFramer::Time>(steady_clock::now() - m_start);
}

void Simulator::receive(const QByteArray &bytes, steady_clock::time_point arrival)
{
    const MessageFramer::Time at =
        std::max(duration_cast<MessageFramer::Time>(arrival - m_start), m_lastArrival);
    m_lastArrival = at;
    take(m_framer.feed(bytes, at), at);
    armGapTimer();
}

void Simulator::armGapTimer()
{
    const std::optional<MessageFramer::Time> deadline = m_framer.deadline();
    if (!deadline) {
        m_gapTimer.stop();
        return;
    }
    const auto wait = ceil<milliseconds>(*deadline - now());
    m_gapTimer.start(std::max(wait, milliseconds(1)));
}

void Simulator::endMessageByGap()
{
    // The line is judged as it was when it was looked at: taking the bytes that were due may
    // take a while (a state file written to a busy disk), and bytes that came off the line in
    // the meantime are still to be read, so a later clock would see a gap that was not there.
    const MessageFramer::Time polled = now();
    if (m_linePoll)
        m_linePoll();
    // Ended by the gap after it: the message arrived with its last byte.
    const std::optional<MessageFramer::Time> lastByte = m_framer.deadline();
    take(m_framer.idle(polled), lastByte ? *lastByte - MessageFramer::IdleGap : polled);
    // A timer may fire a little early; then the message is still open.
    armGapTimer();
}

void Simulator::take(const QList<MessageFramer::Frame> &frames, MessageFramer::Time at)
{
    for (const MessageFramer::Frame &frame : frames) {
        writeLog(frame.logLine(), at);
        if (frame.kind == MessageFramer::Frame::Kind::Message)
            act(frame.bytes);
    }
}

void Simulator::act(const QByteArray &message)
{
    Module::Response response = m_module.handle(message);
    if (!response.refusal.isEmpty())
        note(QStringLiteral("refused: ") + response.refusal);
    if (m_faults.settingsReply && quint8(message.at(0)) == CMD_READ_SETTINGS)
        response.reply = *m_faults.settingsReply;

    if (!m_statePath.isEmpty() && m_module.stored() != m_saved) {
        QString error;
        if (StateFile::save(m_statePath, m_module.stored(), &error))
            m_saved = m_module.stored();
        else
            note(QStringLiteral("cannot write the state file: ") + error);
    }

    if (m_module.isMoving())
        m_stepTimer.start(m_module.stepInterval());
    else
        m_stepTimer.stop();
    updateDisplay();

    if (response.reply.isEmpty())
        return;
    if (m_faults.noReply) {
        note(QStringLiteral("not answering: ") + hexString(response.reply));
        return;
    }
    if (m_faults.replyDelay > milliseconds(0)) {
        QTimer::singleShot(m_faults.replyDelay, Qt::PreciseTimer, this,
                           [this, reply = response.reply] { sendReply(reply); });
    } else {
        sendReply(response.reply);
    }
}

void Simulator::sendReply(const QByteArray &reply)
{
    if (!m_faults.split || reply.size() < 2) {
        send(reply);
        return;
    }
    const qsizetype half = reply.size() / 2;
    send(reply.left(half));
    QTimer::singleShot(*m_faults.split, Qt::PreciseTimer, this,
                       [this, rest = reply.mid(half)] { send(rest); });
}

void Simulator::send(const QByteArray &bytes)
{
    writeLog(QStringLiteral("< ") + hexString(bytes));
    emit transmit(bytes);
}

void Simulator::step()
{
    m_module.step();
    updateDisplay();
}

void Simulator::updateDisplay()
{
    if (m_module.display() == m_shown)
        return;
    m_shown = m_module.display();
    emit displayChanged(m_shown);
}
