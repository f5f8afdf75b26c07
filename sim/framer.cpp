#include "framer.h"

#include "protocol.h"

using namespace Protocol;

namespace {

struct Shape
{
    int maxLength;  // command byte included; reaching it ends the message at once
    bool gapEndsIt; // an idle gap before maxLength ends a whole message, not a broken one
};

std::optional<Shape> shapeOf(quint8 command)
{
    switch (command) {
    case CMD_READ_SETTINGS:
        return Shape{1, false};
    case CMD_CHANGE_SPEED:
    case CMD_CHANGE_STARTUP_MODE:
    case CMD_BUILTIN_ANIMATION:
    case CMD_SAVE_CUSTOM:
    case CMD_SET_SPEED:
        return Shape{2, false};
    case CMD_DOT_MATRIX:
        return Shape{1 + ColumnCount, false};
    // "Show Single ASCII" with an empty box sends the command byte alone.
    case CMD_SHOW_CHAR:
        return Shape{2, true};
    case CMD_SAVE_MESSAGE:
    case CMD_ANIMATE:
    case CMD_SCROLL:
        return Shape{1 + MaxTextLength, true};
    default:
        return std::nullopt;
    }
}

} // namespace

QString MessageFramer::Frame::logLine() const
{
    switch (kind) {
    case Kind::Message:
        return hexString(bytes);
    case Kind::Incomplete:
        return QStringLiteral("# incomplete: ") + hexString(bytes);
    case Kind::Junk:
        return QStringLiteral("# junk: ") + hexString(bytes);
    }
    return {};
}

QList<MessageFramer::Frame> MessageFramer::feed(const QByteArray &bytes, Time at)
{
    QList<Frame> out = idle(at);
    for (char byte : bytes) {
        if (m_pending.isEmpty()) {
            if (!shapeOf(quint8(byte))) {
                m_junk.append(byte);
                continue;
            }
            flushJunk(out);
        }
        m_pending.append(byte);
        if (m_pending.size() == shapeOf(quint8(m_pending.at(0)))->maxLength) {
            out.append({Frame::Kind::Message, m_pending});
            m_pending.clear();
        }
    }
    flushJunk(out);
    if (!bytes.isEmpty())
        m_lastByte = at;
    return out;
}

QList<MessageFramer::Frame> MessageFramer::idle(Time now)
{
    if (m_pending.isEmpty() || now - m_lastByte < IdleGap)
        return {};
    const bool whole = shapeOf(quint8(m_pending.at(0)))->gapEndsIt;
    const Frame frame{whole ? Frame::Kind::Message : Frame::Kind::Incomplete, m_pending};
    m_pending.clear();
    return {frame};
}

std::optional<MessageFramer::Time> MessageFramer::deadline() const
{
    if (m_pending.isEmpty())
        return std::nullopt;
    return m_lastByte + IdleGap;
}

void MessageFramer::flushJunk(QList<Frame> &out)
{
    if (m_junk.isEmpty())
        return;
    out.append({Frame::Kind::Junk, m_junk});
    m_junk.clear();
}

QList<MessageFramer::Frame> MessageFramer::frameAll(const QList<Chunk> &chunks)
{
    MessageFramer framer;
    QList<Frame> out;
    Time last{};
    for (const Chunk &chunk : chunks) {
        out += framer.feed(chunk.bytes, chunk.at);
        last = chunk.at;
    }
    out += framer.idle(last + IdleGap);
    return out;
}
