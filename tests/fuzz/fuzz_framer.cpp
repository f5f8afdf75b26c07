// The simulator cuts the PC's byte stream into messages by length and by idle gap. Here it gets
// arbitrary bytes in arbitrary chunks at arbitrary times, with idle() calls in between, and must
// keep its contract: every byte comes out once and in order, in a frame whose kind fits it; no
// message outgrows its command; only a gap of IdleGap ends a message early.
//
// The input is a list of records, each
//     gap (2 bytes, little-endian, microseconds since the previous chunk)
//     control (1 byte: bits 0-5 the chunk's length, bit 6 an idle() halfway through the gap,
//              bit 7 an idle() at the chunk's own time before it is fed)
//     the chunk's bytes,
// and a last chunk may be cut short by the end of the input.

#include "framer.h"
#include "protocol.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

using namespace Protocol;
using Frame = MessageFramer::Frame;
using Kind = Frame::Kind;
using Time = MessageFramer::Time;

namespace {

void require(bool holds, const char *rule)
{
    if (holds)
        return;
    std::fprintf(stderr, "MessageFramer broke a rule: %s\n", rule);
    std::abort();
}

struct Shape
{
    qsizetype maxLength; // command byte included
    bool textLike;       // may end early at a gap and still be whole
};

// The longest message of each command, taken from the PC's own encoder rather than from the
// framer, so that the two are checked against each other.
const std::map<quint8, Shape> &shapes()
{
    static const std::map<quint8, Shape> table = [] {
        std::map<quint8, Shape> t;
        const auto fixed = [&t](const Message &m) { t[m.command] = {m.bytes().size(), false}; };
        const auto text = [&t](const Message &m) { t[m.command] = {m.bytes().size(), true}; };
        const QString longest(MaxTextLength, QLatin1Char('A'));
        fixed(readSettings());
        fixed(changeSpeed(SpeedCode[0]));
        fixed(changeStartupMode(0));
        fixed(builtinAnimation(DIR_UP));
        fixed(saveCustom(0));
        fixed(setSpeed(SpeedCode[0]));
        fixed(dotMatrix({}));
        // One character or one custom position; an empty box sends the command alone.
        text(showChar(QStringLiteral("A")));
        text(saveMessage(longest));
        text(animate(longest));
        text(scroll(longest));
        return t;
    }();
    return table;
}

std::optional<Shape> shapeOf(char byte)
{
    const auto it = shapes().find(quint8(byte));
    if (it == shapes().end())
        return std::nullopt;
    return it->second;
}

// Drives one framer and checks every answer it gives against what it was given so far.
class Run
{
public:
    void idle(Time now) { check(m_framer.idle(now), now, false); }

    void feed(const QByteArray &bytes, Time at)
    {
        m_sent += bytes;
        m_chunks.append({at, bytes});
        check(m_framer.feed(bytes, at), at, !bytes.isEmpty());
    }

    // Silence after the last chunk must flush everything still held.
    void finish(Time last)
    {
        idle(last + MessageFramer::IdleGap);
        require(!m_framer.hasPending(), "a full gap of silence leaves nothing pending");
        require(m_framed == m_sent, "all frames together are all bytes sent, in order");
        require(MessageFramer::frameAll(m_chunks) == m_frames,
                "frameAll gives what feed() and idle() gave, whatever idle() calls came between");
    }

private:
    void check(const QList<Frame> &out, Time now, bool bytesArrived)
    {
        require(now >= m_now, "the harness never turns time back");
        const bool gapOver = m_pendingBefore && now - m_lastByte >= MessageFramer::IdleGap;

        for (qsizetype i = 0; i < out.size(); ++i) {
            const Frame &frame = out.at(i);
            require(!frame.bytes.isEmpty(), "no frame is empty");
            checkLogLine(frame);
            if (frame.kind == Kind::Junk) {
                for (char byte : frame.bytes)
                    require(!shapeOf(byte), "junk holds no byte that could start a message");
                continue;
            }
            const std::optional<Shape> shape = shapeOf(frame.bytes.at(0));
            require(shape.has_value(), "a message starts with a command byte");
            require(frame.bytes.size() <= shape->maxLength,
                    "no message is longer than its command allows");
            if (frame.bytes.size() == shape->maxLength) {
                require(frame.kind == Kind::Message, "a message of full length is whole");
                continue;
            }
            require(i == 0 && gapOver, "only a gap ends a message early, before anything newer");
            require((frame.kind == Kind::Message) == shape->textLike,
                    "a message ended by a gap is whole for a text, incomplete otherwise");
        }
        if (gapOver) {
            require(!out.isEmpty() && out.first().kind != Kind::Junk &&
                        out.first().bytes.size() < shapeOf(out.first().bytes.at(0))->maxLength,
                    "a message pending when the gap ran out comes out first");
        } else if (!bytesArrived) {
            require(out.isEmpty(), "idle() before the gap is over says nothing");
        }

        for (const Frame &frame : out) {
            m_framed += frame.bytes;
            m_frames.append(frame);
        }
        if (bytesArrived)
            m_lastByte = now;
        m_now = now;
        checkPending();
    }

    // Junk is reported by the call that received it; what is held back is one unfinished
    // message, the bytes sent but not framed yet.
    void checkPending()
    {
        require(m_sent.startsWith(m_framed), "frames repeat the bytes sent, in order");
        const QByteArray held = m_sent.mid(m_framed.size());
        m_pendingBefore = m_framer.hasPending();
        require(m_pendingBefore == !held.isEmpty(), "bytes held back are exactly what is pending");
        if (held.isEmpty()) {
            require(!m_framer.deadline(), "nothing pending has no deadline");
            return;
        }
        const std::optional<Shape> shape = shapeOf(held.at(0));
        require(shape && held.size() < shape->maxLength,
                "what is held back is the start of one message, not yet at its full length");
        require(m_framer.deadline() == m_lastByte + MessageFramer::IdleGap,
                "the deadline is one gap after the last byte");
    }

    static void checkLogLine(const Frame &frame)
    {
        const QString line = frame.logLine();
        const QString hex = hexString(frame.bytes);
        switch (frame.kind) {
        case Kind::Message:
            require(line == hex, "a message logs as its bytes");
            break;
        case Kind::Incomplete:
            require(line == QStringLiteral("# incomplete: ") + hex, "an incomplete one is marked");
            break;
        case Kind::Junk:
            require(line == QStringLiteral("# junk: ") + hex, "junk is marked");
            break;
        }
    }

    MessageFramer m_framer;
    QList<MessageFramer::Chunk> m_chunks;
    QList<Frame> m_frames;
    QByteArray m_sent;
    QByteArray m_framed;
    Time m_now{};
    Time m_lastByte{};
    bool m_pendingBefore = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Run run;
    Time now{};
    size_t i = 0;
    while (size - i >= 3) {
        const Time gap{data[i] | data[i + 1] << 8};
        const uint8_t control = data[i + 2];
        i += 3;
        const size_t length = std::min<size_t>(control & 0x3F, size - i);
        const Time at = now + gap;
        if (control & 0x40)
            run.idle(now + gap / 2);
        if (control & 0x80)
            run.idle(at);
        run.feed(QByteArray(reinterpret_cast<const char *>(data + i), qsizetype(length)), at);
        i += length;
        now = at;
    }
    if (i < size)
        run.feed(QByteArray(reinterpret_cast<const char *>(data + i), qsizetype(size - i)), now);
    run.finish(now);
    return 0;
}
