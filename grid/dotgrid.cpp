#include "dotgrid.h"

#include "dotcell.h"
#include "dotpictures.h"
#include "twips.h"

#include <QLabel>

namespace {
// Cell geometry inside the frame, in twips: columns and rows are 360 apart.
constexpr int CellLeft = 360;
constexpr int CellTop = 480;
constexpr int CellPitch = 360;
constexpr int CellWidth = 270;
constexpr int CellHeight = 285;
// Labels stand in the window below the frame, 480 apart.
constexpr int LabelLeft = 240;
constexpr int LabelPitch = 480;
constexpr int LabelTop = 3960;
constexpr int LabelWidth = 375;
constexpr int LabelHeight = 255;
} // namespace

DotGrid::DotGrid(QWidget *frame, QWidget *labelParent, QObject *parent)
    : QObject(parent)
{
    const QPixmap start = DotPictures::startPicture();
    for (int column = 1; column <= GridModel::Columns; ++column) {
        for (int row = 0; row < Protocol::RowCount; ++row) {
            const int weight = Protocol::RowWeights[size_t(row)];
            auto *cell = new DotCell(weight, frame);
            cell->setObjectName(QStringLiteral("col%1").arg(column));
            cell->setProperty("Index", weight);
            cell->setGeometry(Twips::rect(CellLeft + CellPitch * (column - 1),
                                          CellTop + CellPitch * row, CellWidth, CellHeight));
            cell->setPixmap(start);
            connect(cell, &DotCell::clicked, this,
                    [this, column](int index) { emit cellClicked(column, index); });
            m_cells[size_t(column - 1)][size_t(row)] = cell;
        }
    }
    for (int column = 1; column <= GridModel::Columns; ++column) {
        auto *label = new QLabel(m_model.columnText(column), labelParent);
        label->setObjectName(QStringLiteral("lblC%1").arg(column));
        label->setGeometry(
            Twips::rect(LabelLeft + LabelPitch * (column - 1), LabelTop, LabelWidth, LabelHeight));
        m_labels[size_t(column - 1)] = label;
    }
}

int DotGrid::rowOf(int weight)
{
    const auto &weights = Protocol::RowWeights;
    return int(std::find(weights.begin(), weights.end(), weight) - weights.begin());
}

DotCell *DotGrid::cell(int column, int weight) const
{
    return m_cells[size_t(column - 1)][size_t(rowOf(weight))];
}

QLabel *DotGrid::label(int column) const
{
    return m_labels[size_t(column - 1)];
}

void DotGrid::toggleCell(int column, int weight)
{
    if (!GridModel::isWeight(weight) || column < 1 || column > GridModel::Columns)
        return;
    const QString path =
        m_model.isLit(column, weight) ? DotPictures::darkPath() : DotPictures::litPath();
    const auto picture = DotPictures::load(path);
    if (!picture) {
        emit pictureUnreadable(path);
        return;
    }
    cell(column, weight)->setPixmap(*picture);
    m_model.toggle(column, weight);
    label(column)->setText(m_model.columnText(column));
}

void DotGrid::clearAll()
{
    // One read, before anything changes: a missing picture leaves the whole grid as it was.
    const QString path = DotPictures::darkPath();
    const auto dark = DotPictures::load(path);
    if (!dark) {
        emit pictureUnreadable(path);
        return;
    }
    m_model.clear();
    for (const auto &column : m_cells) {
        for (DotCell *cell : column)
            cell->setPixmap(*dark);
    }
    for (int column = 1; column <= GridModel::Columns; ++column)
        label(column)->setText(m_model.columnText(column));
}
