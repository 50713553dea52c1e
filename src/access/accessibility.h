#ifndef ACCESSIBILITY_H
#define ACCESSIBILITY_H

class QComboBox;
class QMainWindow;
class QTableView;

// Screen readers see the grid and the choice through the program's own
// interfaces. Called before those widgets exist: with assistive technology
// already active, the toolkit describes each widget as it is made.
void installAccessibleInterfaces();
// Makes the window usable without a mouse and readable by screen readers:
// Tab moves between the decoder-type choice and the grid, the arrow keys
// inside the grid, and every box, value and bar of the window says what it is.
void makeAccessible(QMainWindow *window, QComboBox *choice, QTableView *grid);

#endif // ACCESSIBILITY_H
