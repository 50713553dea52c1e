#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "decodertype.h"
#include "valuestep.h"

#include <QMainWindow>
#include <QStringList>
#include <QVector>

class MainWindowUi;
class QAction;
class QTableWidgetItem;
class QUndoStack;
class StatusNotice;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void on_comboBox_currentIndexChanged(const QString &arg1);
    void on_tableWidget_itemChanged(QTableWidgetItem *item);
    void on_comboBox_currentIndexChanged(int index);

private:
    void fitRowHeightToContent();
    void keepChoiceWidthFromNames();
    void loadCatalogue();

    // Values in and out, and undo: the grid's actions, keys and menu.
    void setUpValueEditing();
    QAction *addGridAction(const char *text, const QList<QKeySequence> &keys, void (MainWindow::*act)());
    bool canDo(QAction *action) const;
    void copyTypeOnShow();
    void pasteValues();
    void undoStep();
    void redoStep();
    void recordUserStep(QTableWidgetItem *item);
    void recordStep(const QString &text);
    void startHistory(int index);
    void showValues(const ValueTexts &texts);
    ValueTexts valuesOnShow() const;
    std::array<bool, CvCount> lockedColumns() const;
    bool isTypeOnShow() const;

    MainWindowUi *ui;
    QStringList currentOutputNames;
    QVector<DecoderType> decoderTypes;
    // True while the program itself changes table cells, so that the
    // cell-edit slot leaves those changes alone. Set until a decoder type is first shown.
    bool updating = true;

    QUndoStack *history = nullptr;
    StatusNotice *notice = nullptr;
    QAction *undoAction = nullptr;
    QAction *redoAction = nullptr;
    QAction *copyAction = nullptr;
    QAction *pasteAction = nullptr;
    // The values the history last saw, and the choice entry it is about.
    ValueTexts lastValues;
    int historyType = 0;
    // True while a step's values are written, which are no step of their own.
    bool replaying = false;
};

#endif // MAINWINDOW_H
