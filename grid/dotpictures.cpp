#include "dotpictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace DotPictures {

namespace {
QString &folderOverride()
{
    static QString folder;
    return folder;
}

bool hasPictures(const QString &folder)
{
    return QFileInfo::exists(folder + QStringLiteral("/dotf.BMP")) &&
           QFileInfo::exists(folder + QStringLiteral("/dotb.JPG"));
}
} // namespace

QString folderFor(const QString &programFolder)
{
    // In the build tree the pictures lie beside the program; installed, the program is in
    // lib/glyphsmith and its data in share/glyphsmith, as the file system hierarchy wants.
    const QString installed =
        QDir::cleanPath(programFolder + QStringLiteral("/../../share/glyphsmith"));
    if (!hasPictures(programFolder) && hasPictures(installed))
        return installed;
    return programFolder;
}

QString folder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    // The real path, so a link to the program elsewhere still finds its pictures.
    return folderFor(QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath());
}

void setFolder(const QString &newFolder)
{
    folderOverride() = newFolder;
}

QString litPath()
{
    return folder() + QStringLiteral("/dotf.BMP");
}

QString darkPath()
{
    return folder() + QStringLiteral("/dotb.JPG");
}

std::optional<QPixmap> load(const QString &path)
{
    QPixmap picture;
    if (!picture.load(path))
        return std::nullopt;
    return picture;
}

QPixmap startPicture()
{
    // A lossless copy of the dark picture as Qt decodes it, kept as PNG: Qt reads PNG itself,
    // so showing the window needs no image format plugin. Named as PNG, so that Qt does not ask
    // every installed plugin what it is.
    QImageReader reader(QStringLiteral(":/grid/dotstart.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace DotPictures
