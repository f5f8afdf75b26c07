#pragma once

#include "bitmap.h"

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace Fonts {

// Font files larger than this are refused before they are read.
inline constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;
// A compressed font may unpack to at most this much.
inline constexpr qsizetype MaxFontBytes = 64 * 1024 * 1024;
// Glyphs wider or higher than this many dots are refused.
inline constexpr int MaxGlyphSide = 256;
// More than all of Unicode's planes 0 to 3 need.
inline constexpr qsizetype MaxGlyphCount = 0x40000;

// One glyph of a bitmap font.
struct Glyph
{
    Bitmap bitmap;
    // Its number in the font: the position in a PSF file, the ENCODING of a BDF glyph; -1 for
    // none.
    qint64 code = -1;
    // What the glyph stands for: each entry one character, or a sequence of them (a letter with
    // combining accents).
    QStringList characters;
};

// A bitmap font read from a file: every glyph as high as the font, its baseline at ascent.
struct BitmapFont
{
    QString fileName;
    // The widest glyph's width.
    int width = 0;
    int height = 0;
    // Rows above the baseline.
    int ascent = 0;
    // Where the ink of the ASCII letters and digits lies: the part of the cell that a scaled
    // glyph keeps. The whole cell when the font has none of them.
    QRect body;
    QList<Glyph> glyphs;

    // The glyph that stands for the character. In a font that says of no glyph what it stands
    // for, an ASCII character's glyph is the one with that code. Null when there is none.
    const Glyph *glyphFor(char32_t character) const;
};

// A font, or why a file holds none: "<file name>: <reason>".
struct FontReading
{
    std::optional<BitmapFont> font;
    QString error;
};

// PSF fonts, version 1 or 2, plain or gzip-compressed. Safe for any bytes.
FontReading readPsf(const QByteArray &bytes, const QString &fileName);
// BDF fonts, plain or gzip-compressed. Safe for any bytes.
FontReading readBdf(const QByteArray &bytes, const QString &fileName);
// Either of the two, told apart by what the bytes hold.
FontReading readFont(const QByteArray &bytes, const QString &fileName);
// readFont() over a file's bytes; a file over MaxFileBytes is refused unread.
FontReading readFontFile(const QString &path);

} // namespace Fonts
