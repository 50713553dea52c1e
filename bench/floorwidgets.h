// The floors of the window benchmarks -- the plainest widgets that show what
// the window shows -- and the wait for a first paint that both sides use.
#pragma once

#include <QTableWidget>

class QMainWindow;
class QWidget;

namespace fmbench {

// The window's grid: fourteen function columns, sixteen rows, the last of
// them holding each column's value.
constexpr int GridColumns = 14;
constexpr int GridRows = 16;

// Shows the window and processes events until its first paint is done: a
// window paints its children in the same pass, so the whole tree is drawn.
void showUntilPainted(QWidget *window);

// The start-up floor: the window's widget tree built directly, without a
// decoder list.
QMainWindow *bareWindow();

// A shown table of the grid's columns, as the floor of grid work.
struct BareTable
{
    BareTable();
    // Fills the grid with plain items, as choosing a decoder type does.
    void fill();

    QTableWidget table{0, GridColumns};
};

} // namespace fmbench
