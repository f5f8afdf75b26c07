#pragma once

class QFont;
class QLabel;
class QWidget;

// How the program's windows look and where they appear.

// Centres a top-level window on the screen it will appear on.
void centreOnScreen(QWidget *window);

// The windows are laid out for a classic 8-point dialog font: the platform's default family at
// that size, so that captions fit the fixed control sizes.
QFont dialogFont();

// A caption wider than its label's place keeps the label's position and grows to the right, as
// a classic auto-sized label does, rather than being cut off.
void widenToFit(QLabel *label);
