#include "gridannouncer.h"

#include "cellkind.h"
#include "gridchildren.h"

#include <QApplication>
#include <QComboBox>
#include <QTableView>
#include <QTimer>

GridAnnouncer::GridAnnouncer(QComboBox *choice, QTableView *view)
    : QObject(view), choice(choice), view(view)
{
    QAccessible::installActivationObserver(this);
    accessibilityActiveChanged(QAccessible::isActive());
}

GridAnnouncer::~GridAnnouncer()
{
    QAccessible::removeActivationObserver(this);
}

void GridAnnouncer::accessibilityActiveChanged(bool active)
{
    if (!active) {
        for (const QMetaObject::Connection &connection : qAsConst(listening))
            disconnect(connection);
        listening.clear();
        return;
    }
    if (!listening.isEmpty())
        return;
    listening.append(connect(view->model(), &QAbstractItemModel::dataChanged, this,
                             [this](const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                    const QVector<int> &roles) {
                                 if (topLeft == bottomRight && !rebuilding)
                                     announce(topLeft, roles);
                             }));
    // Rows come and go only when a type is chosen; the choice's signal comes
    // after the window has rebuilt the grid for it.
    for (auto rowsChange : {&QAbstractItemModel::rowsAboutToBeRemoved, &QAbstractItemModel::rowsAboutToBeInserted})
        listening.append(connect(view->model(), rowsChange, this, [this] { rebuilding = true; }));
    listening.append(connect(choice, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                             &GridAnnouncer::announceNewType));
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
    const CellKind kind = cellKind(index);
    if (isBox(kind) && roles.contains(Qt::CheckStateRole)) {
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

void GridAnnouncer::announceNewType()
{
    if (rebuilding) {
        rebuilding = false;
        QAccessibleTableModelChangeEvent event(view, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&event);
    }
    // Moving the caret in the choice's text is what makes Orca speak the new entry.
    if (QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(choice)->textInterface()) {
        QAccessibleTextCursorEvent event(choice, text->cursorPosition());
        QAccessible::updateAccessibility(&event);
    }
}
