#ifndef CELLKIND_H
#define CELLKIND_H

#include <QModelIndex>
#include <QString>

// What a cell of the mapping grid is to someone who cannot see it, read from
// what the grid shows: its row, its flags and whether it carries a box.
enum class CellKind {
    Box,       // a window cell the user may tick
    LockedBox, // a window cell of a locked function: shown, not changeable
    Unused,    // an output outside the function's window
    CvNumber,  // the CV row
    Value,     // the value row
};

CellKind cellKind(const QModelIndex &index);
// Boxes, locked or not, are check boxes; CV and value cells show a number.
inline bool isBox(CellKind kind)
{
    return kind == CellKind::Box || kind == CellKind::LockedBox;
}
inline bool showsNumber(CellKind kind)
{
    return kind == CellKind::CvNumber || kind == CellKind::Value;
}
// A row's label, or "Ausgang 3" for an output the definition file leaves unnamed.
QString rowName(const QAbstractItemModel *model, int row);
// "Licht vorwärts, F1", "CV 35, F1", "Wert F1", "nicht belegt".
QString cellName(const QModelIndex &index);
// A cell that keyboard users come to the grid for: a box they may tick or a
// value they may type.
bool isUsableCell(const QModelIndex &index);
// The next cell from the given one, stepping as given, that is no output
// outside a window; invalid at the grid's edge. The arrow keys move so.
QModelIndex nextReachableCell(const QModelIndex &from, int rowStep, int columnStep);
// The first usable cell in reading order from the given row on, up to and
// excluding lastRow; invalid if there is none.
QModelIndex firstUsableCell(const QAbstractItemModel *model, int firstRow, int lastRow);

#endif // CELLKIND_H
