#include "textformats.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace TextFormats {

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(TextFormats)
};

// "there is 1 number", "there are 2 numbers": the English plural,
// as no translation is loaded.
QString thereAre(qsizetype count, const char *one, const char *many)
{
    return count == 1 ? Texts::tr(one) : Texts::tr(many).arg(count);
}

struct Numbers
{
    QList<quint64> values;
    QString error;
};

QString withoutComments(const QString &text)
{
    static const QRegularExpression comments(QStringLiteral(R"(/\*.*?\*/|//[^\n]*)"),
                                             QRegularExpression::DotMatchesEverythingOption);
    QString result = text;
    return result.replace(comments, QStringLiteral(" "));
}

// A number as code writes it: 0x hex, 0b or Arduino B binary, or decimal, with C's integer
// suffixes allowed after hex and decimal.
std::optional<quint64> number(QString token)
{
    static const QRegularExpression hex(QStringLiteral("^0[xX]([0-9a-fA-F]{1,16})[uUlL]{0,3}$"));
    static const QRegularExpression binary(QStringLiteral("^(?:0[bB]|B)([01]{1,64})$"));
    static const QRegularExpression decimal(QStringLiteral("^([0-9]{1,20})[uUlL]{0,3}$"));
    bool ok = false;
    quint64 value = 0;
    if (const auto m = hex.match(token); m.hasMatch())
        value = m.captured(1).toULongLong(&ok, 16);
    else if (const auto m = binary.match(token); m.hasMatch())
        value = m.captured(1).toULongLong(&ok, 2);
    else if (const auto m = decimal.match(token); m.hasMatch())
        value = m.captured(1).toULongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

QStringList tokens(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

// The numbers between `open` and `close`, after an optional declaration ending in '=' and
// before an optional ';' and further statements without lists (the web editor adds a length).
std::optional<QString> bracketed(const QString &code, QChar open, QChar close, QString &error)
{
    const qsizetype first = code.indexOf(open);
    const qsizetype last = code.lastIndexOf(close);
    if (first < 0 || last < first) {
        error = Texts::tr("there is no %1 %2 around the numbers").arg(open).arg(close);
        return std::nullopt;
    }
    const QString before = code.left(first).trimmed();
    const QString after = code.mid(last + 1).trimmed();
    if ((!before.isEmpty() && !before.endsWith(QLatin1Char('='))) ||
        (!after.isEmpty() &&
         (!after.startsWith(QLatin1Char(';')) || after.contains(open) || after.contains(close)))) {
        error = Texts::tr("there is more than one list of numbers, or text around it");
        return std::nullopt;
    }
    return code.mid(first + 1, last - first - 1);
}

Numbers numbersIn(const QString &list, const QRegularExpression *allowed = nullptr)
{
    Numbers numbers;
    for (const QString &token : tokens(list)) {
        const auto value = number(token);
        if (!value || (allowed && !allowed->match(token).hasMatch())) {
            numbers.error = Texts::tr("\"%1\" is not a number of this format").arg(token);
            return numbers;
        }
        numbers.values.append(*value);
    }
    return numbers;
}

Parsed rowsFrom(const Numbers &numbers, const QString &where)
{
    if (!numbers.error.isEmpty())
        return {std::nullopt, numbers.error};
    if (numbers.values.size() != Pattern::Rows)
        return {std::nullopt, thereAre(numbers.values.size(),
                                       QT_TRANSLATE_NOOP("TextFormats", "there is 1 number"),
                                       QT_TRANSLATE_NOOP("TextFormats", "there are %1 numbers")) +
                                  Texts::tr(" %1; a pattern is 8 rows").arg(where)};
    Pattern::RowBytes rows{};
    for (int row = 0; row < Pattern::Rows; ++row) {
        const quint64 value = numbers.values.at(row);
        if (value > 0xFF)
            return {
                std::nullopt,
                Texts::tr("row %1 is %2, more than the 8 bits of a row").arg(row + 1).arg(value)};
        rows[size_t(row)] = quint8(value);
    }
    return {Pattern::fromRows(rows), QString()};
}

// Eight bare hex bytes ("10 00 ..." or "0x10, 0x00, ..."), or sixteen hex digits in one run.
std::optional<std::array<quint8, 8>> bareBytes(const QString &text, QString &error)
{
    static const QRegularExpression code(QStringLiteral("[{}\\[\\]=;]"));
    static const QRegularExpression byte(QStringLiteral("^(?:0[xX])?([0-9a-fA-F]{1,2})$"));
    static const QRegularExpression run(QStringLiteral("^[0-9a-fA-F]{16}$"));
    if (text.contains(code)) {
        error = Texts::tr("eight bare hex bytes were expected, not code");
        return std::nullopt;
    }
    QStringList parts = tokens(text);
    if (parts.size() == 1 && run.match(parts.first()).hasMatch()) {
        const QString digits = parts.first();
        parts.clear();
        for (int i = 0; i < 16; i += 2)
            parts.append(digits.mid(i, 2));
    }
    if (parts.size() != 8) {
        error = thereAre(parts.size(), QT_TRANSLATE_NOOP("TextFormats", "there is 1 number"),
                         QT_TRANSLATE_NOOP("TextFormats", "there are %1 numbers")) +
                Texts::tr("; eight hex bytes were expected");
        return std::nullopt;
    }
    std::array<quint8, 8> bytes{};
    for (int i = 0; i < 8; ++i) {
        const auto m = byte.match(parts.at(i));
        if (!m.hasMatch()) {
            error = Texts::tr("\"%1\" is not a hex byte").arg(parts.at(i));
            return std::nullopt;
        }
        bytes[size_t(i)] = quint8(m.captured(1).toUInt(nullptr, 16));
    }
    return bytes;
}

Parsed parseModuleBytes(const QString &text)
{
    QString error;
    const auto bytes = bareBytes(text, error);
    if (!bytes)
        return {std::nullopt, error};
    return {Pattern::fromColumns(*bytes), QString()};
}

Parsed parseRowBytes(const QString &text)
{
    QString error;
    const auto bytes = bareBytes(text, error);
    if (!bytes)
        return {std::nullopt, error};
    return {Pattern::fromRows(*bytes), QString()};
}

Parsed parseCArray(const QString &text)
{
    QString error;
    const auto list = bracketed(withoutComments(text), u'{', u'}', error);
    if (!list)
        return {std::nullopt, error};
    return rowsFrom(numbersIn(*list), Texts::tr("between { and }"));
}

Parsed parseArduino(const QString &text)
{
    static const QRegularExpression binary(QStringLiteral("^(?:0[bB]|B)[01]{1,8}$"));
    const QString code = withoutComments(text);
    QString list = code;
    if (code.contains(QLatin1Char('{'))) {
        QString error;
        const auto inner = bracketed(code, u'{', u'}', error);
        if (!inner)
            return {std::nullopt, error};
        list = *inner;
    }
    return rowsFrom(numbersIn(list, &binary), Texts::tr("of the form B10000000"));
}

Parsed parsePythonList(const QString &text)
{
    static const QRegularExpression list(
        QStringLiteral(R"(^\s*(?:[A-Za-z_]\w*\s*=\s*)?\[(.*)\]\s*$)"),
        QRegularExpression::DotMatchesEverythingOption);
    const auto m = list.match(text);
    if (!m.hasMatch())
        return {std::nullopt, Texts::tr("there is no [ ] around the numbers")};
    return rowsFrom(numbersIn(m.captured(1)), Texts::tr("between [ and ]"));
}

Parsed parseInteger64(const QString &text)
{
    static const QRegularExpression run(QStringLiteral("^[0-9a-fA-F]{16}$"));
    const QString code = withoutComments(text).trimmed();
    QString single = code;
    if (code.contains(QLatin1Char('{'))) {
        QString error;
        const auto inner = bracketed(code, u'{', u'}', error);
        if (!inner)
            return {std::nullopt, error};
        single = *inner;
    }
    const QStringList parts = tokens(single);
    if (parts.size() != 1)
        return {std::nullopt,
                thereAre(parts.size(), QT_TRANSLATE_NOOP("TextFormats", "there is 1 number"),
                         QT_TRANSLATE_NOOP("TextFormats", "there are %1 numbers")) +
                    Texts::tr("; a pattern is one 64-bit number")};
    if (run.match(parts.first()).hasMatch())
        return {Pattern::fromBits(parts.first().toULongLong(nullptr, 16)), QString()};
    const auto value = number(parts.first());
    if (!value || parts.first().startsWith(QLatin1Char('B')) ||
        parts.first().startsWith(QLatin1String("0b"), Qt::CaseInsensitive))
        return {std::nullopt, Texts::tr("\"%1\" is not a 64-bit number").arg(parts.first())};
    return {Pattern::fromBits(*value), QString()};
}

// Lit and dark dots as text art draws them: '#' and '.', 'X' and '-', block characters, and
// spaces for dark dots.
const QString &litCharacters()
{
    static const QString lit = QStringLiteral("#Xx*O@1\u2588\u25A0\u25CF");
    return lit;
}

const QString &darkCharacters()
{
    static const QString dark = QStringLiteral(".-_0 \u2591\u25A1\u25CB\u00B7");
    return dark;
}

bool isArtLine(const QString &line)
{
    return !line.isEmpty() && std::all_of(line.begin(), line.end(), [](QChar c) {
        return litCharacters().contains(c) || darkCharacters().contains(c);
    });
}

// The text's lines without line ends and without the spaces editors drop at the end of a line.
QStringList artLines(const QString &text)
{
    QStringList lines;
    for (QString line : QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'))) {
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        lines.append(line);
    }
    return lines;
}

Parsed parseTextArt(const QString &text)
{
    QStringList lines = artLines(text);
    // The end of the last line is no line of its own.
    if (lines.size() > 1 && lines.last().isEmpty() && text.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    // Empty lines around the art are no part of it, unless they are its dark rows: an editor
    // keeps nothing of a row of spaces.
    while (lines.size() > Pattern::Rows && lines.first().isEmpty())
        lines.removeFirst();
    while (lines.size() > Pattern::Rows && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() != Pattern::Rows) {
        while (!lines.isEmpty() && lines.first().isEmpty())
            lines.removeFirst();
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return {std::nullopt,
                thereAre(lines.size(), QT_TRANSLATE_NOOP("TextFormats", "there is 1 line"),
                         QT_TRANSLATE_NOOP("TextFormats", "there are %1 lines")) +
                    Texts::tr("; text art is 8 lines of 8 dots")};
    }
    // Where spaces are the dark dots, a short line lost those at its end. Where a character
    // draws them, or 0 and 1 draw the dots (eight lines of numbers are no art), a line is whole.
    const bool padShortLines = std::none_of(text.begin(), text.end(), [](QChar c) {
        return (darkCharacters().contains(c) && c != QLatin1Char(' ')) || c == QLatin1Char('1');
    });
    Pattern pattern;
    for (int row = 0; row < Pattern::Rows; ++row) {
        const QString &line = lines.at(row);
        if (line.size() > Pattern::Columns || (line.size() < Pattern::Columns && !padShortLines))
            return {std::nullopt,
                    (line.size() == 1
                         ? Texts::tr("line %1 has 1 character; each line is 8 dots").arg(row + 1)
                         : Texts::tr("line %1 has %2 characters; each line is 8 dots")
                               .arg(row + 1)
                               .arg(line.size()))};
        for (int column = 0; column < line.size(); ++column) {
            const QChar c = line.at(column);
            if (!litCharacters().contains(c) && !darkCharacters().contains(c))
                return {std::nullopt,
                        Texts::tr("line %1 has \"%2\"; # is a lit dot and . a dark one")
                            .arg(row + 1)
                            .arg(c)};
            pattern.setDot(row, column, litCharacters().contains(c));
        }
    }
    return {pattern, QString()};
}

// Text in which no reader finds anything to go on: no number, no line of text art.
bool holdsNoPattern(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,{}\\[\\]();=]+"));
    static const QRegularExpression hexWord(QStringLiteral("^(?:[0-9A-F]{2}|[0-9a-fA-F]{16})$"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    for (const QString &token : withoutComments(text).split(separators, Qt::SkipEmptyParts)) {
        if (number(token) || hexWord.match(token).hasMatch() ||
            (token.contains(digit) && token.size() <= 2))
            return false;
    }
    const QStringList lines = artLines(text);
    return std::none_of(lines.begin(), lines.end(), isArtLine);
}

QString identifier(const QString &name)
{
    QString result;
    for (QChar c : name.trimmed())
        result += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QLatin1Char('_');
    if (result.isEmpty())
        return QStringLiteral("pattern");
    if (result.front().isDigit())
        result.prepend(QLatin1Char('_'));
    return result;
}

QString hexList(const Pattern::RowBytes &rows)
{
    QStringList items;
    for (quint8 row : rows)
        items.append(QStringLiteral("0x") + Protocol::hexByte(row).rightJustified(2, u'0'));
    return items.join(QLatin1String(", "));
}

// The guess behind the error message when a text reads as no format at all.
Format likeliest(const QString &text)
{
    static const QRegularExpression arduino(QStringLiteral(R"(\b(?:0[bB]|B)[01]+\b)"));
    const QString code = withoutComments(text);
    if (code.contains(QLatin1Char('{'))) {
        if (code.contains(QLatin1String("64")))
            return Format::Integer64;
        return code.contains(arduino) ? Format::Arduino : Format::CArray;
    }
    if (code.contains(QLatin1Char('[')))
        return Format::PythonList;
    if (text.contains(QLatin1Char('#')) || text.trimmed().count(QLatin1Char('\n')) >= 2)
        return Format::TextArt;
    if (code.contains(arduino))
        return Format::Arduino;
    if (tokens(code).size() == 1)
        return Format::Integer64;
    return Format::ModuleBytes;
}

} // namespace

QString id(Format format)
{
    switch (format) {
    case Format::ModuleBytes:
        return QStringLiteral("module-bytes");
    case Format::RowBytes:
        return QStringLiteral("row-bytes");
    case Format::CArray:
        return QStringLiteral("c-array");
    case Format::Arduino:
        return QStringLiteral("arduino");
    case Format::PythonList:
        return QStringLiteral("python-list");
    case Format::Integer64:
        return QStringLiteral("integer64");
    case Format::TextArt:
        return QStringLiteral("text-art");
    }
    return QString();
}

std::optional<Format> fromId(const QString &text)
{
    for (Format format : AllFormats) {
        if (id(format) == text)
            return format;
    }
    return std::nullopt;
}

QString displayName(Format format)
{
    switch (format) {
    case Format::ModuleBytes:
        return Texts::tr("Module bytes (columns)");
    case Format::RowBytes:
        return Texts::tr("Row bytes");
    case Format::CArray:
        return Texts::tr("C array (rows)");
    case Format::Arduino:
        return Texts::tr("Arduino binary (rows)");
    case Format::PythonList:
        return Texts::tr("Python list (rows)");
    case Format::Integer64:
        return Texts::tr("64-bit integer");
    case Format::TextArt:
        return Texts::tr("Text art");
    }
    return QString();
}

QString write(const Pattern &pattern, Format format, const QString &name)
{
    const Pattern::RowBytes rows = pattern.rows();
    switch (format) {
    case Format::ModuleBytes: {
        const auto columns = pattern.columns();
        return Protocol::hexString(
            QByteArray(reinterpret_cast<const char *>(columns.data()), qsizetype(columns.size())));
    }
    case Format::RowBytes:
        return Protocol::hexString(
            QByteArray(reinterpret_cast<const char *>(rows.data()), qsizetype(rows.size())));
    case Format::CArray:
        return QStringLiteral("const uint8_t %1[8] = {%2};").arg(identifier(name), hexList(rows));
    case Format::Arduino: {
        QString text = QStringLiteral("const byte %1[8] = {\n").arg(identifier(name));
        for (int row = 0; row < Pattern::Rows; ++row)
            text += QStringLiteral("  B%1%2\n")
                        .arg(rows[size_t(row)], 8, 2, QLatin1Char('0'))
                        .arg(row < Pattern::Rows - 1 ? QStringLiteral(",") : QString());
        return text + QStringLiteral("};");
    }
    case Format::PythonList:
        return QStringLiteral("%1 = [%2]").arg(identifier(name), hexList(rows));
    case Format::Integer64:
        return QStringLiteral("0x%1").arg(pattern.bits(), 16, 16, QLatin1Char('0'));
    case Format::TextArt: {
        QString text;
        for (int row = 0; row < Pattern::Rows; ++row) {
            for (int column = 0; column < Pattern::Columns; ++column)
                text += pattern.dot(row, column) ? QLatin1Char('#') : QLatin1Char('.');
            text += QLatin1Char('\n');
        }
        return text;
    }
    }
    return QString();
}

Parsed parse(const QString &text, Format format)
{
    if (text.trimmed().isEmpty())
        return {std::nullopt, Texts::tr("there is no text")};
    switch (format) {
    case Format::ModuleBytes:
        return parseModuleBytes(text);
    case Format::RowBytes:
        return parseRowBytes(text);
    case Format::CArray:
        return parseCArray(text);
    case Format::Arduino:
        return parseArduino(text);
    case Format::PythonList:
        return parsePythonList(text);
    case Format::Integer64:
        return parseInteger64(text);
    case Format::TextArt:
        return parseTextArt(text);
    }
    return {std::nullopt, QString()};
}

Detection detect(const QString &text)
{
    static constexpr std::array<Format, 7> mostParticularFirst = {
        Format::TextArt,   Format::Arduino,     Format::CArray,  Format::PythonList,
        Format::Integer64, Format::ModuleBytes, Format::RowBytes};
    Detection detection;
    for (Format format : mostParticularFirst) {
        if (parse(text, format).pattern)
            detection.formats.append(format);
    }
    if (detection.formats.isEmpty()) {
        detection.nothingFound = !text.trimmed().isEmpty() && holdsNoPattern(text);
        detection.error = detection.nothingFound ? Texts::tr("no pattern was found in it")
                                                 : parse(text, likeliest(text)).error;
    }
    return detection;
}

std::optional<Images> parseImages(const QString &text)
{
    static const QRegularExpression declaration(
        QStringLiteral(R"(([A-Za-z_]\w*)\s*\[\s*\w*\s*\]\s*=\s*$)"));
    const QString code = withoutComments(text);
    QString error;
    const auto list = bracketed(code, u'{', u'}', error);
    if (!list)
        return std::nullopt;
    static const QRegularExpression wide(QStringLiteral("^0[xX][0-9a-fA-F]{3,}"));
    const QString declared = code.left(code.indexOf(u'{'));
    // Rows of a C array are small numbers too: only 64-bit numbers make images, declared so or
    // written wider than a byte.
    bool images64 =
        declared.contains(QLatin1String("64")) || declared.contains(QLatin1String("long long"));
    Images images;
    for (const QString &token : tokens(*list)) {
        const auto value = number(token);
        if (!value || token.startsWith(QLatin1Char('B')) ||
            token.startsWith(QLatin1String("0b"), Qt::CaseInsensitive))
            return std::nullopt;
        images64 = images64 || *value > 0xFF || wide.match(token).hasMatch();
        images.patterns.append(Pattern::fromBits(*value));
    }
    if (images.patterns.size() < 2 || !images64)
        return std::nullopt;
    if (const auto m = declaration.match(declared); m.hasMatch())
        images.name = m.captured(1);
    return images;
}

} // namespace TextFormats
