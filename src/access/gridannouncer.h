#ifndef GRIDANNOUNCER_H
#define GRIDANNOUNCER_H

#include <QAccessible>
#include <QMetaObject>
#include <QObject>
#include <QVector>

class QComboBox;
class QModelIndex;
class QTableView;

// Tells assistive technology that a box was ticked or cleared, or that a
// value changed, whoever made the change: the user, a box's action, or the
// grid itself following a typed value; which cell has the focus when the grid
// gets it; and which decoder type was chosen. Rebuilding the grid for a new
// type makes new cells, so it sends one notice of that instead of an event
// for each of its hundreds of changes, which would keep a screen reader busy
// for seconds. It listens only while assistive technology is active, so that
// the grid pays nothing otherwise.
class GridAnnouncer : public QObject, public QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    GridAnnouncer(QComboBox *choice, QTableView *view);
    ~GridAnnouncer() override;

    void accessibilityActiveChanged(bool active) override;

private:
    void announce(const QModelIndex &index, const QVector<int> &roles);
    void announceCurrentCell();
    void announceNewType();

    QComboBox *choice;
    QTableView *view;
    QVector<QMetaObject::Connection> listening;
    bool rebuilding = false;
};

#endif // GRIDANNOUNCER_H
