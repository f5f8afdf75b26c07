#include "patterntext.h"

#include "patternlibrary.h"
#include "textformats.h"

#include <QCoreApplication>
#include <QFile>

namespace PatternText {

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PatternText)
};

std::optional<Pattern> fromLibrary(const QString &path, const QString &name, QString *error)
{
    const auto library = PatternLibrary::read(path, error);
    if (!library)
        return std::nullopt;
    for (const NamedPattern &entry : library->patterns) {
        if (entry.name == name)
            return entry.pattern;
    }
    *error = Texts::tr("%1 has no pattern named '%2'").arg(path, name);
    return std::nullopt;
}

// The text as an error quotes it: on one line, and no more of it than a reader takes in.
QString quoted(const QString &text)
{
    constexpr qsizetype Shown = 40;
    const QString line = text.left(4 * Shown).simplified();
    return line.size() > Shown || text.size() > 4 * Shown
               ? Texts::tr("'%1…' (%2 characters)").arg(line.left(Shown)).arg(text.size())
               : QStringLiteral("'%1'").arg(line);
}

} // namespace

std::optional<Pattern> parse(const QStringList &arguments, const QString &format, QString *error)
{
    if (arguments.size() == 2 &&
        arguments.first().endsWith(u'.' + QLatin1String(PatternLibrary::FileSuffix)))
        return fromLibrary(arguments.at(0), arguments.at(1), error);

    QString text = arguments.join(u' ');
    if (text == QLatin1String("-")) {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly)) {
            *error = Texts::tr("standard input cannot be read");
            return std::nullopt;
        }
        text = QString::fromUtf8(input.readAll());
    }

    std::optional<TextFormats::Format> chosen;
    if (!format.isEmpty()) {
        chosen = TextFormats::fromId(format);
        if (!chosen) {
            QStringList ids;
            for (const TextFormats::Format each : TextFormats::AllFormats)
                ids << TextFormats::id(each);
            *error = Texts::tr("unknown format '%1': one of %2").arg(format, ids.join(u", "));
            return std::nullopt;
        }
    } else {
        const TextFormats::Detection detection = TextFormats::detect(text);
        if (detection.formats.isEmpty()) {
            *error = detection.nothingFound
                         ? Texts::tr("no pattern was found in %1").arg(quoted(text))
                         : Texts::tr("%1 is no pattern: %2").arg(quoted(text), detection.error);
            return std::nullopt;
        }
        chosen = detection.formats.contains(TextFormats::Format::ModuleBytes)
                     ? TextFormats::Format::ModuleBytes
                     : detection.formats.first();
    }
    const TextFormats::Parsed parsed = TextFormats::parse(text, *chosen);
    if (!parsed.pattern) {
        *error = Texts::tr("%1 is no pattern in the format %2: %3")
                     .arg(quoted(text), TextFormats::id(*chosen), parsed.error);
        return std::nullopt;
    }
    return parsed.pattern;
}

} // namespace PatternText
