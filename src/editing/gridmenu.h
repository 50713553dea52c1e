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
// actions added to it, each enabled while the menu shows only if its `canDo`
// says it can do something; their keys answer always, and say so where they cannot.
class GridMenu : public QObject
{
    Q_OBJECT

public:
    explicit GridMenu(QTableView *view);

    void addAction(QAction *action, std::function<bool()> canDo);
    void addSeparator();
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A null action stands for a separator.
    struct Entry
    {
        QAction *action;
        std::function<bool()> canDo;
    };

    void open(const QPoint &globalPosition);

    QTableView *view;
    QList<Entry> entries;
};

#endif // GRIDMENU_H
