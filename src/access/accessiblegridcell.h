#ifndef ACCESSIBLEGRIDCELL_H
#define ACCESSIBLEGRIDCELL_H

#include "accessiblegridleaf.h"
#include "accessibletext.h"

#include <QPersistentModelIndex>

// One cell of the mapping grid as screen readers see it: a check box named
// after its output and function, a CV number, a value, or an unused output.
class AccessibleGridCell : public AccessibleGridLeaf,
                           public QAccessibleTableCellInterface,
                           public QAccessibleActionInterface,
                           public ReadOnlyText
{
public:
    AccessibleGridCell(QTableView *view, const QModelIndex &index);

    bool isValid() const override;
    using ReadOnlyText::text;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override;
    int rowExtent() const override;
    QAccessibleInterface *table() const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

protected:
    QString shownText() const override;

private:
    bool isBox() const;
    bool showsText() const;
    bool canToggle() const;
    QList<QAccessibleInterface *> headerCells(int row, int column) const;

    QPersistentModelIndex index;
};

#endif // ACCESSIBLEGRIDCELL_H
