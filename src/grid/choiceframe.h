#ifndef CHOICEFRAME_H
#define CHOICEFRAME_H

#include <QObject>

class QWidget;

// Draws around the decoder-type choice, or another field, on the widget that
// holds it, an outline that stands out from the window at 3:1, and while the
// field has the focus a ring twice as thick in the highlight colour. Styles
// draw both fainter, and show the focus only once a key has moved it, so that
// the choice, which has the focus from the start, would show none at first.
class ChoiceFrame : public QObject
{
    Q_OBJECT

public:
    explicit ChoiceFrame(QWidget *choice);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paint();
    void paintCheckBox(QEvent *event);

    QWidget *choice;
};

// Frames, as the choice is framed, every field that the form holds itself and
// that takes the focus by key: the station dialog's boxes stand out alike,
// and a check box's own box is drawn as the grid draws its boxes.
void frameFields(QWidget *form);

#endif // CHOICEFRAME_H
