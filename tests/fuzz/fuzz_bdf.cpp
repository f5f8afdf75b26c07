// A BDF font is text from any file the user picks: cut short, damaged, or made to mislead.
// Every input must give a font or one message naming the file, no byte past the input may be
// read, every glyph must sit in the font's cell, and gzip-compressing the input must change
// nothing.

#include "bitmapfont.h"
#include "fontfuzzing.h"
#include "gzip.h"

using namespace FontFuzzing;

namespace {

const QString FileName = QStringLiteral("fuzz.bdf");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOver(data, size);
    const Fonts::FontReading reading = Fonts::readBdf(bytes, FileName);
    checkReading(reading, FileName);
    if (Fonts::isGzip(bytes))
        return 0;
    if (reading.font) {
        // Each glyph takes at least its STARTCHAR and ENDCHAR lines.
        require(reading.font->glyphs.size() <= bytes.count('\n') / 2, "no glyph out of nothing");
        for (const Fonts::Glyph &glyph : reading.font->glyphs)
            require(glyph.characters.size() <= 1, "a BDF glyph stands for one character at most");
    }
    checkGzipGivesTheSame(Fonts::readBdf, bytes, reading, FileName);
    return 0;
}
