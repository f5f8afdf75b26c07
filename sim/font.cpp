#include "font.h"

#include <QList>

#include <cctype>

// The glyphs are drawn as pictures, eight to a band: a line naming the characters (one
// character, or two hex digits for a byte outside ASCII), then the eight rows of their dots side
// by side, nine columns apart. Letters sit in rows 0..6 with row 7 for descenders; lower-case
// letters start at row 2, which leaves rows 0 and 1 free for an accent.
namespace {

const char AsciiGlyphs[] = R"glyphs(
         !        "        #        $        %        &        '
........ ...#.... ..#.#... ..#.#... ...#.... .##..... ..##.... ...#....
........ ...#.... ..#.#... ..#.#... ..####.. .##..#.. .#..#... ...#....
........ ...#.... ..#.#... .#####.. .#.#.... ....#... .#.#.... ..#.....
........ ...#.... ........ ..#.#... ..###... ...#.... ..#..... ........
........ ...#.... ........ .#####.. ...#.#.. ..#..... .#.#.#.. ........
........ ........ ........ ..#.#... .####... .#..##.. .#..#... ........
........ ...#.... ........ ..#.#... ...#.... ....##.. ..##.#.. ........
........ ........ ........ ........ ........ ........ ........ ........
(        )        *        +        ,        -        .        /
....#... ..#..... ........ ........ ........ ........ ........ ........
...#.... ...#.... ...#.... ...#.... ........ ........ ........ .....#..
..#..... ....#... .#.#.#.. ...#.... ........ ........ ........ ....#...
..#..... ....#... ..###... .#####.. ........ .#####.. ........ ...#....
..#..... ....#... .#.#.#.. ...#.... ..##.... ........ ........ ..#.....
...#.... ...#.... ...#.... ...#.... ...#.... ........ ..##.... .#......
....#... ..#..... ........ ........ ..#..... ........ ..##.... ........
........ ........ ........ ........ ........ ........ ........ ........
0        1        2        3        4        5        6        7
..###... ...#.... ..###... .#####.. ....#... .#####.. ...##... .#####..
.#...#.. ..##.... .#...#.. ....#... ...##... .#...... ..#..... .....#..
.#..##.. ...#.... .....#.. ...#.... ..#.#... .####... .#...... ....#...
.#.#.#.. ...#.... ....#... ....#... .#..#... .....#.. .####... ...#....
.##..#.. ...#.... ...#.... .....#.. .#####.. .....#.. .#...#.. ..#.....
.#...#.. ...#.... ..#..... .#...#.. ....#... .#...#.. .#...#.. ..#.....
..###... ..###... .#####.. ..###... ....#... ..###... ..###... ..#.....
........ ........ ........ ........ ........ ........ ........ ........
8        9        :        ;        <        =        >        ?
..###... ..###... ........ ........ ....#... ........ ..#..... ..###...
.#...#.. .#...#.. ..##.... ..##.... ...#.... ........ ...#.... .#...#..
.#...#.. .#...#.. ..##.... ..##.... ..#..... .#####.. ....#... .....#..
..###... ..####.. ........ ........ .#...... ........ .....#.. ....#...
.#...#.. .....#.. ..##.... ..##.... ..#..... .#####.. ....#... ...#....
.#...#.. ....#... ..##.... ...#.... ...#.... ........ ...#.... ........
..###... ..##.... ........ ..#..... ....#... ........ ..#..... ...#....
........ ........ ........ ........ ........ ........ ........ ........
@        A        B        C        D        E        F        G
..###... ..###... .####... ..###... .###.... .#####.. .#####.. ..###...
.#...#.. .#...#.. .#...#.. .#...#.. .#..#... .#...... .#...... .#...#..
.....#.. .#...#.. .#...#.. .#...... .#...#.. .#...... .#...... .#......
..##.#.. .#####.. .####... .#...... .#...#.. .####... .####... .#.###..
.#.#.#.. .#...#.. .#...#.. .#...... .#...#.. .#...... .#...... .#...#..
.#.#.#.. .#...#.. .#...#.. .#...#.. .#..#... .#...... .#...... .#...#..
..###... .#...#.. .####... ..###... .###.... .#####.. .#...... ..####..
........ ........ ........ ........ ........ ........ ........ ........
H        I        J        K        L        M        N        O
.#...#.. ..###... ...###.. .#...#.. .#...... .#...#.. .#...#.. ..###...
.#...#.. ...#.... ....#... .#..#... .#...... .##.##.. .#...#.. .#...#..
.#...#.. ...#.... ....#... .#.#.... .#...... .#.#.#.. .##..#.. .#...#..
.#####.. ...#.... ....#... .##..... .#...... .#.#.#.. .#.#.#.. .#...#..
.#...#.. ...#.... ....#... .#.#.... .#...... .#...#.. .#..##.. .#...#..
.#...#.. ...#.... .#..#... .#..#... .#...... .#...#.. .#...#.. .#...#..
.#...#.. ..###... ..##.... .#...#.. .#####.. .#...#.. .#...#.. ..###...
........ ........ ........ ........ ........ ........ ........ ........
P        Q        R        S        T        U        V        W
.####... ..###... .####... ..####.. .#####.. .#...#.. .#...#.. .#...#..
.#...#.. .#...#.. .#...#.. .#...... ...#.... .#...#.. .#...#.. .#...#..
.#...#.. .#...#.. .#...#.. .#...... ...#.... .#...#.. .#...#.. .#...#..
.####... .#...#.. .####... ..###... ...#.... .#...#.. .#...#.. .#.#.#..
.#...... .#.#.#.. .#.#.... .....#.. ...#.... .#...#.. .#...#.. .#.#.#..
.#...... .#..#... .#..#... .....#.. ...#.... .#...#.. ..#.#... .#.#.#..
.#...... ..##.#.. .#...#.. .####... ...#.... ..###... ...#.... ..#.#...
........ ........ ........ ........ ........ ........ ........ ........
X        Y        Z        [        \        ]        ^        _
.#...#.. .#...#.. .#####.. ..###... .#...... ..###... ...#.... ........
.#...#.. .#...#.. .....#.. ..#..... ..#..... ....#... ..#.#... ........
..#.#... .#...#.. ....#... ..#..... ..#..... ....#... .#...#.. ........
...#.... ..#.#... ...#.... ..#..... ...#.... ....#... ........ ........
..#.#... ...#.... ..#..... ..#..... ....#... ....#... ........ ........
.#...#.. ...#.... .#...... ..#..... ....#... ....#... ........ ........
.#...#.. ...#.... .#####.. ..###... .....#.. ..###... ........ ........
........ ........ ........ ........ ........ ........ ........ .#####..
`        a        b        c        d        e        f        g
..#..... ........ .#...... ........ .....#.. ........ ...##... ........
...#.... ........ .#...... ........ .....#.. ........ ..#..#.. ........
....#... ..###... .#.##... ..###... ..##.#.. ..###... ..#..... ..####..
........ .....#.. .##..#.. .#...... .#..##.. .#...#.. .###.... .#...#..
........ ..####.. .#...#.. .#...... .#...#.. .#####.. ..#..... .#...#..
........ .#...#.. .#...#.. .#...#.. .#...#.. .#...... ..#..... ..####..
........ ..####.. .####... ..###... ..####.. ..###... ..#..... .....#..
........ ........ ........ ........ ........ ........ ........ ..###...
h        i        j        k        l        m        n        o
.#...... ...#.... ....#... .#...... ..##.... ........ ........ ........
.#...... ........ ........ .#...... ...#.... ........ ........ ........
.#.##... ..##.... ...##... .#..#... ...#.... .##.#... .#.##... ..###...
.##..#.. ...#.... ....#... .#.#.... ...#.... .#.#.#.. .##..#.. .#...#..
.#...#.. ...#.... ....#... .##..... ...#.... .#.#.#.. .#...#.. .#...#..
.#...#.. ...#.... ....#... .#.#.... ...#.... .#.#.#.. .#...#.. .#...#..
.#...#.. ..###... .#..#... .#..#... ..###... .#.#.#.. .#...#.. ..###...
........ ........ ..##.... ........ ........ ........ ........ ........
p        q        r        s        t        u        v        w
........ ........ ........ ........ ..#..... ........ ........ ........
........ ........ ........ ........ ..#..... ........ ........ ........
.####... ..####.. .#.##... ..####.. .###.... .#...#.. .#...#.. .#...#..
.#...#.. .#...#.. .##..#.. .#...... ..#..... .#...#.. .#...#.. .#...#..
.#...#.. .#...#.. .#...... ..###... ..#..... .#...#.. .#...#.. .#.#.#..
.####... ..####.. .#...... .....#.. ..#..#.. .#..##.. ..#.#... .#.#.#..
.#...... .....#.. .#...... .####... ...##... ..##.#.. ...#.... ..#.#...
.#...... .....#.. ........ ........ ........ ........ ........ ........
x        y        z        {        |        }        ~
........ ........ ........ ....#... ...#.... ..#..... ........
........ ........ ........ ...#.... ...#.... ...#.... ........
.#...#.. .#...#.. .#####.. ...#.... ...#.... ...#.... ..#.....
..#.#... .#...#.. ....#... ..#..... ...#.... ....#... .#.#.#..
...#.... .#...#.. ...#.... ...#.... ...#.... ...#.... ....#...
..#.#... ..####.. ..#..... ...#.... ...#.... ...#.... ........
.#...#.. .....#.. .#####.. ....#... ...#.... ..#..... ........
........ ..###... ........ ........ ........ ........ ........
)glyphs";

// Latin-1 letters and signs that are not a base letter with a mark.
const char Latin1Glyphs[] = R"glyphs(
C6       D0       D7       D8       DE       DF
..####.. .###.... ........ ..###... .#...... ..##....
.#.#.... .#..#... .#...#.. .#..##.. .####... .#..#...
.#.#.... .#...#.. ..#.#... .#.#.#.. .#...#.. .#..#...
.####... .###.#.. ...#.... .#.#.#.. .#...#.. .#.#....
.#.#.... .#...#.. ..#.#... .#.#.#.. .####... .#..#...
.#.#.... .#..#... .#...#.. .##..#.. .#...... .#...#..
.#.###.. .###.... ........ ..###... .#...... .#.##...
........ ........ ........ ........ ........ ........
E6       F0       F7       F8       FE
........ ..#.#... ........ ........ ........
........ ...#.... ...#.... ........ .#......
.##.#... ..#.#... ........ ..###... .####...
...#.#.. ..####.. .#####.. .#..##.. .#...#..
..####.. .#...#.. ........ .#.#.#.. .#...#..
.#.#.... .#...#.. ...#.... .##..#.. .####...
..##.#.. ..###... ........ ..###... .#......
........ ........ ........ ........ .#......
)glyphs";

enum class Mark { Grave, Acute, Circumflex, Tilde, Diaeresis, Ring, Cedilla };

// Two rows above a letter; the cedilla is the one mark that hangs below, in row 7.
const char *const MarkRows[][2] = {
    {"..#.....", "...#...."}, // grave
    {"....#...", "...#...."}, // acute
    {"...#....", "..#.#..."}, // circumflex
    {"..##.#..", ".#..#..."}, // tilde
    {"..#.#...", "........"}, // diaeresis
    {"..###...", "..#.#..."}, // ring
    {"...##...", "........"}, // cedilla
};

struct Accented
{
    quint8 code;
    char base;
    Mark mark;
};

// The capitals; each small letter is 0x20 above its capital, with the same mark.
const Accented AccentedCapitals[] = {
    {0xC0, 'A', Mark::Grave},      {0xC1, 'A', Mark::Acute},      {0xC2, 'A', Mark::Circumflex},
    {0xC3, 'A', Mark::Tilde},      {0xC4, 'A', Mark::Diaeresis},  {0xC5, 'A', Mark::Ring},
    {0xC7, 'C', Mark::Cedilla},    {0xC8, 'E', Mark::Grave},      {0xC9, 'E', Mark::Acute},
    {0xCA, 'E', Mark::Circumflex}, {0xCB, 'E', Mark::Diaeresis},  {0xCC, 'I', Mark::Grave},
    {0xCD, 'I', Mark::Acute},      {0xCE, 'I', Mark::Circumflex}, {0xCF, 'I', Mark::Diaeresis},
    {0xD1, 'N', Mark::Tilde},      {0xD2, 'O', Mark::Grave},      {0xD3, 'O', Mark::Acute},
    {0xD4, 'O', Mark::Circumflex}, {0xD5, 'O', Mark::Tilde},      {0xD6, 'O', Mark::Diaeresis},
    {0xD9, 'U', Mark::Grave},      {0xDA, 'U', Mark::Acute},      {0xDB, 'U', Mark::Circumflex},
    {0xDC, 'U', Mark::Diaeresis},  {0xDD, 'Y', Mark::Acute},
};
// y with diaeresis has no capital in Latin-1.
const Accented SmallYDiaeresis = {0xFF, 'y', Mark::Diaeresis};

using Table = std::array<std::optional<Pattern>, 256>;

constexpr int GlyphWidth = Pattern::Columns;
constexpr int BandStride = GlyphWidth + 1;

void readBands(const char *art, Table &table)
{
    QList<QByteArray> lines = QByteArray(art).split('\n');
    lines.removeAll(QByteArray());
    if (lines.size() % (Pattern::Rows + 1) != 0)
        qFatal("font: a band has no header or too few rows");
    for (qsizetype band = 0; band < lines.size(); band += Pattern::Rows + 1) {
        const QByteArray &header = lines.at(band);
        const qsizetype glyphs = (lines.at(band + 1).size() + 1) / BandStride;
        for (qsizetype k = 0; k < glyphs; ++k) {
            const QByteArray name = header.mid(BandStride * k, GlyphWidth).trimmed();
            bool ok = true;
            const int code = name.isEmpty()     ? ' '
                             : name.size() == 1 ? quint8(name.at(0))
                                                : name.toInt(&ok, 16);
            QStringList rows;
            for (int row = 0; row < Pattern::Rows; ++row)
                rows.append(
                    QString::fromLatin1(lines.at(band + 1 + row).mid(BandStride * k, GlyphWidth)));
            const auto pattern = Pattern::fromArt(rows);
            if (!ok || code < 0 || code > 255 || !pattern || table[size_t(code)])
                qFatal("font: glyph %lld of band %lld is malformed", qlonglong(k), qlonglong(band));
            table[size_t(code)] = pattern;
        }
    }
}

Pattern markPattern(Mark mark)
{
    const auto rows = MarkRows[int(mark)];
    QStringList picture(Pattern::Rows, QStringLiteral("........"));
    const int top = mark == Mark::Cedilla ? Pattern::Rows - 1 : 0;
    picture[top] = QString::fromLatin1(rows[0]);
    if (mark != Mark::Cedilla)
        picture[1] = QString::fromLatin1(rows[1]);
    return *Pattern::fromArt(picture);
}

// A capital fills rows 0..6, so to make room for a mark above it loses its lowest row that
// repeats the row above (a straight stretch of a stem) and moves down into rows 2..7.
Pattern squeezedIntoRowsTwoToSeven(const Pattern &capital)
{
    const auto rowBits = [&](int row) {
        quint8 bits = 0;
        for (int column = 0; column < Pattern::Columns; ++column)
            bits |= capital.dot(row, column) ? quint8(1 << column) : 0;
        return bits;
    };
    int dropped = -1;
    for (int row = 6; row >= 1 && dropped < 0; --row) {
        if (rowBits(row) == rowBits(row - 1))
            dropped = row;
    }
    Q_ASSERT(dropped > 0);
    Pattern out;
    int target = 2;
    for (int row = 0; row < 7; ++row) {
        if (row == dropped)
            continue;
        for (int column = 0; column < Pattern::Columns; ++column)
            out.setDot(target, column, capital.dot(row, column));
        ++target;
    }
    return out;
}

Pattern composed(const Table &table, char base, Mark mark)
{
    Pattern letter = *table[quint8(base)];
    if (mark != Mark::Cedilla) {
        if (std::isupper(quint8(base))) {
            letter = squeezedIntoRowsTwoToSeven(letter);
        } else {
            // Clears the dot of the i, which the mark replaces.
            for (int row = 0; row < 2; ++row) {
                for (int column = 0; column < Pattern::Columns; ++column)
                    letter.setDot(row, column, false);
            }
        }
    }
    return Pattern::fromBits(letter.bits() | markPattern(mark).bits());
}

Table buildTable()
{
    Table table;
    readBands(AsciiGlyphs, table);
    readBands(Latin1Glyphs, table);
    for (const Accented &capital : AccentedCapitals) {
        table[capital.code] = composed(table, capital.base, capital.mark);
        const char small = char(std::tolower(quint8(capital.base)));
        table[capital.code + 0x20u] = composed(table, small, capital.mark);
    }
    table[SmallYDiaeresis.code] = composed(table, SmallYDiaeresis.base, SmallYDiaeresis.mark);
    return table;
}

} // namespace

namespace Font {

std::optional<Pattern> glyph(quint8 code)
{
    static const Table table = buildTable();
    return table[code];
}

} // namespace Font
