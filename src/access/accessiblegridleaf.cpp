#include "accessiblegridleaf.h"

#include <QTableView>
#include <QWindow>

AccessibleGridLeaf::AccessibleGridLeaf(QTableView *view)
    : view(view)
{
}

QObject *AccessibleGridLeaf::object() const
{
    return nullptr;
}

QWindow *AccessibleGridLeaf::window() const
{
    return view ? view->window()->windowHandle() : nullptr;
}

QAccessibleInterface *AccessibleGridLeaf::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface *AccessibleGridLeaf::parent() const
{
    return QAccessible::queryAccessibleInterface(view);
}

QAccessibleInterface *AccessibleGridLeaf::child(int) const
{
    return nullptr;
}

int AccessibleGridLeaf::childCount() const
{
    return 0;
}

int AccessibleGridLeaf::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}
