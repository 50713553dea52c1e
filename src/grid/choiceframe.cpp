#include "choiceframe.h"

#include "cellpainting.h"
#include "contrast.h"

#include <QCheckBox>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QWidget>

ChoiceFrame::ChoiceFrame(QWidget *choice) : QObject(choice), choice(choice)
{
    choice->installEventFilter(this);
    choice->parentWidget()->installEventFilter(this);
}

bool ChoiceFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == choice && event->type() == QEvent::Paint && qobject_cast<QCheckBox *>(choice)) {
        paintCheckBox(event);
        return true;
    }
    if (watched == choice) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
            choice->parentWidget()->update();
            break;
        default:
            break;
        }
    } else if (event->type() == QEvent::Paint) {
        // The holder draws nothing of its own; the choice is drawn over it after.
        paint();
    }
    return false;
}

// The style's box may stand out fainter than 3:1 (Fusion's edge is 1.9:1 on
// white): the box is drawn over it as the grid draws its own.
void ChoiceFrame::paintCheckBox(QEvent *event)
{
    auto *box = static_cast<QCheckBox *>(choice);
    static_cast<QObject *>(box)->event(event); // the style's drawing, text and all
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QPainter painter(box);
    paintBox(&painter, indicator, box->palette(), box->palette().color(QPalette::Active, QPalette::Window),
             box->isChecked(), false);
}

void ChoiceFrame::paint()
{
    // A form may hide the fields its other settings do not need.
    if (choice->isHidden())
        return;
    QWidget *holder = choice->parentWidget();
    const QPalette &palette = holder->palette();
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    QPainter painter(holder);
    if (choice->hasFocus()) {
        const int w = FocusRingWidth;
        paintFocusRing(&painter, choice->geometry().adjusted(-w, -w, w, w), focusRingColour(palette, window));
    } else {
        paintFocusRing(&painter, choice->geometry().adjusted(-1, -1, 1, 1),
                       firstContrasting(window, {palette.color(QPalette::Active, QPalette::Shadow),
                                                 palette.color(QPalette::Active, QPalette::WindowText)}));
    }
}

void frameFields(QWidget *form)
{
    for (QWidget *field : form->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (field->focusPolicy() & Qt::TabFocus)
            new ChoiceFrame(field);
}
