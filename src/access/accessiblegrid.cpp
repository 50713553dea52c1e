#include "accessiblegrid.h"

#include "accessiblegridcell.h"
#include "accessiblegridheader.h"
#include "freshid.h"
#include "gridchildren.h"

#include <QAbstractButton>
#include <QTableView>

AccessibleGrid::AccessibleGrid(QTableView *view)
    : QAccessibleWidget(view, QAccessible::Table)
{
}

AccessibleGrid::~AccessibleGrid()
{
    forgetChildren();
}

QTableView *AccessibleGrid::view() const
{
    return static_cast<QTableView *>(widget());
}

QAccessibleInterface *AccessibleGrid::childAt(int x, int y) const
{
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? cellChild(index) : nullptr;
}

QAccessibleInterface *AccessibleGrid::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    if (view()->hasFocus() && current.isValid())
        return cellChild(current);
    return QAccessibleWidget::focusChild();
}

int AccessibleGrid::childCount() const
{
    return (rowCount() + 1) * (columnCount() + 1);
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

QAccessibleInterface *AccessibleGrid::caption() const
{
    return nullptr;
}

QAccessibleInterface *AccessibleGrid::summary() const
{
    return nullptr;
}

QAccessibleInterface *AccessibleGrid::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return child(gridChildIndex(row, column, columnCount()));
}

int AccessibleGrid::selectedCellCount() const
{
    return view()->selectionModel()->selectedIndexes().size();
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

int AccessibleGrid::selectedColumnCount() const
{
    return selectedColumns().size();
}

int AccessibleGrid::selectedRowCount() const
{
    return selectedRows().size();
}

int AccessibleGrid::columnCount() const
{
    return view()->model()->columnCount();
}

int AccessibleGrid::rowCount() const
{
    return view()->model()->rowCount();
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

// The grid selects single cells only, as the user does with keys and mouse.
bool AccessibleGrid::selectRow(int)
{
    return false;
}

bool AccessibleGrid::selectColumn(int)
{
    return false;
}

bool AccessibleGrid::unselectRow(int)
{
    return false;
}

bool AccessibleGrid::unselectColumn(int)
{
    return false;
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

QAccessibleInterface *AccessibleGrid::cellChild(const QModelIndex &index) const
{
    return child(gridChildIndex(index.row(), index.column(), columnCount()));
}

void AccessibleGrid::forgetChildren()
{
    for (const QAccessible::Id id : qAsConst(childIds))
        QAccessible::deleteAccessibleInterface(id);
    childIds.clear();
}
