#include "spantext.h"

namespace SpanText {

QList<SpanFrame> scroll(const QString &text, const TextFrames::Options &options, int columns,
                        int rows)
{
    const Canvas blank(columns, rows);
    const QSize window(blank.width(), blank.height());
    // Grayscale8, black (0) where lit.
    const QImage strip =
        TextFrames::strip(text, options, window).convertToFormat(QImage::Format_Grayscale8);
    const int duration = Frames::clampedDuration(options.frameMs);
    QList<SpanFrame> frames;
    const QList<QPoint> offsets = TextFrames::scrollOffsets(strip, options.direction, window);
    frames.reserve(offsets.size());
    for (const QPoint &offset : offsets) {
        SpanFrame frame{blank, duration};
        for (int y = 0; y < window.height(); ++y) {
            const int stripY = offset.y() + y;
            if (stripY < 0 || stripY >= strip.height())
                continue;
            const uchar *line = strip.constScanLine(stripY);
            for (int x = 0; x < window.width(); ++x) {
                const int stripX = offset.x() + x;
                if (stripX >= 0 && stripX < strip.width() && line[stripX] == 0)
                    frame.canvas.setDot(x, y, true);
            }
        }
        frames.append(frame);
    }
    return frames;
}

} // namespace SpanText
