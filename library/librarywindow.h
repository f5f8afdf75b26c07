#pragma once

#include "pattern.h"
#include "patternlibrary.h"

#include <QListView>
#include <QWidget>

#include <optional>

class GridModel;
class LibraryDocument;
class QAction;
class QLineEdit;
class QSortFilterProxyModel;

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
// load into the grid (double-click or Enter) and send to the module. Closing it with changes
// asks whether to save them.
class LibraryWindow : public QWidget
{
    Q_OBJECT

public:
    LibraryWindow(LibraryDocument *document, const GridModel *grid, QWidget *parent = nullptr);

    LibraryView *view() const { return m_view; }
    QLineEdit *filterBox() const { return m_filter; }
    QSortFilterProxyModel *proxy() const { return m_proxy; }
    // The window's actions with their shortcuts, for the list of keyboard shortcuts.
    QList<QAction *> shortcutActions() const;

    // Library rows (not view rows) of the selection, in order.
    QList<int> selectedRows() const;
    void selectRow(int row);

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
    void updateTitle();
    void updateActions();
    void reportRefusal(const QString &reason);
    // A rename the library refused: the name typed comes back in the box, to be put right.
    void editAgain(const QModelIndex &index, const QString &typed);
    std::optional<QList<NamedPattern>> pastedPatterns();
    // `wanted`, or "wanted 2", "wanted 3"...: the first no pattern has.
    QString freeName(const QString &wanted) const;
    QAction *addAction(const QString &text, const QKeySequence &shortcut,
                       void (LibraryWindow::*slot)());

    LibraryDocument *m_document;
    const GridModel *m_grid;
    QSortFilterProxyModel *m_proxy;
    LibraryView *m_view;
    QLineEdit *m_filter;
    QList<QAction *> m_actions;
    QList<QAction *> m_selectionActions;
};
