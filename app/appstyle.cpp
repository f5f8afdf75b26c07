#include "appstyle.h"

#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>
#include <qdrawutil.h>

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

} // namespace

QIcon appIcon()
{
    // Every size the icon is drawn at (app/icons/icons.cmake), so that neither a taskbar nor a
    // task switcher has to scale it.
    QIcon icon;
    const QDir folder(QStringLiteral(":/icons"));
    for (const QString &name : folder.entryList({QStringLiteral("glyphsmith-*.png")}, QDir::Files))
        icon.addPixmap(readPng(folder.filePath(name)));
    return icon;
}

QStyle *createAppStyle()
{
    return new AppStyle;
}
