#pragma once

#include "gridmodel.h"

#include <QObject>

#include <array>

class DotCell;
class QLabel;
class QWidget;

// The pattern editor's widgets: 64 cells inside the "DOT MATRIX" frame and the eight column
// labels below it, kept in step with a GridModel. A change happens only after the picture it
// needs has been read, so a missing picture file leaves cell, state, byte and label as they were.
class DotGrid : public QObject
{
    Q_OBJECT

public:
    DotGrid(QWidget *frame, QWidget *labelParent, QObject *parent = nullptr);

    const GridModel &model() const { return m_model; }
    DotCell *cell(int column, int weight) const;
    QLabel *label(int column) const;

    // A click on the cell of `column` (1..8) whose Index is `weight`.
    void toggleCell(int column, int weight);
    void clearAll();

signals:
    // A cell of `column` was clicked with the mouse.
    void cellClicked(int column, int weight);
    // A picture file could not be read; nothing was changed.
    void pictureUnreadable(const QString &path);

private:
    static int rowOf(int weight);

    GridModel m_model;
    std::array<std::array<DotCell *, Protocol::RowCount>, GridModel::Columns> m_cells{};
    std::array<QLabel *, GridModel::Columns> m_labels{};
};
