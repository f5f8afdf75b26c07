#pragma once

#include "animation.h"
#include "canvas.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <array>

// How a module is mounted in its span, as seen from the front. The module is first mirrored
// left to right when `mirrored` (it is seen from behind, say, or its board is wired the other
// way round), then turned clockwise by `rotation` degrees: at 90 its own top edge is on the
// right, at 180 it is upside down. Slicing undoes this, so that the span reads upright.
struct Orientation
{
    int rotation = 0; // 0, 90, 180 or 270
    bool mirrored = false;

    static bool isValidRotation(int degrees)
    {
        return degrees == 0 || degrees == 90 || degrees == 180 || degrees == 270;
    }
    friend bool operator==(const Orientation &, const Orientation &) = default;
};

inline constexpr std::array<Orientation, 8> AllOrientations = {
    Orientation{0, false}, Orientation{90, false}, Orientation{180, false}, Orientation{270, false},
    Orientation{0, true},  Orientation{90, true},  Orientation{180, true},  Orientation{270, true}};

// One module of a span: where it is reached and how it is mounted.
struct SpanModule
{
    // "COM3", a device path, or tcp://host:port or rfc2217://host:port; empty: no module there,
    // its part of the picture is not sent anywhere.
    QString target;
    Orientation orientation;
    // Fields of the file's entry that this version does not know, written back as they were.
    QJsonObject otherFields;

    friend bool operator==(const SpanModule &, const SpanModule &) = default;
};

struct SpanFrame
{
    Canvas canvas;
    int durationMs = Frames::DefaultDurationMs;

    friend bool operator==(const SpanFrame &, const SpanFrame &) = default;
};

struct SpanAnimation
{
    QString name;
    QList<SpanFrame> frames;
    QJsonObject otherFields;

    friend bool operator==(const SpanAnimation &, const SpanAnimation &) = default;
};

// A named arrangement of modules in columns x rows, drawn on as one picture and played in step.
// Modules are listed row by row from the top left, as they are numbered (1 upwards) in
// Identify and in the window.
struct Span
{
    QString name;
    int columns = 1;
    int rows = 1;
    QList<SpanModule> modules{SpanModule{}};
    // The picture the span's window shows when no animation is chosen.
    Canvas picture;
    QList<SpanAnimation> animations;
    QJsonObject otherFields;

    int moduleCount() const { return columns * rows; }
    // A dark canvas of the span's size.
    Canvas blankCanvas() const { return Canvas(columns, rows); }
    // Resizes to `newColumns` x `newRows` modules: modules and every picture keep their place
    // from the top left; new places get no target. False, nothing changed, for a size Canvas
    // refuses.
    bool resize(int newColumns, int newRows);

    friend bool operator==(const Span &, const Span &) = default;
};

namespace SpanSlicing {

// What a module mounted as `orientation` must be sent for the viewer to see `seen` upright.
Pattern toModule(const Pattern &seen, Orientation orientation);
// What the viewer sees on a module mounted as `orientation` that was sent `sent`.
Pattern asSeen(const Pattern &sent, Orientation orientation);

// Module `index`'s pattern of `canvas`, ready to send: its place cut out and turned back.
Pattern slice(const Canvas &canvas, const Span &span, int index);
// Every module's, in module order.
QList<Pattern> slices(const Canvas &canvas, const Span &span);

// What Identify shows on module `number` (1..16), sent as it is, without the module's
// orientation: an arrow at the top pointing to the module's own top edge, and the number under
// it. A module mounted turned shows the arrow turned; a mirrored one shows the number mirrored.
Pattern identifyGlyph(int number);

} // namespace SpanSlicing
