#include "bitmapfont.h"

#include "gzip.h"
#include "readersupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <string_view>

namespace Fonts {

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FontFile)
};

} // namespace

const Glyph *BitmapFont::glyphFor(char32_t character) const
{
    const QString text = QString::fromUcs4(&character, 1);
    bool anyCharacters = false;
    for (const Glyph &glyph : glyphs) {
        if (glyph.characters.contains(text))
            return &glyph;
        anyCharacters = anyCharacters || !glyph.characters.isEmpty();
    }
    if (anyCharacters || character >= 0x80)
        return nullptr;
    for (const Glyph &glyph : glyphs) {
        if (glyph.code == qint64(character))
            return &glyph;
    }
    return nullptr;
}

namespace ReaderSupport {

FontReading failure(const QString &fileName, const QString &reason)
{
    return {std::nullopt, Texts::tr("%1: %2").arg(fileName, reason)};
}

std::optional<QByteArray> unpack(const QByteArray &bytes, QString *reason)
{
    if (bytes.size() > MaxFileBytes) {
        *reason = Texts::tr("the file is larger than %1").arg(byteCountText(MaxFileBytes));
        return std::nullopt;
    }
    if (!isGzip(bytes))
        return bytes;
    return gunzip(bytes, MaxFontBytes, reason);
}

int guessedAscent(const BitmapFont &font)
{
    for (const char32_t capital : std::u32string_view(U"HEXIO")) {
        const Glyph *glyph = font.glyphFor(capital);
        const QRect ink = glyph ? glyph->bitmap.inkRect() : QRect();
        if (!ink.isEmpty())
            return ink.bottom() + 1;
    }
    return font.height - font.height / 8;
}

QRect letterInk(const BitmapFont &font)
{
    const auto isLetter = [](char32_t code) {
        return code < 0x80 && QChar(char16_t(code)).isLetterOrNumber();
    };
    const bool mapped = std::any_of(font.glyphs.begin(), font.glyphs.end(),
                                    [](const Glyph &glyph) { return !glyph.characters.isEmpty(); });
    QRect ink;
    for (const Glyph &glyph : font.glyphs) {
        const bool letter =
            mapped ? std::any_of(glyph.characters.begin(), glyph.characters.end(),
                                 [&](const QString &text) {
                                     return text.size() == 1 && isLetter(text[0].unicode());
                                 })
                   : glyph.code >= 0 && isLetter(char32_t(glyph.code));
        if (letter)
            ink |= glyph.bitmap.inkRect();
    }
    return ink.isEmpty() ? QRect(0, 0, font.width, font.height) : ink;
}

} // namespace ReaderSupport

FontReading readFont(const QByteArray &bytes, const QString &fileName)
{
    QString reason;
    const std::optional<QByteArray> data = ReaderSupport::unpack(bytes, &reason);
    if (!data)
        return ReaderSupport::failure(fileName, reason);
    if (data->startsWith("\x36\x04") || data->startsWith("\x72\xB5\x4A\x86"))
        return readPsf(*data, fileName);
    const QByteArray start = data->left(64).trimmed();
    if (start.startsWith("STARTFONT") || start.startsWith("COMMENT"))
        return readBdf(*data, fileName);
    return ReaderSupport::failure(fileName, Texts::tr("neither a PSF nor a BDF font"));
}

FontReading readFontFile(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).size() > MaxFileBytes)
        return ReaderSupport::failure(
            path, Texts::tr("the file is larger than %1").arg(byteCountText(MaxFileBytes)));
    if (!file.open(QIODevice::ReadOnly))
        return ReaderSupport::failure(path, file.errorString());
    // One byte more than allowed tells a file that grew meanwhile.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return ReaderSupport::failure(path, file.errorString());
    return readFont(bytes, path);
}

} // namespace Fonts
