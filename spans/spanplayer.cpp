#include "spanplayer.h"

#include <QCoreApplication>

#include <thread>

namespace {

// As in FramePlayer: the timer fires this much before a frame's time and the rest is slept, so
// that a timer a millisecond late does not make every frame late.
constexpr std::chrono::microseconds TimerLead{1500};

} // namespace

SpanPlayer::SpanPlayer(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SpanPlayer::tickNow);
}

SpanPlayer::~SpanPlayer()
{
    blockSignals(true);
    stop();
}

void SpanPlayer::setSpan(const Span &span)
{
    stop();
    m_span = span;
    // The picture and the animations are not the player's to keep.
    m_span.animations.clear();
    QList<ModuleConnection *> connections;
    for (const Module &module : std::as_const(m_modules))
        connections.append(module.connection);
    setConnections(connections);
}

void SpanPlayer::setFrames(const QList<SpanFrame> &frames)
{
    stop();
    m_frames = frames;
}

void SpanPlayer::setLoop(bool loop)
{
    m_loop = loop;
    if (m_playing)
        m_schedule = FrameSchedule(durations(), m_loop);
}

void SpanPlayer::setConnections(const QList<ModuleConnection *> &connections)
{
    for (const Module &module : std::as_const(m_modules)) {
        if (module.connection)
            disconnect(module.connection, nullptr, this, nullptr);
    }
    m_modules.clear();
    for (int i = 0; i < m_span.moduleCount(); ++i) {
        Module module;
        module.connection = connections.value(i);
        if (module.connection) {
            connect(module.connection, &ModuleConnection::openChanged, this,
                    [this, i](bool open) { connectionChanged(i, open); });
        }
        m_modules.append(module);
    }
}

void SpanPlayer::replaceConnection(int index, ModuleConnection *connection)
{
    if (index < 0 || index >= m_modules.size() || m_modules.at(index).connection == connection)
        return;
    Module &module = m_modules[index];
    if (module.connection)
        disconnect(module.connection, nullptr, this, nullptr);
    module.connection = connection;
    if (!connection)
        return;
    connect(connection, &ModuleConnection::openChanged, this,
            [this, index](bool open) { connectionChanged(index, open); });
    // The same module through another connection has the frame of the moment already.
    if (m_playing && m_lastFrame >= 0 && module.lastFrame != m_lastFrame)
        sendTo(index, m_lastFrame);
}

QList<int> SpanPlayer::durations() const
{
    QList<int> result;
    result.reserve(m_frames.size());
    for (const SpanFrame &frame : m_frames)
        result.append(frame.durationMs);
    return result;
}

void SpanPlayer::start()
{
    startAt(FrameSchedule::Clock::now());
    tickNow();
}

void SpanPlayer::startAt(Time start)
{
    m_timer.stop();
    m_schedule = FrameSchedule(durations(), m_loop);
    m_start = start;
    m_lastStep = -1;
    m_lastFrame = -1;
    m_due = m_passed = 0;
    for (Module &module : m_modules) {
        module.out = false;
        module.slowTold = false;
        module.replacedInARow = 0;
        module.lastFrame = -1;
        module.counts = {};
    }
    m_playing = !m_frames.isEmpty();
}

void SpanPlayer::stop()
{
    if (m_playing)
        finish();
}

void SpanPlayer::finish()
{
    m_timer.stop();
    m_playing = false;
    emit stopped();
}

std::optional<SpanPlayer::Time> SpanPlayer::tick(Time now)
{
    if (!m_playing)
        return std::nullopt;
    const auto position = m_schedule.at(m_start, now);
    if (!position) {
        finish();
        return std::nullopt;
    }
    if (position->step != m_lastStep) {
        if (m_lastStep >= 0)
            m_passed += int(position->step - m_lastStep - 1);
        m_lastStep = position->step;
        m_lastFrame = position->frame;
        ++m_due;
        // Every module first, in one go, so that none waits for the screen.
        for (int i = 0; i < m_modules.size(); ++i)
            sendTo(i, position->frame);
        emit frameDue(position->frame);
    }
    return position->nextAt;
}

void SpanPlayer::sendTo(int index, int frame)
{
    Module &module = m_modules[index];
    if (!hasLine(index))
        return;
    if (!isAvailable(index)) {
        ++module.counts.missed;
        markOut(index);
        return;
    }
    const Pattern pattern = SpanSlicing::slice(m_frames.at(frame).canvas, m_span, index);
    bool replaced = false;
    if (!handOver(index, pattern, &replaced)) {
        ++module.counts.missed;
        markOut(index);
        return;
    }
    if (module.out) {
        module.out = false;
        emit moduleBack(index);
    }
    ++module.counts.handed;
    module.lastFrame = frame;
    module.counts.replaced += replaced;
    module.replacedInARow = replaced ? module.replacedInARow + 1 : 0;
    if (module.replacedInARow >= SlowAfter && !module.slowTold) {
        module.slowTold = true;
        emit moduleSlow(index);
    }
}

void SpanPlayer::markOut(int index)
{
    Module &module = m_modules[index];
    if (module.out)
        return;
    module.out = true;
    module.replacedInARow = 0;
    emit moduleOut(index, outReason(index));
}

// A module's port opened or closed while playing: said at once, and a module that is back gets
// the frame of the moment without waiting for the next one.
void SpanPlayer::connectionChanged(int index, bool open)
{
    if (!m_playing || index >= m_modules.size())
        return;
    if (!open) {
        markOut(index);
    } else if (m_modules.at(index).out && m_lastFrame >= 0) {
        sendTo(index, m_lastFrame);
    }
}

QString SpanPlayer::outReason(int index) const
{
    const ModuleConnection *connection = m_modules.value(index).connection;
    if (!connection)
        return QCoreApplication::translate("SpanPlayer", "no connection");
    const QString why = connection->errorString();
    return why.isEmpty() ? QCoreApplication::translate("SpanPlayer", "the port is not open") : why;
}

bool SpanPlayer::hasLine(int index) const
{
    return m_modules.at(index).connection != nullptr;
}

bool SpanPlayer::isAvailable(int index) const
{
    const ModuleConnection *connection = m_modules.at(index).connection;
    return connection && connection->isOpen();
}

bool SpanPlayer::handOver(int index, const Pattern &pattern, bool *replaced)
{
    ModuleConnection *connection = m_modules.at(index).connection;
    return connection && connection->sendLatest(Protocol::dotMatrix(pattern.columns()), replaced);
}

void SpanPlayer::tickNow()
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
