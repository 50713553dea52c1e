#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "decodertype.h"
#include "valueseditor.h"

#include <QMainWindow>
#include <QStringList>
#include <QVector>

class MainWindowUi;
class QTableWidgetItem;

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

    MainWindowUi *ui;
    QStringList currentOutputNames;
    QVector<DecoderType> decoderTypes;
    // True while the program itself changes table cells, so that the
    // cell-edit slot leaves those changes alone. Set until a decoder type is first shown.
    bool updating = true;

    // The grid's actions and their history. The slots tell it of the window's own changes.
    ValuesEditor *editor = nullptr;
};

#endif // MAINWINDOW_H
