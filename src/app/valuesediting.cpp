#include "mainwindow.h"

#include "definitionline.h"
#include "gridannouncer.h"
#include "gridmenu.h"
#include "gridshape.h"
#include "mainwindowui.h"
#include "pastedvalues.h"
#include "statusnotice.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QUndoStack>

namespace {

// The column's value as its boxes show it.
int boxesValue(const QTableWidget *table, int column)
{
    const GridShape shape(table->rowCount());
    std::array<int, WindowBits> states{};
    for (int bit = 0; bit < WindowBits; ++bit) {
        const int row = windowStart(column) + bit;
        if (shape.isOutputRow(row))
            states[bit] = table->item(row, column)->data(Qt::CheckStateRole).toInt();
    }
    return valueOfBoxes(states);
}

// The value a list line gives for what a column shows: the boxes' value, so
// that no line holds more than a CV can; negative where the column is locked.
// A locked column with no box ticked has no such value between -255 and -1:
// -256 keeps it locked and clear.
qint32 listValue(int boxes, bool locked)
{
    if (!locked)
        return boxes;
    return boxes == 0 ? -256 : -boxes;
}

} // namespace

void MainWindow::setUpValueEditing()
{
    history = new QUndoStack(this);
    notice = new StatusNotice(ui->statusBar);
    undoAction = addGridAction(QT_TRANSLATE_NOOP("MainWindow", "Rückgängig"), {QKeySequence::Undo},
                               &MainWindow::undoStep);
    redoAction = addGridAction(QT_TRANSLATE_NOOP("MainWindow", "Wiederholen"),
                               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
                               &MainWindow::redoStep);
    copyAction = addGridAction(QT_TRANSLATE_NOOP("MainWindow", "Kopieren"), {QKeySequence::Copy},
                               &MainWindow::copyTypeOnShow);
    pasteAction = addGridAction(QT_TRANSLATE_NOOP("MainWindow", "Einfügen"), {QKeySequence::Paste},
                                &MainWindow::pasteValues);
    undoAction->setObjectName(QStringLiteral("undoAction"));
    redoAction->setObjectName(QStringLiteral("redoAction"));
    copyAction->setObjectName(QStringLiteral("copyAction"));
    pasteAction->setObjectName(QStringLiteral("pasteAction"));
    new GridMenu(ui->tableWidget, {undoAction, redoAction, nullptr, copyAction, pasteAction},
                 [this](QAction *action) { return canDo(action); });
    // Both run after the window's own slots, connected when its form was set up.
    connect(ui->tableWidget, &QTableWidget::itemChanged, this, &MainWindow::recordUserStep);
    connect(ui->comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &MainWindow::startHistory);
}

// The keys belong to the grid alone, so that the value editor keeps its own.
QAction *MainWindow::addGridAction(const char *text, const QList<QKeySequence> &keys, void (MainWindow::*act)())
{
    auto *action = new QAction(QCoreApplication::translate("MainWindow", text), this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, act);
    ui->tableWidget->addAction(action);
    return action;
}

bool MainWindow::canDo(QAction *action) const
{
    if (action == undoAction)
        return history->canUndo();
    if (action == redoAction)
        return history->canRedo();
    if (action == pasteAction) {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        return isTypeOnShow() && data && data->hasText();
    }
    return isTypeOnShow();
}

bool MainWindow::isTypeOnShow() const
{
    const int index = ui->comboBox->currentIndex();
    return index > 0 && index < decoderTypes.size() && ui->tableWidget->rowCount() > 0;
}

std::array<bool, CvCount> MainWindow::lockedColumns() const
{
    std::array<bool, CvCount> locked{};
    if (isTypeOnShow()) {
        const DecoderType &type = decoderTypes.at(ui->comboBox->currentIndex());
        for (int column = 0; column < CvCount; ++column)
            locked[column] = type.isLocked(column);
    }
    return locked;
}

ValueTexts MainWindow::valuesOnShow() const
{
    ValueTexts texts;
    const QTableWidget *table = ui->tableWidget;
    if (table->rowCount() == 0)
        return texts;
    const int valueRow = GridShape(table->rowCount()).valueRow();
    for (int column = 0; column < CvCount; ++column) {
        if (const QTableWidgetItem *cell = table->item(valueRow, column))
            texts[column] = cell->data(Qt::DisplayRole).toString();
    }
    return texts;
}

void MainWindow::copyTypeOnShow()
{
    if (!isTypeOnShow()) {
        notice->show(QCoreApplication::translate("MainWindow", "Nichts kopiert: es ist kein Decodertyp gewählt."));
        return;
    }
    DecoderType shown;
    shown.name = decoderTypes.at(ui->comboBox->currentIndex()).name;
    shown.outputNames = currentOutputNames;
    const std::array<bool, CvCount> locked = lockedColumns();
    for (int column = 0; column < CvCount; ++column)
        shown.cvValues[column] = listValue(boxesValue(ui->tableWidget, column), locked[column]);
    QGuiApplication::clipboard()->setText(definitionLines(shown));
    notice->show(QCoreApplication::translate("MainWindow", "Decodertyp „%1“ als Zeilen für decoders.ini kopiert.")
                     .arg(shown.name));
}

void MainWindow::pasteValues()
{
    if (!isTypeOnShow()) {
        notice->show(QCoreApplication::translate("MainWindow", "Nichts eingefügt: es ist kein Decodertyp gewählt."));
        return;
    }
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    const QString text = data && data->hasText() ? data->text() : QString();
    const QModelIndex current = ui->tableWidget->currentIndex();
    const PastedValues pasted = readPastedValues(text, current.isValid() ? current.column() : 0, lockedColumns());
    ValueTexts values = lastValues;
    for (const PastedValue &value : pasted.values)
        values[value.column] = value.text;
    showValues(values);
    recordStep(QCoreApplication::translate("MainWindow", "Einfügen"));
    notice->show(pasteMessage(pasted));
}

void MainWindow::undoStep()
{
    if (!history->canUndo()) {
        notice->show(QCoreApplication::translate("MainWindow", "Nichts rückgängig zu machen."));
        return;
    }
    const QString text = history->undoText();
    history->undo();
    notice->show(QCoreApplication::translate("MainWindow", "Rückgängig gemacht: %1.").arg(text));
}

void MainWindow::redoStep()
{
    if (!history->canRedo()) {
        notice->show(QCoreApplication::translate("MainWindow", "Nichts zu wiederholen."));
        return;
    }
    const QString text = history->redoText();
    history->redo();
    notice->show(QCoreApplication::translate("MainWindow", "Wiederholt: %1.").arg(text));
}

// A tick or a typed value, once the cell-edit slot has made the grid follow it.
// While a type's values are written the choice already names the new type.
void MainWindow::recordUserStep(QTableWidgetItem *item)
{
    if (updating || replaying || ui->comboBox->currentIndex() != historyType || !isTypeOnShow())
        return;
    const GridShape shape(ui->tableWidget->rowCount());
    const QString function = ui->tableWidget->model()->headerData(item->column(), Qt::Horizontal).toString();
    if (shape.isOutputRow(item->row()))
        recordStep(QCoreApplication::translate("MainWindow", "Kästchen %1").arg(function));
    else if (item->row() == shape.valueRow())
        recordStep(QCoreApplication::translate("MainWindow", "Wert %1").arg(function));
}

void MainWindow::recordStep(const QString &text)
{
    const ValueTexts now = valuesOnShow();
    if (now == lastValues)
        return;
    history->push(new ValueStep(text, lastValues, now, [this](const ValueTexts &texts) {
        showValues(texts);
        lastValues = texts;
    }));
    lastValues = now;
}

// Choosing a type starts afresh.
void MainWindow::startHistory(int index)
{
    history->clear();
    historyType = index;
    lastValues = valuesOnShow();
}

// Each changed value is written as typing writes it, so the boxes follow.
void MainWindow::showValues(const ValueTexts &texts)
{
    QTableWidget *table = ui->tableWidget;
    const int valueRow = GridShape(table->rowCount()).valueRow();
    const CellChangesUntold untold(table);
    replaying = true;
    for (int column = 0; column < CvCount; ++column) {
        QTableWidgetItem *cell = table->item(valueRow, column);
        if (cell->data(Qt::DisplayRole).toString() != texts[column])
            cell->setData(Qt::EditRole, texts[column]);
    }
    replaying = false;
}
