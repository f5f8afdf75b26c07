#include "recoverystore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryStore)
};

constexpr char FileKey[] = "file";
constexpr char StarterSetKey[] = "starterSet";
constexpr char WrittenKey[] = "written";
constexpr char CopyNames[] = "library-*.glyphs";
constexpr char LockSuffix[] = ".lock";
constexpr char DamagedSuffix[] = ".damaged";

} // namespace

QString RecoveryStore::defaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QLatin1String("/.local/state");
    return state + QLatin1String("/glyphsmith/recovery");
}

RecoveryStore::RecoveryStore(const QString &folder)
    : m_folder(folder)
{}

RecoveryStore::~RecoveryStore() = default;

// A name of its own for this run, locked for as long as it runs. A name another run holds, or
// whose copy is still there, is not taken.
bool RecoveryStore::claim(QString *error)
{
    if (m_lock)
        return true;
    if (!QDir().mkpath(m_folder)) {
        *error = Texts::tr("the folder %1 cannot be made").arg(m_folder);
        return false;
    }
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const qint64 pid = QCoreApplication::applicationPid();
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = QStringLiteral("library-%1-%2").arg(stamp).arg(pid);
        if (attempt > 0)
            name += QStringLiteral("-%1").arg(attempt);
        const QString path = m_folder + u'/' + name + QLatin1String(".glyphs");
        if (QFileInfo::exists(path))
            continue;
        auto lock = std::make_unique<QLockFile>(path + QLatin1String(LockSuffix));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        m_lock = std::move(lock);
        m_path = path;
        return true;
    }
    *error = Texts::tr("no lock can be taken in the folder %1").arg(m_folder);
    return false;
}

bool RecoveryStore::write(const RecoveryCopy &copy, QString *error)
{
    if (!claim(error))
        return false;
    QSaveFile file(m_path);
    const QByteArray json = toJson(copy);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        *error = Texts::tr("%1: %2").arg(m_path, file.errorString());
        return false;
    }
    return true;
}

void RecoveryStore::remove()
{
    if (!m_path.isEmpty())
        QFile::remove(m_path);
}

QList<RecoveryStore::LeftBehind> RecoveryStore::leftBehind() const
{
    QList<LeftBehind> found;
    const QDir folder(m_folder);
    const QFileInfoList entries =
        folder.entryInfoList({QLatin1String(CopyNames)}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo &entry : entries) {
        const QString path = entry.absoluteFilePath();
        if (path == QFileInfo(m_path).absoluteFilePath())
            continue;
        // A lock that its run still holds: that run is going on and keeps its copy itself.
        QLockFile lock(path + QLatin1String(LockSuffix));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        LeftBehind left{path, std::nullopt, QString()};
        left.copy = read(path, &left.problem);
        found.append(left);
    }
    return found;
}

QByteArray RecoveryStore::toJson(const RecoveryCopy &copy)
{
    PatternLibrary library = copy.library;
    QJsonObject section;
    section.insert(QLatin1String(FileKey), copy.file);
    section.insert(QLatin1String(StarterSetKey), copy.starterSet);
    section.insert(QLatin1String(WrittenKey), copy.written.toUTC().toString(Qt::ISODateWithMs));
    library.otherSections.insert(QLatin1String(Section), section);
    return library.toJson();
}

std::optional<RecoveryCopy> RecoveryStore::fromJson(const QByteArray &json, QString *problem)
{
    QString reason;
    auto library = PatternLibrary::fromJson(json, &reason);
    if (!library) {
        *problem = reason;
        return std::nullopt;
    }
    const QJsonValue value = library->otherSections.take(QLatin1String(Section));
    const QJsonObject section = value.toObject();
    const QDateTime written = QDateTime::fromString(
        section.value(QLatin1String(WrittenKey)).toString(), Qt::ISODateWithMs);
    if (!value.isObject() || !section.value(QLatin1String(FileKey)).isString() ||
        !written.isValid()) {
        *problem = Texts::tr("it does not say which file it belongs to and when it was written");
        return std::nullopt;
    }
    return RecoveryCopy{*library, section.value(QLatin1String(FileKey)).toString(),
                        section.value(QLatin1String(StarterSetKey)).toBool(), written.toUTC()};
}

std::optional<RecoveryCopy> RecoveryStore::read(const QString &path, QString *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = file.errorString();
        return std::nullopt;
    }
    if (file.size() > PatternLibrary::MaxFileSize) {
        *problem =
            Texts::tr("it is larger than %1 MB").arg(PatternLibrary::MaxFileSize / (1024 * 1024));
        return std::nullopt;
    }
    return fromJson(file.readAll(), problem);
}

std::optional<QString> RecoveryStore::setAside(const QString &path)
{
    QString aside = path + QLatin1String(DamagedSuffix);
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral("%1.%2").arg(QLatin1String(DamagedSuffix)).arg(n);
    if (!QFile::rename(path, aside))
        return std::nullopt;
    return aside;
}

bool RecoveryStore::discard(const QString &path)
{
    QFile::remove(path + QLatin1String(LockSuffix));
    return QFile::remove(path);
}
