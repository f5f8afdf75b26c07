#pragma once

#include <QPixmap>
#include <QString>

#include <optional>

// The lit and dark dot pictures, read from the program's own folder (or the installed data folder)
// every time a cell takes one.
namespace DotPictures {

QString litPath();
QString darkPath();
// The folder the pictures are read from: folderFor() the program's own folder, unless set
// otherwise (tests).
QString folder();
// The first of programFolder and programFolder/../../share/glyphsmith that holds both pictures;
// programFolder when neither does, so that what is missing is reported where it was looked for.
QString folderFor(const QString &programFolder);
void setFolder(const QString &folder);

std::optional<QPixmap> load(const QString &path);
// The picture every cell shows when the window is created; built into the program.
QPixmap startPicture();

} // namespace DotPictures
