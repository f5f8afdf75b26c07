#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <chrono>
#include <optional>

// Cuts the byte stream from the PC into messages.
//
// Nothing on the line marks where a message ends, and a payload byte may take any value, the
// command values included (a column byte with the upper four dots lit is 0xF0). So a message
// starts only where the previous one ended, and ends either at its known length or, for the
// commands whose length varies, at an idle gap: the PC hands each message to the port in one
// write, so its bytes arrive together, and 5 ms of silence (3.5 character times at 9600 baud,
// as Modbus RTU frames) means the write is over. A text of 20 bytes is as long as a text gets
// and ends the message at once. A byte that cannot start a message is junk; a fixed-length
// message cut short by a gap is incomplete. Both are reported and dropped.
class MessageFramer
{
public:
    using Time = std::chrono::microseconds;
    static constexpr Time IdleGap = std::chrono::milliseconds(5);

    struct Frame
    {
        enum class Kind { Message, Incomplete, Junk };
        Kind kind = Kind::Message;
        QByteArray bytes;

        // "FC 10 00", "# incomplete: FC 10", "# junk: 01 02": the simulator's log lines.
        QString logLine() const;
        friend bool operator==(const Frame &, const Frame &) = default;
    };

    // Bytes that arrived together at `at`; times never go backwards.
    QList<Frame> feed(const QByteArray &bytes, Time at);
    // Ends a pending message once the line has been quiet for IdleGap at `now`.
    QList<Frame> idle(Time now);
    // When idle() will end the pending message; empty when nothing is pending.
    std::optional<Time> deadline() const;
    bool hasPending() const { return !m_pending.isEmpty(); }

    // A recording of chunks with their arrival times, followed by silence, cut into frames.
    struct Chunk
    {
        Time at;
        QByteArray bytes;
    };
    static QList<Frame> frameAll(const QList<Chunk> &chunks);

private:
    void flushJunk(QList<Frame> &out);

    QByteArray m_pending;
    QByteArray m_junk;
    Time m_lastByte{};
};
