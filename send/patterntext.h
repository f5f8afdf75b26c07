#pragma once

#include "protocol.h"

#include <QString>

#include <optional>

// What `glyphsmith-send pattern` accepts as a dot pattern. Today: the module's eight column
// bytes as hex pairs, leftmost column first ("18 3C 7E FF FF 7E 3C 18"). This is the one place
// where the pattern workbench's text formats and the names of a .glyphs file come in.
namespace PatternText {

std::optional<Protocol::ColumnPattern> parse(const QString &text, QString *error);

} // namespace PatternText
