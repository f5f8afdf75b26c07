#pragma once

#include "pattern.h"
#include "transforms.h"

#include <QSize>
#include <QString>

#include <array>
#include <optional>

// The picture of a whole span: 8 dots per module across, 8 per module down, drawn on as one.
// It is kept as one 8x8 Pattern per module place, row by row from the top left, so that cutting
// it into the modules' pictures costs nothing and a frame of even sixteen modules is a value of
// a fixed size, without a heap allocation of its own.
class Canvas
{
public:
    static constexpr int MaxModules = 16;
    static constexpr int ModuleDots = Pattern::Columns;

    // One module, dark.
    Canvas() = default;
    // `columns` x `rows` modules, dark; a size isValidSize() refuses is taken as 1 x 1.
    Canvas(int columns, int rows);

    static bool isValidSize(int columns, int rows)
    {
        return columns >= 1 && rows >= 1 && columns * rows <= MaxModules;
    }

    int moduleColumns() const { return m_columns; }
    int moduleRows() const { return m_rows; }
    int moduleCount() const { return m_columns * m_rows; }
    // In dots.
    int width() const { return m_columns * ModuleDots; }
    int height() const { return m_rows * ModuleDots; }

    // x from the left, y from the top, in dots; outside the canvas a dot is dark and stays so.
    bool dot(int x, int y) const;
    void setDot(int x, int y, bool lit);
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }

    // The part of the picture at module place `index` (row by row from the top left), as it is
    // seen: no orientation applied.
    Pattern tile(int index) const { return m_tiles[size_t(index)]; }
    void setTile(int index, const Pattern &pattern) { m_tiles[size_t(index)] = pattern; }

    bool isBlank() const;
    int litCount() const;
    // The same picture on a canvas of another size: the top left part kept, the rest dark.
    Canvas resized(int columns, int rows) const;

    friend bool operator==(const Canvas &, const Canvas &) = default;

private:
    int m_columns = 1;
    int m_rows = 1;
    std::array<Pattern, MaxModules> m_tiles{};
};

namespace CanvasText {

// One line per dot row, '#' for a lit dot and '.' for a dark one, as the workbench's text art.
QString textArt(const Canvas &canvas);
// Text art of any size onto a dark canvas of `columns` x `rows` modules, its top left corner on
// the canvas's; what lies beyond the canvas is left out. The characters the workbench's text
// art takes for lit and dark dots are taken; `error` says what is wrong otherwise.
std::optional<Canvas> parseTextArt(const QString &text, int columns, int rows, QString *error);
// Whether the text is made only of text art's characters, in lines of any length.
bool looksLikeTextArt(const QString &text);
// Text art's size in dots: its longest line across (trailing spaces left out), its lines down
// (empty lines before and after left out).
QSize textArtSize(const QString &text);

// The dots as a .glyphs file keeps them: one group of hex digits per dot row, top row first,
// each row's dots left to right in bytes of 8 with the leftmost dot in the high bit, groups
// separated by single spaces. A 2 x 1 canvas with only its top left dot lit:
// "8000 0000 0000 0000 0000 0000 0000 0000".
QString rowsText(const Canvas &canvas);
// The reverse for a canvas of `columns` x `rows` modules, the groups with their spaces or
// without any; nothing for text of another size or with other characters.
std::optional<Canvas> fromRowsText(QStringView text, int columns, int rows);

} // namespace CanvasText

namespace CanvasTransforms {

// The transforms that keep a canvas's shape: invert, shift and wrap in four directions, mirror
// left to right and top to bottom, rotate 180 degrees. The quarter turns would swap width and
// height.
bool applies(Transform transform);
// The canvas as the transform leaves it; unchanged for a transform that does not apply.
Canvas transformed(const Canvas &canvas, Transform transform);

} // namespace CanvasTransforms
