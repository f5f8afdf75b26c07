#include "builtinanimation.h"

#include "font.h"
#include "transforms.h"

namespace {

// Scrolling uses each glyph's own width rather than the full eight columns, so that a text
// reads as words; a blank glyph keeps this many columns.
constexpr int BlankWidth = 3;
constexpr int LetterSpacing = 1;

Pattern glyphOrBlank(quint8 code)
{
    return Font::glyph(code).value_or(Pattern());
}

QList<quint8> scrollColumns(const QByteArray &text)
{
    QList<quint8> columns;
    for (char code : text) {
        const Protocol::ColumnPattern glyph = glyphOrBlank(quint8(code)).columns();
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

const QStringList UpArrow = {
    "...##...", "..####..", ".######.", "##.##.##", "...##...", "...##...", "...##...", "...##...",
};

} // namespace

Animation::Animation()
    : m_frames{Pattern()}
{}

Animation::Animation(QList<Pattern> frames)
    : m_frames(std::move(frames))
{
    if (m_frames.isEmpty())
        m_frames.append(Pattern());
}

Animation Animation::still(const Pattern &pattern)
{
    return Animation({pattern});
}

Animation Animation::scrolling(const QByteArray &text)
{
    if (text.isEmpty())
        return Animation();
    const QList<quint8> columns = scrollColumns(text);
    const int width = Pattern::Columns;
    QList<Pattern> frames;
    // Frame i shows text columns i - 8 .. i - 1: the first frame is dark, the last shows only
    // the text's last column, at the left edge.
    for (qsizetype i = 0; i < columns.size() + width; ++i) {
        Protocol::ColumnPattern frame{};
        for (int k = 0; k < width; ++k) {
            const qsizetype source = i - width + k;
            if (source >= 0 && source < columns.size())
                frame[size_t(k)] = columns.at(source);
        }
        frames.append(Pattern::fromColumns(frame));
    }
    return Animation(frames);
}

Animation Animation::characters(const QByteArray &text)
{
    QList<Pattern> frames;
    for (char code : text)
        frames.append(glyphOrBlank(quint8(code)));
    return Animation(frames);
}

Animation Animation::arrow(Protocol::Direction direction)
{
    const Pattern up = *Pattern::fromArt(UpArrow);
    const int size = Pattern::Rows;
    QList<Pattern> frames;
    // Step i moves the arrow from one board's length behind the display (i = 0, dark) through
    // the middle (i = 8) until only its tail is left at the far edge (i = 15).
    for (int i = 0; i < 2 * size; ++i) {
        const int travelled = i - size;
        switch (direction) {
        case Protocol::DIR_UP:
            frames.append(shifted(up, -travelled, 0));
            break;
        case Protocol::DIR_DOWN:
            frames.append(shifted(transformed(up, Transform::MirrorTopBottom), travelled, 0));
            break;
        case Protocol::DIR_RIGHT:
            frames.append(shifted(transformed(up, Transform::RotateClockwise), 0, travelled));
            break;
        case Protocol::DIR_LEFT:
            frames.append(shifted(transformed(up, Transform::RotateAnticlockwise), 0, -travelled));
            break;
        }
    }
    return Animation(frames);
}

void Animation::step()
{
    m_index = (m_index + 1) % m_frames.size();
}
