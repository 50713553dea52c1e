#ifndef ACCESSIBLEGRID_H
#define ACCESSIBLEGRID_H

#include "accessiblebase.h"
#include "accessibletext.h"
#include "gridshape.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>
#include <QWindow>

// The mapping grid as screen readers see it. Its children are numbered as the
// toolkit's table views number them in their focus and selection events: row
// by row, the header row and the header column included.
//
//   TABLE "Funktionszuordnung"          AccessibleGrid
//   |- corner button                    child 0, the view's own
//   |- COLUMN HEADER "F0 v" .. "F12"    AccessibleGridHeader, children 1 to 14
//   |- ROW HEADER "Licht vorwärts" ..   AccessibleGridHeader, first of each row
//   |- CELL                             AccessibleGridCell: a check box, a CV
//                                       number, a value or an unused output
//
// Headers and cells are made when first asked for, each under an id no object
// had before, and forgotten when the grid's rows change.

// Row or column -1 stands for the header.
inline int gridChildIndex(int row, int column, int columnCount)
{
    return (row + 1) * (columnCount + 1) + column + 1;
}

inline CellKind cellKindOf(const QModelIndex &index)
{
    return GridShape(index.model()->rowCount(), index.model()->columnCount()).cellKind(index.row(), index.column());
}
// A row's label, or "Ausgang 3" for an output the definition file leaves unnamed.
QString rowName(const QAbstractItemModel *model, int row);
// "Licht vorwärts, F1", "CV 35, F1", "Wert F1", "nicht belegt".
QString cellName(const QModelIndex &index);

class AccessibleGrid : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit AccessibleGrid(QTableView *view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~AccessibleGrid() override { forgetChildren(); }

    QRect rect() const override { return toAssistiveTechnology(widget(), QAccessibleWidget::rect()); }
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    int childCount() const override { return (rowCount() + 1) * (columnCount() + 1); }
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return view()->selectionModel()->selectedIndexes().size(); }
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return selectedColumns().size(); }
    int selectedRowCount() const override { return selectedRows().size(); }
    int columnCount() const override { return view()->model()->columnCount(); }
    int rowCount() const override { return view()->model()->rowCount(); }
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    // The grid selects single cells only, as the user does with keys and mouse.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    QTableView *view() const { return static_cast<QTableView *>(widget()); }
    QAccessibleInterface *makeChild(int index) const;
    QAccessibleInterface *cornerButton() const;
    QAccessibleInterface *cellChild(const QModelIndex &index) const
    {
        return child(gridChildIndex(index.row(), index.column(), columnCount()));
    }
    void forgetChildren();

    mutable QHash<int, QAccessible::Id> childIds;
};

// A header or a cell: no object of its own, a child of the grid, which speaks
// for it in events.
class AccessibleGridLeaf : public AccessibleLeaf
{
public:
    explicit AccessibleGridLeaf(QTableView *view) : view(view) {}

    QWindow *window() const override { return view ? view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(view); }

protected:
    QPointer<QTableView> view;
};

// For screen readers that announce the headers of the cell they read.
class AccessibleGridHeader : public AccessibleGridLeaf
{
public:
    AccessibleGridHeader(QTableView *view, Qt::Orientation orientation, int section)
        : AccessibleGridLeaf(view), orientation(orientation), section(section)
    {
    }

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override
    {
        return orientation == Qt::Horizontal ? QAccessible::ColumnHeader : QAccessible::RowHeader;
    }
    QAccessible::State state() const override;

private:
    Qt::Orientation orientation;
    int section;
};

class AccessibleGridCell : public AccessibleGridLeaf,
                           public QAccessibleTableCellInterface,
                           public QAccessibleActionInterface,
                           public ReadOnlyText
{
public:
    AccessibleGridCell(QTableView *view, const QModelIndex &index) : AccessibleGridLeaf(view), index(index) {}

    bool isValid() const override { return view && index.isValid(); }
    using ReadOnlyText::text;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override { return isValid() && view->selectionModel()->isSelected(index); }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return headerCells(-1, index.column()); }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return headerCells(index.row(), -1); }
    int columnIndex() const override { return index.column(); }
    int rowIndex() const override { return index.row(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

protected:
    QString shownText() const override { return isValid() ? index.data(Qt::DisplayRole).toString() : QString(); }
    const QWidget *textWidget() const override { return view ? view->viewport() : nullptr; }
    QRect textArea() const override;

private:
    bool isBox() const { return isValid() && cellKindOf(index) == CellKind::Box; }
    bool showsNumber() const;
    bool canToggle() const;
    QList<QAccessibleInterface *> headerCells(int row, int column) const;

    QPersistentModelIndex index;
};

#endif // ACCESSIBLEGRID_H
