#include "gridshape.h"

#include "functionmap.h"

#include <QtGlobal>

int windowStart(int column)
{
    return outputWindowStart(column);
}

bool isWindowRow(int column, int row)
{
    const int start = windowStart(column);
    return row >= start && row < start + WindowBits;
}

bool GridShape::contains(GridCell cell) const
{
    return cell.row >= 0 && cell.row < rows && cell.column >= 0 && cell.column < columns;
}

CellKind GridShape::cellKind(int row, int column) const
{
    if (row == cvRow())
        return CellKind::CvNumber;
    if (row == valueRow())
        return CellKind::Value;
    return isWindowRow(column, row) ? CellKind::Box : CellKind::Unused;
}

GridCell GridShape::nextReachable(GridCell from, int rowStep, int columnStep) const
{
    for (GridCell cell{from.row + rowStep, from.column + columnStep}; contains(cell);
         cell = {cell.row + rowStep, cell.column + columnStep}) {
        if (cellKind(cell.row, cell.column) != CellKind::Unused)
            return cell;
    }
    return {};
}

Qt::CheckState boxStateForBit(qint32 value, int bit)
{
    return (value & (1 << bit)) != 0 ? Qt::Checked : Qt::Unchecked;
}

int valueOfBoxes(const std::array<int, WindowBits> &checkStates)
{
    int value = 0;
    for (int bit = 0; bit < WindowBits; ++bit) {
        if (checkStates[bit] != Qt::Unchecked)
            value += 1 << bit;
    }
    return value;
}

QString magnitudeText(qint32 value)
{
    return QStringLiteral("%1").arg(qAbs(qint64(value)));
}
