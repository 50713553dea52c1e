#ifndef GRIDCHILDREN_H
#define GRIDCHILDREN_H

// The grid's accessible children are numbered as the toolkit's table views
// number them in their focus and selection events: row by row, the header
// row and the header column included, so that child 0 is the corner button.
// Row or column -1 stands for the header.
inline int gridChildIndex(int row, int column, int columnCount)
{
    return (row + 1) * (columnCount + 1) + column + 1;
}

#endif // GRIDCHILDREN_H
