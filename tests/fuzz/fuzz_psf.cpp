// A PSF font comes from any file the user picks: cut short, damaged, or made to mislead. Every
// input must give a font or one message naming the file, no byte past the input may be read, a
// font's glyphs must be the very bytes at their place in the file, and gzip-compressing the
// input must change nothing.

#include "bitmapfont.h"
#include "fontfuzzing.h"
#include "gzip.h"

#include <QtEndian>

using namespace FontFuzzing;

namespace {

const QString FileName = QStringLiteral("fuzz.psf");

// The glyphs as the header places them, read by offset, dot by dot.
void checkGlyphBytes(const Fonts::BitmapFont &font, const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const bool psf1 = bytes.startsWith("\x36\x04");
    const qsizetype start = psf1 ? 4 : qFromLittleEndian<quint32>(data + 8);
    const qsizetype glyphBytes = psf1 ? data[3] : qFromLittleEndian<quint32>(data + 20);
    const int stride = (font.width + 7) / 8;
    require(glyphBytes == qsizetype(stride) * font.height, "glyph size as the header says");
    require(start + font.glyphs.size() * glyphBytes <= bytes.size(), "glyphs inside the file");
    for (qsizetype index = 0; index < font.glyphs.size(); ++index) {
        const Fonts::Bitmap &bitmap = font.glyphs[index].bitmap;
        require(bitmap.width() == font.width, "PSF glyphs are all as wide as the font");
        for (int y = 0; y < font.height; ++y) {
            for (int x = 0; x < font.width; ++x) {
                const uchar byte = data[start + index * glyphBytes + y * stride + x / 8];
                require(bitmap.dot(x, y) == bool(byte & (0x80 >> (x % 8))),
                        "each dot is its bit in the file");
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOver(data, size);
    const Fonts::FontReading reading = Fonts::readPsf(bytes, FileName);
    checkReading(reading, FileName);
    if (Fonts::isGzip(bytes))
        return 0;
    if (reading.font)
        checkGlyphBytes(*reading.font, bytes);
    checkGzipGivesTheSame(Fonts::readPsf, bytes, reading, FileName);
    return 0;
}
