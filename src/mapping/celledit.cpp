#include "mainwindow.h"

#include "gridshape.h"
#include "mainwindowui.h"

namespace {

// The cell holding a bit of a column's value, if the table has one there;
// a window never reaches into the CV or value row.
QTableWidgetItem *windowCell(const QTableWidget *table, int column, int bit)
{
    const int row = windowStart(column) + bit;
    if (!GridShape(table->rowCount()).isOutputRow(row))
        return nullptr;
    return table->item(row, column);
}

} // namespace

int boxesValue(const QTableWidget *table, int column)
{
    std::array<int, WindowBits> states{};
    for (int bit = 0; bit < WindowBits; ++bit) {
        if (const QTableWidgetItem *box = windowCell(table, column, bit))
            states[bit] = box->data(Qt::CheckStateRole).toInt();
    }
    return valueOfBoxes(states);
}

QTableWidgetItem *valueCell(const QTableWidget *table, int column)
{
    if (table->rowCount() == 0)
        return nullptr;
    return table->item(GridShape(table->rowCount()).valueRow(), column);
}

namespace {

void showValueOfBoxes(QTableWidget *table, int column)
{
    if (QTableWidgetItem *cell = valueCell(table, column))
        cell->setData(Qt::DisplayRole, QStringLiteral("%1").arg(boxesValue(table, column)));
}

// Only the low eight bits reach the boxes; the typed text stays as it is.
void showBoxesOfValue(QTableWidget *table, int column, const QString &text)
{
    const qint32 value = text.toInt();
    for (int bit = 0; bit < WindowBits; ++bit) {
        if (QTableWidgetItem *box = windowCell(table, column, bit))
            box->setData(Qt::CheckStateRole, boxStateForBit(value, bit));
    }
}

} // namespace

void MainWindow::on_tableWidget_itemChanged(QTableWidgetItem *item)
{
    // Every change below reports back here at once; only the user's own counts.
    if (updating)
        return;
    const ValuesEditor::WindowChanges own(editor);
    updating = true;
    QTableWidget *table = ui->tableWidget;
    const GridShape shape(table->rowCount());
    const int row = item->row();
    if (shape.isOutputRow(row))
        showValueOfBoxes(table, item->column());
    else if (row >= 0 && row == shape.valueRow())
        showBoxesOfValue(table, item->column(), item->data(Qt::DisplayRole).toString());
    updating = false;
}
