#include "commandbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

CommandButton::CommandButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    // The release repaints synchronously just before released() and clicked(); the click's
    // handler then runs with updates on again, so a message box it opens finds the button drawn.
    connect(this, &QAbstractButton::released, this, &CommandButton::resumeUpdates);
}

void CommandButton::paintEvent(QPaintEvent *event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (fontMetrics().horizontalAdvance(text()) <= area.width()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

// QAbstractButton repaints synchronously on a press and on a release; with updates off those
// repaints are no-ops, and the same repaint is scheduled instead.
void CommandButton::mousePressEvent(QMouseEvent *event)
{
    setUpdatesEnabled(false);
    QPushButton::mousePressEvent(event);
    resumeUpdates();
}

void CommandButton::mouseReleaseEvent(QMouseEvent *event)
{
    setUpdatesEnabled(false);
    QPushButton::mouseReleaseEvent(event);
    resumeUpdates();
}

void CommandButton::resumeUpdates()
{
    if (updatesEnabled())
        return;
    setUpdatesEnabled(true);
    update();
}
