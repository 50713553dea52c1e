#include "statusnotice.h"

#include "accessiblebase.h"

#include <QStatusBar>

namespace {

// The last message, as the screen reader reads it when told it appeared.
class Notice : public WidgetLeaf<QStatusBar>
{
public:
    using WidgetLeaf::WidgetLeaf;

    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? message : QString(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

    QString message;
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
