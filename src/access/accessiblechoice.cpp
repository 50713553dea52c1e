#include "accessiblechoice.h"

#include <QAbstractItemView>
#include <QComboBox>

AccessibleChoice::AccessibleChoice(QComboBox *choice)
    : QAccessibleWidget(choice, QAccessible::ComboBox)
{
}

QComboBox *AccessibleChoice::choice() const
{
    return static_cast<QComboBox *>(widget());
}

// The list of entries, as the toolkit describes it.
QAccessibleInterface *AccessibleChoice::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(choice()->view()) : nullptr;
}

int AccessibleChoice::childCount() const
{
    return 1;
}

int AccessibleChoice::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == choice()->view() ? 0 : -1;
}

QString AccessibleChoice::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return choice()->currentText();
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleChoice::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = choice()->view()->isVisible();
    return state;
}

QStringList AccessibleChoice::actionNames() const
{
    return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
}

void AccessibleChoice::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (choice()->view()->isVisible())
        choice()->hidePopup();
    else
        choice()->showPopup();
}

void *AccessibleChoice::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

// Orca speaks a new entry when the caret in the choice's text moves, but not
// when it moves to where it already was: each new entry puts it at the other
// end of the text.
int AccessibleChoice::cursorPosition() const
{
    if (choice()->currentIndex() != lastIndex) {
        lastIndex = choice()->currentIndex();
        caretAtEnd = !caretAtEnd;
    }
    return caretAtEnd ? characterCount() : 0;
}

QString AccessibleChoice::shownText() const
{
    return choice()->currentText();
}
