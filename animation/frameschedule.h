#pragma once

#include <QList>

#include <chrono>
#include <optional>

// When each frame of an animation is due: frame i at the start plus the durations of the frames
// before it, once or again and again. Times are passed in, so that it can be tried with a clock
// of one's own.
class FrameSchedule
{
public:
    using Clock = std::chrono::steady_clock;
    using Time = Clock::time_point;

    FrameSchedule() = default;
    FrameSchedule(const QList<int> &durationsMs, bool loop);

    struct Position
    {
        // Counts every frame since the start, across runs of a loop: run * frameCount + frame.
        qint64 step = 0;
        int frame = 0;
        Time dueAt{};
        Time nextAt{};
    };

    // The frame due at `now` for a playback begun at `start`; nothing once a single run is over
    // (the last frame's time has passed) or when there are no frames.
    std::optional<Position> at(Time start, Time now) const;
    // The same by its step.
    Position step(Time start, qint64 step) const;

    int frameCount() const { return int(m_durations.size()); }
    bool loops() const { return m_loop; }

private:
    QList<std::chrono::milliseconds> m_durations;
    // Start of each frame within one run, and the run's length.
    QList<std::chrono::milliseconds> m_offsets;
    std::chrono::milliseconds m_total{0};
    bool m_loop = false;
};
