#include "accessiblegridheader.h"

#include "cellkind.h"

#include <QHeaderView>
#include <QTableView>

AccessibleGridHeader::AccessibleGridHeader(QTableView *view, Qt::Orientation orientation, int section)
    : AccessibleGridLeaf(view), orientation(orientation), section(section)
{
}

bool AccessibleGridHeader::isValid() const
{
    if (!view || !view->model())
        return false;
    const int count = orientation == Qt::Horizontal ? view->model()->columnCount() : view->model()->rowCount();
    return section >= 0 && section < count;
}

QString AccessibleGridHeader::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return QString();
    if (orientation == Qt::Vertical)
        return rowName(view->model(), section);
    return view->model()->headerData(section, orientation).toString();
}

void AccessibleGridHeader::setText(QAccessible::Text, const QString &)
{
}

QRect AccessibleGridHeader::rect() const
{
    if (!isValid())
        return QRect();
    const QHeaderView *header = orientation == Qt::Horizontal ? view->horizontalHeader() : view->verticalHeader();
    const QPoint origin = header->viewport()->mapToGlobal(QPoint(0, 0));
    const int start = header->sectionViewportPosition(section);
    if (orientation == Qt::Horizontal)
        return QRect(origin.x() + start, origin.y(), header->sectionSize(section), header->height());
    return QRect(origin.x(), origin.y() + start, header->width(), header->sectionSize(section));
}

QAccessible::Role AccessibleGridHeader::role() const
{
    return orientation == Qt::Horizontal ? QAccessible::ColumnHeader : QAccessible::RowHeader;
}

QAccessible::State AccessibleGridHeader::state() const
{
    QAccessible::State state;
    state.invalid = !isValid();
    state.readOnly = true;
    return state;
}
