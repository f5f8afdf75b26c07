#include "editorsettings.h"

#include "appsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace EditorSettings {

namespace {

constexpr char Group[] = "Workbench";
constexpr char RecentFilesKey[] = "RecentFiles";
constexpr char CopyFormatKey[] = "CopyFormat";
constexpr char BareFormatKey[] = "BareHexFormat";
constexpr char ExportDotSizeKey[] = "ExportDotSize";
constexpr char LastFolderKey[] = "LastFolder";
constexpr char SendAsYouDrawKey[] = "SendAsYouDraw";
constexpr char ImageFitKey[] = "ImageFit";

struct FitName
{
    PatternImage::Fit fit;
    const char *name;
};
constexpr FitName FitNames[] = {{PatternImage::Fit::KeepAspect, "keep-aspect"},
                                {PatternImage::Fit::Crop, "crop"},
                                {PatternImage::Fit::Stretch, "stretch"}};

QVariant value(const char *key, const QVariant &fallback = QVariant())
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::Organization,
                       AppSettings::Application);
    settings.beginGroup(QLatin1String(Group));
    return settings.value(QLatin1String(key), fallback);
}

void setValue(const char *key, const QVariant &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::Organization,
                       AppSettings::Application);
    settings.beginGroup(QLatin1String(Group));
    settings.setValue(QLatin1String(key), value);
}

TextFormats::Format format(const char *key, TextFormats::Format fallback)
{
    return TextFormats::fromId(value(key).toString()).value_or(fallback);
}

} // namespace

QStringList recentFiles()
{
    return value(RecentFilesKey).toStringList();
}

void rememberFile(const QString &path)
{
    const QFileInfo file(path);
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::Organization,
                       AppSettings::Application);
    settings.beginGroup(QLatin1String(Group));
    const QStringList before = settings.value(QLatin1String(RecentFilesKey)).toStringList();
    QStringList files = before;
    files.removeAll(file.absoluteFilePath());
    files.prepend(file.absoluteFilePath());
    files = files.mid(0, MaxRecentFiles);
    // Nothing is written when nothing changes: reopening a file costs no disk write.
    if (files != before)
        settings.setValue(QLatin1String(RecentFilesKey), files);
    if (settings.value(QLatin1String(LastFolderKey)).toString() != file.absolutePath())
        settings.setValue(QLatin1String(LastFolderKey), file.absolutePath());
}

void removeRecentFile(const QString &path)
{
    QStringList files = recentFiles();
    files.removeAll(QFileInfo(path).absoluteFilePath());
    setValue(RecentFilesKey, files);
}

TextFormats::Format copyFormat()
{
    return format(CopyFormatKey, TextFormats::Format::ModuleBytes);
}

void setCopyFormat(TextFormats::Format format)
{
    setValue(CopyFormatKey, TextFormats::id(format));
}

TextFormats::Format lastBareFormat()
{
    return format(BareFormatKey, TextFormats::Format::ModuleBytes);
}

void setLastBareFormat(TextFormats::Format format)
{
    setValue(BareFormatKey, TextFormats::id(format));
}

int exportDotSize()
{
    return value(ExportDotSizeKey, 16).toInt();
}

void setExportDotSize(int dotSize)
{
    setValue(ExportDotSizeKey, dotSize);
}

QString lastFolder()
{
    const QString folder = value(LastFolderKey).toString();
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder;
    return QDir::homePath();
}

void setLastFolder(const QString &folder)
{
    setValue(LastFolderKey, folder);
}

bool sendAsYouDraw()
{
    return value(SendAsYouDrawKey, false).toBool();
}

void setSendAsYouDraw(bool on)
{
    setValue(SendAsYouDrawKey, on);
}

PatternImage::Fit imageFit()
{
    const QString name = value(ImageFitKey).toString();
    for (const FitName &entry : FitNames) {
        if (name == QLatin1String(entry.name))
            return entry.fit;
    }
    return PatternImage::Fit::KeepAspect;
}

void setImageFit(PatternImage::Fit fit)
{
    for (const FitName &entry : FitNames) {
        if (entry.fit == fit)
            setValue(ImageFitKey, QLatin1String(entry.name));
    }
}

} // namespace EditorSettings
