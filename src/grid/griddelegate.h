#ifndef GRIDDELEGATE_H
#define GRIDDELEGATE_H

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

// Draws the cells as the style does, but boxes whose edge or tick the style
// draws too faint for low vision, with a second mark on locked boxes; and
// frames the current cell, or the open editor, in a ring that stands out
// from the cell: the style alone marks a current box only by a faint tint
// beside it, which keyboard users lose among a hundred boxes. Names each value editor after its cell, so that
// a screen reader says which value is being typed, and fills it so that the
// screen reader says so at all.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

private:
    // A box the user may look at but not tick.
    static bool isLocked(const QModelIndex &index);

    mutable QPersistentModelIndex editedCell;
};

#endif // GRIDDELEGATE_H
