#include "gridmodel.h"

#include <algorithm>

bool GridModel::isWeight(int weight)
{
    const auto &weights = Protocol::RowWeights;
    return std::find(weights.begin(), weights.end(), weight) != weights.end();
}

size_t GridModel::slot(int column)
{
    Q_ASSERT(column >= 1 && column <= Columns);
    return size_t(column - 1);
}

qint16 GridModel::dotState(int column, int weight) const
{
    Q_ASSERT(isWeight(weight));
    return DotState[slot(column)][size_t(weight)];
}

quint8 GridModel::columnValue(int column) const
{
    return ColumnValue[slot(column)];
}

QString GridModel::columnText(int column) const
{
    return Protocol::hexByte(columnValue(column));
}

void GridModel::toggle(int column, int weight)
{
    Q_ASSERT(isWeight(weight));
    qint16 &state = DotState[slot(column)][size_t(weight)];
    state = state == Dark ? Lit : Dark;
    ColumnValue[slot(column)] ^= quint8(weight);
}

void GridModel::clear()
{
    for (auto &column : DotState)
        column.fill(Dark);
    ColumnValue.fill(0);
}
