#include "imageimportdialog.h"

#include "prompter.h"

#include "editorsettings.h"
#include "patternpicture.h"
#include "windowstyle.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

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

ImageImportDialog::ImageImportDialog(const QImage &image, const QString &source, QWidget *parent)
    : QDialog(parent)
    , m_image(image)
{
    build(source, true);
}

ImageImportDialog::ImageImportDialog(const PatternImage::DotLevels &levels, const QString &source,
                                     QWidget *parent)
    : QDialog(parent)
    , m_levels(levels)
{
    build(source, false);
}

void ImageImportDialog::build(const QString &source, bool withFit)
{
    setObjectName(QStringLiteral("frmImportImage"));
    // The main window's palette, as a window of its own would not take it.
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(tr("Import Image - %1").arg(QFileInfo(source).fileName()));
    setFont(dialogFont());

    m_picture = new QLabel(this);
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
    connect(m_lightIsLit, &QCheckBox::toggled, this, &ImageImportDialog::updateLevels);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Picture at 8 x 8"), this), 0, 0);
    layout->addWidget(new QLabel(tr("Pattern"), this), 0, 2);
    layout->addWidget(m_picture, 1, 0);
    layout->addWidget(m_preview, 1, 2);
    layout->setColumnMinimumWidth(1, 16);
    auto *thresholdRow = new QHBoxLayout;
    thresholdRow->addWidget(thresholdLabel);
    thresholdRow->addWidget(m_slider, 1);
    thresholdRow->addWidget(m_spin);
    layout->addLayout(thresholdRow, 2, 0, 1, 3);
    layout->addWidget(m_lightIsLit, 3, 0, 1, 3);
    if (withFit) {
        auto *fitBox = new QGroupBox(tr("A picture that is not square"), this);
        m_keepAspect = new QRadioButton(tr("&Keep it whole, dark dots beside it"), fitBox);
        m_keepAspect->setObjectName(QStringLiteral("optKeepAspect"));
        m_crop = new QRadioButton(tr("&Crop to its middle square"), fitBox);
        m_crop->setObjectName(QStringLiteral("optCrop"));
        m_stretch = new QRadioButton(tr("&Stretch it to the square"), fitBox);
        m_stretch->setObjectName(QStringLiteral("optStretch"));
        auto *fitLayout = new QVBoxLayout(fitBox);
        for (QRadioButton *button : {m_keepAspect, m_crop, m_stretch}) {
            fitLayout->addWidget(button);
            connect(button, &QRadioButton::toggled, this, [this](bool on) {
                if (on)
                    updateLevels();
            });
        }
        fitButton(EditorSettings::imageFit())->setChecked(true);
        // A square picture looks the same every way.
        fitBox->setEnabled(m_image.width() != m_image.height());
        layout->addWidget(fitBox, 4, 0, 1, 3);
    }
    layout->addWidget(buttons, 5, 0, 1, 3);
    m_slider->setFocus();
    updateLevels();
}

QRadioButton *ImageImportDialog::fitButton(PatternImage::Fit fit) const
{
    switch (fit) {
    case PatternImage::Fit::KeepAspect:
        return m_keepAspect;
    case PatternImage::Fit::Crop:
        return m_crop;
    case PatternImage::Fit::Stretch:
        return m_stretch;
    }
    return nullptr;
}

PatternImage::Fit ImageImportDialog::fit() const
{
    if (m_crop && m_crop->isChecked())
        return PatternImage::Fit::Crop;
    if (m_stretch && m_stretch->isChecked())
        return PatternImage::Fit::Stretch;
    return PatternImage::Fit::KeepAspect;
}

void ImageImportDialog::done(int result)
{
    if (result == QDialog::Accepted && m_keepAspect)
        EditorSettings::setImageFit(fit());
    QDialog::done(result);
}

void ImageImportDialog::updateLevels()
{
    // Dots beside the picture stay dark, whichever parts are lit.
    if (m_keepAspect)
        m_levels = PatternImage::levels(m_image, fit(), m_lightIsLit->isChecked() ? 0 : 255);
    m_picture->setPixmap(greyPicture(m_levels));
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

std::optional<Pattern> ImageImportDialog::run(Prompter &prompter, QWidget *parent,
                                              const QImage &image, const QString &source)
{
    ImageImportDialog dialog(image, source, parent);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.pattern();
}

std::optional<Pattern> ImageImportDialog::run(Prompter &prompter, QWidget *parent,
                                              const PatternImage::DotLevels &levels,
                                              const QString &source)
{
    ImageImportDialog dialog(levels, source, parent);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.pattern();
}
