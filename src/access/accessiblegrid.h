#ifndef ACCESSIBLEGRID_H
#define ACCESSIBLEGRID_H

#include <QAccessibleWidget>
#include <QHash>

class QTableView;

// The mapping grid as screen readers see it: a table whose cells say what
// they are (see AccessibleGridCell), numbered as the view numbers them in its
// own focus and selection events.
class AccessibleGrid : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit AccessibleGrid(QTableView *view);
    ~AccessibleGrid() override;

    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *caption() const override;
    QAccessibleInterface *summary() const override;
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    QTableView *view() const;
    QAccessibleInterface *makeChild(int index) const;
    QAccessibleInterface *cornerButton() const;
    QAccessibleInterface *cellChild(const QModelIndex &index) const;
    void forgetChildren();

    mutable QHash<int, QAccessible::Id> childIds;
};

#endif // ACCESSIBLEGRID_H
