#include "accessiblegridcell.h"

#include "cellkind.h"
#include "gridchildren.h"

#include <QKeySequence>
#include <QTableView>

AccessibleGridCell::AccessibleGridCell(QTableView *view, const QModelIndex &index)
    : AccessibleGridLeaf(view), index(index)
{
}

bool AccessibleGridCell::isValid() const
{
    return view && index.isValid();
}

QString AccessibleGridCell::text(QAccessible::Text t) const
{
    if (!isValid())
        return QString();
    if (t == QAccessible::Name)
        return cellName(index);
    if (t == QAccessible::Value && showsText())
        return shownText();
    return QString();
}

// Names come from the grid; values change through the cell's editor.
void AccessibleGridCell::setText(QAccessible::Text, const QString &)
{
}

QRect AccessibleGridCell::rect() const
{
    if (!isValid())
        return QRect();
    const QRect inViewport = view->visualRect(index);
    return QRect(view->viewport()->mapToGlobal(inViewport.topLeft()), inViewport.size());
}

// A number cell is a text of its own: as a plain table cell, screen readers
// would read out its whole row on arriving in it.
QAccessible::Role AccessibleGridCell::role() const
{
    if (!isValid())
        return QAccessible::Cell;
    switch (cellKind(index)) {
    case CellKind::Box:
    case CellKind::LockedBox:
        return QAccessible::CheckBox;
    case CellKind::CvNumber:
        return QAccessible::StaticText;
    case CellKind::Value:
        return QAccessible::EditableText;
    case CellKind::Unused:
        break;
    }
    return QAccessible::Cell;
}

QAccessible::State AccessibleGridCell::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const Qt::ItemFlags flags = index.flags();
    state.disabled = !flags.testFlag(Qt::ItemIsEnabled);
    // The arrow keys reach every cell but those outside the windows.
    state.focusable = cellKind(index) != CellKind::Unused;
    state.focused = view->hasFocus() && view->currentIndex() == index;
    state.selectable = flags.testFlag(Qt::ItemIsSelectable);
    state.selected = view->selectionModel()->isSelected(index);
    state.invisible = !view->isVisible() || !view->viewport()->rect().intersects(view->visualRect(index));
    if (isBox()) {
        state.checkable = true;
        state.checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    } else if (showsText()) {
        state.editable = flags.testFlag(Qt::ItemIsEditable);
        state.readOnly = !state.editable;
    }
    return state;
}

void *AccessibleGridCell::interface_cast(QAccessible::InterfaceType type)
{
    switch (type) {
    case QAccessible::TableCellInterface:
        return static_cast<QAccessibleTableCellInterface *>(this);
    case QAccessible::ActionInterface:
        return static_cast<QAccessibleActionInterface *>(this);
    // Only a value has text to read in parts and to change. A CV cell says
    // its number in its name: given a text, newer Orca speaks that bare number.
    case QAccessible::TextInterface:
        return isValid() && cellKind(index) == CellKind::Value ? static_cast<QAccessibleTextInterface *>(this)
                                                               : nullptr;
    default:
        return nullptr;
    }
}

bool AccessibleGridCell::isSelected() const
{
    return isValid() && view->selectionModel()->isSelected(index);
}

QList<QAccessibleInterface *> AccessibleGridCell::columnHeaderCells() const
{
    return headerCells(-1, index.column());
}

QList<QAccessibleInterface *> AccessibleGridCell::rowHeaderCells() const
{
    return headerCells(index.row(), -1);
}

int AccessibleGridCell::columnIndex() const
{
    return index.column();
}

int AccessibleGridCell::rowIndex() const
{
    return index.row();
}

int AccessibleGridCell::columnExtent() const
{
    return 1;
}

int AccessibleGridCell::rowExtent() const
{
    return 1;
}

QAccessibleInterface *AccessibleGridCell::table() const
{
    return parent();
}

QStringList AccessibleGridCell::actionNames() const
{
    if (canToggle())
        return {toggleAction()};
    return {};
}

// The same change of data that clicking the box makes, so the value follows
// through the grid's own cell-edit handling.
void AccessibleGridCell::doAction(const QString &actionName)
{
    if (actionName != toggleAction() || !canToggle())
        return;
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    view->model()->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

QStringList AccessibleGridCell::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == toggleAction() && canToggle())
        return {QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText)};
    return {};
}

QString AccessibleGridCell::shownText() const
{
    return isValid() ? index.data(Qt::DisplayRole).toString() : QString();
}

bool AccessibleGridCell::isBox() const
{
    return isValid() && ::isBox(cellKind(index));
}

bool AccessibleGridCell::showsText() const
{
    return isValid() && showsNumber(cellKind(index));
}

bool AccessibleGridCell::canToggle() const
{
    return isValid() && view->isEnabled() && cellKind(index) == CellKind::Box
        && index.flags().testFlag(Qt::ItemIsUserCheckable);
}

QList<QAccessibleInterface *> AccessibleGridCell::headerCells(int row, int column) const
{
    QAccessibleInterface *grid = parent();
    if (!isValid() || !grid)
        return {};
    if (QAccessibleInterface *header = grid->child(gridChildIndex(row, column, view->model()->columnCount())))
        return {header};
    return {};
}
