#ifndef VALUESEDITOR_H
#define VALUESEDITOR_H

#include "decodertype.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class GridMenu;
class QAction;
class QStatusBar;
class QTableWidget;
class QTableWidgetItem;
class QUndoStack;
class StatusNotice;

// The texts of the 14 value cells. The boxes always show their values' low
// eight bits, so these texts are the whole state a step needs to restore.
using ValueTexts = std::array<QString, CvCount>;

// What the user does to the grid's values beyond ticking and typing, and the
// history of it all: undo and redo, copy and paste, as keys of the grid and
// its context menu, and a file or text dropped onto the window, read as a
// paste; each says in the status bar what it did. Every tick, typed value,
// paste or drop is one step, made after the grid has followed it.
class ValuesEditor : public QObject
{
    Q_OBJECT

public:
    ValuesEditor(QTableWidget *table, QStatusBar *bar);

    // The window's own changes to the table are no steps of the user's: one
    // lives while the window changes it. They nest.
    class WindowChanges
    {
    public:
        explicit WindowChanges(ValuesEditor *editor) : editor(editor) { ++editor->windowChanges; }
        ~WindowChanges() { --editor->windowChanges; }
        WindowChanges(const WindowChanges &) = delete;
        WindowChanges &operator=(const WindowChanges &) = delete;

    private:
        ValuesEditor *editor;
    };

    // The type the table now shows with its own values, or none: the history starts afresh.
    void startType(const DecoderType *type);
    // Puts the values given into the value row as one step named `stepName`
    // (none if nothing changes), then says `notice` in the status bar.
    void applyValues(const ValueTexts &values, const QString &stepName, const QString &notice);
    // An action of the grid, with keys of the grid alone (so that the value
    // editor keeps its own) and an entry in its context menu, enabled there
    // while `canDo` says it can act.
    QAction *addAction(const QString &objectName, const char *text, const QList<QKeySequence> &keys,
                       std::function<void()> act, std::function<bool()> canDo);
    void addMenuSeparator();
    bool isTypeOnShow() const;
    ValueTexts valuesOnShow() const;
    std::array<bool, CvCount> lockedColumns() const;
    // Says what the grid's actions do, in the status bar and to screen readers.
    void tell(const QString &message);

private:
    friend class ValueStep;

    void copyTypeOnShow();
    void pasteText(const QString &text);
    void undoStep();
    void redoStep();
    void recordUserStep(QTableWidgetItem *item);
    void pushStep(const QString &text, const ValueTexts &after);
    void writeValues(const ValueTexts &texts);

    QTableWidget *table;
    QUndoStack *history;
    StatusNotice *notice;
    GridMenu *menu;
    std::optional<DecoderType> shownType;
    // What the values were after the last step, undo or redo: where the user's next step starts from.
    ValueTexts lastValues;
    // The one guard of the history: changes made while it is above zero, by
    // the window or by the steps themselves, are no steps of the user's.
    int windowChanges = 0;
};

#endif // VALUESEDITOR_H
