#include "appsettings.h"

#include <QSettings>

namespace AppSettings {

QString storedCommPort()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organization, Application);
    settings.beginGroup(PropertiesGroup);
    return settings.value(CommPortKey, DefaultCommPort).toString();
}

void storeCommPort(int port)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organization, Application);
    settings.beginGroup(PropertiesGroup);
    settings.setValue(CommPortKey, QString::number(port));
}

std::optional<int> parseCommPort(const QString &text)
{
    // Only what storeCommPort writes: one digit 1..6, nothing around it.
    if (text.size() != 1 || text.at(0) < u'1' || text.at(0) > u'6')
        return std::nullopt;
    return text.at(0).digitValue();
}

std::optional<QString> mappedDevice(int port)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organization, Application);
    settings.beginGroup(PortsGroup);
    const QString key = QStringLiteral("COM%1").arg(port);
    if (!settings.contains(key))
        return std::nullopt;
    return settings.value(key).toString();
}

} // namespace AppSettings
