#pragma once

#include <QLineEdit>
#include <QPointer>

class QLabel;
class QTimer;

// A text box for text the module shows: only Latin-1 characters travel to it, one byte each,
// and it takes at most maxLength() of them. Typed, pasted or dropped text keeps what can be
// sent; what was left out, and why, is said in a short note at the box that goes by itself.
// The note is drawn in the window itself, where it covers none of its controls, and lets every
// click through: a tooltip over the button below would take the click meant for it.
class ModuleTextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ModuleTextBox(QWidget *parent = nullptr);

    // Inserts `text` at the cursor as a paste does: its Latin-1 characters, as many as there
    // is room for; the rest is named in a note.
    void insertSendable(const QString &text);
    // The note shown now, if any.
    QLabel *note() const;

signals:
    // Something typed or pasted was left out; `note` says what and why.
    void inputRefused(const QString &note);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString capacity() const;
    void showNote(const QString &note);
    void hideNote();
    // Where the note goes in its window: the first place beside the box that covers no control,
    // else the one that covers the least.
    QRect notePlace(QSize size) const;

    // A child of the window, which may take it down before the box.
    QPointer<QLabel> m_note;
    QTimer *m_noteTimer = nullptr;
};
