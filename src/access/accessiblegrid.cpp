#include "accessiblegrid.h"

#include <QAbstractButton>

namespace {

// Stands on a used-up id; to anyone who asks, an object that is gone.
class Placeholder : public WidgetLeaf<QWidget>
{
public:
    Placeholder() : WidgetLeaf(nullptr) {}

    QString text(QAccessible::Text) const override { return QString(); }
    QAccessible::Role role() const override { return QAccessible::NoRole; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invalid = true;
        return state;
    }
};

QAccessible::Id placeholder = 0;

// Registers a header or cell under an id no other object had before. The
// toolkit hands the id of the interface that died last to the next one
// registered. A screen reader that still holds the dead object would take the
// new one for it, with the role and states it cached: a box would speak as
// the value editor closed a moment ago, or not at all. A placeholder takes
// such an id instead, and keeps it until the next registration.
QAccessible::Id registerWithFreshId(QAccessibleInterface *iface)
{
    const QAccessible::Id previous = placeholder;
    placeholder = QAccessible::registerAccessibleInterface(new Placeholder);
    // Its id lies below the newest, where the toolkit never looks for a free one.
    if (previous)
        QAccessible::deleteAccessibleInterface(previous);
    return QAccessible::registerAccessibleInterface(iface);
}

} // namespace

QAccessibleInterface *AccessibleGrid::childAt(int x, int y) const
{
    const QPoint point = fromAssistiveTechnology(view(), QPoint(x, y));
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(point));
    return index.isValid() ? cellChild(index) : nullptr;
}

QAccessibleInterface *AccessibleGrid::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    if (view()->hasFocus() && current.isValid())
        return cellChild(current);
    return QAccessibleWidget::focusChild();
}

QAccessibleInterface *AccessibleGrid::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (index == 0)
        return cornerButton();
    if (QAccessibleInterface *known = QAccessible::accessibleInterface(childIds.value(index))) {
        if (known->isValid())
            return known;
        QAccessible::deleteAccessibleInterface(childIds.take(index));
    }
    QAccessibleInterface *made = makeChild(index);
    childIds.insert(index, registerWithFreshId(made));
    return made;
}

int AccessibleGrid::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    const QAccessibleInterface *corner = cornerButton();
    if (child->object() && corner && child->object() == corner->object())
        return 0;
    if (QAccessibleTableCellInterface *cell = const_cast<QAccessibleInterface *>(child)->tableCellInterface())
        return gridChildIndex(cell->rowIndex(), cell->columnIndex(), columnCount());
    for (auto known = childIds.cbegin(); known != childIds.cend(); ++known) {
        if (QAccessible::accessibleInterface(known.value()) == child)
            return known.key();
    }
    return -1;
}

void *AccessibleGrid::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *AccessibleGrid::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return child(gridChildIndex(row, column, columnCount()));
}

QList<QAccessibleInterface *> AccessibleGrid::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    for (const QModelIndex &index : view()->selectionModel()->selectedIndexes())
        cells.append(cellChild(index));
    return cells;
}

QString AccessibleGrid::columnDescription(int column) const
{
    return view()->model()->headerData(column, Qt::Horizontal).toString();
}

QString AccessibleGrid::rowDescription(int row) const
{
    return view()->model()->headerData(row, Qt::Vertical).toString();
}

QList<int> AccessibleGrid::selectedColumns() const
{
    QList<int> columns;
    for (const QModelIndex &index : view()->selectionModel()->selectedColumns())
        columns.append(index.column());
    return columns;
}

QList<int> AccessibleGrid::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : view()->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

bool AccessibleGrid::isColumnSelected(int column) const
{
    return view()->selectionModel()->isColumnSelected(column, view()->rootIndex());
}

bool AccessibleGrid::isRowSelected(int row) const
{
    return view()->selectionModel()->isRowSelected(row, view()->rootIndex());
}

// Rows come and go with each decoder type; the cells of the old ones go with them.
void AccessibleGrid::modelChange(QAccessibleTableModelChangeEvent *event)
{
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
        forgetChildren();
}

QAccessibleInterface *AccessibleGrid::makeChild(int index) const
{
    const int row = index / (columnCount() + 1) - 1;
    const int column = index % (columnCount() + 1) - 1;
    if (row < 0)
        return new AccessibleGridHeader(view(), Qt::Horizontal, column);
    if (column < 0)
        return new AccessibleGridHeader(view(), Qt::Vertical, row);
    return new AccessibleGridCell(view(), view()->model()->index(row, column, view()->rootIndex()));
}

// The view's own button that selects everything; the toolkit describes it.
QAccessibleInterface *AccessibleGrid::cornerButton() const
{
    return QAccessible::queryAccessibleInterface(
        view()->findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly));
}

void AccessibleGrid::forgetChildren()
{
    for (const QAccessible::Id id : qAsConst(childIds))
        QAccessible::deleteAccessibleInterface(id);
    childIds.clear();
}
