#pragma once

#include "gridmodel.h"

#include <QObject>
#include <QPixmap>
#include <QPointF>

#include <array>
#include <optional>

class DotCell;
class GridFocus;
class QLabel;
class QMenu;
class QWidget;

// The pattern editor's widgets: 64 cells inside the "DOT MATRIX" frame and the eight column
// labels below it, kept in step with a GridModel. A change happens only after the pictures it
// needs have been read, so a missing picture file leaves cells, states, bytes and labels as
// they were.
//
// The grid is one focus stop: arrow keys move a focus cell and Space toggles it as a click
// does. A left press on a cell is a click; moving with the button held is a stroke that sets
// every cell the pointer crosses, between one mouse position and the next too, to the state the
// pressed cell took. The grid reports clicks and strokes and leaves recording them to its
// editor (GridEditor).
class DotGrid : public QObject
{
    Q_OBJECT

public:
    DotGrid(QWidget *frame, QWidget *labelParent, QObject *parent = nullptr);

    const GridModel &model() const { return m_model; }
    DotCell *cell(int column, int weight) const;
    QLabel *label(int column) const;
    // The widget that takes the keyboard focus for the whole grid.
    QWidget *focusWidget() const;
    int focusColumn() const { return m_focusColumn; }
    int focusRow() const { return m_focusRow; }
    void setFocusCell(int column, int row);
    // Shown on a right click on the grid and on the menu key while the grid has the focus.
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }

    // A click on the cell of `column` (1..8) whose Index is `weight`.
    bool toggleCell(int column, int weight);
    bool clearAll();
    // Every dot as `pattern` says; each picture is read once, and only if a cell takes it.
    bool setPattern(const Pattern &pattern);
    // Whether the pictures setPattern(pattern) needs can be read now; if not, the path of the
    // one that cannot is reported as setPattern() does, and nothing changes either way.
    bool canShow(const Pattern &pattern);

    // Another pattern shown faintly under the grid's own (an animation's previous frame, say):
    // its lit dots where the grid's are dark. It is only drawn: nothing else knows of it.
    void setGhost(const std::optional<Pattern> &ghost);

    // The cells a pointer crosses going from `from` to `to` in the frame, in the order it
    // meets them, as (column 1..8, row 0..7).
    QList<QPoint> cellsCrossed(QPointF from, QPointF to) const;

signals:
    // A cell was pressed, or Space was pressed on the focus cell, or an assistive tool asked.
    void cellClicked(int column, int weight);
    void strokeStarted();
    // The pointer crossed a cell that the stroke sets to `lit`.
    void strokeCrossed(int column, int weight, bool lit);
    void strokeEnded();
    // A picture file could not be read; nothing was changed.
    void pictureUnreadable(const QString &path);
    // The pattern is now `pattern`: after a click, a stroke's cell, Clear ALL or a whole pattern,
    // whenever the pattern is not the same as before.
    void patternChanged(const Pattern &pattern);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class GridFocus;
    static int rowOf(int weight);
    void press(DotCell *cell, QPointF position);
    void drag(QPointF position);
    void endStroke();
    void showContextMenu(QWidget *from, QPoint position);
    void setCellPicture(int column, int row, bool lit, const QPixmap &picture);
    struct Pictures
    {
        bool ok = true;
        std::optional<QPixmap> lit;
        std::optional<QPixmap> dark;
    };
    // The pictures going from the grid's pattern to `pattern` needs, read once each.
    Pictures readPictures(const Pattern &pattern);

    struct Stroke
    {
        bool active = false;
        bool lit = false;
        QPointF last;
    };

    GridModel m_model;
    QWidget *m_frame;
    GridFocus *m_focus = nullptr;
    QMenu *m_contextMenu = nullptr;
    std::array<std::array<DotCell *, Protocol::RowCount>, GridModel::Columns> m_cells{};
    std::array<QLabel *, GridModel::Columns> m_labels{};
    int m_focusColumn = 1;
    int m_focusRow = 0;
    Stroke m_stroke;
};
