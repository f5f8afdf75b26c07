#pragma once

#include "pattern.h"
#include "protocol.h"

#include <QByteArray>
#include <QList>

// What the display shows: a cycle of frames, stepped one at a time, over and over. A still
// picture is a cycle of one frame.
class Animation
{
public:
    // A dark display.
    Animation();
    explicit Animation(QList<Pattern> frames);

    static Animation still(const Pattern &pattern);
    // The text enters at the right edge and moves left one column per step until its last
    // column has left the display; then the display is dark for a moment and it starts again.
    static Animation scrolling(const QByteArray &text);
    // One character per step.
    static Animation characters(const QByteArray &text);
    // The arrow enters at the edge behind it and moves in its own direction until it is gone.
    static Animation arrow(Protocol::Direction direction);

    const Pattern &frame() const { return m_frames.at(m_index); }
    const QList<Pattern> &frames() const { return m_frames; }
    bool isMoving() const { return m_frames.size() > 1; }
    void step();

private:
    QList<Pattern> m_frames;
    qsizetype m_index = 0;
};
