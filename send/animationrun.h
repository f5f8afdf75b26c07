#pragma once

#include "animation.h"

#include <QString>

// Plays an animation on the module once, as the Frames window's "Play on Module" does: each
// frame handed to the link at its time, a frame still waiting for the line replaced by the
// newer one. Returns an exit status of glyphsmith-send (ExitStatus) once the last frame's time
// is over and every byte has left the program; `error` says why the port failed.
int playAnimation(const QString &device, const Animation &animation, QString *error);
