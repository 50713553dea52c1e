#include "freshid.h"

#include <QAccessibleInterface>
#include <QRect>

namespace {

// Stands on a used-up id; to anyone who asks, an object that is gone.
class Placeholder : public QAccessibleInterface
{
public:
    bool isValid() const override { return false; }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text) const override { return QString(); }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::NoRole; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invalid = true;
        return state;
    }
};

QAccessible::Id placeholder = 0;

} // namespace

QAccessible::Id registerWithFreshId(QAccessibleInterface *iface)
{
    const QAccessible::Id previous = placeholder;
    placeholder = QAccessible::registerAccessibleInterface(new Placeholder);
    // Its id lies below the newest, where the toolkit never looks for a free one.
    if (previous)
        QAccessible::deleteAccessibleInterface(previous);
    return QAccessible::registerAccessibleInterface(iface);
}
