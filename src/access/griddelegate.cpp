#include "griddelegate.h"

#include "accessiblegrid.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QTimer>

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!option.state.testFlag(QStyle::State_HasFocus))
        return;
    painter->save();
    // A locked box's own colours are the disabled ones, whose highlight is a
    // grey that vanishes on its grey background.
    const QPalette::ColorGroup group =
        option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    painter->setPen(QPen(option.palette.color(group, QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
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
    return editor;
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

