#ifndef ACCESSIBILITY_H
#define ACCESSIBILITY_H

#include <QAccessibleInterface>
#include <QRect>

class QComboBox;
class QMainWindow;
class QTableView;
class QWidget;

// What keyboard and screen-reader users meet in the window, room by room:
//   accessiblechoice.h   the decoder-type choice
//   accessiblegrid.h     the grid's accessible tree: table, headers, cells
//   accessibletext.h     texts read in pieces; the value editor
//   gridannouncer.h      what changed, told as events
//   gridkeyboard.h       the keys inside the grid
//   griddelegate.h       the current cell's frame; the value editor's name

// Screen readers see the grid and the choice through the program's own
// interfaces. Called before those widgets exist: with assistive technology
// already active, the toolkit describes each widget as it is made.
void installAccessibleInterfaces();
// Makes the window usable without a mouse and readable by screen readers:
// Tab moves between the decoder-type choice and the grid, the arrow keys
// inside the grid, and every box, value and bar of the window says what it is.
void makeAccessible(QMainWindow *window, QComboBox *choice, QTableView *grid);

// Where assistive technology is told a thing lies, and where it points. The
// window measures in device-independent pixels; AT-SPI hands a place on as it
// is, but magnifiers count the X server's pixels, which the display's scale
// multiplies. UI Automation converts it itself. Every place our interfaces
// give or take on the screen passes through these two, with the widget it is
// drawn in.
QRect toAssistiveTechnology(const QWidget *widget, const QRect &rect);
QPoint fromAssistiveTechnology(const QWidget *widget, const QPoint &point);

// An accessible thing that is no widget and has no children, no place on the
// screen and no text anyone may set: what remains is its name, role, state
// and parent.
class AccessibleLeaf : public QAccessibleInterface
{
public:
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return QRect(); }
};

#endif // ACCESSIBILITY_H
