#include "dotpictures.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace DotPictures {

namespace {
QString &folderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

QString folder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    // The real path, so a link to the program elsewhere still finds its pictures.
    return QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
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
    return QPixmap(QStringLiteral(":/grid/dotstart.jpg"));
}

} // namespace DotPictures
