#include "canvas.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <bit>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Canvas)
};

constexpr int Dots = Canvas::ModuleDots;

// The characters the workbench's text art takes, as TextFormats reads them.
const QString LitCharacters = QStringLiteral("#Xx*O@1");
const QString DarkCharacters = QStringLiteral(".-_0");

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

QStringList artLines(const QString &text)
{
    QStringList lines;
    for (QString line : QString(text).remove(u'\r').split(u'\n')) {
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        lines.append(line);
    }
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

Canvas::Canvas(int columns, int rows)
{
    if (isValidSize(columns, rows)) {
        m_columns = columns;
        m_rows = rows;
    }
}

bool Canvas::dot(int x, int y) const
{
    if (!contains(x, y))
        return false;
    return m_tiles[size_t((y / Dots) * m_columns + x / Dots)].dot(y % Dots, x % Dots);
}

void Canvas::setDot(int x, int y, bool lit)
{
    if (contains(x, y))
        m_tiles[size_t((y / Dots) * m_columns + x / Dots)].setDot(y % Dots, x % Dots, lit);
}

bool Canvas::isBlank() const
{
    return litCount() == 0;
}

int Canvas::litCount() const
{
    int count = 0;
    for (int i = 0; i < moduleCount(); ++i)
        count += std::popcount(m_tiles[size_t(i)].bits());
    return count;
}

Canvas Canvas::resized(int columns, int rows) const
{
    Canvas result(columns, rows);
    for (int row = 0; row < std::min(rows, m_rows); ++row) {
        for (int column = 0; column < std::min(columns, m_columns); ++column)
            result.m_tiles[size_t(row * result.m_columns + column)] =
                m_tiles[size_t(row * m_columns + column)];
    }
    return result;
}

namespace CanvasText {

QString textArt(const Canvas &canvas)
{
    QString text;
    text.reserve((canvas.width() + 1) * canvas.height());
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x)
            text += canvas.dot(x, y) ? u'#' : u'.';
        text += u'\n';
    }
    return text;
}

QSize textArtSize(const QString &text)
{
    const QStringList lines = artLines(text);
    qsizetype width = 0;
    for (const QString &line : lines)
        width = std::max(width, line.size());
    return QSize(int(width), int(lines.size()));
}

bool looksLikeTextArt(const QString &text)
{
    const QStringList lines = artLines(text);
    if (lines.isEmpty())
        return false;
    for (const QString &line : lines) {
        for (const QChar c : line) {
            if (!LitCharacters.contains(c) && !DarkCharacters.contains(c))
                return false;
        }
    }
    return true;
}

std::optional<Canvas> parseTextArt(const QString &text, int columns, int rows, QString *error)
{
    const QStringList lines = artLines(text);
    if (lines.isEmpty()) {
        *error = Texts::tr("there is no text art: lines of # for lit dots and . for dark ones");
        return std::nullopt;
    }
    Canvas canvas(columns, rows);
    for (qsizetype y = 0; y < lines.size(); ++y) {
        const QString &line = lines.at(y);
        for (qsizetype x = 0; x < line.size(); ++x) {
            const QChar c = line.at(x);
            if (!LitCharacters.contains(c) && !DarkCharacters.contains(c)) {
                *error = Texts::tr("line %1 has \"%2\"; # is a lit dot and . a dark one")
                             .arg(y + 1)
                             .arg(c);
                return std::nullopt;
            }
            canvas.setDot(int(x), int(y), LitCharacters.contains(c));
        }
    }
    return canvas;
}

QString rowsText(const Canvas &canvas)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    const int bytes = canvas.moduleColumns();
    QString text(canvas.height() * (bytes * 2 + 1) - 1, u' ');
    QChar *out = text.data();
    for (int y = 0; y < canvas.height(); ++y) {
        if (y > 0)
            ++out; // the space already there
        for (int column = 0; column < bytes; ++column) {
            const Pattern tile = canvas.tile((y / Dots) * bytes + column);
            // A Pattern row keeps its leftmost dot in the low bit; the file, in the high one.
            quint8 byte = 0;
            for (int x = 0; x < Dots; ++x)
                byte = quint8(byte << 1 | (tile.dot(y % Dots, x) ? 1 : 0));
            *out++ = QLatin1Char(Hex[byte >> 4]);
            *out++ = QLatin1Char(Hex[byte & 15]);
        }
    }
    return text;
}

std::optional<Canvas> fromRowsText(QStringView text, int columns, int rows)
{
    if (!Canvas::isValidSize(columns, rows))
        return std::nullopt;
    const qsizetype rowLength = qsizetype(columns) * 2;
    const int height = rows * Dots;
    // The groups are read with their spaces or, as a file written by hand may have them,
    // without any.
    const bool spaced = text.size() == height * (rowLength + 1) - 1;
    if (!spaced && text.size() != height * rowLength)
        return std::nullopt;
    // A file's byte keeps its leftmost dot in bit 7, a Pattern's row in bit 0: each hex digit
    // is looked up already turned round, the low digit becoming the high half. Bit 4 marks a
    // character that is no hex digit. A library of thousands of frames is read at once so.
    static const auto Turned = [] {
        std::array<quint8, 128> table;
        table.fill(0x10);
        for (int c = 0; c < 128; ++c) {
            const int digit = hexDigit(char16_t(c));
            if (digit < 0)
                continue;
            quint8 turned = 0;
            for (int bit = 0; bit < 4; ++bit)
                turned |= quint8((digit >> bit & 1) << (3 - bit));
            table[size_t(c)] = turned;
        }
        return table;
    }();
    std::array<quint64, Canvas::MaxModules> bits{};
    const char16_t *in = text.utf16();
    unsigned bad = 0;
    for (int y = 0; y < height; ++y) {
        if (y > 0 && spaced)
            bad |= *in++ != u' ';
        const int shift = Dots * (y % Dots);
        quint64 *tiles = bits.data() + (y / Dots) * columns;
        for (int column = 0; column < columns; ++column) {
            const char16_t high = in[0];
            const char16_t low = in[1];
            in += 2;
            bad |= (high | low) >> 7;
            const unsigned turnedHigh = Turned[high & 0x7F];
            const unsigned turnedLow = Turned[low & 0x7F];
            bad |= (turnedHigh | turnedLow) >> 4;
            tiles[column] |= quint64((turnedLow << 4 | turnedHigh) & 0xFF) << shift;
        }
    }
    if (bad)
        return std::nullopt;
    Canvas canvas(columns, rows);
    for (int i = 0; i < columns * rows; ++i)
        canvas.setTile(i, Pattern::fromBits(bits[size_t(i)]));
    return canvas;
}

} // namespace CanvasText

namespace CanvasTransforms {

bool applies(Transform transform)
{
    return transform != Transform::RotateClockwise && transform != Transform::RotateAnticlockwise;
}

namespace {

// Every lit dot moved to where `to` sends it; what lands outside is dropped.
template<typename Move> Canvas remapped(const Canvas &canvas, Move to)
{
    Canvas result(canvas.moduleColumns(), canvas.moduleRows());
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.dot(x, y)) {
                const auto [newX, newY] = to(x, y);
                result.setDot(newX, newY, true);
            }
        }
    }
    return result;
}

Canvas shifted(const Canvas &canvas, int right, int down, bool wrap)
{
    const int width = canvas.width();
    const int height = canvas.height();
    return remapped(canvas, [=](int x, int y) {
        int newX = x + right;
        int newY = y + down;
        if (wrap) {
            newX = (newX + width) % width;
            newY = (newY + height) % height;
        }
        return std::pair{newX, newY};
    });
}

} // namespace

Canvas transformed(const Canvas &canvas, Transform transform)
{
    const int right = canvas.width() - 1;
    const int bottom = canvas.height() - 1;
    switch (transform) {
    case Transform::Invert: {
        Canvas result = canvas;
        for (int i = 0; i < canvas.moduleCount(); ++i)
            result.setTile(i, Pattern::fromBits(~canvas.tile(i).bits()));
        return result;
    }
    case Transform::ShiftUp:
        return shifted(canvas, 0, -1, false);
    case Transform::ShiftDown:
        return shifted(canvas, 0, 1, false);
    case Transform::ShiftLeft:
        return shifted(canvas, -1, 0, false);
    case Transform::ShiftRight:
        return shifted(canvas, 1, 0, false);
    case Transform::WrapUp:
        return shifted(canvas, 0, -1, true);
    case Transform::WrapDown:
        return shifted(canvas, 0, 1, true);
    case Transform::WrapLeft:
        return shifted(canvas, -1, 0, true);
    case Transform::WrapRight:
        return shifted(canvas, 1, 0, true);
    case Transform::Rotate180:
        return remapped(canvas, [=](int x, int y) { return std::pair{right - x, bottom - y}; });
    case Transform::MirrorLeftRight:
        return remapped(canvas, [=](int x, int y) { return std::pair{right - x, y}; });
    case Transform::MirrorTopBottom:
        return remapped(canvas, [=](int x, int y) { return std::pair{x, bottom - y}; });
    case Transform::RotateClockwise:
    case Transform::RotateAnticlockwise:
        break;
    }
    return canvas;
}

} // namespace CanvasTransforms
