#ifndef GRIDKEYBOARD_H
#define GRIDKEYBOARD_H

#include <QObject>

class QKeyEvent;
class QModelIndex;
class QTableView;

// Keyboard use of the mapping grid beyond the view's own: the arrow keys
// reach every box, locked ones included, and the CV and value rows, passing
// over the outputs outside a function's window; entering the grid and Home or
// Ctrl+Home land on a cell that can be ticked or typed into, even when the
// grid's first cells are locked or unused, where the view would find no cell
// at all. Shift+F10 opens the grid's menu.
class GridKeyboard : public QObject
{
    Q_OBJECT

public:
    explicit GridKeyboard(QTableView *view);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(const QKeyEvent *key);
    void moveTo(const QModelIndex &cell);

    QTableView *view;
};

#endif // GRIDKEYBOARD_H
