#include "frameplayer.h"

#include <thread>

namespace {

// The timer is set to fire this much before a frame's time and the rest is slept, so that a
// timer that comes a millisecond late does not make every frame late.
constexpr std::chrono::microseconds TimerLead{1500};

QList<int> durationsOf(const QList<Frame> &frames)
{
    QList<int> durations;
    for (const Frame &frame : frames)
        durations.append(frame.durationMs);
    return durations;
}

} // namespace

FramePlayer::FramePlayer(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &FramePlayer::tickNow);
}

void FramePlayer::setFrames(const QList<Frame> &frames)
{
    stop();
    m_frames = frames;
}

void FramePlayer::updateFrames(const QList<Frame> &frames)
{
    if (!m_playing) {
        m_frames = frames;
        return;
    }
    const bool sameTimes = durationsOf(frames) == durationsOf(m_frames);
    const int count = int(m_frames.size());
    m_frames = frames;
    if (sameTimes)
        return;
    if (frames.isEmpty()) {
        finish();
        return;
    }
    // Begun again on the new times so that the frame on show started when it did.
    const qint64 onShow = qMax<qint64>(0, m_lastStep);
    const Time shownSince = m_schedule.step(m_start, onShow).dueAt;
    const int frame = qMin(int(onShow % count), int(frames.size()) - 1);
    m_schedule = FrameSchedule(durationsOf(m_frames), m_loop);
    m_start = shownSince - (m_schedule.step(Time(), frame).dueAt - Time());
    if (m_lastStep >= 0)
        m_lastStep = frame;
    // The timer was set for the old times.
    if (m_timer.isActive())
        m_timer.start(0);
}

void FramePlayer::setLoop(bool loop)
{
    m_loop = loop;
    if (m_playing)
        m_schedule = FrameSchedule(durationsOf(m_frames), m_loop);
}

void FramePlayer::start()
{
    startAt(FrameSchedule::Clock::now());
    tickNow();
}

void FramePlayer::startAt(Time start)
{
    m_timer.stop();
    m_schedule = FrameSchedule(durationsOf(m_frames), m_loop);
    m_start = start;
    m_lastStep = -1;
    m_handed = m_replaced = m_passed = 0;
    m_playing = !m_frames.isEmpty();
    emit countsChanged(shown(), skipped());
}

void FramePlayer::setConnection(ModuleConnection *connection)
{
    if (m_connection)
        disconnect(m_connection, nullptr, this, nullptr);
    m_connection = connection;
    if (connection) {
        connect(connection, &ModuleConnection::openChanged, this, [this](bool open) {
            if (!open)
                stop();
        });
        connect(connection, &ModuleConnection::commandQueued, this, [this](quint8 command) {
            if (!m_playing)
                return;
            stop();
            emit interrupted(command);
        });
    }
}

void FramePlayer::stop()
{
    if (!m_playing)
        return;
    finish();
}

void FramePlayer::finish()
{
    m_timer.stop();
    m_playing = false;
    emit stopped();
}

std::optional<FramePlayer::Time> FramePlayer::tick(Time now)
{
    if (!m_playing)
        return std::nullopt;
    const auto position = m_schedule.at(m_start, now);
    if (!position) {
        finish();
        return std::nullopt;
    }
    if (position->step != m_lastStep) {
        // Frames whose whole time passed before this tick were never handed over.
        if (m_lastStep >= 0)
            m_passed += int(position->step - m_lastStep - 1);
        m_lastStep = position->step;
        const Frame &frame = m_frames.at(position->frame);
        emit frameDue(position->frame);
        if (sendsToModule()) {
            bool replaced = false;
            if (!handOver(frame.pattern, &replaced)) {
                finish();
                emit sendFailed();
                return std::nullopt;
            }
            ++m_handed;
            m_replaced += replaced;
        }
        emit countsChanged(shown(), skipped());
    }
    // A single run ends when its last frame's time is over: one more tick then.
    return position->nextAt;
}

void FramePlayer::tickNow()
{
    using namespace std::chrono;
    auto next = tick(FrameSchedule::Clock::now());
    while (next) {
        const auto wait = *next - FrameSchedule::Clock::now();
        if (wait > TimerLead) {
            m_timer.start(duration_cast<milliseconds>(wait - TimerLead));
            return;
        }
        if (wait > wait.zero())
            std::this_thread::sleep_for(wait);
        next = tick(FrameSchedule::Clock::now());
    }
}

bool FramePlayer::handOver(const Pattern &pattern, bool *replaced)
{
    return m_connection &&
           m_connection->sendLatest(Protocol::dotMatrix(pattern.columns()), replaced);
}
