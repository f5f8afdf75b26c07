#include "span.h"

#include <QtGlobal>

bool Span::resize(int newColumns, int newRows)
{
    if (!Canvas::isValidSize(newColumns, newRows))
        return false;
    QList<SpanModule> placed(qsizetype(newColumns) * newRows);
    for (int row = 0; row < std::min(rows, newRows); ++row) {
        for (int column = 0; column < std::min(columns, newColumns); ++column)
            placed[row * newColumns + column] = modules.value(row * columns + column);
    }
    modules = placed;
    picture = picture.resized(newColumns, newRows);
    for (SpanAnimation &animation : animations) {
        for (SpanFrame &frame : animation.frames)
            frame.canvas = frame.canvas.resized(newColumns, newRows);
    }
    columns = newColumns;
    rows = newRows;
    return true;
}

namespace SpanSlicing {

namespace {

Pattern turnedClockwise(Pattern pattern, int quarterTurns)
{
    for (int i = 0; i < (quarterTurns % 4 + 4) % 4; ++i)
        pattern = transformed(pattern, Transform::RotateClockwise);
    return pattern;
}

// 3 x 5 digits for the module numbers, '#' lit.
constexpr const char *Digits[10][5] = {
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"}, {"###", "..#", ".##", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", "..#", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "###"},
};

// The arrow head in the top two rows; the dot in the corner marks the module's own top left, so
// that a mirrored module shows it on the other side even where its number looks the same both
// ways (8, 11).
constexpr const char *Arrow[2] = {"#..##...", "..####.."};

void drawDigit(Pattern &pattern, int digit, int left)
{
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (Digits[digit][row][column] == '#')
                pattern.setDot(3 + row, left + column, true);
        }
    }
}

} // namespace

Pattern asSeen(const Pattern &sent, Orientation orientation)
{
    const Pattern mirrored =
        orientation.mirrored ? transformed(sent, Transform::MirrorLeftRight) : sent;
    return turnedClockwise(mirrored, orientation.rotation / 90);
}

Pattern toModule(const Pattern &seen, Orientation orientation)
{
    const Pattern unturned = turnedClockwise(seen, -orientation.rotation / 90);
    return orientation.mirrored ? transformed(unturned, Transform::MirrorLeftRight) : unturned;
}

Pattern slice(const Canvas &canvas, const Span &span, int index)
{
    return toModule(canvas.tile(index), span.modules.value(index).orientation);
}

QList<Pattern> slices(const Canvas &canvas, const Span &span)
{
    QList<Pattern> result;
    result.reserve(span.moduleCount());
    for (int i = 0; i < span.moduleCount(); ++i)
        result.append(slice(canvas, span, i));
    return result;
}

Pattern identifyGlyph(int number)
{
    Pattern pattern;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < Pattern::Columns; ++column)
            pattern.setDot(row, column, Arrow[row][column] == '#');
    }
    number = qBound(0, number, 99);
    if (number < 10) {
        drawDigit(pattern, number, 2);
    } else {
        drawDigit(pattern, number / 10, 0);
        drawDigit(pattern, number % 10, 4);
    }
    return pattern;
}

} // namespace SpanSlicing
