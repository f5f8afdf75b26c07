#pragma once

#include <QLineEdit>

// A text box for text the module shows: only Latin-1 characters travel to it, one byte each,
// and it takes at most maxLength() of them. Typed, pasted or dropped text keeps what can be
// sent; what was left out, and why, is said in a short note at the box that goes by itself.
class ModuleTextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ModuleTextBox(QWidget *parent = nullptr);

    // Inserts `text` at the cursor as a paste does: its Latin-1 characters, as many as there
    // is room for; the rest is named in a note.
    void insertSendable(const QString &text);

signals:
    // Something typed or pasted was left out; `note` says what and why.
    void inputRefused(const QString &note);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QString capacity() const;
    void showNote(const QString &note);
};
