#include "formatchooser.h"

#include "patternpicture.h"
#include "prompter.h"
#include "windowstyle.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int PreviewDotSize = 6;
} // namespace

FormatChooser::FormatChooser(const QList<Reading> &readings, TextFormats::Format preferred,
                             QWidget *parent)
    : QDialog(parent)
    , m_readings(readings)
    , m_group(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("frmPasteAs"));
    // The main window's palette, as a window of its own would not take it.
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(tr("Paste As"));
    setFont(dialogFont());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("The text reads as more than one pattern. Which is it?"), this));
    for (int i = 0; i < readings.size(); ++i) {
        auto *button = new QRadioButton(TextFormats::displayName(readings.at(i).format), this);
        button->setIcon(PatternPicture::draw(readings.at(i).pattern, PreviewDotSize));
        button->setIconSize(QSize(8 * PreviewDotSize, 8 * PreviewDotSize));
        m_group->addButton(button, i);
        layout->addWidget(button);
        if (readings.at(i).format == preferred || i == 0)
            button->setChecked(true);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    if (QAbstractButton *checked = m_group->checkedButton())
        checked->setFocus();
}

TextFormats::Format FormatChooser::chosen() const
{
    return m_readings.at(std::max(0, m_group->checkedId())).format;
}

std::optional<TextFormats::Format> FormatChooser::choose(Prompter &prompter, QWidget *parent,
                                                         const QList<Reading> &readings,
                                                         TextFormats::Format preferred)
{
    FormatChooser chooser(readings, preferred, parent);
    if (prompter.exec(chooser) != QDialog::Accepted)
        return std::nullopt;
    return chooser.chosen();
}

void FormatChooser::choose(TextFormats::Format format)
{
    for (qsizetype i = 0; i < m_readings.size(); ++i) {
        if (m_readings.at(i).format == format)
            m_group->button(int(i))->setChecked(true);
    }
}
