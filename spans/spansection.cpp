#include "spansection.h"

#include "patternlibrary.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <cmath>

namespace SpanSection {

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SpanSection)
};

const QLatin1String NameKey("name");
const QLatin1String ColumnsKey("columns");
const QLatin1String RowsKey("rows");
const QLatin1String ModulesKey("modules");
const QLatin1String TargetKey("target");
const QLatin1String RotationKey("rotation");
const QLatin1String MirroredKey("mirrored");
const QLatin1String PictureKey("picture");
const QLatin1String AnimationsKey("animations");
const QLatin1String FramesKey("frames");
const QLatin1String DurationKey("duration");

bool fail(QString *reason, const QString &why)
{
    *reason = why;
    return false;
}

std::optional<int> wholeNumber(const QJsonValue &value)
{
    if (!value.isDouble() || value.toDouble() != double(value.toInteger()))
        return std::nullopt;
    return int(qBound(qint64(-1), value.toInteger(), qint64(1'000'000)));
}

QJsonObject without(QJsonObject object, std::initializer_list<QLatin1String> keys)
{
    for (const QLatin1String &key : keys)
        object.remove(key);
    return object;
}

bool readModule(const QJsonValue &value, SpanModule &module, const QString &which, QString *reason)
{
    if (!value.isObject())
        return fail(reason, Texts::tr("%1 is no object").arg(which));
    const QJsonObject entry = value.toObject();
    const QJsonValue target = entry.value(TargetKey);
    if (!target.isUndefined() && !target.isString())
        return fail(reason, Texts::tr("the target of %1 is no text").arg(which));
    module.target = target.toString().trimmed();
    const QJsonValue rotation = entry.value(RotationKey);
    const auto degrees = rotation.isUndefined() ? std::optional<int>(0) : wholeNumber(rotation);
    if (!degrees || !Orientation::isValidRotation(*degrees))
        return fail(reason, Texts::tr("the rotation of %1 is not 0, 90, 180 or 270").arg(which));
    module.orientation.rotation = *degrees;
    const QJsonValue mirrored = entry.value(MirroredKey);
    if (!mirrored.isUndefined() && !mirrored.isBool())
        return fail(reason, Texts::tr("\"mirrored\" of %1 is neither true nor false").arg(which));
    module.orientation.mirrored = mirrored.toBool();
    module.otherFields = without(entry, {TargetKey, RotationKey, MirroredKey});
    return true;
}

bool readAnimation(const QJsonValue &value, const Span &span, SpanAnimation &animation,
                   const QString &which, QString *reason)
{
    const QJsonObject entry = value.toObject();
    animation.name = entry.value(NameKey).toString();
    if (!value.isObject() || animation.name.trimmed().isEmpty())
        return fail(reason, Texts::tr("%1 has no name").arg(which));
    const QString named =
        Texts::tr("animation \"%1\" of span \"%2\"").arg(animation.name, span.name);
    const QJsonValue framesValue = entry.value(FramesKey);
    const QJsonArray frames = framesValue.toArray();
    if (!framesValue.isArray() || frames.size() > Frames::MaxFrames)
        return fail(
            reason,
            Texts::tr("%1 has no list of at most %2 frames").arg(named).arg(Frames::MaxFrames));
    animation.frames.reserve(frames.size());
    qsizetype f = 0;
    for (const QJsonValue &value : frames) {
        ++f;
        const QJsonObject frame = value.toObject();
        const auto canvas =
            CanvasText::fromRowsText(frame.value(RowsKey).toString(), span.columns, span.rows);
        if (!canvas) {
            return fail(reason, Texts::tr("the rows of frame %1 of %2 are not %3 groups of %4 hex "
                                          "digits")
                                    .arg(f)
                                    .arg(named)
                                    .arg(span.rows * Canvas::ModuleDots)
                                    .arg(span.columns * 2));
        }
        const QJsonValue duration = frame.value(DurationKey);
        const double ms = duration.toDouble(-1);
        if (!duration.isDouble() || ms != std::floor(ms))
            return fail(reason, Texts::tr("frame %1 of %2 has no duration in whole milliseconds")
                                    .arg(f)
                                    .arg(named));
        // Kept within what the program plays: 0 is the GIF convention for 100 ms.
        animation.frames.append(SpanFrame{*canvas, Frames::clampedDuration(int(std::clamp(
                                                       ms, -1.0, double(Frames::MaxDurationMs))))});
    }
    animation.otherFields = without(entry, {NameKey, FramesKey});
    return true;
}

bool readSpan(const QJsonValue &value, Span &span, const QString &which, QString *reason)
{
    const QJsonObject entry = value.toObject();
    span.name = entry.value(NameKey).toString();
    if (!value.isObject() || span.name.trimmed().isEmpty())
        return fail(reason, Texts::tr("%1 has no name").arg(which));
    const QString named = Texts::tr("span \"%1\"").arg(span.name);
    const auto columns = wholeNumber(entry.value(ColumnsKey));
    const auto rows = wholeNumber(entry.value(RowsKey));
    if (!columns || !rows || !Canvas::isValidSize(*columns, *rows)) {
        return fail(reason, Texts::tr("%1 is not 1 or more columns by 1 or more rows of at most %2 "
                                      "modules")
                                .arg(named)
                                .arg(Canvas::MaxModules));
    }
    span.columns = *columns;
    span.rows = *rows;
    const QJsonArray modules = entry.value(ModulesKey).toArray();
    if (!entry.value(ModulesKey).isArray() || modules.size() != span.moduleCount()) {
        return fail(
            reason,
            Texts::tr("%1 does not list its %2 modules").arg(named).arg(span.moduleCount()));
    }
    span.modules.resize(modules.size());
    for (qsizetype i = 0; i < modules.size(); ++i) {
        if (!readModule(modules.at(i), span.modules[i],
                        Texts::tr("module %1 of %2").arg(i + 1).arg(named), reason))
            return false;
    }
    span.picture = span.blankCanvas();
    if (entry.contains(PictureKey)) {
        const auto picture =
            CanvasText::fromRowsText(entry.value(PictureKey).toString(), span.columns, span.rows);
        if (!picture)
            return fail(reason, Texts::tr("the picture of %1 is not %2 groups of %3 hex digits")
                                    .arg(named)
                                    .arg(span.rows * Canvas::ModuleDots)
                                    .arg(span.columns * 2));
        span.picture = *picture;
    }
    if (entry.contains(AnimationsKey)) {
        const QJsonArray animations = entry.value(AnimationsKey).toArray();
        if (!entry.value(AnimationsKey).isArray())
            return fail(reason, Texts::tr("the animations of %1 are no list").arg(named));
        span.animations.resize(animations.size());
        for (qsizetype i = 0; i < animations.size(); ++i) {
            if (!readAnimation(animations.at(i), span, span.animations[i],
                               Texts::tr("animation %1 of %2").arg(i + 1).arg(named), reason))
                return false;
        }
    }
    span.otherFields =
        without(entry, {NameKey, ColumnsKey, RowsKey, ModulesKey, PictureKey, AnimationsKey});
    return true;
}

} // namespace

std::optional<QList<Span>> read(const QJsonValue &section, QString *reason)
{
    if (section.isUndefined())
        return QList<Span>();
    if (!section.isArray()) {
        *reason = Texts::tr("its \"spans\" are no list");
        return std::nullopt;
    }
    const QJsonArray entries = section.toArray();
    QList<Span> spans(entries.size());
    QSet<QString> spanNames;
    QSet<QString> animationNames;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        Span &span = spans[i];
        if (!readSpan(entries.at(i), span, Texts::tr("span %1").arg(i + 1), reason))
            return std::nullopt;
        if (spanNames.contains(span.name)) {
            *reason = Texts::tr("two spans are named \"%1\"").arg(span.name);
            return std::nullopt;
        }
        spanNames.insert(span.name);
        for (const SpanAnimation &animation : std::as_const(span.animations)) {
            if (animationNames.contains(animation.name)) {
                *reason = Texts::tr("two span animations are named \"%1\"").arg(animation.name);
                return std::nullopt;
            }
            animationNames.insert(animation.name);
        }
    }
    return spans;
}

QJsonValue write(const QList<Span> &spans)
{
    if (spans.isEmpty())
        return QJsonValue(QJsonValue::Undefined);
    QJsonArray entries;
    for (const Span &span : spans) {
        QJsonArray modules;
        for (const SpanModule &module : span.modules) {
            QJsonObject entry = module.otherFields;
            entry.insert(TargetKey, module.target);
            entry.insert(RotationKey, module.orientation.rotation);
            entry.insert(MirroredKey, module.orientation.mirrored);
            modules.append(entry);
        }
        QJsonObject entry = span.otherFields;
        entry.insert(NameKey, span.name);
        entry.insert(ColumnsKey, span.columns);
        entry.insert(RowsKey, span.rows);
        entry.insert(ModulesKey, modules);
        entry.insert(PictureKey, CanvasText::rowsText(span.picture));
        if (!span.animations.isEmpty()) {
            QJsonArray animations;
            for (const SpanAnimation &animation : span.animations) {
                QJsonArray frames;
                for (const SpanFrame &frame : animation.frames)
                    frames.append(QJsonObject{{RowsKey, CanvasText::rowsText(frame.canvas)},
                                              {DurationKey, frame.durationMs}});
                QJsonObject item = animation.otherFields;
                item.insert(NameKey, animation.name);
                item.insert(FramesKey, frames);
                animations.append(item);
            }
            entry.insert(AnimationsKey, animations);
        }
        entries.append(entry);
    }
    return entries;
}

std::optional<QList<Span>> read(const PatternLibrary &library, QString *reason)
{
    return read(library.otherSections.value(QLatin1String(Key)), reason);
}

void write(PatternLibrary &library, const QList<Span> &spans)
{
    const QJsonValue section = write(spans);
    if (section.isUndefined())
        library.otherSections.remove(QLatin1String(Key));
    else
        library.otherSections.insert(QLatin1String(Key), section);
}

QString spanNameProblem(const QList<Span> &spans, const QString &name, int index)
{
    if (name.trimmed().isEmpty())
        return Texts::tr("A span needs a name.");
    for (qsizetype i = 0; i < spans.size(); ++i) {
        if (i != index && spans.at(i).name == name)
            return Texts::tr("There is already a span named \"%1\".").arg(name);
    }
    return {};
}

QString animationNameProblem(const QList<Span> &spans, const QString &name, int span, int index)
{
    if (name.trimmed().isEmpty())
        return Texts::tr("An animation needs a name.");
    for (qsizetype s = 0; s < spans.size(); ++s) {
        const QList<SpanAnimation> &animations = spans.at(s).animations;
        for (qsizetype a = 0; a < animations.size(); ++a) {
            if ((s != span || a != index) && animations.at(a).name == name)
                return Texts::tr("The span \"%1\" already has an animation named \"%2\".")
                    .arg(spans.at(s).name, name);
        }
    }
    return {};
}

QString unusedSpanName(const QList<Span> &spans)
{
    for (int number = 1;; ++number) {
        const QString name = Texts::tr("Span %1").arg(number);
        if (spanNameProblem(spans, name).isEmpty())
            return name;
    }
}

QString unusedAnimationName(const QList<Span> &spans, const QString &stem)
{
    if (!stem.trimmed().isEmpty() && animationNameProblem(spans, stem).isEmpty())
        return stem;
    const QString base = stem.trimmed().isEmpty() ? Texts::tr("Animation") : stem;
    for (int number = stem.trimmed().isEmpty() ? 1 : 2;; ++number) {
        const QString name = QStringLiteral("%1 %2").arg(base).arg(number);
        if (animationNameProblem(spans, name).isEmpty())
            return name;
    }
}

std::optional<AnimationPlace> findAnimation(const QList<Span> &spans, const QString &name)
{
    for (qsizetype s = 0; s < spans.size(); ++s) {
        const QList<SpanAnimation> &animations = spans.at(s).animations;
        for (qsizetype a = 0; a < animations.size(); ++a) {
            if (animations.at(a).name == name)
                return AnimationPlace{int(s), int(a)};
        }
    }
    return std::nullopt;
}

int findSpan(const QList<Span> &spans, const QString &name)
{
    for (qsizetype i = 0; i < spans.size(); ++i) {
        if (spans.at(i).name == name)
            return int(i);
    }
    return -1;
}

} // namespace SpanSection
