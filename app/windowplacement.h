#pragma once

class QWidget;

// Centres a top-level window on the screen it will appear on.
void centreOnScreen(QWidget *window);
