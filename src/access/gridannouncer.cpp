#include "gridannouncer.h"

#include "accessiblegrid.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>

GridAnnouncer::GridAnnouncer(QComboBox *choice, QTableView *view)
    : QObject(view), choice(choice), view(view)
{
    QAccessible::installActivationObserver(this);
    accessibilityActiveChanged(QAccessible::isActive());
}

void GridAnnouncer::accessibilityActiveChanged(bool active)
{
    if (!active) {
        for (const QMetaObject::Connection &connection : qAsConst(listening))
            disconnect(connection);
        listening.clear();
        return;
    }
    // Switched on again while on: one listener, so that every change is told once.
    if (!listening.isEmpty())
        return;
    listening.append(connect(view->model(), &QAbstractItemModel::dataChanged, this,
                             [this](const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                    const QVector<int> &roles) {
                                 if (topLeft == bottomRight && !rebuilding && cellChangesTold)
                                     announce(topLeft, roles);
                             }));
    // Rows go and come only when a type is chosen.
    for (auto rowsChange : {&QAbstractItemModel::rowsAboutToBeRemoved, &QAbstractItemModel::rowsAboutToBeInserted})
        listening.append(connect(view->model(), rowsChange, this, [this] { rebuilding = true; }));
    listening.append(connect(choice, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                             &GridAnnouncer::announceTypeChange));
    // The toolkit reports the grid itself as focused after its current cell;
    // the cell is named once more afterwards, so that it is what gets read.
    listening.append(connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now == view)
            QTimer::singleShot(0, this, &GridAnnouncer::announceCurrentCell);
    }));
}

// Events name the cell by its place among the grid's accessible children.
void GridAnnouncer::announce(const QModelIndex &index, const QVector<int> &roles)
{
    const int child = gridChildIndex(index.row(), index.column(), view->model()->columnCount());
    const CellKind kind = cellKindOf(index);
    if (kind == CellKind::Box && roles.contains(Qt::CheckStateRole)) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(view, changed);
        event.setChild(child);
        QAccessible::updateAccessibility(&event);
    }
    if (kind == CellKind::Value && roles.contains(Qt::DisplayRole)) {
        // The previous text is gone by now; the new one is what gets read out.
        QAccessibleTextUpdateEvent event(view, 0, QString(), index.data(Qt::DisplayRole).toString());
        event.setChild(child);
        QAccessible::updateAccessibility(&event);
    }
}

void GridAnnouncer::announceCurrentCell()
{
    const QModelIndex current = view->currentIndex();
    if (!view->hasFocus() || !current.isValid())
        return;
    QAccessibleEvent event(view, QAccessible::Focus);
    event.setChild(gridChildIndex(current.row(), current.column(), view->model()->columnCount()));
    QAccessible::updateAccessibility(&event);
}

// A new decoder type, told once the window has rebuilt the grid for it: the
// window's slot was connected to the choice's signal first, when its form was
// set up, and a signal runs its slots in the order they were connected.
// 1. Nothing was told while the grid was rebuilt (see rebuilding): an event
//    for each of its hundreds of changes would keep a screen reader busy for
//    seconds.
// 2. If rows went or came, one notice that the grid is new. The grid forgets
//    its headers and cells; those asked for next get ids no object had before,
//    so that a screen reader cannot take one for an object it knew.
// 3. The caret of the choice's text moves, to the end other than last time:
//    that is what makes Orca speak the new entry.
void GridAnnouncer::announceTypeChange()
{
    if (rebuilding) {
        rebuilding = false;
        QAccessibleTableModelChangeEvent reset(view, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    if (QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(choice)->textInterface()) {
        QAccessibleTextCursorEvent caret(choice, text->cursorPosition());
        QAccessible::updateAccessibility(&caret);
    }
}

CellChangesUntold::CellChangesUntold(QTableView *view)
    : announcer(view->findChild<GridAnnouncer *>(QString(), Qt::FindDirectChildrenOnly))
{
    if (announcer)
        announcer->tellCellChanges(false);
}

CellChangesUntold::~CellChangesUntold()
{
    if (announcer)
        announcer->tellCellChanges(true);
}
