#include "characterbank.h"

#include "appsettings.h"

#include <QSettings>
#include <QUrl>

namespace {

constexpr char Group[] = "CharacterBank";

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QLatin1String(AppSettings::Organization),
                     QLatin1String(AppSettings::Application));
}

// A device path as one key: "/" would open groups.
QString deviceKey(const QString &device)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(device));
}

// Kept as the module's column bytes in hex, as the module is sent them.
QString hex(const Pattern &pattern)
{
    const Protocol::ColumnPattern columns = pattern.columns();
    return Protocol::hexString(
        QByteArray(reinterpret_cast<const char *>(columns.data()), qsizetype(columns.size())));
}

std::optional<Pattern> pattern(const QString &text)
{
    const auto bytes = Protocol::parseHex(text);
    if (!bytes || bytes->size() != Protocol::ColumnCount)
        return std::nullopt;
    Protocol::ColumnPattern columns{};
    std::copy(bytes->begin(), bytes->end(), columns.begin());
    return Pattern::fromColumns(columns);
}

} // namespace

CharacterBank::Mark CharacterBank::Slot::mark() const
{
    if (!uploaded)
        return Mark::NeverUploaded;
    return *uploaded == pattern ? Mark::Uploaded : Mark::Changed;
}

void CharacterBank::setPattern(int position, const Pattern &pattern)
{
    m_slots.at(size_t(position)).pattern = pattern;
}

void CharacterBank::markUploaded(int position, const Pattern &pattern)
{
    m_slots.at(size_t(position)).uploaded = pattern;
}

QList<int> CharacterBank::pendingPositions() const
{
    QList<int> positions;
    for (int position = 0; position < Slots; ++position) {
        if (slot(position).mark() != Mark::Uploaded)
            positions.append(position);
    }
    return positions;
}

CharacterBank CharacterBank::load(const QString &device)
{
    CharacterBank bank;
    QSettings settings = store();
    settings.beginGroup(QLatin1String(Group));
    settings.beginGroup(deviceKey(device));
    for (int position = 0; position < Slots; ++position) {
        Slot &slot = bank.m_slots[size_t(position)];
        // A damaged entry counts as nothing known, never as a pattern made up.
        slot.pattern = pattern(settings.value(QStringLiteral("Pattern%1").arg(position)).toString())
                           .value_or(Pattern());
        slot.uploaded =
            pattern(settings.value(QStringLiteral("Uploaded%1").arg(position)).toString());
    }
    return bank;
}

bool CharacterBank::save(const QString &device) const
{
    QSettings settings = store();
    settings.beginGroup(QLatin1String(Group));
    settings.beginGroup(deviceKey(device));
    for (int position = 0; position < Slots; ++position) {
        const Slot &slot = m_slots[size_t(position)];
        settings.setValue(QStringLiteral("Pattern%1").arg(position), hex(slot.pattern));
        if (slot.uploaded)
            settings.setValue(QStringLiteral("Uploaded%1").arg(position), hex(*slot.uploaded));
        else
            settings.remove(QStringLiteral("Uploaded%1").arg(position));
    }
    settings.endGroup();
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}
