#ifndef ACCESSIBILITY_H
#define ACCESSIBILITY_H

class QComboBox;
class QMainWindow;
class QTableView;

// What screen-reader users meet in the window, room by room:
//   accessiblebase.h     what every interface builds on; places on the screen
//   accessiblechoice.h   the decoder-type choice
//   accessiblegrid.h     the grid's accessible tree: table, headers, cells
//   accessibletext.h     texts read in pieces; the value editor
//   gridannouncer.h      what changed, told as events
//   statusnotice.h       the status bar's messages, told
// The grid's look and keys are in src/grid.

// Screen readers see the grid and the choice through the program's own
// interfaces. Called before those widgets exist: with assistive technology
// already active, the toolkit describes each widget as it is made.
void installAccessibleInterfaces();
// Makes the window readable by screen readers: every box, value and bar of
// the window says what it is, and what changes in the grid is told.
void makeAccessible(QMainWindow *window, QComboBox *choice, QTableView *grid);

#endif // ACCESSIBILITY_H
