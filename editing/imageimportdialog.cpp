#include "imageimportdialog.h"

#include "patternpicture.h"
#include "windowstyle.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

namespace {

ImageImportDialog::Handler &handler()
{
    static ImageImportDialog::Handler current;
    return current;
}

constexpr int PreviewDotSize = 20;

QPixmap greyPicture(const PatternImage::DotLevels &levels)
{
    QImage image(Pattern::Columns, Pattern::Rows, QImage::Format_RGB32);
    for (int row = 0; row < Pattern::Rows; ++row) {
        for (int column = 0; column < Pattern::Columns; ++column) {
            const int grey = levels[size_t(row * Pattern::Columns + column)];
            image.setPixel(column, row, qRgb(grey, grey, grey));
        }
    }
    return QPixmap::fromImage(
        image.scaled(Pattern::Columns * PreviewDotSize, Pattern::Rows * PreviewDotSize));
}

} // namespace

ImageImportDialog::ImageImportDialog(const PatternImage::DotLevels &levels, const QString &source,
                                     QWidget *parent)
    : QDialog(parent)
    , m_levels(levels)
{
    setObjectName(QStringLiteral("frmImportImage"));
    // The main window's palette, as a window of its own would not take it.
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(tr("Import Image - %1").arg(QFileInfo(source).fileName()));
    setFont(dialogFont());

    auto *picture = new QLabel(this);
    picture->setPixmap(greyPicture(levels));
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("picPreview"));

    auto *thresholdLabel = new QLabel(tr("&Threshold:"), this);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("sldThreshold"));
    m_slider->setRange(1, 255);
    m_slider->setValue(PatternImage::DefaultThreshold);
    m_slider->setPageStep(16);
    thresholdLabel->setBuddy(m_slider);
    m_spin = new QSpinBox(this);
    m_spin->setRange(1, 255);
    m_spin->setValue(PatternImage::DefaultThreshold);
    m_spin->setAccessibleName(tr("Threshold"));
    m_lightIsLit = new QCheckBox(tr("&Light parts are lit"), this);
    m_lightIsLit->setObjectName(QStringLiteral("chkLightIsLit"));
    connect(m_slider, &QSlider::valueChanged, m_spin, &QSpinBox::setValue);
    connect(m_spin, &QSpinBox::valueChanged, m_slider, &QSlider::setValue);
    connect(m_slider, &QSlider::valueChanged, this, &ImageImportDialog::updatePreview);
    connect(m_lightIsLit, &QCheckBox::toggled, this, &ImageImportDialog::updatePreview);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Picture at 8 x 8"), this), 0, 0);
    layout->addWidget(new QLabel(tr("Pattern"), this), 0, 2);
    layout->addWidget(picture, 1, 0);
    layout->addWidget(m_preview, 1, 2);
    layout->setColumnMinimumWidth(1, 16);
    auto *thresholdRow = new QHBoxLayout;
    thresholdRow->addWidget(thresholdLabel);
    thresholdRow->addWidget(m_slider, 1);
    thresholdRow->addWidget(m_spin);
    layout->addLayout(thresholdRow, 2, 0, 1, 3);
    layout->addWidget(m_lightIsLit, 3, 0, 1, 3);
    layout->addWidget(buttons, 4, 0, 1, 3);
    m_slider->setFocus();
    updatePreview();
}

Pattern ImageImportDialog::pattern() const
{
    return PatternImage::threshold(m_levels, m_slider->value(), m_lightIsLit->isChecked());
}

QPixmap ImageImportDialog::preview() const
{
    return m_preview->pixmap();
}

void ImageImportDialog::updatePreview()
{
    m_preview->setPixmap(PatternPicture::draw(pattern(), PreviewDotSize));
}

std::optional<Pattern> ImageImportDialog::run(QWidget *parent,
                                              const PatternImage::DotLevels &levels,
                                              const QString &source)
{
    if (handler())
        return handler()(levels, source);
    ImageImportDialog dialog(levels, source, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.pattern();
}

void ImageImportDialog::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}
