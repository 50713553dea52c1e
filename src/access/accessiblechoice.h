#ifndef ACCESSIBLECHOICE_H
#define ACCESSIBLECHOICE_H

#include "accessibletext.h"

#include <QAccessibleWidget>
#include <QComboBox>

// The decoder-type choice, named "Decodertyp" and giving the chosen entry as
// its value and as a text: older screen readers read a combo box's value from
// its text when, as with this toolkit, it offers no selection to read it from.
// Over AT-SPI, where newer ones read the value from the name, the name is the
// entry and "Decodertyp" a label of its own, as a label beside the choice
// would be; the window draws none.
class AccessibleChoice : public QAccessibleWidget, public ReadOnlyText
{
public:
    explicit AccessibleChoice(QComboBox *choice);
    ~AccessibleChoice() override;

    QRect rect() const override;
    // One child: the list of entries, as the toolkit describes it.
    QAccessibleInterface *child(int index) const override;
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface *child) const override;
    using ReadOnlyText::text;
    QString text(QAccessible::Text t) const override;
    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    int cursorPosition() const override;

protected:
    QString shownText() const override;
    const QWidget *textWidget() const override { return choice(); }
    QRect textArea() const override;

private:
    QComboBox *choice() const { return static_cast<QComboBox *>(widget()); }

    QAccessible::Id labelId;
    mutable int lastIndex = -1;
    mutable bool caretAtEnd = false;
};

#endif // ACCESSIBLECHOICE_H
