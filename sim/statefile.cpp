#include "statefile.h"

#include <QFile>
#include <QSaveFile>

using namespace Protocol;

namespace StateFile {

namespace {

const QByteArray CustomKey = "custom";

// Far more than any valid file; a larger one is not read into memory at all.
constexpr qint64 MaxFileSize = 4096;

QByteArray hexLine(const char *key, const QByteArray &bytes)
{
    QByteArray line(key);
    if (!bytes.isEmpty())
        line += ' ' + hexString(bytes).toLatin1();
    return line + '\n';
}

} // namespace

QByteArray serialize(const StoredState &state)
{
    QByteArray text = "# Stored settings of the simulated Kaldor8x8 module\n";
    text += hexLine("mode", QByteArray(1, char(state.startupMode)));
    text += hexLine("speed", QByteArray(1, char(state.speedCode)));
    if (state.message)
        text += hexLine("message", *state.message);
    for (int position = 0; position < CustomCharacterCount; ++position) {
        const ColumnPattern pattern = state.custom[size_t(position)].columns();
        if (pattern == ColumnPattern{})
            continue;
        const QByteArray bytes(reinterpret_cast<const char *>(pattern.data()),
                               qsizetype(pattern.size()));
        text +=
            hexLine(QByteArray(CustomKey + ' ' + QByteArray::number(position)).constData(), bytes);
    }
    return text;
}

std::optional<StoredState> parse(const QByteArray &text, QString *problem)
{
    StoredState state;
    QList<QByteArray> seen;
    int lineNumber = 0;
    const auto fail = [&](const QString &why) -> std::optional<StoredState> {
        if (problem)
            *problem = QStringLiteral("line %1: %2").arg(lineNumber).arg(why);
        return std::nullopt;
    };

    for (const QByteArray &rawLine : text.split('\n')) {
        ++lineNumber;
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype space = line.indexOf(' ');
        QByteArray key = space < 0 ? line : line.left(space);
        QByteArray rest = space < 0 ? QByteArray() : line.mid(space + 1).trimmed();
        int position = -1;
        if (key == CustomKey) {
            const qsizetype next = rest.indexOf(' ');
            bool ok = false;
            position = rest.left(next).toInt(&ok);
            if (!ok || position < 0 || position >= CustomCharacterCount)
                return fail(QStringLiteral("no custom position"));
            key += ' ' + QByteArray::number(position);
            rest = next < 0 ? QByteArray() : rest.mid(next + 1);
        }
        if (seen.contains(key))
            return fail(QStringLiteral("%1 given twice").arg(QString::fromLatin1(key)));
        seen.append(key);

        const std::optional<QByteArray> bytes = parseHex(QString::fromLatin1(rest));
        if (!bytes)
            return fail(QStringLiteral("not hex bytes"));
        if (key == "mode" || key == "speed") {
            if (bytes->size() != 1)
                return fail(QStringLiteral("%1 is one byte").arg(QString::fromLatin1(key)));
            const quint8 value = quint8(bytes->at(0));
            if (key == "mode") {
                if (value >= StartupModeCount && value != NOT_STORED)
                    return fail(QStringLiteral("no start-up mode"));
                state.startupMode = value;
            } else {
                if (!speedIndexForCode(value) && value != NOT_STORED)
                    return fail(QStringLiteral("no speed code"));
                state.speedCode = value;
            }
        } else if (key == "message") {
            if (bytes->size() > MaxTextLength)
                return fail(QStringLiteral("message longer than %1").arg(MaxTextLength));
            state.message = *bytes;
        } else if (position >= 0) {
            if (bytes->size() != ColumnCount)
                return fail(QStringLiteral("a custom character is %1 bytes").arg(ColumnCount));
            ColumnPattern columns{};
            std::copy(bytes->begin(), bytes->end(), columns.begin());
            state.custom[size_t(position)] = Pattern::fromColumns(columns);
        } else {
            return fail(QStringLiteral("unknown key"));
        }
    }
    return state;
}

Loaded load(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    const QByteArray text = file.read(MaxFileSize + 1);
    if (text.size() > MaxFileSize)
        return {{}, QStringLiteral("larger than %1 bytes").arg(MaxFileSize)};
    QString problem;
    const std::optional<StoredState> state = parse(text, &problem);
    if (!state)
        return {{}, problem};
    return {*state, {}};
}

bool save(const QString &path, const StoredState &state, QString *error)
{
    // Written aside and renamed over the old file, so that a crash never leaves half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(serialize(state)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<QString> whyNotWritable(const QString &path)
{
    // As save() writes: a new file beside the old one, then renamed over it.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.cancelWriting();
    return std::nullopt;
}

} // namespace StateFile
