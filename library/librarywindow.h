#pragma once

#include "pattern.h"
#include "patternlibrary.h"

#include <QListView>
#include <QWidget>

#include <functional>
#include <optional>

class Prompter;
class GridModel;
class LibraryDocument;
class QAction;
class QLineEdit;
class QSortFilterProxyModel;
class QUndoStack;
class UndoActions;

// The library's view: thumbnails over their names on a grid. Dragging reorders the patterns: the
// drop is handed to the window as rows of the view, and nothing is ever removed by the drag itself.
class LibraryView : public QListView
{
    Q_OBJECT

public:
    explicit LibraryView(QWidget *parent = nullptr);

signals:
    void rowsDropped(const QList<int> &rows, int destination);
    // Copy and Paste keys, which the view would otherwise take for copying a name.
    void copyRequested();
    void pasteRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};

// The window "Pattern Library": every pattern of the open library as a thumbnail with its name,
// a filter by name, and the actions on them: add the grid's pattern, replace, rename, delete,
// load into the grid (double-click or Enter) and send to the module. Every change of the patterns
// (add, replace, rename, delete, reorder) is one step of the window's own undo stack, so Delete
// needs no question. Closing it with changes asks whether to save them.
class LibraryWindow : public QWidget
{
    Q_OBJECT

public:
    LibraryWindow(LibraryDocument *document, const GridModel *grid, QUndoStack *history,
                  Prompter &prompter, QWidget *parent = nullptr);

    LibraryView *view() const { return m_view; }
    QLineEdit *filterBox() const { return m_filter; }
    QSortFilterProxyModel *proxy() const { return m_proxy; }
    UndoActions *undoActions() const { return m_undo; }
    // The window's actions with their shortcuts, for the list of keyboard shortcuts.
    QList<QAction *> shortcutActions() const;

    // Library rows (not view rows) of the selection, in order.
    QList<int> selectedRows() const;
    void selectRow(int row);
    void selectRows(const QList<int> &rows);

    void addGridPattern();
    void replaceSelected();
    void renameSelected();
    void deleteSelected();
    void loadSelected();
    void sendSelected();
    // The selected patterns on the clipboard, as the grid's Copy puts one there.
    void copySelected();
    // Whatever the grid's Paste takes, as new patterns at the end: this program's patterns with
    // their names, text in any format, a picture. False, and the user told why, for none.
    bool paste();
    // A drop of view rows before view row `destination`.
    void moveViewRows(const QList<int> &rows, int destination);

signals:
    void loadRequested(const Pattern &pattern, const QString &name);
    void sendRequested(const Pattern &pattern);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Prompter &m_prompter;
    void updateTitle();
    void updateActions();
    void reportRefusal(const QString &reason);
    // A rename the library refused: the name typed comes back in the box, to be put right.
    void editAgain(const QModelIndex &index, const QString &typed);
    std::optional<QList<NamedPattern>> pastedPatterns();
    // `wanted`, or "wanted 2", "wanted 3"...: the first no pattern has.
    QString freeName(const QString &wanted) const;
    // Makes what `change` does to the patterns one undo step named `stepName`.
    void edit(const QString &stepName, const std::function<void()> &change);
    void record(const QString &stepName, const QList<int> &selectedBefore);
    // A change that came another way (a name edited in the view) as a step of its own.
    void recordEdit();
    void restorePatterns(const QList<NamedPattern> &patterns, const QList<int> &selection);
    QString patternsName(const QList<int> &rows) const;
    QAction *addAction(const QString &text, const QKeySequence &shortcut,
                       void (LibraryWindow::*slot)());

    LibraryDocument *m_document;
    const GridModel *m_grid;
    QUndoStack *m_history;
    UndoActions *m_undo = nullptr;
    // The patterns as the last step left them: what an undo of the next step puts back.
    QList<NamedPattern> m_recorded;
    bool m_editing = false;
    QSortFilterProxyModel *m_proxy;
    LibraryView *m_view;
    QLineEdit *m_filter;
    QList<QAction *> m_actions;
    QList<QAction *> m_selectionActions;
};
