#include "moduletextbox.h"

#include "inputcontrols.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QToolTip>

namespace {

constexpr int NoteMs = 6000;
constexpr int ListedCharacters = 12;

QString tr(const char *text)
{
    return QCoreApplication::translate("ModuleTextBox", text);
}

// The characters of `text` that cannot be sent, each named once, in order.
QString leftOut(const QString &text)
{
    QStringList named;
    for (const char32_t code : text.toUcs4()) {
        if (code <= 0xFF && code >= 0x20 && code != 0x7F)
            continue;
        const QString name = code == u'\n' || code == u'\r' ? tr("line break")
                             : code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0)
                                 ? QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0'))
                                 : QString::fromUcs4(&code, 1);
        if (!named.contains(name))
            named.append(name);
    }
    if (named.size() > ListedCharacters) {
        named.resize(ListedCharacters);
        named.append(QStringLiteral("…"));
    }
    return named.join(u' ');
}

// The part of `text` that can travel to the module: printable Latin-1 characters.
QString sendable(const QString &text)
{
    QString kept;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u <= 0xFF && u >= 0x20 && u != 0x7F && !(u >= 0x80 && u < 0xA0))
            kept.append(c);
    }
    return kept;
}

} // namespace

ModuleTextBox::ModuleTextBox(QWidget *parent)
    : QLineEdit(parent)
{
    // The last guard: whatever path text comes in by, nothing outside Latin-1 is accepted.
    setValidator(new Latin1Validator(this));
}

void ModuleTextBox::insertSendable(const QString &text)
{
    const QString kept = sendable(text);
    const qsizetype room = maxLength() - (this->text().size() - selectedText().size());
    const QString inserted = kept.left(qMax<qsizetype>(room, 0));
    if (!inserted.isEmpty() || hasSelectedText())
        insert(inserted);

    QStringList note;
    const QString refused = leftOut(text);
    if (!refused.isEmpty())
        note.append(tr("Left out: %1. Only Latin-1 characters reach the module.").arg(refused));
    if (inserted.size() < kept.size())
        note.append(tr("Cut to fit: this box sends the module at most %1.").arg(capacity()));
    if (!note.isEmpty())
        showNote(note.join(u'\n'));
}

QString ModuleTextBox::capacity() const
{
    return maxLength() == 1 ? tr("one character") : tr("%1 characters").arg(maxLength());
}

void ModuleTextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        insertSendable(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (printable) {
        if (sendable(typed) != typed) {
            insertSendable(typed);
            event->accept();
            return;
        }
        if (!hasSelectedText() && text().size() >= maxLength()) {
            showNote(tr("This box sends the module at most %1.").arg(capacity()));
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void ModuleTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QString committed = event->commitString();
    if (committed.isEmpty() || sendable(committed) == committed) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    insertSendable(committed);
    event->accept();
}

void ModuleTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction *action : menu->actions()) {
        if (action->objectName() != QLatin1String("edit-paste"))
            continue;
        action->disconnect();
        connect(action, &QAction::triggered, this,
                [this] { insertSendable(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(event->globalPos());
}

void ModuleTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    // Middle-click pastes the X selection.
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        deselect();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        insertSendable(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void ModuleTextBox::dropEvent(QDropEvent *event)
{
    if (event->source() == this || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    insertSendable(event->mimeData()->text());
    event->acceptProposedAction();
}

void ModuleTextBox::showNote(const QString &note)
{
    QToolTip::showText(mapToGlobal(QPoint(0, height())), note, this, QRect(), NoteMs);
    emit inputRefused(note);
}
