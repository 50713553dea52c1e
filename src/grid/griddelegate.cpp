#include "griddelegate.h"

#include "accessiblegrid.h"
#include "cellpainting.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QTimer>

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QColor background = cellBackground(cell);
    const QWidget *view = option.widget;
    QStyle *style = view ? view->style() : QApplication::style();
    // Measured with the palette as it is, which the style's box is measured once for.
    const bool styleBox = !cell.features.testFlag(QStyleOptionViewItem::HasCheckIndicator)
                          || styleBoxStandsOut(cell, background, view);
    readableSelectedText(cell);
    // The ring below marks the current cell. Some styles mark it with a tint
    // laid over the text as well, which dims it below what the text needs.
    cell.state &= ~QStyle::State_HasFocus;
    if (styleBox) {
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
    } else {
        const QRect box = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &cell, view);
        QStyleOptionViewItem withoutBox = cell;
        withoutBox.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        style->drawControl(QStyle::CE_ItemViewItem, &withoutBox, painter, view);
        paintBox(painter, box, cell.palette, background, cell.checkState != Qt::Unchecked, isLocked(index));
    }
    if (cell.features.testFlag(QStyleOptionViewItem::HasCheckIndicator) && isLocked(index)) {
        const QRect box = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &cell, view);
        paintLockedMark(painter, option.rect, box, cell.palette, background);
    }
    // The editor, inset by the ring's width, leaves the ring showing around
    // it, where it stands against the editor's own fill.
    if (index == editedCell)
        paintFocusRing(painter, option.rect,
                       focusRingColour(cell.palette, cell.palette.color(QPalette::Active, QPalette::Base)));
    else if (option.state.testFlag(QStyle::State_HasFocus))
        paintFocusRing(painter, option.rect, focusRingColour(cell.palette, background));
}

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    // A name of its own: screen readers take an editor of the same name and
    // place as its cell for the cell itself, and would not say it opened.
    if (editor)
        editor->setAccessibleName(
            QCoreApplication::translate("MainWindow", "%1 bearbeiten").arg(cellName(index)));
    editedCell = index;
    return editor;
}

void GridDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (index == editedCell)
        editedCell = QPersistentModelIndex();
    QStyledItemDelegate::destroyEditor(editor, index);
}

void GridDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    editor->setGeometry(editor->geometry().adjusted(FocusRingWidth, FocusRingWidth, -FocusRingWidth,
                                                    -FocusRingWidth));
}

bool GridDelegate::isLocked(const QModelIndex &index)
{
    return !index.flags().testFlag(Qt::ItemIsEnabled);
}

// Orca takes the text events of an editor filled before it has the focus as
// the editor's arrival, and then never says which editor opened. With a
// screen reader listening, the value goes in once the editor has the focus,
// unless a typed key has already replaced it, as it would have replaced the
// value selected in it.
void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line || line->hasFocus() || !QAccessible::isActive()) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    // Queued as the view queues closing the editor on Return, so it comes first.
    QTimer::singleShot(0, line, [this, line, cell = QPersistentModelIndex(index)] {
        if (line->isModified() || !cell.isValid())
            return;
        QStyledItemDelegate::setEditorData(line, cell);
        line->selectAll();
    });
}

