#ifndef BARELEAF_H
#define BARELEAF_H

#include <QAccessibleInterface>
#include <QRect>

// An accessible thing that is no widget and has no children, no place on the
// screen and no text anyone may set: what remains is its name, role, state
// and parent.
class BareLeaf : public QAccessibleInterface
{
public:
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return QRect(); }
};

#endif // BARELEAF_H
