#ifndef STATUSNOTICE_H
#define STATUSNOTICE_H

#include <QAccessible>
#include <QObject>

class QStatusBar;
class QString;

// Shows a message in the status bar and tells it to screen readers, as a
// notification of the status bar that appears: a status bar's message changes
// without an event, and Qt 5 has no event that only announces a text.
class StatusNotice : public QObject
{
    Q_OBJECT

public:
    explicit StatusNotice(QStatusBar *bar);
    ~StatusNotice() override;

    void show(const QString &message);

private:
    QStatusBar *bar;
    QAccessible::Id noticeId;
};

#endif // STATUSNOTICE_H
