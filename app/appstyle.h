#pragma once

class QIcon;
class QStyle;

// The program's icon and application style.

// The application icon, built into the program.
QIcon appIcon();

// The application's style: the platform's own, with start-up kept free of image format guessing.
// Meant for QApplication::setStyle() before the first window is created.
QStyle *createAppStyle();
