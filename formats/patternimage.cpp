#include "patternimage.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace PatternImage {

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PatternImage)
};

const QRgb Ink = qRgb(0, 0, 0);
const QRgb Paper = qRgb(255, 255, 255);

} // namespace

DotLevels levels(const QImage &image)
{
    // Averaging premultiplied colours weighs each pixel by its cover; what is left uncovered
    // is the white paper underneath.
    const QImage small = image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                             .scaled(Pattern::Columns, Pattern::Rows, Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
    DotLevels result{};
    for (int row = 0; row < Pattern::Rows; ++row) {
        for (int column = 0; column < Pattern::Columns; ++column) {
            const QRgb pixel = small.pixel(column, row);
            const int paper = 255 - qAlpha(pixel);
            const int grey =
                qGray(qRed(pixel) + paper, qGreen(pixel) + paper, qBlue(pixel) + paper);
            result[size_t(row * Pattern::Columns + column)] = quint8(qBound(0, grey, 255));
        }
    }
    return result;
}

DotLevels levels(const QImage &image, Fit fit, quint8 fillLevel)
{
    if (fit == Fit::Stretch || image.isNull() || image.width() == image.height())
        return levels(image);
    if (fit == Fit::Crop) {
        const int side = qMin(image.width(), image.height());
        return levels(
            image.copy((image.width() - side) / 2, (image.height() - side) / 2, side, side));
    }
    // The picture, over white paper where it is transparent, in the middle of a square of the
    // fill, drawn finely enough that a dot takes its share of the border.
    constexpr int Side = 16 * Pattern::Columns;
    const QImage fitted = image.scaled(Side, Side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage square(Side, Side, QImage::Format_RGB32);
    square.fill(qRgb(fillLevel, fillLevel, fillLevel));
    QPainter painter(&square);
    const QRect place(QPoint((Side - fitted.width()) / 2, (Side - fitted.height()) / 2),
                      fitted.size());
    painter.fillRect(place, Qt::white);
    painter.drawImage(place.topLeft(), fitted);
    painter.end();
    return levels(square);
}

Pattern threshold(const DotLevels &levels, int threshold, bool lightIsLit)
{
    Pattern pattern;
    for (int row = 0; row < Pattern::Rows; ++row) {
        for (int column = 0; column < Pattern::Columns; ++column) {
            const bool dark = levels[size_t(row * Pattern::Columns + column)] < threshold;
            pattern.setDot(row, column, dark != lightIsLit);
        }
    }
    return pattern;
}

bool isCrisp(const DotLevels &levels)
{
    return std::all_of(levels.begin(), levels.end(),
                       [](quint8 level) { return level <= 16 || level >= 239; });
}

std::optional<DotLevels> readLevels(const QString &path, QString *error)
{
    const auto image = readImage(path, error);
    if (!image)
        return std::nullopt;
    return levels(*image);
}

std::optional<QImage> readImage(const QString &path, QString *error)
{
    const QString cannot = Texts::tr("Cannot import the picture %1: %2.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = cannot.arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > MaxFileSize) {
        *error = cannot.arg(path, Texts::tr("it is %1 MB, and a picture is at most %2 MB")
                                      .arg(file.size() / (1024 * 1024))
                                      .arg(MaxFileSize / (1024 * 1024)));
        return std::nullopt;
    }
    QImageReader reader(&file);
    // The header tells the size: a huge picture is refused before any pixel is decoded.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPixels) {
        *error =
            cannot.arg(path, Texts::tr("it is %1 x %2 pixels, and a picture can have at most %3 "
                                       "million pixels")
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(MaxPixels / 1000000));
        return std::nullopt;
    }
    reader.setAllocationLimit(int(MaxPixels * 4 / (1024 * 1024)) + 1);
    const QImage image = reader.read();
    if (image.isNull()) {
        *error = cannot.arg(path, reader.errorString());
        return std::nullopt;
    }
    return image;
}

QImage render(const Pattern &pattern, int dotSize)
{
    QImage image(Pattern::Columns * dotSize, Pattern::Rows * dotSize, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = pattern.dot(y / dotSize, x / dotSize) ? Ink : Paper;
    }
    return image;
}

bool writePng(const Pattern &pattern, int dotSize, const QString &path, QString *error)
{
    const QString cannot = Texts::tr("Cannot export the picture %1: %2.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = cannot.arg(path, file.errorString());
        return false;
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(render(pattern, dotSize))) {
        *error = cannot.arg(path, writer.errorString());
        return false;
    }
    if (!file.commit()) {
        *error = cannot.arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace PatternImage
