#pragma once

#include "span.h"

#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>

class PatternLibrary;

// The spans of a .glyphs file, kept in its top-level section "spans". The file's own reader
// (PatternLibrary) keeps that section among the sections it does not know, so a program that
// knows nothing of spans reads and writes the file with the spans untouched; this is the one
// place that reads and writes them.
//
//   "spans": [
//     { "name": "Badge", "columns": 4, "rows": 1,
//       "modules": [ {"target": "COM1", "rotation": 0, "mirrored": false}, ... ],
//       "picture": "<rows>",
//       "animations": [ {"name": "Hello", "frames": [ {"rows": "<rows>", "duration": 10} ]} ] }
//   ]
//
// where <rows> is CanvasText::rowsText(). Span names are unique in the file, and so are
// animation names across all its spans, so that a name alone picks an animation to play.
namespace SpanSection {

inline constexpr char Key[] = "spans";

// The section's spans; an empty list for a missing (undefined) section. Nothing for a section
// that is not as above, with `reason` saying what is wrong, as the end of a sentence.
std::optional<QList<Span>> read(const QJsonValue &section, QString *reason);
// The section for `spans`; undefined (no section at all) for none.
QJsonValue write(const QList<Span> &spans);

// The same through a library's unknown sections.
std::optional<QList<Span>> read(const PatternLibrary &library, QString *reason);
void write(PatternLibrary &library, const QList<Span> &spans);

// Why `name` cannot name span `index` (-1: a new one) among `spans`: empty, or taken.
QString spanNameProblem(const QList<Span> &spans, const QString &name, int index = -1);
// The same for an animation: empty, or taken by any span's animation other than animation
// `index` of span `span`.
QString animationNameProblem(const QList<Span> &spans, const QString &name, int span = -1,
                             int index = -1);
// "Span 1", "Span 2", ...; "Animation 1", ...: the first free one.
QString unusedSpanName(const QList<Span> &spans);
QString unusedAnimationName(const QList<Span> &spans, const QString &stem);

struct AnimationPlace
{
    int span = -1;
    int animation = -1;
};
// Where the animation named `name` is, if any span has it.
std::optional<AnimationPlace> findAnimation(const QList<Span> &spans, const QString &name);
int findSpan(const QList<Span> &spans, const QString &name);

} // namespace SpanSection
