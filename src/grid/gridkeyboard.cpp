#include "gridkeyboard.h"

#include "gridshape.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPoint>
#include <QTableView>

namespace {

// How far an arrow key moves, in rows and columns; no move for other keys.
QPoint arrowStep(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return {-1, 0};
    case Qt::Key_Right:
        return {1, 0};
    case Qt::Key_Up:
        return {0, -1};
    case Qt::Key_Down:
        return {0, 1};
    default:
        return {};
    }
}

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// A box the user may tick or a value the user may type: what keyboard users
// come to the grid for.
bool isUsableCell(const QModelIndex &index)
{
    const Qt::ItemFlags flags = index.flags();
    if (!flags.testFlag(Qt::ItemIsEnabled))
        return false;
    switch (GridShape(index.model()->rowCount()).cellKind(index.row(), index.column())) {
    case CellKind::Box:
        return flags.testFlag(Qt::ItemIsUserCheckable);
    case CellKind::Value:
        return flags.testFlag(Qt::ItemIsEditable);
    default:
        return false;
    }
}

// The first usable cell in reading order from the given row on, up to and
// excluding lastRow; none if there is none.
QModelIndex firstUsableCell(const QAbstractItemModel *model, int firstRow, int lastRow)
{
    for (int row = firstRow; row < lastRow; ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (isUsableCell(index))
                return index;
        }
    }
    return QModelIndex();
}

// The view's own moves pass over locked boxes; screen-reader users would
// never learn they are there.
QModelIndex nextReachableCell(const QModelIndex &from, QPoint step)
{
    const QAbstractItemModel *model = from.model();
    const GridCell next = GridShape(model->rowCount(), model->columnCount())
                              .nextReachable({from.row(), from.column()}, step.y(), step.x());
    return model->index(next.row, next.column);
}

} // namespace

GridKeyboard::GridKeyboard(QTableView *view)
    : QObject(view), view(view)
{
}

bool GridKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != view)
        return false;
    if (event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent *>(event));
    // Without a current cell the view would pick the top left one, and none
    // at all when that one is locked.
    if (event->type() == QEvent::FocusIn && !view->currentIndex().isValid()) {
        const QModelIndex first = firstUsableCell(view->model(), 0, view->model()->rowCount());
        if (first.isValid())
            view->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    }
    return false;
}

// Home goes to the row's first usable cell, Ctrl+Home to the grid's; the other
// keys first land on the grid's first usable cell if there is no current one.
bool GridKeyboard::handleKey(const QKeyEvent *key)
{
    // Shift+F10 opens the grid's menu as the Menu key does, which the toolkit
    // does not do for it on every platform; not from the value editor, whose
    // keys reach the grid when the editor leaves them.
    if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier && view->hasFocus()) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), view->mapToGlobal(QPoint()));
        QCoreApplication::sendEvent(view, &menu);
        return true;
    }
    // Shift and Alt keep their meaning for the view.
    if (key->modifiers() & ~(Qt::ControlModifier | Qt::KeypadModifier))
        return false;
    const QAbstractItemModel *model = view->model();
    const QModelIndex current = view->currentIndex();
    const bool wholeGrid = key->key() == Qt::Key_Home
        && (key->modifiers().testFlag(Qt::ControlModifier) || !current.isValid());
    QModelIndex target;
    const QPoint step = arrowStep(key->key());
    if (!step.isNull() && current.isValid()) {
        target = nextReachableCell(current, step);
        if (target.isValid())
            moveTo(target);
        return true;
    }
    if (wholeGrid || (isNavigationKey(key->key()) && !current.isValid()))
        target = firstUsableCell(model, 0, model->rowCount());
    else if (key->key() == Qt::Key_Home)
        target = firstUsableCell(model, current.row(), current.row() + 1);
    if (!target.isValid())
        return false;
    moveTo(target);
    return true;
}

// As the view moves with keys; its setCurrentIndex() would refuse a locked box.
void GridKeyboard::moveTo(const QModelIndex &cell)
{
    view->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    view->scrollTo(cell);
}
