#pragma once

#include "patternlibrary.h"

// The patterns the library shows before the user has a file of their own: digits, arrows,
// hearts, faces and a few marks.
PatternLibrary starterSet();
