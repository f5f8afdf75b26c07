#pragma once

#include "pattern.h"

#include <QString>
#include <QStringList>

#include <optional>

// What `glyphsmith-send pattern` accepts as a dot pattern, through the workbench's own readers:
// a text in any of its formats (module bytes, row bytes, a C or Arduino array, a Python list, a
// 64-bit integer, text art), "-" for such a text on standard input, or "FILE.glyphs NAME" for a
// pattern of a library file. Eight bare hex bytes read as module bytes and as row bytes alike;
// they are taken as module bytes, the bytes on the line, unless `format` names another format
// (TextFormats::id: "row-bytes", "c-array", ...).
namespace PatternText {

std::optional<Pattern> parse(const QStringList &arguments, const QString &format, QString *error);

} // namespace PatternText
