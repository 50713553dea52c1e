#ifndef ACCESSIBLECHOICE_H
#define ACCESSIBLECHOICE_H

#include <QAccessibleWidget>

class QComboBox;

// The decoder-type choice under a name of its own. The toolkit's combo box
// reports its current entry as its name on Linux, where only a label beside
// it would name it; the window has no such label.
class AccessibleChoice : public QAccessibleWidget
{
public:
    explicit AccessibleChoice(QComboBox *choice);

    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QComboBox *choice() const;
};

#endif // ACCESSIBLECHOICE_H
