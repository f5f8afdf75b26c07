#include "gifimportdialog.h"

#include "patternpicture.h"
#include "windowstyle.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int PreviewFrames = 8;
constexpr int PreviewDot = 6;

GifImportDialog::Handler &handler()
{
    static GifImportDialog::Handler current;
    return current;
}

} // namespace

GifImportDialog::GifImportDialog(const AnimatedPicture::Picture &picture, const QString &source,
                                 QWidget *parent)
    : QDialog(parent)
    , m_picture(picture)
{
    setObjectName(QStringLiteral("dlgImportAnimation"));
    setWindowTitle(tr("Import Animation"));
    setFont(dialogFont());
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("sldThreshold"));
    m_slider->setRange(1, 255);
    m_slider->setValue(PatternImage::DefaultThreshold);
    m_lightIsLit = new QCheckBox(tr("&Light parts are lit"), this);
    m_preview = new QLabel(this);
    m_preview->setAlignment(Qt::AlignCenter);
    auto *about = new QLabel(tr("%1: %n frame(s)", nullptr, int(picture.frames.size()))
                                 .arg(QFileInfo(source).fileName()),
                             this);
    auto *form = new QFormLayout;
    auto *thresholdLabel = new QLabel(tr("&Threshold:"), this);
    thresholdLabel->setBuddy(m_slider);
    form->addRow(thresholdLabel, m_slider);
    form->addRow(QString(), m_lightIsLit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(m_preview);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(m_slider, &QSlider::valueChanged, this, &GifImportDialog::updatePreview);
    connect(m_lightIsLit, &QCheckBox::toggled, this, &GifImportDialog::updatePreview);
    updatePreview();
}

QList<Frame> GifImportDialog::frames() const
{
    return AnimatedPicture::toFrames(m_picture, m_slider->value(), m_lightIsLit->isChecked());
}

QPixmap GifImportDialog::preview() const
{
    return m_preview->pixmap();
}

// The first frames side by side, as the threshold makes them.
void GifImportDialog::updatePreview()
{
    AnimatedPicture::Picture first;
    first.frames = m_picture.frames.mid(0, PreviewFrames);
    first.delaysMs = m_picture.delaysMs.mid(0, PreviewFrames);
    const QList<Frame> frames =
        AnimatedPicture::toFrames(first, m_slider->value(), m_lightIsLit->isChecked());
    const int size = Pattern::Columns * PreviewDot;
    QPixmap strip(qMax<qsizetype>(1, frames.size()) * (size + PreviewDot), size);
    strip.fill(palette().color(QPalette::Window));
    QPainter painter(&strip);
    for (qsizetype i = 0; i < frames.size(); ++i)
        painter.drawPixmap(
            int(i) * (size + PreviewDot), 0,
            PatternPicture::draw(Pattern::fromColumns(frames.at(i).pattern), PreviewDot));
    painter.end();
    m_preview->setPixmap(strip);
}

std::optional<QList<Frame>> GifImportDialog::run(QWidget *parent,
                                                 const AnimatedPicture::Picture &picture,
                                                 const QString &source)
{
    if (handler())
        return handler()(picture, source);
    GifImportDialog dialog(picture, source, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.frames();
}

void GifImportDialog::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}
