#include "patternlibrary.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryFile>

#include <algorithm>
#include <array>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PatternLibrary)
};

const QLatin1String FormatKey("format");
const QLatin1String VersionKey("version");
const QLatin1String PatternsKey("patterns");
const QLatin1String NameKey("name");
const QLatin1String BytesKey("bytes");
const QLatin1String BankKey("characterBank");
const QLatin1String SlotsKey("slots");
const QLatin1String AnimationsKey("animations");
const QLatin1String FramesKey("frames");
const QLatin1String DurationKey("duration");

// The value of each hex digit, -1 for every other character below 128.
constexpr std::array<qint8, 128> HexDigits = [] {
    std::array<qint8, 128> digits{};
    digits.fill(-1);
    for (int c = '0'; c <= '9'; ++c)
        digits[size_t(c)] = qint8(c - '0');
    for (int c = 'a'; c <= 'f'; ++c)
        digits[size_t(c)] = qint8(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c)
        digits[size_t(c)] = qint8(c - 'A' + 10);
    return digits;
}();

int hexDigit(char16_t c)
{
    return c < HexDigits.size() ? HexDigits[c] : -1;
}

QString megabytes(qint64 size)
{
    return QString::number(double(size) / (1024 * 1024), 'f', 1);
}

std::optional<CharacterBankSection> bankSection(const QJsonValue &value, QString *reason)
{
    const QJsonArray entries = value.toObject().value(SlotsKey).toArray();
    if (!value.isObject() || !value.toObject().value(SlotsKey).isArray()) {
        *reason = Texts::tr("its \"%1\" has no list of \"%2\"").arg(BankKey, SlotsKey);
        return std::nullopt;
    }
    CharacterBankSection bank;
    if (entries.size() != qsizetype(bank.patterns.size())) {
        *reason = Texts::tr("its character bank has %1 slots instead of %2")
                      .arg(entries.size())
                      .arg(bank.patterns.size());
        return std::nullopt;
    }
    for (qsizetype position = 0; position < entries.size(); ++position) {
        const auto pattern = patternFromBytesText(entries.at(position).toString());
        if (!pattern) {
            *reason = Texts::tr("the bytes of character bank slot %1 are not 16 hex digits")
                          .arg(position);
            return std::nullopt;
        }
        bank.patterns[size_t(position)] = *pattern;
    }
    bank.otherFields = value.toObject();
    bank.otherFields.remove(SlotsKey);
    return bank;
}

} // namespace

QString bytesText(const Pattern &pattern)
{
    const auto columns = pattern.columns();
    return Protocol::hexString(
        QByteArray(reinterpret_cast<const char *>(columns.data()), qsizetype(columns.size())));
}

std::optional<Pattern> patternFromBytesText(const QString &text)
{
    // Two forms only: sixteen digits in a row, or eight pairs with one space between them.
    const bool spaced = text.size() == 23;
    if (!spaced && text.size() != 16)
        return std::nullopt;
    Protocol::ColumnPattern columns{};
    const QChar *c = text.constData();
    for (size_t column = 0; column < columns.size(); ++column) {
        if (spaced && column > 0 && *c++ != u' ')
            return std::nullopt;
        const int high = hexDigit((c++)->unicode());
        const int low = hexDigit((c++)->unicode());
        if (high < 0 || low < 0)
            return std::nullopt;
        columns[column] = quint8(high << 4 | low);
    }
    return Pattern::fromColumns(columns);
}

std::optional<PatternLibrary> PatternLibrary::fromJson(const QByteArray &json, QString *reason)
{
    if (std::all_of(json.begin(), json.end(), [](char c) { return QChar::isSpace(uchar(c)); })) {
        *reason = Texts::tr("the file is empty");
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const bool cutShort = parseError.error == QJsonParseError::UnterminatedObject ||
                              parseError.error == QJsonParseError::UnterminatedArray ||
                              parseError.error == QJsonParseError::UnterminatedString ||
                              parseError.offset >= json.trimmed().size();
        *reason = cutShort ? Texts::tr("the file ends too early, at byte %1: it is cut short")
                                 .arg(parseError.offset)
                           : Texts::tr("it is not JSON (%1 at byte %2)")
                                 .arg(parseError.errorString())
                                 .arg(parseError.offset);
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(FormatKey).toString() != QLatin1String(FormatName)) {
        *reason = Texts::tr("it is not a Glyphsmith pattern library (it has no \"format\": \"%1\")")
                      .arg(QLatin1String(FormatName));
        return std::nullopt;
    }
    const QJsonValue version = root.value(VersionKey);
    if (!version.isDouble() || version.toDouble() < 1 ||
        version.toDouble() != double(version.toInteger())) {
        *reason = Texts::tr("it has no format version");
        return std::nullopt;
    }
    if (version.toInteger() > FormatVersion) {
        *reason =
            Texts::tr("it is format version %1, written by a newer Glyphsmith; this one reads "
                      "format version %2")
                .arg(version.toInteger())
                .arg(FormatVersion);
        return std::nullopt;
    }
    if (!root.value(PatternsKey).isArray()) {
        *reason = Texts::tr("it has no list of \"patterns\"");
        return std::nullopt;
    }

    PatternLibrary library;
    const QJsonArray entries = root.value(PatternsKey).toArray();
    library.patterns.reserve(entries.size());
    // Views of the names kept in the library: they stay put while the list grows, as it never
    // reallocates.
    QHash<QStringView, int> numberOfName;
    numberOfName.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const int number = int(i + 1);
        const QJsonObject entry = entries.at(i).toObject();
        const QString name = entry.value(NameKey).toString();
        if (std::all_of(name.begin(), name.end(), [](QChar c) { return c.isSpace(); })) {
            *reason = Texts::tr("pattern %1 has no name").arg(number);
            return std::nullopt;
        }
        const auto pattern = patternFromBytesText(entry.value(BytesKey).toString());
        if (!pattern) {
            *reason = Texts::tr("the bytes of pattern %1 (\"%2\") are not 16 hex digits")
                          .arg(number)
                          .arg(name);
            return std::nullopt;
        }
        library.patterns.append({name, *pattern, {}});
        int &first = numberOfName[QStringView(library.patterns.last().name)];
        if (first != 0) {
            *reason = Texts::tr("patterns %1 and %2 are both named \"%3\"")
                          .arg(first)
                          .arg(number)
                          .arg(name);
            return std::nullopt;
        }
        first = number;
        if (entry.size() > 2) {
            QJsonObject &other = library.patterns.last().otherFields;
            other = entry;
            other.remove(NameKey);
            other.remove(BytesKey);
        }
    }
    if (root.contains(AnimationsKey) && !readAnimations(root.value(AnimationsKey), library, reason))
        return std::nullopt;
    if (root.contains(BankKey)) {
        library.characterBank = bankSection(root.value(BankKey), reason);
        if (!library.characterBank)
            return std::nullopt;
    }
    for (auto it = root.constBegin(); it != root.constEnd(); ++it) {
        if (it.key() != FormatKey && it.key() != VersionKey && it.key() != PatternsKey &&
            it.key() != AnimationsKey && it.key() != BankKey)
            library.otherSections.insert(it.key(), it.value());
    }
    return library;
}

bool PatternLibrary::readAnimations(const QJsonValue &section, PatternLibrary &library,
                                    QString *reason)
{
    if (!section.isArray()) {
        *reason = Texts::tr("its \"animations\" are no list");
        return false;
    }
    const QJsonArray entries = section.toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        Animation animation;
        animation.name = entry.value(NameKey).toString();
        const QString which = Texts::tr("animation %1 (\"%2\")").arg(i + 1).arg(animation.name);
        if (animation.name.trimmed().isEmpty()) {
            *reason = Texts::tr("animation %1 has no name").arg(i + 1);
            return false;
        }
        if (!library.animationNameProblem(animation.name).isEmpty()) {
            *reason = Texts::tr("two animations are named \"%1\"").arg(animation.name);
            return false;
        }
        const QJsonArray frames = entry.value(FramesKey).toArray();
        if (!entry.value(FramesKey).isArray() || frames.size() > Frames::MaxFrames) {
            *reason =
                Texts::tr("%1 has no list of at most %2 frames").arg(which).arg(Frames::MaxFrames);
            return false;
        }
        for (qsizetype f = 0; f < frames.size(); ++f) {
            const QJsonObject frame = frames.at(f).toObject();
            const auto pattern = patternFromBytesText(frame.value(BytesKey).toString());
            const QJsonValue duration = frame.value(DurationKey);
            if (!pattern) {
                *reason = Texts::tr("the bytes of frame %1 of %2 are not 16 hex digits")
                              .arg(f + 1)
                              .arg(which);
                return false;
            }
            if (!duration.isDouble() || duration.toDouble() != double(duration.toInteger())) {
                *reason = Texts::tr("frame %1 of %2 has no duration in whole milliseconds")
                              .arg(f + 1)
                              .arg(which);
                return false;
            }
            // Kept within what the program plays: 0 is the GIF convention for 100 ms.
            const qint64 ms = std::clamp<qint64>(duration.toInteger(), -1, Frames::MaxDurationMs);
            animation.frames.append(Frame{*pattern, Frames::clampedDuration(int(ms))});
        }
        library.animations.append(animation);
    }
    return true;
}

std::optional<PatternLibrary> PatternLibrary::read(const QString &path, QString *error)
{
    const QString cannot = Texts::tr("Cannot open the pattern library %1: %2.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = cannot.arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > MaxFileSize) {
        *error = cannot.arg(path, Texts::tr("it is %1 MB, and a pattern library is at most %2 MB")
                                      .arg(megabytes(file.size()), megabytes(MaxFileSize)));
        return std::nullopt;
    }
    const QByteArray json = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = cannot.arg(path, file.errorString());
        return std::nullopt;
    }
    QString reason;
    auto library = fromJson(json, &reason);
    if (!library)
        *error = cannot.arg(path, reason);
    return library;
}

QByteArray PatternLibrary::toJson() const
{
    QJsonArray entries;
    for (const NamedPattern &named : patterns) {
        QJsonObject entry = named.otherFields;
        entry.insert(NameKey, named.name);
        entry.insert(BytesKey, bytesText(named.pattern));
        entries.append(entry);
    }
    QJsonObject root = otherSections;
    root.remove(FormatKey);
    root.remove(VersionKey);
    root.insert(PatternsKey, entries);
    if (!animations.isEmpty()) {
        QJsonArray animationEntries;
        for (const Animation &animation : animations) {
            QJsonArray frames;
            for (const Frame &frame : animation.frames) {
                frames.append(QJsonObject{{BytesKey, bytesText(frame.pattern)},
                                          {DurationKey, frame.durationMs}});
            }
            animationEntries.append(QJsonObject{{NameKey, animation.name}, {FramesKey, frames}});
        }
        root.insert(AnimationsKey, animationEntries);
    }
    if (characterBank) {
        QJsonArray bankSlots;
        for (const Pattern &pattern : characterBank->patterns)
            bankSlots.append(bytesText(pattern));
        QJsonObject bank = characterBank->otherFields;
        bank.insert(SlotsKey, bankSlots);
        root.insert(BankKey, bank);
    }
    // The format's name and version first, where a file manager's look at the first bytes finds
    // them (packaging/glyphsmith.xml); QJsonDocument would sort them among the sections.
    const QByteArray rest = QJsonDocument(root).toJson(QJsonDocument::Indented);
    QByteArray json = "{\n    \"";
    json += QByteArray(FormatKey.data(), FormatKey.size()) + "\": \"" + FormatName + "\",\n    \"";
    json += QByteArray(VersionKey.data(), VersionKey.size()) + "\": ";
    json += QByteArray::number(FormatVersion) + ",\n";
    return json + rest.mid(2);
}

// The new file is written beside the old one and swapped in, so a folder that takes no new file
// refuses the save even where the file itself could be written: then the folder is named, as
// the system's reason alone ("Operation not permitted") points at the file.
QString PatternLibrary::saveFailure(const QString &path, const QString &reason)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo(folder).isDir()) {
        QTemporaryFile probe(folder + QStringLiteral("/.glyphsmith-XXXXXX"));
        if (!probe.open())
            return Texts::tr(
                       "Cannot save the pattern library %1: no new file can be made in its folder "
                       "%2 (%3), and a library is saved by writing a new file there and swapping "
                       "it in.")
                .arg(path, folder, probe.errorString());
    }
    return Texts::tr("Cannot save the pattern library %1: %2.").arg(path, reason);
}

bool PatternLibrary::write(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = saveFailure(path, file.errorString());
        return false;
    }
    const QByteArray json = toJson();
    if (file.write(json) != json.size() || !file.commit()) {
        *error = saveFailure(path, file.errorString());
        return false;
    }
    return true;
}

QString PatternLibrary::nameProblem(const QString &name, int index) const
{
    if (name.trimmed().isEmpty())
        return Texts::tr("A pattern needs a name.");
    for (int i = 0; i < patterns.size(); ++i) {
        if (i != index && patterns.at(i).name == name)
            return Texts::tr("There is already a pattern named \"%1\".").arg(name);
    }
    return QString();
}

QString PatternLibrary::animationNameProblem(const QString &name, int index) const
{
    if (name.trimmed().isEmpty())
        return Texts::tr("An animation needs a name.");
    for (int i = 0; i < animations.size(); ++i) {
        if (i != index && animations.at(i).name == name)
            return Texts::tr("There is already an animation named \"%1\".").arg(name);
    }
    return QString();
}

QString PatternLibrary::unusedName() const
{
    QSet<QString> names;
    names.reserve(patterns.size());
    for (const NamedPattern &named : patterns)
        names.insert(named.name);
    for (int number = 1;; ++number) {
        const QString name = Texts::tr("Pattern %1").arg(number);
        if (!names.contains(name))
            return name;
    }
}
