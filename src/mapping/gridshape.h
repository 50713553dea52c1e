#ifndef GRIDSHAPE_H
#define GRIDSHAPE_H

#include "decodertype.h"

#include <Qt>
#include <QString>

#include <array>

class QTableWidget;
class QTableWidgetItem;

// The shape of the mapping grid, the one place that says which cell is which.
// Below the output rows come the CV row and the value row; each function
// column switches a window of eight consecutive outputs, and bit k of its CV
// value belongs to output row windowStart(column) + k:
//
//   column         "F0 v" .. "F3"   "F4" .. "F8"   "F9" .. "F12"
//   window rows     0 .. 7           3 .. 10        6 .. 13
//
// Every other output cell is unused. The last two rows are found from the row
// count the grid has at the moment it is asked.
constexpr int WindowBits = 8;

int windowStart(int column);
bool isWindowRow(int column, int row);

enum class CellKind {
    Box,      // a window cell: one bit of the column's value
    Unused,   // an output outside the column's window
    CvNumber, // the CV row
    Value,    // the value row
};

// A cell by row and column; -1 where there is none.
struct GridCell
{
    int row = -1;
    int column = -1;
};

class GridShape
{
public:
    explicit GridShape(int rowCount, int columnCount = CvCount) : rows(rowCount), columns(columnCount) {}

    int cvRow() const { return rows - 2; }
    int valueRow() const { return rows - 1; }
    bool isOutputRow(int row) const { return row >= 0 && row < cvRow(); }
    bool contains(GridCell cell) const;
    CellKind cellKind(int row, int column) const;
    // The next cell from the given one, stepping as given, that is no unused
    // output; none at the grid's edge. The arrow keys move so.
    GridCell nextReachable(GridCell from, int rowStep, int columnStep) const;

private:
    int rows;
    int columns;
};

Qt::CheckState boxStateForBit(qint32 value, int bit);
// Any state other than unchecked counts as a set bit.
int valueOfBoxes(const std::array<int, WindowBits> &checkStates);
// The column's value as the table's boxes show it; beside the cell-edit slot,
// which keeps values and boxes in step.
int boxesValue(const QTableWidget *table, int column);
// The column's value cell, if the table has one there: code may reshape the grid.
QTableWidgetItem *valueCell(const QTableWidget *table, int column);

// The stored value's magnitude as the value row shows it; exact even for the
// most negative 32-bit number.
QString magnitudeText(qint32 value);

#endif // GRIDSHAPE_H
