#ifndef GRIDMENU_H
#define GRIDMENU_H

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QPoint;
class QTableView;

// The grid's context menu: opened by the right mouse button where it is
// pressed, and by the Menu key or Shift+F10 at the current cell. It offers the
// window's actions, each enabled while the menu shows only if `canDo` says it
// can do something (a null action stands for a separator); their keys answer always, and say so where they cannot.
class GridMenu : public QObject
{
    Q_OBJECT

public:
    GridMenu(QTableView *view, const QList<QAction *> &actions, std::function<bool(QAction *)> canDo);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open(const QPoint &globalPosition);

    QTableView *view;
    QList<QAction *> actions;
    std::function<bool(QAction *)> canDo;
};

#endif // GRIDMENU_H
