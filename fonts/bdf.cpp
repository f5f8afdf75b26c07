// X11's Bitmap Distribution Format: lines of keywords and numbers. Each glyph has a box of its
// own (BBX: width, height and the offset of its lower left corner from the origin on the
// baseline), an advance (DWIDTH) and its rows in hex. The reader places every glyph in a cell
// as high as all of the font's glyphs reach, at a common baseline, as wide as the glyph's
// advance and ink reach.

#include "bitmapfont.h"

#include "readersupport.h"
#include <QCoreApplication>

#include <algorithm>

namespace Fonts {

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FontFile)
};

} // namespace

namespace {

// Farther from the origin than any sane glyph reaches; keeps every sum of offsets and sizes
// well inside an int.
constexpr int MaxOffset = 16 * MaxGlyphSide;

bool farOff(int offset)
{
    return offset < -MaxOffset || offset > MaxOffset;
}

struct BdfGlyph
{
    QByteArray name;
    qint64 code = -1;
    std::optional<int> advance;
    bool hasBox = false;
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    QByteArray rows;
};

struct Box
{
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
};

// Which ENCODING values are Unicode code points, by the font's CHARSET_REGISTRY and
// CHARSET_ENCODING.
enum class CharacterCodes { Unicode, AsciiOnly, None };

class BdfParser
{
public:
    explicit BdfParser(const QByteArray &data)
        : m_lines(data.split('\n'))
    {}

    bool parse();
    QString problem() const { return m_problem; }
    BitmapFont font() const { return m_font; }

private:
    // The next line that is neither empty nor a comment, as words; false at the end.
    bool nextLine(QList<QByteArray> *words);
    bool fail(const QString &reason);
    bool numbers(const QList<QByteArray> &words, int count, int *values);
    bool readProperties();
    bool readGlyph(const QByteArray &name);
    bool readBitmap(BdfGlyph *glyph);
    bool buildFont();
    CharacterCodes characterCodes() const;

    QList<QByteArray> m_lines;
    qsizetype m_lineNumber = 0;
    QString m_problem;
    std::optional<Box> m_fontBox;
    std::optional<int> m_fontAdvance;
    std::optional<int> m_declaredCount;
    QByteArray m_registry;
    QByteArray m_encoding;
    QList<BdfGlyph> m_glyphs;
    BitmapFont m_font;
};

bool BdfParser::nextLine(QList<QByteArray> *words)
{
    while (m_lineNumber < m_lines.size()) {
        const QByteArray line = m_lines.at(m_lineNumber++).simplified();
        if (line.isEmpty() || line.startsWith("COMMENT"))
            continue;
        *words = line.split(' ');
        return true;
    }
    return false;
}

bool BdfParser::fail(const QString &reason)
{
    m_problem = Texts::tr("line %1: %2").arg(m_lineNumber).arg(reason);
    return false;
}

bool BdfParser::numbers(const QList<QByteArray> &words, int count, int *values)
{
    if (words.size() < count + 1)
        return fail(Texts::tr("%1 needs %2 numbers").arg(QString::fromLatin1(words[0])).arg(count));
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        values[i] = words[i + 1].toInt(&ok);
        if (!ok)
            return fail(Texts::tr("%1 has \"%2\" where a number belongs")
                            .arg(QString::fromLatin1(words[0]), QString::fromLatin1(words[i + 1])));
    }
    return true;
}

bool BdfParser::parse()
{
    QList<QByteArray> words;
    if (!nextLine(&words) || words[0] != "STARTFONT") {
        m_problem = Texts::tr("not a BDF font: it does not begin with STARTFONT");
        return false;
    }
    while (nextLine(&words)) {
        const QByteArray &keyword = words[0];
        int values[4];
        if (keyword == "FONTBOUNDINGBOX") {
            if (!numbers(words, 4, values))
                return false;
            if (values[0] <= 0 || values[1] <= 0 || values[0] > MaxGlyphSide ||
                values[1] > MaxGlyphSide) {
                return fail(Texts::tr("FONTBOUNDINGBOX gives %1 by %2 dots; a font's glyphs "
                                      "have 1 to %3")
                                .arg(values[0])
                                .arg(values[1])
                                .arg(MaxGlyphSide));
            }
            if (farOff(values[2]) || farOff(values[3]))
                return fail(Texts::tr("FONTBOUNDINGBOX lies more than %1 dots away from the "
                                      "origin")
                                .arg(MaxOffset));
            m_fontBox = Box{values[0], values[1], values[2], values[3]};
        } else if (keyword == "STARTPROPERTIES") {
            if (!readProperties())
                return false;
        } else if (keyword == "DWIDTH") {
            if (!numbers(words, 1, values))
                return false;
            m_fontAdvance = values[0];
        } else if (keyword == "CHARS") {
            if (!numbers(words, 1, values))
                return false;
            if (values[0] < 0 || values[0] > MaxGlyphCount)
                return fail(Texts::tr("CHARS gives %1 glyphs; at most %2 are read")
                                .arg(values[0])
                                .arg(MaxGlyphCount));
            m_declaredCount = values[0];
            m_glyphs.reserve(std::min(values[0], 4096));
        } else if (keyword == "STARTCHAR") {
            if (!readGlyph(words.size() > 1 ? words[1] : QByteArray()))
                return false;
        } else if (keyword == "ENDFONT") {
            return buildFont();
        }
    }
    m_problem = Texts::tr("it ends before ENDFONT: the file is cut short");
    return false;
}

bool BdfParser::readProperties()
{
    QList<QByteArray> words;
    while (nextLine(&words)) {
        if (words[0] == "ENDPROPERTIES")
            return true;
        QByteArray value = words.size() > 1 ? words[1] : QByteArray();
        if (value.startsWith('"') && value.endsWith('"') && value.size() >= 2)
            value = value.mid(1, value.size() - 2);
        if (words[0] == "CHARSET_REGISTRY")
            m_registry = value.toUpper();
        else if (words[0] == "CHARSET_ENCODING")
            m_encoding = value.toUpper();
    }
    m_problem = Texts::tr("it ends inside its properties: the file is cut short");
    return false;
}

bool BdfParser::readGlyph(const QByteArray &name)
{
    if (m_glyphs.size() >= MaxGlyphCount)
        return fail(Texts::tr("more than %1 glyphs").arg(MaxGlyphCount));
    BdfGlyph glyph;
    glyph.name = name;
    const QString shown = QString::fromLatin1(name);
    QList<QByteArray> words;
    int values[4];
    while (nextLine(&words)) {
        const QByteArray &keyword = words[0];
        if (keyword == "ENCODING") {
            if (!numbers(words, 1, values))
                return false;
            glyph.code = std::max(values[0], -1);
        } else if (keyword == "DWIDTH") {
            if (!numbers(words, 1, values))
                return false;
            glyph.advance = std::max(values[0], 0);
        } else if (keyword == "BBX") {
            if (!numbers(words, 4, values))
                return false;
            if (values[0] < 0 || values[1] < 0)
                return fail(Texts::tr("glyph %1 has a negative size in its BBX").arg(shown));
            if (values[0] > MaxGlyphSide || values[1] > MaxGlyphSide)
                return fail(Texts::tr("glyph %1 is %2 by %3 dots; a font's glyphs have 1 "
                                      "to %4")
                                .arg(shown)
                                .arg(values[0])
                                .arg(values[1])
                                .arg(MaxGlyphSide));
            if (farOff(values[2]) || farOff(values[3]))
                return fail(Texts::tr("glyph %1 lies more than %2 dots away from the origin")
                                .arg(shown)
                                .arg(MaxOffset));
            glyph.hasBox = true;
            glyph.width = values[0];
            glyph.height = values[1];
            glyph.x = values[2];
            glyph.y = values[3];
        } else if (keyword == "BITMAP") {
            if (!glyph.hasBox)
                return fail(Texts::tr("glyph %1 has its BITMAP before its BBX").arg(shown));
            if (!readBitmap(&glyph))
                return false;
        } else if (keyword == "ENDCHAR") {
            if (!glyph.hasBox)
                return fail(Texts::tr("glyph %1 has no BBX").arg(shown));
            if (glyph.rows.isNull() && glyph.width > 0 && glyph.height > 0)
                return fail(Texts::tr("glyph %1 has no BITMAP").arg(shown));
            m_glyphs.append(glyph);
            return true;
        } else if (keyword == "STARTCHAR" || keyword == "ENDFONT") {
            return fail(Texts::tr("glyph %1 has no ENDCHAR").arg(shown));
        }
    }
    m_problem = Texts::tr("it ends inside glyph %1: the file is cut short").arg(shown);
    return false;
}

bool BdfParser::readBitmap(BdfGlyph *glyph)
{
    const int stride = (glyph->width + 7) / 8;
    glyph->rows = QByteArray(qsizetype(stride) * glyph->height, '\0');
    const QString shown = QString::fromLatin1(glyph->name);
    for (int row = 0; row < glyph->height; ++row) {
        if (m_lineNumber >= m_lines.size())
            break;
        const QByteArray line = m_lines.at(m_lineNumber++).trimmed();
        const bool hex = std::all_of(line.begin(), line.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        });
        if (line.startsWith("ENDCHAR")) {
            return fail(Texts::tr("glyph %1 has %2 bitmap rows where its BBX gives %3")
                            .arg(shown)
                            .arg(row)
                            .arg(glyph->height));
        }
        if (!hex)
            return fail(Texts::tr("glyph %1 has a bitmap row that is not hex").arg(shown));
        if (line.size() < 2 * stride) {
            return fail(Texts::tr("glyph %1 has a bitmap row of %2 hex digits where its BBX "
                                  "needs %3")
                            .arg(shown)
                            .arg(line.size())
                            .arg(2 * stride));
        }
        for (int i = 0; i < stride; ++i)
            glyph->rows[qsizetype(row) * stride + i] = char(line.mid(2 * i, 2).toUInt(nullptr, 16));
    }
    return true;
}

CharacterCodes BdfParser::characterCodes() const
{
    if (m_registry.isEmpty() || m_registry == "ISO10646" ||
        (m_registry == "ISO8859" && m_encoding == "1"))
        return CharacterCodes::Unicode;
    if (m_registry.startsWith("ISO8859") || m_registry.startsWith("KOI8") ||
        m_registry.startsWith("ISO646") || m_registry == "ASCII")
        return CharacterCodes::AsciiOnly;
    return CharacterCodes::None;
}

bool BdfParser::buildFont()
{
    if (!m_fontBox) {
        m_problem = Texts::tr("it has no FONTBOUNDINGBOX");
        return false;
    }
    if (!m_declaredCount) {
        m_problem = Texts::tr("it has no CHARS line");
        return false;
    }
    if (*m_declaredCount != m_glyphs.size()) {
        m_problem = Texts::tr("CHARS gives %1 glyphs, but the file holds %2")
                        .arg(*m_declaredCount)
                        .arg(m_glyphs.size());
        return false;
    }
    if (m_glyphs.isEmpty()) {
        m_problem = Texts::tr("it holds no glyphs");
        return false;
    }

    qint64 top = qint64(m_fontBox->y) + m_fontBox->height;
    qint64 bottom = m_fontBox->y;
    for (const BdfGlyph &glyph : std::as_const(m_glyphs)) {
        if (glyph.width > 0 && glyph.height > 0) {
            top = std::max(top, qint64(glyph.y) + glyph.height);
            bottom = std::min(bottom, qint64(glyph.y));
        }
    }
    if (top - bottom > MaxGlyphSide) {
        m_problem = Texts::tr("its glyphs reach over %1 rows; at most %2 are read")
                        .arg(top - bottom)
                        .arg(MaxGlyphSide);
        return false;
    }

    const CharacterCodes codes = characterCodes();
    m_font.height = int(top - bottom);
    m_font.ascent = int(top);
    m_font.glyphs.reserve(m_glyphs.size());
    for (const BdfGlyph &glyph : std::as_const(m_glyphs)) {
        const bool inked = glyph.width > 0 && glyph.height > 0;
        const qint64 left = inked ? std::min(0, glyph.x) : 0;
        const qint64 advance =
            std::max(0, glyph.advance.value_or(m_fontAdvance.value_or(m_fontBox->width)));
        const qint64 right = inked ? std::max(advance, qint64(glyph.x) + glyph.width) : advance;
        if (right - left > MaxGlyphSide) {
            m_problem = Texts::tr("glyph %1 reaches over %2 columns; at most %3 are read")
                            .arg(QString::fromLatin1(glyph.name))
                            .arg(right - left)
                            .arg(MaxGlyphSide);
            return false;
        }
        Glyph out;
        out.code = glyph.code;
        out.bitmap = Bitmap(int(right - left), m_font.height);
        const Bitmap ink = Bitmap::fromRows(glyph.width, glyph.height, glyph.rows);
        const int firstRow = int(top - glyph.y - glyph.height);
        const int firstColumn = int(glyph.x - left);
        for (int y = 0; y < glyph.height; ++y) {
            for (int x = 0; x < glyph.width; ++x) {
                if (ink.dot(x, y))
                    out.bitmap.setDot(firstColumn + x, firstRow + y, true);
            }
        }
        const bool isCharacter = glyph.code >= 0 && glyph.code <= 0x10FFFF &&
                                 (glyph.code < 0xD800 || glyph.code > 0xDFFF);
        const bool mapped = codes == CharacterCodes::Unicode ||
                            (codes == CharacterCodes::AsciiOnly && glyph.code < 0x80);
        if (isCharacter && mapped) {
            const auto character = char32_t(glyph.code);
            out.characters.append(QString::fromUcs4(&character, 1));
        }
        m_font.width = std::max(m_font.width, out.bitmap.width());
        m_font.glyphs.append(out);
    }
    return true;
}

} // namespace

FontReading readBdf(const QByteArray &bytes, const QString &fileName)
{
    QString problem;
    const std::optional<QByteArray> unpacked = ReaderSupport::unpack(bytes, &problem);
    if (!unpacked)
        return ReaderSupport::failure(fileName, problem);
    BdfParser parser(*unpacked);
    if (!parser.parse())
        return ReaderSupport::failure(fileName, parser.problem());
    BitmapFont font = parser.font();
    font.fileName = fileName;
    font.body = ReaderSupport::letterInk(font);
    return {font, QString()};
}

} // namespace Fonts
