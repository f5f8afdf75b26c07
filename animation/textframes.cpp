#include "textframes.h"

#include <QFontMetrics>
#include <QPainter>

namespace TextFrames {

namespace {

constexpr int Size = 8;

bool vertical(Direction direction)
{
    return direction == Direction::Up || direction == Direction::Down;
}

QFont unsmoothed(const QFont &font)
{
    QFont plain = font;
    plain.setStyleStrategy(QFont::NoAntialias);
    return plain;
}

// Drawn in black on white without smoothing, then cut at the threshold to pure black and white.
QImage draw(const QString &text, const QFont &font, QSize size, int threshold, bool centre)
{
    QImage image(size, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    const QFont plain = unsmoothed(font);
    QPainter painter(&image);
    painter.setFont(plain);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(plain);
    // The letters' body centred in the rows.
    const int baseline =
        (size.height() - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
    const int x = centre ? (size.width() - metrics.horizontalAdvance(text)) / 2 : 0;
    painter.drawText(x, baseline, text);
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        uchar *line = image.scanLine(y);
        for (int i = 0; i < image.width(); ++i)
            line[i] = line[i] < threshold ? 0 : 255;
    }
    return image;
}

// The frames a strip of `length` dots takes.
qint64 framesFor(qint64 length)
{
    return length + Size + 1;
}

} // namespace

qint64 frameCount(const QString &text, const Options &options)
{
    if (vertical(options.direction))
        return framesFor(qint64(Size) * qMax<qsizetype>(1, text.size()));
    return framesFor(qMax(1, QFontMetrics(unsmoothed(options.font)).horizontalAdvance(text)));
}

qsizetype fittingLength(const QString &text, const Options &options)
{
    // Widths grow with the length, so the longest start that fits is found by halving.
    qsizetype fits = 0;
    qsizetype tooLong = text.size() + 1;
    while (tooLong - fits > 1) {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        if (frameCount(text.left(middle), options) <= Frames::MaxFrames)
            fits = middle;
        else
            tooLong = middle;
    }
    return fits;
}

QImage strip(const QString &text, const Options &options)
{
    return strip(text, options, QSize(Size, Size));
}

QImage strip(const QString &text, const Options &options, QSize window)
{
    if (!vertical(options.direction)) {
        const int width = qMax(1, QFontMetrics(unsmoothed(options.font)).horizontalAdvance(text));
        return draw(text, options.font, QSize(width, window.height()), options.threshold, false);
    }
    QImage column(window.width(), window.height() * qMax<qsizetype>(1, text.size()),
                  QImage::Format_Grayscale8);
    column.fill(Qt::white);
    QPainter painter(&column);
    for (qsizetype i = 0; i < text.size(); ++i) {
        painter.drawImage(0, int(i) * window.height(),
                          draw(text.mid(i, 1), options.font, window, options.threshold, true));
    }
    return column;
}

QList<QPoint> scrollOffsets(const QImage &strip, Direction direction, QSize window)
{
    const bool down = direction == Direction::Down;
    const bool right = direction == Direction::Right;
    const int length = vertical(direction) ? strip.height() : strip.width();
    const int across = vertical(direction) ? window.height() : window.width();
    QList<QPoint> offsets;
    // The window onto the text moves from just before its start to just after its end.
    for (int step = 0; step <= length + across && offsets.size() < Frames::MaxFrames; ++step) {
        const int offset = (down || right) ? length - step : step - across;
        offsets.append(vertical(direction) ? QPoint(0, offset) : QPoint(offset, 0));
    }
    return offsets;
}

QList<Frame> scroll(const QString &text, const Options &options)
{
    if (text.trimmed().isEmpty() || frameCount(text, options) > Frames::MaxFrames)
        return {};
    const QImage picture = strip(text, options);
    const int duration = Frames::clampedDuration(options.frameMs);
    QList<Frame> frames;
    for (const QPoint &offset : scrollOffsets(picture, options.direction, QSize(Size, Size))) {
        Frame frame;
        frame.durationMs = duration;
        for (int column = 0; column < Size; ++column) {
            for (int row = 0; row < Size; ++row) {
                const int x = offset.x() + column;
                const int y = offset.y() + row;
                frame.pattern.setDot(row, column,
                                     picture.valid(x, y) && qGray(picture.pixel(x, y)) == 0);
            }
        }
        frames.append(frame);
    }
    return frames;
}

} // namespace TextFrames
