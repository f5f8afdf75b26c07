#pragma once

// What the two font fuzzers share: a rule that aborts when broken, reading in place from
// libFuzzer's buffer, gzip packing, and the checks that every font read must pass.

#include "bitmapfont.h"
#include "fit.h"

#include <QByteArray>

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace FontFuzzing {

// A broken rule aborts, so that libFuzzer keeps the input that broke it.
inline void require(bool holds, const char *rule)
{
    if (holds)
        return;
    std::fprintf(stderr, "a font reader broke a rule: %s\n", rule);
    std::abort();
}

// libFuzzer's buffer is allocated to the input's exact length: a read past the file lands in
// AddressSanitizer's redzone.
inline QByteArray bytesOver(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline QByteArray gzipped(const QByteArray &bytes)
{
    z_stream stream{};
    require(deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, 16 + MAX_WBITS, 8,
                         Z_DEFAULT_STRATEGY) == Z_OK,
            "zlib packs");
    QByteArray out(qsizetype(deflateBound(&stream, uLong(bytes.size()))) + 32, '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    require(deflate(&stream, Z_FINISH) == Z_STREAM_END, "zlib packs in one go");
    out.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

// A font or a message naming the file, never both; a font's glyphs all as high as the font and
// no wider, each fitting to 8x8 both ways.
inline void checkReading(const Fonts::FontReading &reading, const QString &fileName)
{
    require(reading.font.has_value() == reading.error.isEmpty(), "a font or a message");
    if (!reading.font) {
        require(reading.error.startsWith(fileName + QStringLiteral(": ")) &&
                    reading.error.size() > fileName.size() + 2,
                "the message names the file and a reason");
        return;
    }
    const Fonts::BitmapFont &font = *reading.font;
    require(!font.glyphs.isEmpty(), "a font has glyphs");
    require(font.height >= 1 && font.height <= Fonts::MaxGlyphSide, "the font's height is sane");
    require(font.width >= 0 && font.width <= Fonts::MaxGlyphSide, "the font's width is sane");
    for (const Fonts::Glyph &glyph : font.glyphs) {
        require(glyph.bitmap.height() == font.height, "every glyph is as high as the font");
        require(glyph.bitmap.width() <= font.width, "no glyph is wider than the font");
        require(glyph.bitmap.rows().size() == qsizetype(glyph.bitmap.stride()) * font.height,
                "a glyph's rows fill its size");
    }
    // Fitting looks at every dot of a glyph: a few glyphs are enough to exercise it.
    for (qsizetype i = 0; i < font.glyphs.size() && i < 4; ++i) {
        for (const Fonts::Fit fit : {Fonts::Fit::Scale, Fonts::Fit::Crop}) {
            const Fonts::Bitmap cell =
                Fonts::fitGlyph(font.glyphs[i].bitmap, font.ascent, font.body, fit);
            require(cell.width() == 8 && cell.height() == 8, "a fitted glyph is 8x8");
        }
    }
}

// Reading the same bytes gzip-compressed gives the same font, or fails for the same reason.
template<typename Reader>
void checkGzipGivesTheSame(Reader read, const QByteArray &bytes, const Fonts::FontReading &plain,
                           const QString &fileName)
{
    const Fonts::FontReading packed = read(gzipped(bytes), fileName);
    require(packed.error == plain.error, "packed bytes fail as the plain ones do");
    if (!plain.font)
        return;
    require(packed.font->glyphs.size() == plain.font->glyphs.size(), "as many glyphs packed");
    for (qsizetype i = 0; i < plain.font->glyphs.size(); ++i) {
        const Fonts::Glyph &a = plain.font->glyphs[i];
        const Fonts::Glyph &b = packed.font->glyphs[i];
        require(a.bitmap == b.bitmap && a.characters == b.characters && a.code == b.code,
                "each glyph the same packed");
    }
}

} // namespace FontFuzzing
