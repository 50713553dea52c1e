#include "mainwindow.h"

#include "gridshape.h"
#include "mainwindowui.h"

#include <QCoreApplication>

namespace {

// Rows go out and come in all at once: the view lays its headers out anew
// after each single removal or insertion.
void removeAllRows(QTableWidget *table)
{
    table->setRowCount(0);
}

// Fills the empty table from the bottom up, so that the items are made, and
// reported to the cell-edit slot, in the order rows pushed in at the top give.
void insertBlankRows(QTableWidget *table, int count)
{
    table->setRowCount(count);
    for (int row = count - 1; row >= 0; --row) {
        for (int column = 0; column < table->columnCount(); ++column)
            table->setItem(row, column, new QTableWidgetItem(QTableWidgetItem::Type));
    }
}

// Output names are the user's own words; the CV and value rows' labels are the window's.
QString rowLabel(const GridShape &shape, int row, const QString &label)
{
    if (shape.isOutputRow(row))
        return label;
    return QCoreApplication::translate("MainWindow", label.toUtf8().constData());
}

void setBackground(QTableWidgetItem *item, Qt::GlobalColor colour)
{
    item->setData(Qt::BackgroundRole, QColor(colour));
}

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

void styleColumn(QTableWidget *table, int column, bool locked)
{
    const GridShape shape(table->rowCount());
    for (int row = 0; shape.isOutputRow(row); ++row)
        styleOutputCell(table->item(row, column), shape.cellKind(row, column) == CellKind::Box, locked);

    QTableWidgetItem *cv = table->item(shape.cvRow(), column);
    setBackground(cv, Qt::blue);
    cv->setData(Qt::ForegroundRole, QColor(Qt::white));
    cv->setData(Qt::DisplayRole, QStringLiteral("%1").arg(FirstCv + column));
    cv->setFlags(Qt::ItemIsEnabled);

    // F0 forward and reverse are shown, not typed. The text is dark on the
    // fixed light grey, so a dark palette's light text cannot make it unreadable.
    if (column <= 1) {
        QTableWidgetItem *value = table->item(shape.valueRow(), column);
        setBackground(value, Qt::lightGray);
        value->setData(Qt::ForegroundRole, QColor(Qt::black));
        value->setFlags(Qt::ItemIsEnabled);
    }
}

} // namespace

void MainWindow::on_comboBox_currentIndexChanged(int index)
{
    QTableWidget *table = ui->tableWidget;
    const ValuesEditor::WindowChanges own(editor);
    updating = true;
    removeAllRows(table);
    // Entry 0 is the placeholder; an index outside the catalogue is treated alike.
    if (index <= 0 || index >= decoderTypes.size()) {
        updating = false;
        editor->startType(nullptr);
        return;
    }

    const DecoderType &type = decoderTypes.at(index);
    currentOutputNames = type.outputNames;
    insertBlankRows(table, currentOutputNames.size());
    // Each label comes with its header item, which then changes only once.
    const GridShape shape(table->rowCount());
    for (int row = 0; row < currentOutputNames.size(); ++row)
        table->setVerticalHeaderItem(row, new QTableWidgetItem(rowLabel(shape, row, currentOutputNames.at(row))));
    for (int column = 0; column < table->columnCount(); ++column)
        styleColumn(table, column, type.isLocked(column));
    updating = false;

    // Written with the guard off: the cell-edit slot ticks each column's boxes.
    for (int column = 0; column < CvCount; ++column) {
        if (QTableWidgetItem *cell = valueCell(table, column))
            cell->setData(Qt::DisplayRole, magnitudeText(type.cvValues.at(column)));
    }
    editor->startType(&type);
}
