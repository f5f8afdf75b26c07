// PC Screen Fonts, the Linux console's: a header, the glyphs' packed rows one glyph after the
// other, then optionally a table of the characters each glyph stands for. Version 1 has 256 or
// 512 glyphs eight dots wide and a table in UCS-2; version 2 any number and size, in UTF-8.

#include "bitmapfont.h"

#include "readersupport.h"
#include <QCoreApplication>

namespace Fonts {

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FontFile)
};

} // namespace

namespace {

constexpr quint8 Psf1Mode512 = 0x01;
constexpr quint8 Psf1ModeHasTable = 0x02;
constexpr quint8 Psf1ModeHasSequences = 0x04;
constexpr int Psf1HeaderSize = 4;
constexpr char16_t Psf1Separator = 0xFFFF;
constexpr char16_t Psf1StartSequence = 0xFFFE;

constexpr quint32 Psf2HasTable = 0x01;
constexpr int Psf2HeaderSize = 32;
constexpr quint8 Psf2Separator = 0xFF;
constexpr quint8 Psf2StartSequence = 0xFE;

struct Layout
{
    qint64 glyphCount = 0;
    qint64 glyphBytes = 0;
    int width = 0;
    int height = 0;
    qint64 glyphsStart = 0;
    bool hasTable = false;
    bool utf8Table = false;
};

quint32 littleEndian32(const QByteArray &data, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | quint8(data[at + i]);
    return value;
}

bool isCharacter(char32_t code)
{
    return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

// One glyph's entry in the table: its characters, then its sequences, each opened by the
// start-sequence mark. Reads from `at` through the separator; false when the data ends first or
// holds something that is no character.
class TableReader
{
public:
    TableReader(const QByteArray &data, qsizetype at, bool utf8)
        : m_data(data)
        , m_at(at)
        , m_utf8(utf8)
    {}

    bool readEntry(QStringList *characters, QString *problem)
    {
        QList<char32_t> sequence;
        bool inSequences = false;
        auto finishSequence = [&] {
            if (!sequence.isEmpty())
                characters->append(QString::fromUcs4(sequence.constData(), sequence.size()));
            sequence.clear();
        };
        for (;;) {
            Item item;
            if (!next(&item, problem))
                return false;
            if (item.separator) {
                finishSequence();
                return true;
            }
            if (item.startSequence) {
                finishSequence();
                inSequences = true;
            } else if (inSequences) {
                sequence.append(item.character);
            } else {
                characters->append(QString::fromUcs4(&item.character, 1));
            }
        }
    }

private:
    struct Item
    {
        bool separator = false;
        bool startSequence = false;
        char32_t character = 0;
    };

    bool next(Item *item, QString *problem)
    {
        if (!m_utf8) {
            if (m_data.size() - m_at < 2) {
                *problem = Texts::tr("ends early");
                return false;
            }
            const auto unit = char16_t(quint8(m_data[m_at]) | quint8(m_data[m_at + 1]) << 8);
            m_at += 2;
            item->separator = unit == Psf1Separator;
            item->startSequence = unit == Psf1StartSequence;
            item->character = unit;
            if (!item->separator && !item->startSequence && !isCharacter(unit)) {
                *problem = Texts::tr("names U+%1, which is no character")
                               .arg(unsigned(unit), 4, 16, QChar(u'0'));
                return false;
            }
            return true;
        }
        if (m_at >= m_data.size()) {
            *problem = Texts::tr("ends early");
            return false;
        }
        const quint8 lead = quint8(m_data[m_at]);
        item->separator = lead == Psf2Separator;
        item->startSequence = lead == Psf2StartSequence;
        if (item->separator || item->startSequence) {
            ++m_at;
            return true;
        }
        return readUtf8(&item->character, problem);
    }

    bool readUtf8(char32_t *character, QString *problem)
    {
        const quint8 lead = quint8(m_data[m_at]);
        int length = 0;
        char32_t code = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
            smallest = 0x10000;
        } else {
            *problem = Texts::tr("holds a byte that starts no UTF-8 character");
            return false;
        }
        if (m_data.size() - m_at < length) {
            *problem = Texts::tr("ends early");
            return false;
        }
        for (int i = 1; i < length; ++i) {
            const quint8 follow = quint8(m_data[m_at + i]);
            if ((follow & 0xC0) != 0x80) {
                *problem = Texts::tr("holds a malformed UTF-8 character");
                return false;
            }
            code = code << 6 | (follow & 0x3F);
        }
        if (code < smallest || !isCharacter(code)) {
            *problem = Texts::tr("holds a malformed UTF-8 character");
            return false;
        }
        m_at += length;
        *character = code;
        return true;
    }

    const QByteArray &m_data;
    qsizetype m_at;
    bool m_utf8;
};

std::optional<Layout> psf1Layout(const QByteArray &data, QString *problem)
{
    if (data.size() < Psf1HeaderSize) {
        *problem = Texts::tr("too short for a PSF header");
        return std::nullopt;
    }
    const quint8 mode = quint8(data[2]);
    if (mode & ~(Psf1Mode512 | Psf1ModeHasTable | Psf1ModeHasSequences)) {
        *problem = Texts::tr("unknown PSF1 mode 0x%1").arg(unsigned(mode), 2, 16, QChar(u'0'));
        return std::nullopt;
    }
    Layout layout;
    layout.glyphCount = mode & Psf1Mode512 ? 512 : 256;
    layout.height = quint8(data[3]);
    layout.width = 8;
    layout.glyphBytes = layout.height;
    layout.glyphsStart = Psf1HeaderSize;
    layout.hasTable = mode & (Psf1ModeHasTable | Psf1ModeHasSequences);
    if (layout.height == 0) {
        *problem = Texts::tr("its glyphs are 0 dots high");
        return std::nullopt;
    }
    return layout;
}

std::optional<Layout> psf2Layout(const QByteArray &data, QString *problem)
{
    if (data.size() < Psf2HeaderSize) {
        *problem = Texts::tr("too short for a PSF2 header");
        return std::nullopt;
    }
    const quint32 version = littleEndian32(data, 4);
    const quint32 headerSize = littleEndian32(data, 8);
    const quint32 flags = littleEndian32(data, 12);
    const quint32 count = littleEndian32(data, 16);
    const quint32 glyphBytes = littleEndian32(data, 20);
    const quint32 height = littleEndian32(data, 24);
    const quint32 width = littleEndian32(data, 28);
    if (version != 0) {
        *problem = Texts::tr("PSF2 version %1; only version 0 is known").arg(version);
        return std::nullopt;
    }
    if (headerSize < quint32(Psf2HeaderSize) || headerSize > quint64(data.size())) {
        *problem = Texts::tr("its header claims to be %1 bytes long").arg(headerSize);
        return std::nullopt;
    }
    if (width == 0 || height == 0 || width > quint32(MaxGlyphSide) ||
        height > quint32(MaxGlyphSide)) {
        *problem = Texts::tr("its glyphs are %1 by %2 dots; a font's glyphs have 1 to %3")
                       .arg(width)
                       .arg(height)
                       .arg(MaxGlyphSide);
        return std::nullopt;
    }
    // Both factors are at most MaxGlyphSide here, so the product cannot overflow.
    if (glyphBytes != height * ((width + 7) / 8)) {
        *problem = Texts::tr("its glyphs take %1 bytes each, but %2 by %3 dots take %4")
                       .arg(glyphBytes)
                       .arg(width)
                       .arg(height)
                       .arg(height * ((width + 7) / 8));
        return std::nullopt;
    }
    Layout layout;
    layout.glyphCount = count;
    layout.glyphBytes = glyphBytes;
    layout.width = int(width);
    layout.height = int(height);
    layout.glyphsStart = headerSize;
    layout.hasTable = flags & Psf2HasTable;
    layout.utf8Table = true;
    return layout;
}

} // namespace

FontReading readPsf(const QByteArray &bytes, const QString &fileName)
{
    using ReaderSupport::failure;
    QString problem;
    const std::optional<QByteArray> unpacked = ReaderSupport::unpack(bytes, &problem);
    if (!unpacked)
        return failure(fileName, problem);
    const QByteArray &data = *unpacked;

    std::optional<Layout> layout;
    if (data.startsWith("\x36\x04"))
        layout = psf1Layout(data, &problem);
    else if (data.startsWith("\x72\xB5\x4A\x86"))
        layout = psf2Layout(data, &problem);
    else
        problem = Texts::tr("not a PSF font: it does not begin with a PSF magic number");
    if (!layout)
        return failure(fileName, problem);

    if (layout->glyphCount == 0)
        return failure(fileName, Texts::tr("it holds no glyphs"));
    if (layout->glyphCount > MaxGlyphCount) {
        return failure(fileName, Texts::tr("its header gives %1 glyphs; at most %2 are read")
                                     .arg(layout->glyphCount)
                                     .arg(MaxGlyphCount));
    }
    const qint64 available = (data.size() - layout->glyphsStart) / layout->glyphBytes;
    if (available < layout->glyphCount) {
        return failure(fileName, Texts::tr("its header promises %1 glyphs, but the file "
                                           "holds only %2: it is cut short")
                                     .arg(layout->glyphCount)
                                     .arg(available));
    }

    BitmapFont font;
    font.fileName = fileName;
    font.width = layout->width;
    font.height = layout->height;
    font.glyphs.reserve(layout->glyphCount);
    for (qint64 index = 0; index < layout->glyphCount; ++index) {
        Glyph glyph;
        glyph.code = index;
        glyph.bitmap = Bitmap::fromRows(
            layout->width, layout->height,
            data.mid(layout->glyphsStart + index * layout->glyphBytes, layout->glyphBytes));
        font.glyphs.append(glyph);
    }

    if (layout->hasTable) {
        TableReader table(data, layout->glyphsStart + layout->glyphCount * layout->glyphBytes,
                          layout->utf8Table);
        for (qsizetype index = 0; index < font.glyphs.size(); ++index) {
            if (!table.readEntry(&font.glyphs[index].characters, &problem)) {
                return failure(fileName, Texts::tr("the character table %1 in the entry of "
                                                   "glyph %2")
                                             .arg(problem)
                                             .arg(index));
            }
        }
    }
    font.ascent = ReaderSupport::guessedAscent(font);
    font.body = ReaderSupport::letterInk(font);
    return {font, QString()};
}

} // namespace Fonts
