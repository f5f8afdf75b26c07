#include "textframesdialog.h"

#include "prompter.h"
#include "textframesform.h"

#include "windowstyle.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int PreviewScale = 4;
// The preview shows the start of the text in at most this much room, however long the text.
constexpr int PreviewWidth = 480;
constexpr int PreviewHeight = 4 * 8 * PreviewScale;
// Characters enough to fill the preview: none of them is narrower than a dot.
constexpr int PreviewCharacters = PreviewWidth / PreviewScale;

} // namespace

TextFramesDialog::TextFramesDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgTextFrames"));
    setWindowTitle(tr("Text to Frames"));
    setFont(dialogFont());
    m_form = new TextFramesForm(32, 9, Frames::DefaultDurationMs, this);
    m_preview = new QLabel(this);
    m_preview->setMinimumHeight(8 * PreviewScale + 8);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblFrameCount"));
    // A long explanation wraps rather than widening the dialog.
    m_count->setWordWrap(true);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_form);
    layout->addWidget(m_preview);
    layout->addWidget(m_count);
    layout->addWidget(m_buttons);

    connect(m_form, &TextFramesForm::changed, this, &TextFramesDialog::updatePreview);
    updatePreview();
}

QString TextFramesDialog::text() const
{
    return m_form->text();
}

QLineEdit *TextFramesDialog::textBox() const
{
    return m_form->textBox();
}

TextFrames::Options TextFramesDialog::options() const
{
    return m_form->options();
}

QList<Frame> TextFramesDialog::frames() const
{
    return TextFrames::scroll(text(), options());
}

// The start of the text as the module will see it, lit dots dark, scaled up; and how long it
// will run, or why it cannot become frames.
void TextFramesDialog::updatePreview()
{
    const TextFrames::Options chosen = options();
    const QString shown = text().left(PreviewCharacters);
    const QImage strip = TextFrames::strip(shown, chosen);
    QPixmap picture = QPixmap::fromImage(
        strip.scaled(strip.size() * PreviewScale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    if (picture.width() > PreviewWidth || picture.height() > PreviewHeight)
        picture = picture.copy(0, 0, qMin(picture.width(), PreviewWidth),
                               qMin(picture.height(), PreviewHeight));
    m_preview->setPixmap(text().isEmpty() ? QPixmap() : picture);

    const QLocale locale;
    const qint64 count = TextFrames::frameCount(text(), chosen);
    bool usable = false;
    if (text().trimmed().isEmpty()) {
        m_count->setText(tr("Type the text to scroll."));
    } else if (count > Frames::MaxFrames) {
        m_count->setText(
            tr("This text needs %1 frames; an animation holds at most %2, so it cannot become "
               "frames. The first %3 of its %4 characters fit: shorten it, or choose a smaller "
               "size.")
                .arg(locale.toString(count), locale.toString(Frames::MaxFrames),
                     locale.toString(TextFrames::fittingLength(text(), chosen)),
                     locale.toString(text().size())));
    } else {
        usable = true;
        m_count->setText(tr("%1 frames, %2 s")
                             .arg(locale.toString(count))
                             .arg(double(count) * m_form->frameMs() / 1000, 0, 'f', 1));
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(usable);
}

std::optional<TextFramesDialog::Result> TextFramesDialog::run(Prompter &prompter, QWidget *parent)
{
    TextFramesDialog dialog(parent);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return Result{dialog.text(), dialog.frames()};
}
