#pragma once

#include "pattern.h"

#include <optional>

// The module's built-in character set: an 8x8 glyph for every printable ASCII character and
// every Latin-1 letter (plus the multiplication and division signs).
namespace Font {

// Empty for a byte that has no glyph: control codes, DEL, and the Latin-1 signs 0x80..0xBF.
std::optional<Pattern> glyph(quint8 code);

} // namespace Font
