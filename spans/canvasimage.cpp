#include "canvasimage.h"

#include "patternimage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <gif_lib.h>

#include <memory>

namespace CanvasImage {

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CanvasImage)
};

const QRgb Ink = qRgb(0, 0, 0);
const QRgb Paper = qRgb(255, 255, 255);

// The limits of the workbench's own image import.
bool tooLarge(QSize size, QString *reason)
{
    if (!size.isValid() || qint64(size.width()) * size.height() <= PatternImage::MaxPixels)
        return false;
    *reason = Texts::tr("it is %1 x %2 pixels, and a picture can have at most %3 million pixels")
                  .arg(size.width())
                  .arg(size.height())
                  .arg(PatternImage::MaxPixels / 1000000);
    return true;
}

int writeToSaveFile(GifFileType *gif, const GifByteType *bytes, int length)
{
    auto *file = static_cast<QSaveFile *>(gif->UserData);
    return int(file->write(reinterpret_cast<const char *>(bytes), length));
}

} // namespace

Levels levels(const QImage &image, int columns, int rows)
{
    Levels result{columns, rows, {}};
    // Premultiplied colours average by cover; what is uncovered is the white paper beneath.
    const QImage small = image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                             .scaled(result.width(), result.height(), Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
    result.dots.resize(qsizetype(result.width()) * result.height());
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = small.pixel(x, y);
            const int paper = 255 - qAlpha(pixel);
            const int grey =
                qGray(qRed(pixel) + paper, qGreen(pixel) + paper, qBlue(pixel) + paper);
            result.dots[y * result.width() + x] = quint8(qBound(0, grey, 255));
        }
    }
    return result;
}

Canvas threshold(const Levels &levels, int threshold, bool lightIsLit)
{
    Canvas canvas(levels.columns, levels.rows);
    for (int y = 0; y < levels.height(); ++y) {
        for (int x = 0; x < levels.width(); ++x) {
            const bool dark = levels.dots.value(y * levels.width() + x, 255) < threshold;
            canvas.setDot(x, y, dark != lightIsLit);
        }
    }
    return canvas;
}

bool isCrisp(const Levels &levels)
{
    return std::all_of(levels.dots.begin(), levels.dots.end(),
                       [](quint8 level) { return level <= 16 || level >= 239; });
}

std::optional<Levels> readLevels(const QString &path, int columns, int rows, QString *error)
{
    const QString cannot = Texts::tr("Cannot import the picture %1: %2.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = cannot.arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > PatternImage::MaxFileSize) {
        *error = cannot.arg(path, Texts::tr("it is %1 MB, and a picture is at most %2 MB")
                                      .arg(file.size() / (1024 * 1024))
                                      .arg(PatternImage::MaxFileSize / (1024 * 1024)));
        return std::nullopt;
    }
    QImageReader reader(&file);
    QString reason;
    if (tooLarge(reader.size(), &reason)) {
        *error = cannot.arg(path, reason);
        return std::nullopt;
    }
    reader.setAllocationLimit(int(PatternImage::MaxPixels * 4 / (1024 * 1024)) + 1);
    const QImage image = reader.read();
    if (image.isNull()) {
        *error = cannot.arg(path, reader.errorString());
        return std::nullopt;
    }
    return levels(image, columns, rows);
}

QImage render(const Canvas &canvas, int dotSize)
{
    QImage image(canvas.width() * dotSize, canvas.height() * dotSize, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = canvas.dot(x / dotSize, y / dotSize) ? Ink : Paper;
    }
    return image;
}

bool writePng(const Canvas &canvas, int dotSize, const QString &path, QString *error)
{
    const QString cannot = Texts::tr("Cannot export the picture %1: %2.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = cannot.arg(path, file.errorString());
        return false;
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(render(canvas, dotSize))) {
        *error = cannot.arg(path, writer.errorString());
        return false;
    }
    if (!file.commit()) {
        *error = cannot.arg(path, file.errorString());
        return false;
    }
    return true;
}

std::optional<Animated> readAnimation(const QString &path, int columns, int rows, QString *error)
{
    const QString name = QFileInfo(path).fileName();
    QImageReader reader(path);
    if (!reader.canRead()) {
        *error = Texts::tr("%1: %2").arg(name, reader.errorString());
        return std::nullopt;
    }
    QString reason;
    if (tooLarge(reader.size(), &reason)) {
        *error = Texts::tr("%1: %2").arg(name, reason);
        return std::nullopt;
    }
    Animated animated;
    for (;;) {
        if (animated.frames.size() == Frames::MaxFrames) {
            *error = Texts::tr("%1: it has more than %2 frames").arg(name).arg(Frames::MaxFrames);
            return std::nullopt;
        }
        const QImage frame = reader.read();
        // Qt's GIF reader knows a frame's delay once the frame is read.
        const int delay = reader.nextImageDelay();
        if (frame.isNull()) {
            if (animated.frames.isEmpty()) {
                *error = Texts::tr("%1: %2").arg(name, reader.errorString());
                return std::nullopt;
            }
            break;
        }
        animated.frames.append(levels(frame, columns, rows));
        animated.delaysMs.append(delay);
        if (!reader.supportsAnimation() || !reader.canRead())
            break;
    }
    return animated;
}

QList<SpanFrame> toFrames(const Animated &animated, int thresholdLevel, bool lightIsLit)
{
    QList<SpanFrame> frames;
    frames.reserve(animated.frames.size());
    for (qsizetype i = 0; i < animated.frames.size(); ++i) {
        frames.append({threshold(animated.frames.at(i), thresholdLevel, lightIsLit),
                       Frames::clampedDuration(animated.delaysMs.value(i))});
    }
    return frames;
}

bool writeGif(const QString &path, const QList<SpanFrame> &frames, int dotSize, QString *error)
{
    const QString name = QFileInfo(path).fileName();
    const auto fail = [&](const QString &reason) {
        *error = Texts::tr("%1: %2").arg(name, reason);
        return false;
    };
    if (frames.isEmpty())
        return fail(Texts::tr("there are no frames to write"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());

    int status = 0;
    GifFileType *gif = EGifOpen(&file, writeToSaveFile, &status);
    if (!gif)
        return fail(QString::fromUtf8(GifErrorString(status)));
    const auto close = [&gif, &status] {
        const int closed = EGifCloseFile(gif, &status);
        gif = nullptr;
        return closed == GIF_OK;
    };
    const auto gifFailed = [&] {
        const QString reason = QString::fromUtf8(GifErrorString(gif->Error));
        close();
        return fail(reason);
    };

    const Canvas &first = frames.first().canvas;
    const int width = first.width() * dotSize;
    const int height = first.height() * dotSize;
    GifColorType colours[2] = {{qRed(Paper), qGreen(Paper), qBlue(Paper)},
                               {qRed(Ink), qGreen(Ink), qBlue(Ink)}};
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> map(GifMakeMapObject(2, colours),
                                                                     GifFreeMapObject);
    EGifSetGifVersion(gif, true);
    if (!map || EGifPutScreenDesc(gif, width, height, 1, 0, map.get()) != GIF_OK)
        return gifFailed();
    // Loop forever: the application extension browsers and viewers know.
    static const GifByteType application[] = "NETSCAPE2.0";
    static const GifByteType loop[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
        EGifPutExtensionBlock(gif, 11, application) != GIF_OK ||
        EGifPutExtensionBlock(gif, 3, loop) != GIF_OK || EGifPutExtensionTrailer(gif) != GIF_OK)
        return gifFailed();

    QByteArray line(width, 0);
    for (const SpanFrame &frame : frames) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.DelayTime = qMax(1, (frame.durationMs + 5) / 10);
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK ||
            EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) != GIF_OK)
            return gifFailed();
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                line[x] = frame.canvas.dot(x / dotSize, y / dotSize) ? 1 : 0;
            if (EGifPutLine(gif, reinterpret_cast<GifPixelType *>(line.data()), width) != GIF_OK)
                return gifFailed();
        }
    }
    if (!close())
        return fail(QString::fromUtf8(GifErrorString(status)));
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace CanvasImage
