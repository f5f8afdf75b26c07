#pragma once

#include <memory>

class FrmMain;

// What the program does before its event loop: the main window is created, runs its start-up
// sequence (which may report a missing port before anything is shown), and is shown centred.
std::unique_ptr<FrmMain> startMainWindow();
