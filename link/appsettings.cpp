#include "appsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace AppSettings {

QString storedCommPort()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organization, Application);
    settings.beginGroup(PropertiesGroup);
    return settings.value(CommPortKey, DefaultCommPort).toString();
}

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(AppSettings)
};

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// QSettings says only that it could not write, not why; the reason is found by doing what it
// does: write the file in place, or create a new file beside it, or make its folder.
QString whyNotWritable(const QString &path)
{
    const QByteArray file = QFile::encodeName(path);
    if (QFileInfo::exists(path)) {
        const int fd = ::open(file.constData(), O_WRONLY | O_APPEND);
        if (fd < 0)
            return systemReason();
        ::close(fd);
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        // The first folder of the path that is missing is where making it fails.
        QString made;
        const QStringList parts = QDir::cleanPath(folder).split(u'/', Qt::SkipEmptyParts);
        for (const QString &part : parts) {
            made += u'/' + part;
            const QFileInfo info(made);
            if (info.isDir())
                continue;
            if (info.exists())
                return QString::fromLocal8Bit(std::strerror(ENOTDIR));
            const QByteArray name = QFile::encodeName(made);
            if (::mkdir(name.constData(), 0700) != 0)
                return systemReason();
            ::rmdir(name.constData());
            break;
        }
        return Texts::tr("the folder %1 cannot be made").arg(folder);
    }
    const QByteArray probe = QFile::encodeName(folder + QStringLiteral("/.glyphsmith-probe"));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return systemReason();
    ::close(fd);
    ::unlink(probe.constData());
    return Texts::tr("the file could not be written");
}

} // namespace

std::optional<StoreFailure> storeCommPort(int port)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organization, Application);
    settings.beginGroup(PropertiesGroup);
    settings.setValue(CommPortKey, QString::number(port));
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return std::nullopt;
    return StoreFailure{settings.fileName(), whyNotWritable(settings.fileName())};
}

QString fileName()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, Organization, Application)
        .fileName();
}

std::optional<std::chrono::milliseconds> idleGap()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organization, Application);
    settings.beginGroup(LinkGroup);
    bool ok = false;
    const int value = settings.value(IdleGapKey).toInt(&ok);
    if (!ok || value < 0 || value > 1000)
        return std::nullopt;
    return std::chrono::milliseconds(value);
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

namespace AppSettings {

std::optional<StoreFailure> storeMappedDevice(int port, const QString &device)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organization, Application);
    settings.beginGroup(PortsGroup);
    const QString key = QStringLiteral("COM%1").arg(port);
    if (device.isEmpty())
        settings.remove(key);
    else
        settings.setValue(key, device);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return std::nullopt;
    return StoreFailure{settings.fileName(), whyNotWritable(settings.fileName())};
}

} // namespace AppSettings
