#ifndef GRIDDELEGATE_H
#define GRIDDELEGATE_H

#include <QStyledItemDelegate>

// Draws the cells as the style does, and frames the current one in the
// palette's highlight colour while the grid has the focus: the style alone
// marks a current box only by a faint tint beside it, which keyboard users
// lose among a hundred boxes. Names each value editor after its cell, so that
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
};

#endif // GRIDDELEGATE_H
