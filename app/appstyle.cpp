#include "appstyle.h"

#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>

namespace {

// Reads one of our own or Qt's built-in PNG pictures as the PNG it is. Letting Qt guess the
// format would load every image format plugin on the machine, with their libraries, just to ask
// each one whether it reads PNG: several milliseconds of start-up for nothing.
QPixmap readPng(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QPixmap commonStylePicture(const QString &name)
{
    return readPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/") + name);
}

// The platform's style, except for the two pictures the Fusion style (the default on Linux)
// reads by file name while the main window is built and first drawn: the menu bar's overflow
// chevron and the group box frame. They are read here as PNG, so nothing at start-up guesses an
// image format.
class AppStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton && isFusion()) {
            const Qt::LayoutDirection direction =
                option ? option->direction : QGuiApplication::layoutDirection();
            QIcon &chevron = direction == Qt::RightToLeft ? m_chevronRtl : m_chevron;
            if (chevron.isNull()) {
                const QString prefix = direction == Qt::RightToLeft
                                           ? QStringLiteral("toolbar-ext-h-rtl-")
                                           : QStringLiteral("toolbar-ext-h-");
                for (int size : {8, 16, 32}) {
                    const QPixmap picture =
                        commonStylePicture(prefix + QString::number(size) + QStringLiteral(".png"));
                    if (!picture.isNull())
                        chevron.addPixmap(picture);
                }
            }
            if (!chevron.isNull())
                return chevron;
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameGroupBox && option && isFusion()) {
            if (m_groupBoxFrame.isNull())
                m_groupBoxFrame = commonStylePicture(QStringLiteral("fusion_groupbox.png"));
            if (!m_groupBoxFrame.isNull()) {
                drawFusionGroupBoxFrame(option, painter, widget);
                return;
            }
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    // Other styles (a desktop's own style plugin, say) keep their pictures as they are.
    bool isFusion() const { return baseStyle()->name() == QLatin1String("fusion"); }

    // The frame as Fusion draws it: its picture stretched around the box, below the title.
    void drawFusionGroupBoxFrame(const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
    {
        constexpr int TopMargin = 3;
        constexpr int PictureBorder = 6;
        int top = TopMargin;
        const auto *box = qobject_cast<const QGroupBox *>(widget);
        if (!box || box->isCheckable() || !box->title().isEmpty())
            top += qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
        qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0),
                          QMargins(PictureBorder, PictureBorder, PictureBorder, PictureBorder),
                          m_groupBoxFrame);
    }

    mutable QIcon m_chevron;
    mutable QIcon m_chevronRtl;
    mutable QPixmap m_groupBoxFrame;
};

// The program's icon, drawn at every size from 16 to 256 pixels (app/icons/icons.cmake). Each
// picture is read when a size is first asked for: reading all of them at start-up took about
// 1.5 ms, and on Qt's offscreen platform nobody asks. The window system is offered the sizes
// window managers draw a window's icon at, which X reads as the window is created; larger ones
// (launchers take theirs from the icon theme) are read for whoever asks.
class AppIconEngine : public QIconEngine
{
public:
    AppIconEngine()
    {
        const QStringList names = QDir(QStringLiteral(":/icons"))
                                      .entryList({QStringLiteral("glyphsmith-*.png")}, QDir::Files);
        for (const QString &name : names)
            m_drawn.append(name.section(u'-', 1).section(u'.', 0, 0).toInt());
        std::sort(m_drawn.begin(), m_drawn.end());
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return read(size).pixmap(size, mode, state);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        read(rect.size() * painter->device()->devicePixelRatio())
            .paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return read(size).actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int drawn : std::as_const(m_drawn)) {
            if (drawn <= WindowIconLargest)
                sizes.append(QSize(drawn, drawn));
        }
        return sizes;
    }

    QIconEngine *clone() const override { return new AppIconEngine(*this); }
    QString key() const override { return QStringLiteral("AppIconEngine"); }

private:
    static constexpr int WindowIconLargest = 64;

    // The icon with the picture for `size` read: the smallest drawn at least as large, else the
    // largest.
    const QIcon &read(const QSize &size)
    {
        if (m_drawn.isEmpty())
            return m_icon;
        const int wanted = std::max(size.width(), size.height());
        const auto fit = std::find_if(m_drawn.cbegin(), m_drawn.cend(),
                                      [wanted](int drawn) { return drawn >= wanted; });
        const int drawn = fit == m_drawn.cend() ? m_drawn.last() : *fit;
        if (!m_read.contains(drawn)) {
            m_icon.addPixmap(readPng(QStringLiteral(":/icons/glyphsmith-%1.png").arg(drawn)));
            m_read.append(drawn);
        }
        return m_icon;
    }

    QList<int> m_drawn; // the sizes drawn, smallest first
    QList<int> m_read;
    QIcon m_icon;
};

} // namespace

QIcon appIcon()
{
    return QIcon(new AppIconEngine);
}

QStyle *createAppStyle()
{
    return new AppStyle;
}
