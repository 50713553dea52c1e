#include "accessiblegrid.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeySequence>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace {

QString headerText(const QModelIndex &index, Qt::Orientation orientation)
{
    const int section = orientation == Qt::Horizontal ? index.column() : index.row();
    return index.model()->headerData(section, orientation).toString();
}

} // namespace

// Outputs the definition file leaves unnamed show an empty label.
QString rowName(const QAbstractItemModel *model, int row)
{
    const QString label = model->headerData(row, Qt::Vertical).toString();
    if (!label.isEmpty())
        return label;
    return QCoreApplication::translate("MainWindow", "Ausgang %1").arg(row + 1);
}

QString cellName(const QModelIndex &index)
{
    const QString function = headerText(index, Qt::Horizontal);
    switch (cellKindOf(index)) {
    case CellKind::Box:
        return QStringLiteral("%1, %2").arg(rowName(index.model(), index.row()), function);
    case CellKind::Unused:
        return QCoreApplication::translate("MainWindow", "nicht belegt");
    case CellKind::CvNumber:
        return QStringLiteral("%1 %2, %3").arg(headerText(index, Qt::Vertical), index.data().toString(), function);
    case CellKind::Value:
        return QStringLiteral("%1 %2").arg(headerText(index, Qt::Vertical), function);
    }
    return QString();
}

bool AccessibleGridHeader::isValid() const
{
    if (!view || !view->model())
        return false;
    const int count = orientation == Qt::Horizontal ? view->model()->columnCount() : view->model()->rowCount();
    return section >= 0 && section < count;
}

QString AccessibleGridHeader::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return QString();
    if (orientation == Qt::Vertical)
        return rowName(view->model(), section);
    return view->model()->headerData(section, orientation).toString();
}

QRect AccessibleGridHeader::rect() const
{
    if (!isValid())
        return QRect();
    const QHeaderView *header = orientation == Qt::Horizontal ? view->horizontalHeader() : view->verticalHeader();
    const QPoint origin = header->viewport()->mapToGlobal(QPoint(0, 0));
    const int start = header->sectionViewportPosition(section);
    const QRect place = orientation == Qt::Horizontal
        ? QRect(origin.x() + start, origin.y(), header->sectionSize(section), header->height())
        : QRect(origin.x(), origin.y() + start, header->width(), header->sectionSize(section));
    return toAssistiveTechnology(view, place);
}

QAccessible::State AccessibleGridHeader::state() const
{
    QAccessible::State state;
    state.invalid = !isValid();
    state.readOnly = true;
    return state;
}

QString AccessibleGridCell::text(QAccessible::Text t) const
{
    if (!isValid())
        return QString();
    if (t == QAccessible::Name)
        return cellName(index);
    if (t == QAccessible::Value && showsNumber())
        return shownText();
    return QString();
}

QRect AccessibleGridCell::rect() const
{
    if (!isValid())
        return QRect();
    const QRect inViewport = view->visualRect(index);
    return toAssistiveTechnology(view, QRect(view->viewport()->mapToGlobal(inViewport.topLeft()), inViewport.size()));
}

// The item style draws a cell's text in its text area, a focus frame's margin
// and a pixel in from each side; laid out in the view's font and alignment,
// as the view has it drawn: some styles fit the area to the text's height
// and place it by the alignment.
QRect AccessibleGridCell::textArea() const
{
    if (!isValid())
        return QRect();
    QStyleOptionViewItem option;
    option.initFrom(view->viewport());
    option.font = view->font();
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.rect = view->visualRect(index);
    option.text = shownText();
    option.features = QStyleOptionViewItem::HasDisplay;
    const QStyle *style = view->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return style->subElementRect(QStyle::SE_ItemViewItemText, &option, view).adjusted(margin, 0, -margin, 0);
}

// A number cell is a text of its own: as a plain table cell, screen readers
// would read out its whole row on arriving in it.
QAccessible::Role AccessibleGridCell::role() const
{
    if (!isValid())
        return QAccessible::Cell;
    switch (cellKindOf(index)) {
    case CellKind::Box:
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
    state.focusable = cellKindOf(index) != CellKind::Unused;
    state.focused = view->hasFocus() && view->currentIndex() == index;
    state.selectable = flags.testFlag(Qt::ItemIsSelectable);
    state.selected = view->selectionModel()->isSelected(index);
    state.invisible = !view->isVisible() || !view->viewport()->rect().intersects(view->visualRect(index));
    if (isBox()) {
        state.checkable = true;
        state.checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    } else if (showsNumber()) {
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
        return isValid() && cellKindOf(index) == CellKind::Value ? static_cast<QAccessibleTextInterface *>(this)
                                                               : nullptr;
    default:
        return nullptr;
    }
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

bool AccessibleGridCell::showsNumber() const
{
    if (!isValid())
        return false;
    const CellKind kind = cellKindOf(index);
    return kind == CellKind::CvNumber || kind == CellKind::Value;
}

// Not a locked box: one whose item is disabled.
bool AccessibleGridCell::canToggle() const
{
    if (!isBox() || !view->isEnabled())
        return false;
    const Qt::ItemFlags flags = index.flags();
    return flags.testFlag(Qt::ItemIsEnabled) && flags.testFlag(Qt::ItemIsUserCheckable);
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
