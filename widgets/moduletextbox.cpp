#include "moduletextbox.h"

#include "inputcontrols.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <limits>

namespace {

constexpr int NoteMs = 6000;
// Enough for the note beside a box of one character to take two lines, not ten.
constexpr int NoteCharacters = 40;
constexpr int ListedCharacters = 12;

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ModuleTextBox)
};

// The characters of `text` that cannot be sent, each named once, in order.
QString leftOut(const QString &text)
{
    QStringList named;
    for (const char32_t code : text.toUcs4()) {
        if (code <= 0xFF && code >= 0x20 && code != 0x7F)
            continue;
        const QString name = code == u'\n' || code == u'\r' ? Texts::tr("line break")
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
    m_noteTimer = new QTimer(this);
    m_noteTimer->setSingleShot(true);
    connect(m_noteTimer, &QTimer::timeout, this, &ModuleTextBox::hideNote);
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
        note.append(
            Texts::tr("Left out: %1. Only Latin-1 characters reach the module.").arg(refused));
    if (inserted.size() < kept.size())
        note.append(Texts::tr("Cut to fit: this box sends the module at most %1.").arg(capacity()));
    if (!note.isEmpty())
        showNote(note.join(u'\n'));
}

QString ModuleTextBox::capacity() const
{
    return maxLength() == 1 ? Texts::tr("one character")
                            : Texts::tr("%1 characters").arg(maxLength());
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
            showNote(Texts::tr("This box sends the module at most %1.").arg(capacity()));
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

QLabel *ModuleTextBox::note() const
{
    return m_note && m_note->isVisible() ? m_note.data() : nullptr;
}

void ModuleTextBox::showNote(const QString &note)
{
    QWidget *host = window();
    if (!m_note) {
        m_note = new QLabel(host);
        m_note->setObjectName(QStringLiteral("lblInputNote"));
        m_note->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_note->setWordWrap(true);
        m_note->setMargin(3);
        m_note->setFrameShape(QFrame::Box);
        m_note->setAutoFillBackground(true);
        m_note->setFont(QToolTip::font());
        QPalette colours = QToolTip::palette();
        colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
        colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
        m_note->setPalette(colours);
    }
    m_note->setText(note);
    // As wide as the box, or as a few words need, and only as tall as the text then is.
    const int least = QFontMetrics(m_note->font()).averageCharWidth() * NoteCharacters;
    const int width = qMin(host->width(), qMax(this->width(), least));
    const int height = m_note->heightForWidth(width);
    m_note->setGeometry(notePlace(QSize(width, height > 0 ? height : m_note->sizeHint().height())));
    m_note->raise();
    m_note->show();
    m_noteTimer->start(NoteMs);
    emit inputRefused(note);
}

void ModuleTextBox::hideNote()
{
    if (m_note)
        m_note->hide();
}

void ModuleTextBox::focusOutEvent(QFocusEvent *event)
{
    hideNote();
    QLineEdit::focusOutEvent(event);
}

QRect ModuleTextBox::notePlace(QSize size) const
{
    const QWidget *host = window();
    const QRect box(mapTo(host, QPoint(0, 0)), this->size());
    constexpr int Gap = 2;
    const QList<QPoint> corners = {
        {box.left(), box.bottom() + 1 + Gap},
        {box.right() + 1 - size.width(), box.bottom() + 1 + Gap},
        {box.left(), box.top() - Gap - size.height()},
        {box.right() + 1 - size.width(), box.top() - Gap - size.height()},
        {box.right() + 1 + Gap, box.top()},
        {box.left() - Gap - size.width(), box.top()},
    };
    // The controls: every widget shown that holds no other, such as buttons, boxes, labels and
    // dots, and whatever takes the focus; frames around controls may be covered.
    QList<QRect> controls;
    for (const QWidget *widget : host->findChildren<QWidget *>()) {
        if (widget == m_note || !widget->isVisibleTo(host) || widget->isWindow())
            continue;
        const bool holdsOthers = std::any_of(
            widget->children().begin(), widget->children().end(), [host](const QObject *child) {
                const auto *w = qobject_cast<const QWidget *>(child);
                return w && !w->isWindow() && w->isVisibleTo(host);
            });
        if (holdsOthers && widget->focusPolicy() == Qt::NoFocus)
            continue;
        controls.append(QRect(widget->mapTo(host, QPoint(0, 0)), widget->size()));
    }
    QRect best;
    qint64 leastCovered = std::numeric_limits<qint64>::max();
    for (QPoint corner : corners) {
        corner.setX(qBound(0, corner.x(), host->width() - size.width()));
        const QRect place(corner, size);
        if (!host->rect().contains(place))
            continue;
        qint64 covered = 0;
        for (const QRect &control : std::as_const(controls)) {
            const QRect overlap = control.intersected(place);
            covered += qint64(overlap.width()) * overlap.height();
        }
        if (covered < leastCovered) {
            leastCovered = covered;
            best = place;
        }
        if (covered == 0)
            break;
    }
    return best.isValid() ? best : QRect(box.bottomLeft() + QPoint(0, 1 + Gap), size);
}
