#pragma once

#include <QPixmap>
#include <QString>

#include <optional>

// The lit and dark dot pictures, read from the program's own folder every time a cell takes one.
namespace DotPictures {

QString litPath();
QString darkPath();
// The folder the pictures are read from: the program's own unless set otherwise (tests).
QString folder();
void setFolder(const QString &folder);

std::optional<QPixmap> load(const QString &path);
// The picture every cell shows when the window is created; built into the program.
QPixmap startPicture();

} // namespace DotPictures
