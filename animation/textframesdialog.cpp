#include "textframesdialog.h"

#include "windowstyle.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int PreviewScale = 4;
constexpr int PreviewWidth = 480;

TextFramesDialog::Handler &handler()
{
    static TextFramesDialog::Handler current;
    return current;
}

} // namespace

TextFramesDialog::TextFramesDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgTextFrames"));
    setWindowTitle(tr("Text to Frames"));
    setFont(dialogFont());
    m_text = new QLineEdit(tr("Hello, world"), this);
    m_text->setObjectName(QStringLiteral("txtFramesText"));
    m_font = new QFontComboBox(this);
    m_size = new QSpinBox(this);
    m_size->setRange(4, 32);
    m_size->setValue(9);
    m_size->setSuffix(tr(" px"));
    m_threshold = new QSlider(Qt::Horizontal, this);
    m_threshold->setRange(1, 255);
    m_threshold->setValue(128);
    m_direction = new QComboBox(this);
    m_direction->addItem(tr("Left"), int(TextFrames::Direction::Left));
    m_direction->addItem(tr("Right"), int(TextFrames::Direction::Right));
    m_direction->addItem(tr("Up"), int(TextFrames::Direction::Up));
    m_direction->addItem(tr("Down"), int(TextFrames::Direction::Down));
    m_frameMs = new QSpinBox(this);
    m_frameMs->setRange(Frames::MinDurationMs, Frames::MaxDurationMs);
    m_frameMs->setValue(Frames::DefaultDurationMs);
    m_frameMs->setSuffix(tr(" ms"));
    m_preview = new QLabel(this);
    m_preview->setMinimumHeight(8 * PreviewScale + 8);
    m_count = new QLabel(this);

    auto *form = new QFormLayout;
    form->addRow(tr("&Text:"), m_text);
    form->addRow(tr("&Font:"), m_font);
    form->addRow(tr("&Size:"), m_size);
    form->addRow(tr("T&hreshold:"), m_threshold);
    form->addRow(tr("&Direction:"), m_direction);
    form->addRow(tr("Frame &time:"), m_frameMs);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_preview);
    layout->addWidget(m_count);
    layout->addWidget(buttons);

    connect(m_text, &QLineEdit::textChanged, this, &TextFramesDialog::updatePreview);
    connect(m_font, &QFontComboBox::currentFontChanged, this, &TextFramesDialog::updatePreview);
    connect(m_size, &QSpinBox::valueChanged, this, &TextFramesDialog::updatePreview);
    connect(m_threshold, &QSlider::valueChanged, this, &TextFramesDialog::updatePreview);
    connect(m_direction, &QComboBox::currentIndexChanged, this, &TextFramesDialog::updatePreview);
    connect(m_frameMs, &QSpinBox::valueChanged, this, &TextFramesDialog::updatePreview);
    updatePreview();
}

QString TextFramesDialog::text() const
{
    return m_text->text();
}

TextFrames::Options TextFramesDialog::options() const
{
    TextFrames::Options options;
    options.font = m_font->currentFont();
    options.font.setPixelSize(m_size->value());
    options.threshold = m_threshold->value();
    options.direction = TextFrames::Direction(m_direction->currentData().toInt());
    options.frameMs = m_frameMs->value();
    return options;
}

QList<Frame> TextFramesDialog::frames() const
{
    return TextFrames::scroll(text(), options());
}

// The text as the module will see it, lit dots dark, scaled up; and how long it will run.
void TextFramesDialog::updatePreview()
{
    const QImage strip = TextFrames::strip(text(), options());
    QPixmap picture = QPixmap::fromImage(
        strip.scaled(strip.size() * PreviewScale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    if (picture.width() > PreviewWidth)
        picture = picture.copy(0, 0, PreviewWidth, picture.height());
    m_preview->setPixmap(picture);
    const qsizetype count = frames().size();
    m_count->setText(tr("%n frame(s), %1 s", nullptr, int(count))
                         .arg(double(count) * m_frameMs->value() / 1000, 0, 'f', 1));
}

std::optional<TextFramesDialog::Result> TextFramesDialog::run(QWidget *parent)
{
    if (handler())
        return handler()();
    TextFramesDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Result{dialog.text(), dialog.frames()};
}

void TextFramesDialog::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}
