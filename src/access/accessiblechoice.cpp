#include "accessiblechoice.h"

#include "accessiblebase.h"

#include <QAbstractItemView>
#include <QGuiApplication>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

// The choice's name, as a label that is not drawn: the window shows none.
class ChoiceLabel : public WidgetLeaf<QComboBox>
{
public:
    explicit ChoiceLabel(QComboBox *choice) : WidgetLeaf(choice, true) {}

    QString text(QAccessible::Text t) const override
    {
        return owner && t == QAccessible::Name ? owner->accessibleName() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return QAccessible::State(); }
};

// Screen readers on AT-SPI (Orca since release 44) take a combo box's value
// from its name, and its name from a label; UI Automation takes the value from
// the value.
bool namedByLabel()
{
    return QGuiApplication::platformName() == QLatin1String("xcb")
        || QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

AccessibleChoice::AccessibleChoice(QComboBox *choice)
    : QAccessibleWidget(choice, QAccessible::ComboBox),
      labelId(QAccessible::registerAccessibleInterface(new ChoiceLabel(choice)))
{
}

AccessibleChoice::~AccessibleChoice()
{
    QAccessible::deleteAccessibleInterface(labelId);
}

QRect AccessibleChoice::rect() const
{
    return toAssistiveTechnology(choice(), QAccessibleWidget::rect());
}

QAccessibleInterface *AccessibleChoice::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(choice()->view()) : nullptr;
}

int AccessibleChoice::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == choice()->view() ? 0 : -1;
}

QString AccessibleChoice::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value || (t == QAccessible::Name && namedByLabel()))
        return choice()->currentText();
    return QAccessibleWidget::text(t);
}

QVector<QPair<QAccessibleInterface *, QAccessible::Relation>>
AccessibleChoice::relations(QAccessible::Relation match) const
{
    auto related = QAccessibleWidget::relations(match);
    if (namedByLabel() && (match & QAccessible::Label))
        related.append({QAccessible::accessibleInterface(labelId), QAccessible::Label});
    return related;
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

// The style draws the chosen entry in the edit field, a pixel in from each side.
QRect AccessibleChoice::textArea() const
{
    QStyleOptionComboBox option;
    option.initFrom(choice());
    option.editable = choice()->isEditable();
    option.frame = choice()->hasFrame();
    option.currentText = choice()->currentText();
    return choice()->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, choice())
        .adjusted(1, 0, -1, 0);
}
