#ifndef GRIDANNOUNCER_H
#define GRIDANNOUNCER_H

#include <QAccessible>
#include <QMetaObject>
#include <QObject>
#include <QVector>

class QComboBox;
class QModelIndex;
class QTableView;

// Tells assistive technology what changed: a box ticked or cleared, or a
// value changed, whoever made the change (the user, a box's action, or the
// grid itself following a typed value); which cell has the focus when the
// grid gets it; and which decoder type was chosen. It listens only while
// assistive technology is active, so that the grid pays nothing otherwise.
class GridAnnouncer : public QObject, public QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    GridAnnouncer(QComboBox *choice, QTableView *view);
    ~GridAnnouncer() override { QAccessible::removeActivationObserver(this); }

    void accessibilityActiveChanged(bool active) override;
    // Many cells changed at once (a paste, an undo): each change is left untold
    // while `told` is false, and the status bar's notice says what changed.
    void tellCellChanges(bool told) { cellChangesTold = told; }

private:
    void announce(const QModelIndex &index, const QVector<int> &roles);
    void announceCurrentCell();
    void announceTypeChange();

    QComboBox *choice;
    QTableView *view;
    QVector<QMetaObject::Connection> listening;
    // Set when the grid's rows go or come, cleared once the new type is told.
    // The window's own guard, updating, cannot serve: the window clears it
    // before writing the new type's values, so that the cell-edit slot ticks
    // their boxes, and those writes are no news to a listener either.
    bool rebuilding = false;
    bool cellChangesTold = true;
};

// Leaves the grid's cell changes untold while it lives.
class CellChangesUntold
{
public:
    explicit CellChangesUntold(QTableView *view);
    ~CellChangesUntold();
    CellChangesUntold(const CellChangesUntold &) = delete;
    CellChangesUntold &operator=(const CellChangesUntold &) = delete;

private:
    GridAnnouncer *announcer;
};

#endif // GRIDANNOUNCER_H
