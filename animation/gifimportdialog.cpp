#include "gifimportdialog.h"

#include "prompter.h"

#include "patternpicture.h"
#include "windowstyle.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int PreviewFrames = 8;
constexpr int PreviewDot = 6;

// "1, 3-5 and 9" for frames numbered from 0; a long list ends in "and 12 more".
QString frameNumbers(const QList<int> &frames)
{
    constexpr int MaxRanges = 6;
    QStringList ranges;
    qsizetype i = 0;
    while (i < frames.size() && ranges.size() < MaxRanges) {
        qsizetype j = i;
        while (j + 1 < frames.size() && frames.at(j + 1) == frames.at(j) + 1)
            ++j;
        ranges.append(j == i ? QString::number(frames.at(i) + 1)
                             : QStringLiteral("%1-%2").arg(frames.at(i) + 1).arg(frames.at(j) + 1));
        i = j + 1;
    }
    const qsizetype rest = frames.size() - i;
    if (rest > 0)
        return GifImportDialog::tr("%1 and %n more", nullptr, int(rest))
            .arg(ranges.join(QStringLiteral(", ")));
    if (ranges.size() == 1)
        return ranges.first();
    const QString last = ranges.takeLast();
    return GifImportDialog::tr("%1 and %2").arg(ranges.join(QStringLiteral(", ")), last);
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

    // Each frame's time as it will be kept.
    m_times = new QListWidget(this);
    m_times->setObjectName(QStringLiteral("lstFrameTimes"));
    m_times->setUniformItemSizes(true);
    m_times->setFixedHeight(4 * fontMetrics().height() + 12);
    QList<int> none;
    QList<int> oneHundredth;
    for (qsizetype i = 0; i < picture.frames.size(); ++i) {
        const int delay = picture.delaysMs.value(i);
        m_times->addItem(tr("%1: %2 ms").arg(i + 1).arg(Frames::clampedDuration(delay)));
        if (picture.gif && delay == 0)
            none.append(int(i));
        else if (picture.gif && delay == 10)
            oneHundredth.append(int(i));
    }
    auto *timesLabel = new QLabel(tr("Frame &times:"), this);
    timesLabel->setBuddy(m_times);
    QStringList notes;
    if (!none.isEmpty())
        notes.append((none.size() == 1 ? tr("Frame %1 has no delay in the file (0): it is shown "
                                            "for %2 ms, as browsers show it.")
                                       : tr("Frames %1 have no delay in the file (0): they are "
                                            "shown for %2 ms, as browsers show them."))
                         .arg(frameNumbers(none))
                         .arg(Frames::DefaultDurationMs));
    if (!oneHundredth.isEmpty())
        notes.append((oneHundredth.size() == 1
                          ? tr("Frame %1 has a delay of 1 hundredth of a second: it is kept as "
                               "%2 ms, as this program writes its shortest frames (browsers show "
                               "it for %3 ms).")
                          : tr("Frames %1 have a delay of 1 hundredth of a second: they are kept "
                               "as %2 ms, as this program writes its shortest frames (browsers "
                               "show them for %3 ms)."))
                         .arg(frameNumbers(oneHundredth))
                         .arg(Frames::MinDurationMs)
                         .arg(Frames::DefaultDurationMs));
    m_delayNote = new QLabel(notes.join(u' '), this);
    m_delayNote->setObjectName(QStringLiteral("lblDelayNote"));
    m_delayNote->setWordWrap(true);
    m_delayNote->setVisible(!notes.isEmpty());
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
    layout->addWidget(timesLabel);
    layout->addWidget(m_times);
    layout->addWidget(m_delayNote);
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
        painter.drawPixmap(int(i) * (size + PreviewDot), 0,
                           PatternPicture::draw(frames.at(i).pattern, PreviewDot));
    painter.end();
    m_preview->setPixmap(strip);
}

std::optional<QList<Frame>> GifImportDialog::run(Prompter &prompter, QWidget *parent,
                                                 const AnimatedPicture::Picture &picture,
                                                 const QString &source)
{
    GifImportDialog dialog(picture, source, parent);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.frames();
}
