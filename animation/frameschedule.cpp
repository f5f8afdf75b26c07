#include "frameschedule.h"

#include <algorithm>

FrameSchedule::FrameSchedule(const QList<int> &durationsMs, bool loop)
    : m_loop(loop)
{
    for (int ms : durationsMs) {
        m_durations.append(std::chrono::milliseconds(ms));
        m_offsets.append(m_total);
        m_total += std::chrono::milliseconds(ms);
    }
}

std::optional<FrameSchedule::Position> FrameSchedule::at(Time start, Time now) const
{
    if (m_durations.isEmpty() || m_total.count() <= 0)
        return std::nullopt;
    const auto elapsed = std::max(now - start, Clock::duration::zero());
    const qint64 run = elapsed / m_total;
    if (run > 0 && !m_loop)
        return std::nullopt;
    const auto within = elapsed - m_total * run;
    // The last frame whose start is not after `within`.
    const auto next = std::upper_bound(m_offsets.begin(), m_offsets.end(), within);
    const int frame = int(next - m_offsets.begin()) - 1;
    return step(start, run * frameCount() + frame);
}

FrameSchedule::Position FrameSchedule::step(Time start, qint64 step) const
{
    const qint64 run = step / frameCount();
    const int frame = int(step % frameCount());
    const Time runStart = start + m_total * run;
    return {step, frame, runStart + m_offsets.at(frame),
            runStart + m_offsets.at(frame) + m_durations.at(frame)};
}
