#include "patternlibrary.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>
#include <QSet>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PatternLibrary", text);
}

const QString FormatKey = QStringLiteral("format");
const QString VersionKey = QStringLiteral("version");
const QString PatternsKey = QStringLiteral("patterns");
const QString NameKey = QStringLiteral("name");
const QString BytesKey = QStringLiteral("bytes");

int hexDigit(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

QString megabytes(qint64 size)
{
    return QString::number(double(size) / (1024 * 1024), 'f', 1);
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
    Protocol::ColumnPattern columns{};
    int digits = 0;
    for (QChar c : text) {
        if (c == u' ' && digits % 2 == 0 && digits > 0 && digits < 16)
            continue;
        const int value = hexDigit(c.unicode());
        if (value < 0 || digits == 16)
            return std::nullopt;
        columns[size_t(digits / 2)] = quint8(columns[size_t(digits / 2)] << 4 | value);
        ++digits;
    }
    if (digits != 16)
        return std::nullopt;
    return Pattern::fromColumns(columns);
}

std::optional<PatternLibrary> PatternLibrary::fromJson(const QByteArray &json, QString *reason)
{
    if (json.trimmed().isEmpty()) {
        *reason = tr("the file is empty");
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const bool cutShort = parseError.error == QJsonParseError::UnterminatedObject ||
                              parseError.error == QJsonParseError::UnterminatedArray ||
                              parseError.error == QJsonParseError::UnterminatedString ||
                              parseError.offset >= json.trimmed().size();
        *reason =
            cutShort
                ? tr("the file ends too early, at byte %1: it is cut short").arg(parseError.offset)
                : tr("it is not JSON (%1 at byte %2)")
                      .arg(parseError.errorString())
                      .arg(parseError.offset);
        return std::nullopt;
    }
    QJsonObject root = document.object();
    if (!document.isObject() || root.value(FormatKey).toString() != QLatin1String(FormatName)) {
        *reason = tr("it is not a Glyphsmith pattern library (it has no \"format\": \"%1\")")
                      .arg(QLatin1String(FormatName));
        return std::nullopt;
    }
    const QJsonValue version = root.value(VersionKey);
    if (!version.isDouble() || version.toDouble() < 1 ||
        version.toDouble() != double(version.toInteger())) {
        *reason = tr("it has no format version");
        return std::nullopt;
    }
    if (version.toInteger() > FormatVersion) {
        *reason = tr("it is format version %1, written by a newer Glyphsmith; this one reads "
                     "format version %2")
                      .arg(version.toInteger())
                      .arg(FormatVersion);
        return std::nullopt;
    }
    if (!root.value(PatternsKey).isArray()) {
        *reason = tr("it has no list of \"patterns\"");
        return std::nullopt;
    }

    PatternLibrary library;
    const QJsonArray entries = root.value(PatternsKey).toArray();
    library.patterns.reserve(entries.size());
    QHash<QString, int> numberOfName;
    numberOfName.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const int number = int(i + 1);
        const QJsonObject entry = entries.at(i).toObject();
        const QString name = entry.value(NameKey).toString();
        if (name.trimmed().isEmpty()) {
            *reason = tr("pattern %1 has no name").arg(number);
            return std::nullopt;
        }
        if (const auto it = numberOfName.constFind(name); it != numberOfName.cend()) {
            *reason = tr("patterns %1 and %2 are both named \"%3\"").arg(*it).arg(number).arg(name);
            return std::nullopt;
        }
        numberOfName.insert(name, number);
        const QJsonValue bytes = entry.value(BytesKey);
        const auto pattern = patternFromBytesText(bytes.toString());
        if (!pattern) {
            *reason =
                tr("the bytes of pattern %1 (\"%2\") are not 16 hex digits").arg(number).arg(name);
            return std::nullopt;
        }
        NamedPattern named{name, *pattern, {}};
        if (entry.size() > 2) {
            named.otherFields = entry;
            named.otherFields.remove(NameKey);
            named.otherFields.remove(BytesKey);
        }
        library.patterns.append(std::move(named));
    }
    root.remove(FormatKey);
    root.remove(VersionKey);
    root.remove(PatternsKey);
    library.otherSections = root;
    return library;
}

std::optional<PatternLibrary> PatternLibrary::read(const QString &path, QString *error)
{
    const QString cannot = tr("Cannot open the pattern library %1: %2.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = cannot.arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > MaxFileSize) {
        *error = cannot.arg(path, tr("it is %1 MB, and a pattern library is at most %2 MB")
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
    root.insert(FormatKey, QLatin1String(FormatName));
    root.insert(VersionKey, FormatVersion);
    root.insert(PatternsKey, entries);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool PatternLibrary::write(const QString &path, QString *error) const
{
    const QString cannot = tr("Cannot save the pattern library %1: %2.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = cannot.arg(path, file.errorString());
        return false;
    }
    const QByteArray json = toJson();
    if (file.write(json) != json.size() || !file.commit()) {
        *error = cannot.arg(path, file.errorString());
        return false;
    }
    return true;
}

QString PatternLibrary::nameProblem(const QString &name, int index) const
{
    if (name.trimmed().isEmpty())
        return tr("A pattern needs a name.");
    for (int i = 0; i < patterns.size(); ++i) {
        if (i != index && patterns.at(i).name == name)
            return tr("There is already a pattern named \"%1\".").arg(name);
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
        const QString name = tr("Pattern %1").arg(number);
        if (!names.contains(name))
            return name;
    }
}
