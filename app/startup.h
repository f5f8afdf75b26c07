#pragma once

#include <memory>

class Prompter;
class Workspace;

// What the program does before its event loop: everything it holds is made (Workspace), the main
// window runs its start-up sequence (which may report a missing port before anything is shown)
// and is shown centred.
std::unique_ptr<Workspace> startProgram(Prompter &prompter);
