#pragma once

#include "pattern.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// The text forms a pattern travels in between the workbench, the clipboard and the user's own
// code. Every format reads back exactly what it writes. Eight bare hex bytes read as module
// bytes and as row bytes alike, so detect() may name more than one format for a text; the
// caller picks (the workbench asks the user).
namespace TextFormats {

enum class Format {
    ModuleBytes, // 10 00 00 00 00 00 00 00: the payload of "Send Dot Matrix"
    RowBytes,    // 80 00 00 00 00 00 00 00: rows from the top, leftmost dot in bit 7
    CArray,      // const uint8_t name[8] = {0x80, ...};
    Arduino,     // const byte name[8] = {B10000000, ...};
    PythonList,  // name = [0x80, ...]
    Integer64,   // 0x0000000000000001: byte i is row i + 1, bit j of it column j + 1
    TextArt,     // eight lines of '#' (lit) and '.' (dark), or block characters, or spaces
};

inline constexpr std::array<Format, 7> AllFormats = {
    Format::ModuleBytes, Format::RowBytes,  Format::CArray, Format::Arduino,
    Format::PythonList,  Format::Integer64, Format::TextArt};

// A stable name for settings and command lines: "module-bytes", "c-array", ...
QString id(Format format);
std::optional<Format> fromId(const QString &id);
// The name a user sees in menus and choices.
QString displayName(Format format);

// `name` names the array or variable of the code formats; it is made a valid identifier, and
// "pattern" stands in for an empty one.
QString write(const Pattern &pattern, Format format, const QString &name = QString());

struct Parsed
{
    std::optional<Pattern> pattern;
    // Why the text is no pattern in that format, as the end of a sentence.
    QString error;
};
Parsed parse(const QString &text, Format format);

struct Detection
{
    // Every format the text reads as, the most particular first.
    QList<Format> formats;
    // When there is none: why, for the format the text looks most like.
    QString error;
    // When there is none and the text has nothing of any format: no number, no text art.
    bool nothingFound = false;
};
Detection detect(const QString &text);

// The web editor's animation: several 64-bit integers between { and } (`const uint64_t
// IMAGES[] = {...};`), each a pattern as Integer64 reads one, in order, and the array's name
// when it has one. Nothing for any other text, one image among them.
struct Images
{
    QList<Pattern> patterns;
    QString name;
};
std::optional<Images> parseImages(const QString &text);

} // namespace TextFormats
