#ifndef GRIDANNOUNCER_H
#define GRIDANNOUNCER_H

#include <QAccessible>
#include <QMetaObject>
#include <QObject>
#include <QVector>

class QModelIndex;
class QTableView;

// Tells assistive technology that a box was ticked or cleared, or that a
// value changed, whoever made the change: the user, a box's action, or the
// grid itself following a typed value; and which cell has the focus when the
// grid gets it. It listens to the grid only while assistive technology is
// active, so that the grid pays nothing otherwise.
class GridAnnouncer : public QObject, public QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    explicit GridAnnouncer(QTableView *view);
    ~GridAnnouncer() override;

    void accessibilityActiveChanged(bool active) override;

private:
    void announce(const QModelIndex &index, const QVector<int> &roles);
    void announceCurrentCell();

    QTableView *view;
    QVector<QMetaObject::Connection> listening;
};

#endif // GRIDANNOUNCER_H
