#include "undoactions.h"

#include <QAction>
#include <QPushButton>
#include <QUndoStack>
#include <QWidget>

namespace {

// A button's text is cut to about this many characters.
constexpr int ButtonCharacters = 30;

QString escaped(QString step)
{
    return step.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// An action's text as it reads: mnemonics gone, "&&" back to '&'.
QString plain(QString text)
{
    const QChar kept(0x1);
    text.replace(QLatin1String("&&"), kept);
    text.remove(QLatin1Char('&'));
    return text.replace(kept, QLatin1Char('&'));
}

} // namespace

UndoActions::UndoActions(QUndoStack *stack, QWidget *window, Step undo, Step redo)
    : QObject(window)
    , m_stack(stack)
    , m_undo(new QAction(window))
    , m_redo(new QAction(window))
{
    // The lists of shortcuts name them plainly.
    m_undo->setIconText(tr("Undo"));
    m_redo->setIconText(tr("Redo"));
    m_undo->setShortcuts(undoKeys());
    m_redo->setShortcuts(redoKeys());
    for (QAction *action : {m_undo, m_redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
    connect(m_undo, &QAction::triggered, this, [this, undo] {
        if (undo)
            undo();
        else
            m_stack->undo();
    });
    connect(m_redo, &QAction::triggered, this, [this, redo] {
        if (redo)
            redo();
        else
            m_stack->redo();
    });
    connect(stack, &QUndoStack::indexChanged, this, &UndoActions::update);
    connect(stack, &QUndoStack::cleanChanged, this, &UndoActions::update);
    update();
}

QList<QKeySequence> UndoActions::undoKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
}

QList<QKeySequence> UndoActions::redoKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
}

QString UndoActions::undoText(bool canUndo, const QString &step)
{
    return canUndo && !step.isEmpty() ? tr("&Undo %1").arg(escaped(step)) : tr("&Undo");
}

QString UndoActions::redoText(bool canRedo, const QString &step)
{
    return canRedo && !step.isEmpty() ? tr("&Redo %1").arg(escaped(step)) : tr("&Redo");
}

void UndoActions::update()
{
    m_undo->setEnabled(m_stack->canUndo());
    m_undo->setText(undoText(m_stack->canUndo(), m_stack->undoText()));
    m_redo->setEnabled(m_stack->canRedo());
    m_redo->setText(redoText(m_stack->canRedo(), m_stack->redoText()));
}

QPushButton *UndoActions::button(QAction *action, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setAutoDefault(false);
    const auto follow = [button, action] {
        const QFontMetrics metrics(button->font());
        const QString full = action->text();
        button->setText(metrics.elidedText(full, Qt::ElideRight,
                                           ButtonCharacters * metrics.averageCharWidth(),
                                           Qt::TextShowMnemonic));
        button->setToolTip(plain(full));
        button->setEnabled(action->isEnabled());
    };
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button, follow);
    follow();
    return button;
}
