#pragma once

#include <memory>

class Prompter;
class Workspace;

// What the program does before its event loop: everything it holds is made (Workspace), the main
// window runs its start-up sequence (which may report a missing port before anything is shown)
// and is shown where it was last (centred the first time). main() then offers the program on
// the session bus and welcomes the user (Workspace::welcome()).
std::unique_ptr<Workspace> startProgram(Prompter &prompter);
