#pragma once

#include <QtGlobal>

#include <chrono>

// When the next message may go out on a serial line. Nothing on the line marks where a text
// ends: the module takes the line going quiet for it. So a message is never handed over before
// the previous one has left the line (its bytes at the line's own speed, or longer when the
// driver says it still holds some), and one whose length varies is followed by an idle gap as
// well. Times are passed in, so that the rules can be tried with a clock of one's own.
class LinePacer
{
public:
    using Clock = std::chrono::steady_clock;
    using Time = Clock::time_point;
    using Duration = std::chrono::nanoseconds;

    // At 9600 baud, 8N1: ten bits a byte.
    static constexpr Duration DefaultByteTime{1'041'667};
    static constexpr Duration DefaultIdleGap = std::chrono::milliseconds(5);

    void setByteTime(Duration byteTime) { m_byteTime = byteTime; }
    Duration byteTime() const { return m_byteTime; }
    void setIdleGap(Duration gap) { m_idleGap = gap; }
    Duration idleGap() const { return m_idleGap; }

    // The earliest moment the next message may be handed to the driver, `driverQueued` being
    // the bytes the driver says it has not sent yet at `now`: once the line is free or, after
    // a message of known length, one byte time before that. The driver keeps it behind the
    // other, so it still starts on the line only once the other has left, without the line
    // standing idle while a timer wakes up; after a text the gap is kept in full.
    Time nextStart(Time now, qsizetype driverQueued = 0) const;
    // A message of `bytes` bytes was handed to the driver at `at`.
    void sent(Time at, qsizetype bytes, bool endsByIdleGap);
    // The line is idle: a new port, or the old one closed.
    void reset();

private:
    Duration m_byteTime = DefaultByteTime;
    Duration m_idleGap = DefaultIdleGap;
    Time m_lineFree{};
    bool m_lastEndsByGap = false;
};
