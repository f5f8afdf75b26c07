#pragma once

#include "patternlibrary.h"
#include "textformats.h"

#include <QList>

#include <optional>

class QMimeData;

// Patterns on the clipboard as the grid and the library window put them there and take them
// back: text in the chosen format for other programs, a picture, and this program's own forms,
// which paste back exactly, names and all, without a question.
namespace PatternClipboard {

// One pattern as module bytes: what the grid copies, and the first of what the library copies.
inline constexpr char PatternMimeType[] = "application/x-glyphsmith-pattern";
// Named patterns, from the library window.
inline constexpr char PatternsMimeType[] = "application/x-glyphsmith-patterns";

// Each pattern's text in `format` (code named after the pattern), a blank line between two; a
// picture and the module bytes of the first; and all of them with their names.
QMimeData *mimeData(const QList<NamedPattern> &patterns, TextFormats::Format format);

// What this program put on the clipboard: the named patterns, or the grid's one pattern without
// a name. Nothing when the clipboard holds neither.
std::optional<QList<NamedPattern>> ownPatterns(const QMimeData *data);

} // namespace PatternClipboard
