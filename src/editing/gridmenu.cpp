#include "gridmenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTableView>

#include <utility>

GridMenu::GridMenu(QTableView *view) : QObject(view), view(view)
{
    // The mouse's menu events go to the cells' viewport, the keyboard's to the view.
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
}

void GridMenu::addAction(QAction *action, std::function<bool()> canDo)
{
    entries.append({action, std::move(canDo)});
}

void GridMenu::addSeparator()
{
    entries.append({nullptr, nullptr});
}

bool GridMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu || (watched != view && watched != view->viewport()))
        return false;
    const auto *menuEvent = static_cast<QContextMenuEvent *>(event);
    if (menuEvent->reason() == QContextMenuEvent::Mouse) {
        open(menuEvent->globalPos());
        return true;
    }
    const QRect cell = view->visualRect(view->currentIndex());
    open(view->viewport()->mapToGlobal(cell.isValid() ? cell.center() : QPoint()));
    return true;
}

// Made afresh each time, so that no menu stands among the window's widgets in between.
void GridMenu::open(const QPoint &globalPosition)
{
    auto *menu = new QMenu(view);
    menu->setObjectName(QStringLiteral("gridMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const Entry &entry : qAsConst(entries)) {
        if (!entry.action) {
            menu->addSeparator();
            continue;
        }
        entry.action->setEnabled(entry.canDo());
        menu->addAction(entry.action);
    }
    connect(menu, &QMenu::aboutToHide, this, [this] {
        for (const Entry &entry : qAsConst(entries)) {
            if (entry.action)
                entry.action->setEnabled(true);
        }
    });
    menu->popup(globalPosition);
}
