#pragma once

#include "span.h"
#include "textframes.h"

#include <QList>
#include <QString>

// A text scrolled across a whole span one dot a frame, in any font: the frames of Text to
// Frames, on a window the size of the span's canvas rather than one module.
namespace SpanText {

// Left and right: one line as high as the canvas; up and down: one character under the other,
// each centred across the canvas. Starts and ends with a dark canvas.
QList<SpanFrame> scroll(const QString &text, const TextFrames::Options &options, int columns,
                        int rows);

} // namespace SpanText
