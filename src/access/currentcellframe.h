#ifndef CURRENTCELLFRAME_H
#define CURRENTCELLFRAME_H

#include <QStyledItemDelegate>

// Draws the cells as the style does, and frames the current one in the
// palette's highlight colour while the grid has the focus. The style alone
// marks a current box only by a faint tint beside it, which keyboard users
// lose among a hundred boxes.
class CurrentCellFrame : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

#endif // CURRENTCELLFRAME_H
