#include "cellkind.h"

#include <QAbstractItemModel>
#include <QCoreApplication>

namespace {

QString headerText(const QModelIndex &index, Qt::Orientation orientation)
{
    const int section = orientation == Qt::Horizontal ? index.column() : index.row();
    return index.model()->headerData(section, orientation).toString();
}

} // namespace

// Outputs the definition file leaves unnamed show an empty label.
QString rowName(const QAbstractItemModel *model, int row)
{
    const QString label = model->headerData(row, Qt::Vertical).toString();
    if (!label.isEmpty())
        return label;
    return QCoreApplication::translate("MainWindow", "Ausgang %1").arg(row + 1);
}

CellKind cellKind(const QModelIndex &index)
{
    const int rowCount = index.model()->rowCount(index.parent());
    if (index.row() == rowCount - 2)
        return CellKind::CvNumber;
    if (index.row() == rowCount - 1)
        return CellKind::Value;
    if (!index.data(Qt::CheckStateRole).isValid())
        return CellKind::Unused;
    return index.flags().testFlag(Qt::ItemIsEnabled) ? CellKind::Box : CellKind::LockedBox;
}

QString cellName(const QModelIndex &index)
{
    const QString function = headerText(index, Qt::Horizontal);
    switch (cellKind(index)) {
    case CellKind::Box:
    case CellKind::LockedBox:
        return QStringLiteral("%1, %2").arg(rowName(index.model(), index.row()), function);
    case CellKind::Unused:
        return QCoreApplication::translate("MainWindow", "nicht belegt");
    case CellKind::CvNumber:
        return QStringLiteral("%1 %2, %3").arg(headerText(index, Qt::Vertical), index.data().toString(), function);
    case CellKind::Value:
        return QStringLiteral("%1 %2").arg(headerText(index, Qt::Vertical), function);
    }
    return QString();
}

bool isUsableCell(const QModelIndex &index)
{
    const Qt::ItemFlags flags = index.flags();
    if (!flags.testFlag(Qt::ItemIsEnabled))
        return false;
    switch (cellKind(index)) {
    case CellKind::Box:
        return flags.testFlag(Qt::ItemIsUserCheckable);
    case CellKind::Value:
        return flags.testFlag(Qt::ItemIsEditable);
    default:
        return false;
    }
}

QModelIndex nextReachableCell(const QModelIndex &from, int rowStep, int columnStep)
{
    for (QModelIndex cell = from.sibling(from.row() + rowStep, from.column() + columnStep); cell.isValid();
         cell = cell.sibling(cell.row() + rowStep, cell.column() + columnStep)) {
        if (cellKind(cell) != CellKind::Unused)
            return cell;
    }
    return QModelIndex();
}

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
