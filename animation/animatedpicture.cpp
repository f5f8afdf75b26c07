#include "animatedpicture.h"

#include <QCoreApplication>
#include <QFile>
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

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(AnimatedPicture)
};

bool fail(QString *error, const QString &path, const QString &reason)
{
    if (error)
        *error = Texts::tr("%1: %2").arg(QFileInfo(path).fileName(), reason);
    return false;
}

// giflib writes through this into the save file.
int writeToSaveFile(GifFileType *gif, const GifByteType *bytes, int length)
{
    auto *file = static_cast<QSaveFile *>(gif->UserData);
    return int(file->write(reinterpret_cast<const char *>(bytes), length));
}

} // namespace

namespace {

// giflib reads through this from the open file.
int readFromFile(GifFileType *gif, GifByteType *bytes, int length)
{
    auto *file = static_cast<QIODevice *>(gif->UserData);
    return int(file->read(reinterpret_cast<char *>(bytes), length));
}

struct GifCloser
{
    void operator()(GifFileType *gif) const
    {
        int status = 0;
        DGifCloseFile(gif, &status);
    }
};

// Where in the file something went wrong, for the end of a message.
QString inFrame(int frame)
{
    return frame > 0 ? Texts::tr(" (in frame %1)").arg(frame) : QString();
}

QString afterFrame(int frame)
{
    return frame > 0 ? Texts::tr(" (after frame %1)").arg(frame) : QString();
}

// giflib's error as the end of a sentence the user can act on; `where` says in which frame.
QString gifReason(int code, const QString &where)
{
    switch (code) {
    case D_GIF_ERR_READ_FAILED:
        return Texts::tr("the file ends too soon: it is cut short or damaged%1").arg(where);
    case D_GIF_ERR_NOT_GIF_FILE:
        return Texts::tr("it is not a GIF picture");
    case D_GIF_ERR_NO_SCRN_DSCR:
        return Texts::tr("its header is cut short or damaged");
    case D_GIF_ERR_NO_IMAG_DSCR:
        return Texts::tr("the file is damaged: a frame's description is unreadable%1").arg(where);
    case D_GIF_ERR_NO_COLOR_MAP:
        return Texts::tr("the file is damaged: a frame has no colours%1").arg(where);
    case D_GIF_ERR_WRONG_RECORD:
        return Texts::tr("the file is damaged: a block of an unknown kind comes%1").arg(where);
    case D_GIF_ERR_DATA_TOO_BIG:
        return Texts::tr("the file is damaged: a frame holds more dots than its size%1").arg(where);
    case D_GIF_ERR_NOT_ENOUGH_MEM:
        return Texts::tr("there is not enough memory to read it");
    case D_GIF_ERR_IMAGE_DEFECT:
        return Texts::tr("the file is damaged: a frame's picture data is garbled%1").arg(where);
    case D_GIF_ERR_EOF_TOO_SOON:
        return Texts::tr("the file is damaged: a frame's picture data ends too soon%1").arg(where);
    default:
        return QString::fromUtf8(GifErrorString(code)) + where;
    }
}

QString tooLarge(qint64 width, qint64 height)
{
    return Texts::tr("the picture is %1 x %2 pixels; at most %3 million pixels can be read")
        .arg(width)
        .arg(height)
        .arg(PatternImage::MaxPixels / 1000000);
}

// The whole GIF, frame by frame, as a viewer shows it: each frame drawn over what the previous
// ones left, after the previous frame's disposal, transparent dots letting the picture below
// through. Each frame's delay is the one its graphic control block gives, to the hundredth.
// Everything up to the trailer is read, so a file that is cut short or damaged anywhere is
// refused whole, never imported in part.
std::optional<Picture> readGif(const QString &path, QIODevice &file, QString *error)
{
    const auto refuse = [&](const QString &reason) {
        fail(error, path, reason);
        return std::nullopt;
    };
    int status = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&file, readFromFile, &status));
    if (!gif)
        return refuse(gifReason(status, QString()));
    if (gif->SWidth <= 0 || gif->SHeight <= 0)
        return refuse(Texts::tr("its header is damaged: the picture has no size"));
    if (qint64(gif->SWidth) * gif->SHeight > PatternImage::MaxPixels)
        return refuse(tooLarge(gif->SWidth, gif->SHeight));

    QImage canvas(gif->SWidth, gif->SHeight, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    const QRect screen = canvas.rect();
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    // What the previous frame asked to be done with its area before the next one is drawn.
    int disposal = DISPOSAL_UNSPECIFIED;
    QRect previousArea;
    QImage underPrevious;
    QList<GifPixelType> line;
    Picture picture;
    picture.gif = true;
    for (;;) {
        const int frame = int(picture.frames.size()) + 1;
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR)
            return refuse(gifReason(gif->Error, afterFrame(frame - 1)));
        if (type == TERMINATE_RECORD_TYPE)
            break;
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType *block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR)
                return refuse(gifReason(gif->Error, afterFrame(frame - 1)));
            if (code == GRAPHICS_EXT_FUNC_CODE && block &&
                DGifExtensionToGCB(block[0], block + 1, &control) == GIF_ERROR)
                return refuse(Texts::tr("the file is damaged: the timing of frame %1 is unreadable")
                                  .arg(frame));
            while (block) {
                if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR)
                    return refuse(gifReason(gif->Error, afterFrame(frame - 1)));
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE)
            return refuse(gifReason(D_GIF_ERR_WRONG_RECORD, afterFrame(frame - 1)));
        if (frame > Frames::MaxFrames)
            return refuse(Texts::tr("it has more than %1 frames").arg(Frames::MaxFrames));
        if (DGifGetImageDesc(gif.get()) == GIF_ERROR)
            return refuse(gifReason(gif->Error, inFrame(frame)));
        const GifImageDesc &desc = gif->Image;
        if (desc.Width <= 0 || desc.Height <= 0)
            return refuse(Texts::tr("the file is damaged: frame %1 has no size").arg(frame));
        if (qint64(desc.Width) * desc.Height > PatternImage::MaxPixels)
            return refuse(tooLarge(desc.Width, desc.Height));
        const ColorMapObject *colours = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        if (!colours)
            return refuse(gifReason(D_GIF_ERR_NO_COLOR_MAP, inFrame(frame)));

        if (disposal == DISPOSE_BACKGROUND) {
            QPainter painter(&canvas);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(previousArea, Qt::transparent);
        } else if (disposal == DISPOSE_PREVIOUS && !underPrevious.isNull()) {
            QPainter painter(&canvas);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(previousArea.topLeft(), underPrevious);
        }
        // Frames reaching past the picture are cut to it, as viewers do.
        const QRect area = QRect(desc.Left, desc.Top, desc.Width, desc.Height).intersected(screen);
        underPrevious = control.DisposalMode == DISPOSE_PREVIOUS ? canvas.copy(area) : QImage();

        line.resize(desc.Width);
        // Interlaced frames come in four passes: every eighth row from 0, every eighth from 4,
        // every fourth from 2, every second from 1.
        static const int passStart[] = {0, 4, 2, 1};
        static const int passStep[] = {8, 8, 4, 2};
        const int passes = desc.Interlace ? 4 : 1;
        for (int pass = 0; pass < passes; ++pass) {
            const int first = desc.Interlace ? passStart[pass] : 0;
            const int step = desc.Interlace ? passStep[pass] : 1;
            for (int row = first; row < desc.Height; row += step) {
                if (DGifGetLine(gif.get(), line.data(), desc.Width) == GIF_ERROR)
                    return refuse(gifReason(gif->Error, inFrame(frame)));
                const int y = desc.Top + row;
                if (y < 0 || y >= canvas.height())
                    continue;
                auto *pixels = reinterpret_cast<QRgb *>(canvas.scanLine(y));
                for (int column = 0; column < desc.Width; ++column) {
                    const int x = desc.Left + column;
                    const int index = line.at(column);
                    if (x < 0 || x >= canvas.width() || index == control.TransparentColor ||
                        index >= colours->ColorCount)
                        continue;
                    const GifColorType &colour = colours->Colors[index];
                    pixels[x] = qRgb(colour.Red, colour.Green, colour.Blue);
                }
            }
        }
        picture.frames.append(PatternImage::levels(canvas));
        picture.delaysMs.append(control.DelayTime * 10);
        disposal = control.DisposalMode;
        previousArea = area;
        // A graphic control block applies to the one frame that follows it.
        control = GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    }
    if (picture.frames.isEmpty())
        return refuse(Texts::tr("it holds no frame"));
    return picture;
}

} // namespace

std::optional<Picture> read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(error, path, file.errorString());
        return std::nullopt;
    }
    if (file.peek(4) == "GIF8")
        return readGif(path, file, error);
    file.close();

    // Any other picture, through Qt; it is one frame unless its format animates.
    QImageReader reader(path);
    if (!reader.canRead()) {
        fail(error, path, reader.errorString());
        return std::nullopt;
    }
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > PatternImage::MaxPixels) {
        fail(error, path, tooLarge(size.width(), size.height()));
        return std::nullopt;
    }
    Picture picture;
    for (;;) {
        if (picture.frames.size() == Frames::MaxFrames) {
            fail(error, path, Texts::tr("it has more than %1 frames").arg(Frames::MaxFrames));
            return std::nullopt;
        }
        QImage frame = reader.read();
        if (frame.isNull()) {
            if (picture.frames.isEmpty()) {
                fail(error, path, reader.errorString());
                return std::nullopt;
            }
            break;
        }
        picture.frames.append(PatternImage::levels(frame));
        // After read(): the time the frame just read stays up.
        picture.delaysMs.append(qMax(0, reader.nextImageDelay()));
        if (!reader.supportsAnimation() || !reader.canRead())
            break;
    }
    return picture;
}

QList<Frame> toFrames(const Picture &picture, int threshold, bool lightIsLit)
{
    QList<Frame> frames;
    for (qsizetype i = 0; i < picture.frames.size(); ++i) {
        frames.append({PatternImage::threshold(picture.frames.at(i), threshold, lightIsLit),
                       Frames::clampedDuration(picture.delaysMs.value(i))});
    }
    return frames;
}

bool writeGif(const QString &path, const QList<Frame> &frames, int dotSize, QString *error)
{
    if (frames.isEmpty())
        return fail(error, path, Texts::tr("there are no frames to write"));
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
                line[x] = frame.pattern.dot(y / dotSize, x / dotSize) ? 1 : 0;
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
        return fail(error, path, Texts::tr("there are no frames to write"));
    const int frameWidth = Protocol::ColumnCount * dotSize;
    QImage sheet(frameWidth * int(frames.size()), Protocol::RowCount * dotSize,
                 QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (qsizetype i = 0; i < frames.size(); ++i)
        painter.drawImage(int(i) * frameWidth, 0,
                          PatternImage::render(frames.at(i).pattern, dotSize));
    painter.end();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !sheet.save(&file, "png") || !file.commit())
        return fail(error, path, file.errorString());
    return true;
}

} // namespace AnimatedPicture
