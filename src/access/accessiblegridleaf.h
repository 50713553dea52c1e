#ifndef ACCESSIBLEGRIDLEAF_H
#define ACCESSIBLEGRIDLEAF_H

#include <QAccessibleInterface>
#include <QPointer>

class QTableView;

// A part of the mapping grid that screen readers see but that is no object of
// its own: a cell or a header. It has no children, and the grid speaks for it
// in events.
class AccessibleGridLeaf : public QAccessibleInterface
{
public:
    explicit AccessibleGridLeaf(QTableView *view);

    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

protected:
    QPointer<QTableView> view;
};

#endif // ACCESSIBLEGRIDLEAF_H
