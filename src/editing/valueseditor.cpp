#include "valueseditor.h"

#include "copiedvalues.h"
#include "definitionline.h"
#include "dropreader.h"
#include "gridannouncer.h"
#include "gridmenu.h"
#include "gridshape.h"
#include "pastedvalues.h"
#include "statusnotice.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QTableWidget>
#include <QUndoStack>

// One step: the values before and after it, which its undo and redo put back.
// The stack redoes a step as it is pushed, when the grid shows it already:
// writing only the values that differ, that redo writes nothing.
class ValueStep : public QUndoCommand
{
public:
    ValueStep(ValuesEditor *editor, const QString &text, const ValueTexts &before, const ValueTexts &after)
        : QUndoCommand(text), editor(editor), before(before), after(after)
    {
    }

    void undo() override { editor->writeValues(before); }
    void redo() override { editor->writeValues(after); }

private:
    ValuesEditor *editor;
    ValueTexts before;
    ValueTexts after;
};

ValuesEditor::ValuesEditor(QTableWidget *table, QStatusBar *bar)
    : QObject(table), table(table), history(new QUndoStack(this)), notice(new StatusNotice(bar)),
      menu(new GridMenu(table))
{
    addAction(QStringLiteral("undoAction"), QT_TRANSLATE_NOOP("MainWindow", "Rückgängig"), {QKeySequence::Undo},
              [this] { undoStep(); }, [this] { return history->canUndo(); });
    addAction(QStringLiteral("redoAction"), QT_TRANSLATE_NOOP("MainWindow", "Wiederholen"),
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
              [this] { redoStep(); }, [this] { return history->canRedo(); });
    addMenuSeparator();
    addAction(QStringLiteral("copyAction"), QT_TRANSLATE_NOOP("MainWindow", "Kopieren"), {QKeySequence::Copy},
              [this] { copyTypeOnShow(); }, [this] { return isTypeOnShow(); });
    addAction(QStringLiteral("pasteAction"), QT_TRANSLATE_NOOP("MainWindow", "Einfügen"), {QKeySequence::Paste},
              [this] {
                  const QMimeData *data = QGuiApplication::clipboard()->mimeData();
                  pasteText(data && data->hasText() ? data->text() : QString());
              },
              [this] {
                  const QMimeData *data = QGuiApplication::clipboard()->mimeData();
                  return isTypeOnShow() && data && data->hasText();
              });
    new DropReader(table, [this](const DroppedFile &dropped) {
        if (dropped.refusal.isEmpty())
            pasteText(dropped.text);
        else
            notice->show(dropped.refusal);
    });
    // After the window's own slot, connected when its form was set up, has made the grid follow.
    connect(table, &QTableWidget::itemChanged, this, &ValuesEditor::recordUserStep);
    connect(history, &QUndoStack::indexChanged, this, [this] { lastValues = valuesOnShow(); });
}

QAction *ValuesEditor::addAction(const QString &objectName, const char *text, const QList<QKeySequence> &keys,
                                 std::function<void()> act, std::function<bool()> canDo)
{
    auto *action = new QAction(QCoreApplication::translate("MainWindow", text), this);
    action->setObjectName(objectName);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, std::move(act));
    table->addAction(action);
    menu->addAction(action, std::move(canDo));
    return action;
}

void ValuesEditor::addMenuSeparator()
{
    menu->addSeparator();
}

void ValuesEditor::startType(const DecoderType *type)
{
    shownType.reset();
    if (type)
        shownType = *type;
    history->clear();
    lastValues = valuesOnShow();
}

bool ValuesEditor::isTypeOnShow() const
{
    return shownType && table->rowCount() > 0;
}

std::array<bool, CvCount> ValuesEditor::lockedColumns() const
{
    std::array<bool, CvCount> locked{};
    if (isTypeOnShow()) {
        for (int column = 0; column < CvCount; ++column)
            locked[column] = shownType->isLocked(column);
    }
    return locked;
}

ValueTexts ValuesEditor::valuesOnShow() const
{
    ValueTexts texts;
    for (int column = 0; column < CvCount; ++column) {
        if (const QTableWidgetItem *cell = valueCell(table, column))
            texts[column] = cell->data(Qt::DisplayRole).toString();
    }
    return texts;
}

void ValuesEditor::copyTypeOnShow()
{
    if (!isTypeOnShow()) {
        notice->show(QCoreApplication::translate("MainWindow", "Nichts kopiert: es ist kein Decodertyp gewählt."));
        return;
    }
    DecoderType shown = *shownType;
    const std::array<bool, CvCount> locked = lockedColumns();
    for (int column = 0; column < CvCount; ++column)
        shown.cvValues[column] = copiedValue(boxesValue(table, column), locked[column]);
    QGuiApplication::clipboard()->setText(definitionLines(shown));
    // Every value copied other than as shown is named, so that the copy holds no surprise.
    QStringList sentences = copyNotes(valuesOnShow(), locked);
    sentences.prepend(QCoreApplication::translate("MainWindow", "Decodertyp „%1“ als Zeilen für decoders.ini kopiert.")
                          .arg(shown.name));
    notice->show(sentences.join(QLatin1Char(' ')));
}

// The clipboard's text or a dropped one, read alike.
void ValuesEditor::pasteText(const QString &text)
{
    if (!isTypeOnShow()) {
        notice->show(QCoreApplication::translate("MainWindow", "Nichts eingefügt: es ist kein Decodertyp gewählt."));
        return;
    }
    const QModelIndex current = table->currentIndex();
    const PastedValues pasted = readPastedValues(text, current.isValid() ? current.column() : 0, lockedColumns());
    ValueTexts values = lastValues;
    for (const PastedValue &value : pasted.values)
        values[value.column] = value.text;
    applyValues(values, QCoreApplication::translate("MainWindow", "Einfügen"), pasteMessage(pasted));
}

void ValuesEditor::applyValues(const ValueTexts &values, const QString &stepName, const QString &message)
{
    pushStep(stepName, values);
    notice->show(message);
}

void ValuesEditor::tell(const QString &message)
{
    notice->show(message);
}

void ValuesEditor::undoStep()
{
    if (!history->canUndo()) {
        notice->show(QCoreApplication::translate("MainWindow", "Nichts rückgängig zu machen."));
        return;
    }
    const QString text = history->undoText();
    history->undo();
    notice->show(QCoreApplication::translate("MainWindow", "Rückgängig gemacht: %1.").arg(text));
}

void ValuesEditor::redoStep()
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
void ValuesEditor::recordUserStep(QTableWidgetItem *item)
{
    if (windowChanges > 0 || !isTypeOnShow())
        return;
    const GridShape shape(table->rowCount());
    const QString function = table->model()->headerData(item->column(), Qt::Horizontal).toString();
    if (shape.isOutputRow(item->row()))
        pushStep(QCoreApplication::translate("MainWindow", "Kästchen %1").arg(function), valuesOnShow());
    else if (item->row() == shape.valueRow())
        pushStep(QCoreApplication::translate("MainWindow", "Wert %1").arg(function), valuesOnShow());
}

void ValuesEditor::pushStep(const QString &text, const ValueTexts &after)
{
    if (after != lastValues)
        history->push(new ValueStep(this, text, lastValues, after));
}

// Each changed value is written as typing writes it, so the boxes follow; the
// notice that follows a step says what changed, cell by cell events would not.
void ValuesEditor::writeValues(const ValueTexts &texts)
{
    const CellChangesUntold untold(table);
    const WindowChanges own(this);
    for (int column = 0; column < CvCount; ++column) {
        QTableWidgetItem *cell = valueCell(table, column);
        if (cell && cell->data(Qt::DisplayRole).toString() != texts[column])
            cell->setData(Qt::EditRole, texts[column]);
    }
}
