#ifndef ACCESSIBLEBASE_H
#define ACCESSIBLEBASE_H

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QRect>
#include <QWidget>

// What every interface of ours builds on.

// Where assistive technology is told a thing lies, and where it points. The
// window measures in device-independent pixels; AT-SPI hands a place on as it
// is, but magnifiers count the X server's pixels, which the display's scale
// multiplies. UI Automation converts it itself. Every place our interfaces
// give or take on the screen passes through these two, with the widget it is
// drawn in.
QRect toAssistiveTechnology(const QWidget *widget, const QRect &rect);
QPoint fromAssistiveTechnology(const QWidget *widget, const QPoint &point);

// An accessible thing that is no widget and has no children, no place on the
// screen and no text anyone may set: what remains is its name, role, state
// and parent.
class AccessibleLeaf : public QAccessibleInterface
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

// A leaf that belongs to a widget: it lives as long as the widget does, and
// stands below the interface of the widget's parent, or of the widget itself.
template <typename Owner>
class WidgetLeaf : public AccessibleLeaf
{
public:
    explicit WidgetLeaf(Owner *owner, bool belowParent = false) : owner(owner), belowParent(belowParent) {}

    bool isValid() const override { return owner; }
    QAccessibleInterface *parent() const override
    {
        if (!owner)
            return nullptr;
        return QAccessible::queryAccessibleInterface(belowParent ? owner->parentWidget() : owner.data());
    }

protected:
    QPointer<Owner> owner;

private:
    bool belowParent;
};

#endif // ACCESSIBLEBASE_H
