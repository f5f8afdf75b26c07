#pragma once

#include "patternimage.h"
#include "textformats.h"

#include <QString>
#include <QStringList>

// What the workbench remembers between runs, in a settings group of its own ("Workbench"): the
// recent library files, the copy format, the format last picked for bare hex bytes, the size of
// exported pictures, the last folder and how Import Image fits a picture that is not square.
namespace EditorSettings {

inline constexpr int MaxRecentFiles = 8;

QStringList recentFiles();
// A library file opened or saved: first among the recent files, and its folder the last one.
void rememberFile(const QString &path);
void removeRecentFile(const QString &path);

TextFormats::Format copyFormat();
void setCopyFormat(TextFormats::Format format);
// Eight bare hex bytes read as module bytes or as rows: the one the user took last.
TextFormats::Format lastBareFormat();
void setLastBareFormat(TextFormats::Format format);

int exportDotSize();
void setExportDotSize(int dotSize);

// The folder last used, while it exists; else the home folder.
QString lastFolder();
void setLastFolder(const QString &folder);

// Import Image: a picture that is not square kept whole (the first choice), cropped or stretched.
PatternImage::Fit imageFit();
void setImageFit(PatternImage::Fit fit);

// Edit > Send as You Draw.
bool sendAsYouDraw();
void setSendAsYouDraw(bool on);

} // namespace EditorSettings
