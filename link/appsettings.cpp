#include "appsettings.h"

#include <QRegularExpression>
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
    static const QRegularExpression portText(QStringLiteral("^[1-6]$"));
    if (!portText.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
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
