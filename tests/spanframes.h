#pragma once

#include "canvas.h"
#include "protocol.h"

#include <QByteArray>
#include <QString>

// Frames that say which frame and which module they are, for span tests that check the far ends:
// frame k shows k in binary in the top row of every module, its lowest bit leftmost, and each
// module's slice has a dot in the bottom row of its own column (module 0 in column 0).
namespace SpanFrames {

inline Canvas numbered(int columns, int k)
{
    Canvas canvas(columns, 1);
    for (int module = 0; module < columns; ++module) {
        for (int bit = 0; bit < 8; ++bit)
            canvas.setDot(module * 8 + bit, 0, k >> bit & 1);
        canvas.setDot(module * 8 + module, 7, true);
    }
    return canvas;
}

// The frame number an upright module was sent, read from the message as the module reads it:
// the top row's dots weigh 16 in each column byte, the bottom row's 8. -1 when the message is
// not `module`'s slice.
inline int frameOf(const QString &message, int module)
{
    const QByteArray bytes = QByteArray::fromHex(message.toLatin1());
    int k = 0;
    for (int column = 0; column < 8; ++column) {
        if (bytes.at(1 + column) & 0x10)
            k |= 1 << column;
    }
    return quint8(bytes.at(1 + module)) & 0x08 ? k : -1;
}

} // namespace SpanFrames
