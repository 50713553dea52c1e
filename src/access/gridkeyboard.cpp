#include "gridkeyboard.h"

#include "cellkind.h"

#include <QKeyEvent>
#include <QTableView>

namespace {

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
    // Shift and Alt keep their meaning for the view.
    if (key->modifiers() & ~(Qt::ControlModifier | Qt::KeypadModifier))
        return false;
    const QAbstractItemModel *model = view->model();
    const QModelIndex current = view->currentIndex();
    const bool wholeGrid = key->key() == Qt::Key_Home
        && (key->modifiers().testFlag(Qt::ControlModifier) || !current.isValid());
    QModelIndex target;
    if (wholeGrid || (isNavigationKey(key->key()) && !current.isValid()))
        target = firstUsableCell(model, 0, model->rowCount());
    else if (key->key() == Qt::Key_Home)
        target = firstUsableCell(model, current.row(), current.row() + 1);
    if (!target.isValid())
        return false;
    moveTo(target);
    return true;
}

void GridKeyboard::moveTo(const QModelIndex &cell)
{
    view->setCurrentIndex(cell);
    view->scrollTo(cell);
}
