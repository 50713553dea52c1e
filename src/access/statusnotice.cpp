#include "statusnotice.h"

#include "accessibility.h"

#include <QPointer>
#include <QStatusBar>

namespace {

// The last message, as the screen reader reads it when told it appeared.
class Notice : public AccessibleLeaf
{
public:
    explicit Notice(QStatusBar *bar) : bar(bar) {}

    bool isValid() const override { return bar; }
    QAccessibleInterface *parent() const override
    {
        return bar ? QAccessible::queryAccessibleInterface(bar) : nullptr;
    }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? message : QString(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

    QString message;

private:
    QPointer<QStatusBar> bar;
};

} // namespace

StatusNotice::StatusNotice(QStatusBar *bar)
    : QObject(bar), bar(bar), noticeId(QAccessible::registerAccessibleInterface(new Notice(bar)))
{
}

StatusNotice::~StatusNotice()
{
    QAccessible::deleteAccessibleInterface(noticeId);
}

void StatusNotice::show(const QString &message)
{
    bar->showMessage(message);
    if (!QAccessible::isActive())
        return;
    auto *notice = static_cast<Notice *>(QAccessible::accessibleInterface(noticeId));
    notice->message = message;
    // Screen readers that keep what they were told of an object (Orca 48
    // does) would read the notice by its last message without this.
    QAccessibleEvent renamed(notice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
