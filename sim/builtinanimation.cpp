#include "builtinanimation.h"

#include "dotpattern.h"
#include "font.h"

using Protocol::ColumnPattern;

namespace {

// Scrolling uses each glyph's own width rather than the full eight columns, so that a text
// reads as words; a blank glyph keeps this many columns.
constexpr int BlankWidth = 3;
constexpr int LetterSpacing = 1;

ColumnPattern glyphOrBlank(quint8 code)
{
    return Font::glyph(code).value_or(ColumnPattern{});
}

QList<quint8> scrollColumns(const QByteArray &text)
{
    QList<quint8> columns;
    for (char code : text) {
        const ColumnPattern glyph = glyphOrBlank(quint8(code));
        int first = 0;
        int last = int(glyph.size()) - 1;
        while (first <= last && glyph[size_t(first)] == 0)
            ++first;
        while (last >= first && glyph[size_t(last)] == 0)
            --last;
        if (first > last)
            columns.append(QList<quint8>(BlankWidth, 0));
        else
            columns.append(QList<quint8>(glyph.begin() + first, glyph.begin() + last + 1));
        columns.append(QList<quint8>(LetterSpacing, 0));
    }
    return columns;
}

const std::array<QByteArray, DotPattern::RowCount> UpArrow = {
    "...##...", "..####..", ".######.", "##.##.##", "...##...", "...##...", "...##...", "...##...",
};

} // namespace

Animation::Animation()
    : m_frames{ColumnPattern{}}
{}

Animation::Animation(QList<ColumnPattern> frames)
    : m_frames(std::move(frames))
{
    if (m_frames.isEmpty())
        m_frames.append(ColumnPattern{});
}

Animation Animation::still(const ColumnPattern &pattern)
{
    return Animation({pattern});
}

Animation Animation::scrolling(const QByteArray &text)
{
    if (text.isEmpty())
        return Animation();
    const QList<quint8> columns = scrollColumns(text);
    const int width = DotPattern::ColumnCount;
    QList<ColumnPattern> frames;
    // Frame i shows text columns i - 8 .. i - 1: the first frame is dark, the last shows only
    // the text's last column, at the left edge.
    for (qsizetype i = 0; i < columns.size() + width; ++i) {
        ColumnPattern frame{};
        for (int k = 0; k < width; ++k) {
            const qsizetype source = i - width + k;
            if (source >= 0 && source < columns.size())
                frame[size_t(k)] = columns.at(source);
        }
        frames.append(frame);
    }
    return Animation(frames);
}

Animation Animation::characters(const QByteArray &text)
{
    QList<ColumnPattern> frames;
    for (char code : text)
        frames.append(glyphOrBlank(quint8(code)));
    return Animation(frames);
}

Animation Animation::arrow(Protocol::Direction direction)
{
    using namespace DotPattern;
    const ColumnPattern up = *fromPicture(UpArrow);
    const int size = RowCount;
    QList<ColumnPattern> frames;
    // Step i moves the arrow from one board's length behind the display (i = 0, dark) through
    // the middle (i = 8) until only its tail is left at the far edge (i = 15).
    for (int i = 0; i < 2 * size; ++i) {
        const int travelled = i - size;
        switch (direction) {
        case Protocol::DIR_UP:
            frames.append(shifted(up, -travelled, 0));
            break;
        case Protocol::DIR_DOWN:
            frames.append(shifted(flippedVertically(up), travelled, 0));
            break;
        case Protocol::DIR_RIGHT:
            frames.append(shifted(flippedHorizontally(transposed(up)), 0, travelled));
            break;
        case Protocol::DIR_LEFT:
            frames.append(shifted(transposed(up), 0, -travelled));
            break;
        }
    }
    return Animation(frames);
}

void Animation::step()
{
    m_index = (m_index + 1) % m_frames.size();
}
