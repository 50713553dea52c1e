#include "mainwindow.h"

#include "mainwindowui.h"
#include "outputwindow.h"

namespace {

void removeAllRows(QTableWidget *table)
{
    while (table->rowCount() != 0)
        table->removeRow(0);
}

void insertBlankRows(QTableWidget *table, int count)
{
    for (int row = 0; row < count; ++row) {
        table->insertRow(0);
        for (int column = 0; column < table->columnCount(); ++column)
            table->setItem(0, column, new QTableWidgetItem(QTableWidgetItem::Type));
    }
}

void setBackground(QTableWidgetItem *item, Qt::GlobalColor colour)
{
    item->setData(Qt::BackgroundRole, QColor(colour));
}

// A negative stored value marks a function whose outputs the user may look
// at but not change.
void styleOutputCell(QTableWidgetItem *item, bool inWindow, bool locked)
{
    if (!inWindow) {
        item->setFlags(Qt::NoItemFlags);
        setBackground(item, Qt::darkGray);
        return;
    }
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setData(Qt::CheckStateRole, Qt::Unchecked);
    if (locked) {
        item->setFlags(Qt::ItemIsUserCheckable);
        setBackground(item, Qt::lightGray);
    }
}

void styleColumn(QTableWidget *table, int column, qint32 storedValue)
{
    const int cvRow = table->rowCount() - 2;
    for (int row = 0; row < cvRow; ++row)
        styleOutputCell(table->item(row, column), isWindowRow(column, row), storedValue < 0);

    QTableWidgetItem *cv = table->item(cvRow, column);
    setBackground(cv, Qt::blue);
    cv->setData(Qt::ForegroundRole, QColor(Qt::white));
    cv->setData(Qt::DisplayRole, QStringLiteral("%1").arg(FirstCv + column));
    cv->setFlags(Qt::ItemIsEnabled);

    // F0 forward and reverse are shown, not typed.
    if (column <= 1) {
        QTableWidgetItem *value = table->item(cvRow + 1, column);
        setBackground(value, Qt::lightGray);
        value->setFlags(Qt::ItemIsEnabled);
    }
}

} // namespace

void MainWindow::on_comboBox_currentIndexChanged(int index)
{
    QTableWidget *table = ui->tableWidget;
    updating = true;
    removeAllRows(table);
    // Entry 0 is the placeholder; an index outside the catalogue is treated alike.
    if (index <= 0 || index >= decoderTypes.size()) {
        updating = false;
        return;
    }

    const DecoderType &type = decoderTypes.at(index);
    currentOutputNames = type.outputNames;
    insertBlankRows(table, currentOutputNames.size());
    table->setVerticalHeaderLabels(currentOutputNames);
    for (int column = 0; column < table->columnCount(); ++column)
        styleColumn(table, column, type.cvValues.at(column));
    updating = false;

    // Written with the guard off: the cell-edit slot ticks each column's boxes.
    const int valueRow = table->rowCount() - 1;
    for (int column = 0; column < CvCount; ++column)
        table->item(valueRow, column)->setData(Qt::DisplayRole, magnitudeText(type.cvValues.at(column)));
}
