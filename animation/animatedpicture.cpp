#include "animatedpicture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>

#include <gif_lib.h>

#include <memory>

namespace AnimatedPicture {

namespace {

const QRgb Lit = qRgb(0, 0, 0);
const QRgb Dark = qRgb(255, 255, 255);

QString tr(const char *text)
{
    return QCoreApplication::translate("AnimatedPicture", text);
}

bool fail(QString *error, const QString &path, const QString &reason)
{
    if (error)
        *error = tr("%1: %2").arg(QFileInfo(path).fileName(), reason);
    return false;
}

bool isLit(const Protocol::ColumnPattern &pattern, int row, int column)
{
    return pattern[size_t(column)] & Protocol::RowWeights[size_t(row)];
}

QImage render(const Protocol::ColumnPattern &pattern, int dotSize)
{
    return PatternImage::render(Pattern::fromColumns(pattern), dotSize);
}

// giflib writes through this into the save file.
int writeToSaveFile(GifFileType *gif, const GifByteType *bytes, int length)
{
    auto *file = static_cast<QSaveFile *>(gif->UserData);
    return int(file->write(reinterpret_cast<const char *>(bytes), length));
}

} // namespace

std::optional<Picture> read(const QString &path, QString *error)
{
    QImageReader reader(path);
    if (!reader.canRead()) {
        fail(error, path, reader.errorString());
        return std::nullopt;
    }
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > PatternImage::MaxPixels) {
        fail(error, path,
             tr("the picture is %1 x %2 pixels; at most %3 million pixels can be read")
                 .arg(size.width())
                 .arg(size.height())
                 .arg(PatternImage::MaxPixels / 1000000));
        return std::nullopt;
    }
    Picture picture;
    for (;;) {
        if (picture.frames.size() == Frames::MaxFrames) {
            fail(error, path, tr("it has more than %1 frames").arg(Frames::MaxFrames));
            return std::nullopt;
        }
        const int delay = reader.nextImageDelay();
        QImage frame = reader.read();
        if (frame.isNull()) {
            if (picture.frames.isEmpty()) {
                fail(error, path, reader.errorString());
                return std::nullopt;
            }
            break;
        }
        picture.frames.append(PatternImage::levels(frame));
        picture.delaysMs.append(delay);
        if (!reader.supportsAnimation() || !reader.canRead())
            break;
    }
    return picture;
}

QList<Frame> toFrames(const Picture &picture, int threshold, bool lightIsLit)
{
    QList<Frame> frames;
    for (qsizetype i = 0; i < picture.frames.size(); ++i) {
        frames.append(
            {PatternImage::threshold(picture.frames.at(i), threshold, lightIsLit).columns(),
             Frames::clampedDuration(picture.delaysMs.value(i))});
    }
    return frames;
}

bool writeGif(const QString &path, const QList<Frame> &frames, int dotSize, QString *error)
{
    if (frames.isEmpty())
        return fail(error, path, tr("there are no frames to write"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, path, file.errorString());

    int status = 0;
    GifFileType *gif = EGifOpen(&file, writeToSaveFile, &status);
    if (!gif)
        return fail(error, path, QString::fromUtf8(GifErrorString(status)));
    const auto close = [&gif, &status] {
        const int closed = EGifCloseFile(gif, &status);
        gif = nullptr;
        return closed == GIF_OK;
    };
    const auto gifFailed = [&] {
        const QString reason = QString::fromUtf8(GifErrorString(gif->Error));
        close();
        return fail(error, path, reason);
    };

    const int width = Protocol::ColumnCount * dotSize;
    const int height = Protocol::RowCount * dotSize;
    GifColorType colours[2] = {{qRed(Dark), qGreen(Dark), qBlue(Dark)},
                               {qRed(Lit), qGreen(Lit), qBlue(Lit)}};
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
    for (const Frame &frame : frames) {
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
                line[x] = isLit(frame.pattern, y / dotSize, x / dotSize) ? 1 : 0;
            if (EGifPutLine(gif, reinterpret_cast<GifPixelType *>(line.data()), width) != GIF_OK)
                return gifFailed();
        }
    }
    if (!close())
        return fail(error, path, QString::fromUtf8(GifErrorString(status)));
    if (!file.commit())
        return fail(error, path, file.errorString());
    return true;
}

bool writeSpriteSheet(const QString &path, const QList<Frame> &frames, int dotSize, QString *error)
{
    if (frames.isEmpty())
        return fail(error, path, tr("there are no frames to write"));
    const int frameWidth = Protocol::ColumnCount * dotSize;
    QImage sheet(frameWidth * int(frames.size()), Protocol::RowCount * dotSize,
                 QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (qsizetype i = 0; i < frames.size(); ++i)
        painter.drawImage(int(i) * frameWidth, 0, render(frames.at(i).pattern, dotSize));
    painter.end();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !sheet.save(&file, "png") || !file.commit())
        return fail(error, path, file.errorString());
    return true;
}

} // namespace AnimatedPicture
