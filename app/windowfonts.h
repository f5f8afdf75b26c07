#pragma once

#include <QFont>
#include <QString>

// The main window's two text-box fonts; everything else on it uses the dialog font
// (windowstyle.h). Header-only, so that the start-up benchmark's floor can draw in them too.
namespace WindowFonts {

// "Single ASCII Character": "MS Sans Serif" 24 pt regular.
inline QFont singleCharacter()
{
    return QFont(QStringLiteral("MS Sans Serif"), 24);
}

// "Scrolling Message": "Arial" 12 pt bold.
inline QFont scrollingMessage()
{
    QFont font(QStringLiteral("Arial"), 12);
    font.setBold(true);
    return font;
}

} // namespace WindowFonts
