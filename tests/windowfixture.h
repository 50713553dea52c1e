#ifndef WINDOWFIXTURE_H
#define WINDOWFIXTURE_H

#include "mainwindow.h"

#include <QComboBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

// The real window, started as a user would start it: in a working directory
// of its own that holds the given decoders.ini, or none.
class WindowFixture
{
public:
    WindowFixture();
    explicit WindowFixture(const QByteArray &definitionFile);
    ~WindowFixture();

    MainWindow &window() { return *mainWindow; }
    QComboBox *comboBox() const;
    QTableWidget *table() const;
    QTableWidgetItem *cell(int row, int column) const;
    QTableWidgetItem *valueCell(int column) const;
    // Clicks where the table's own delegate draws the cell's check box.
    void clickBox(int row, int column) const;
    // Output rows of a column whose box is ticked, top to bottom.
    QList<int> tickedRows(int column) const;
    void choose(int index);
    // Shows the window as the user sees it first, then picks a decoder type.
    bool showAndChoose(int index);

private:
    void start();

    QTemporaryDir directory;
    QString previousDirectory;
    std::unique_ptr<MainWindow> mainWindow;
};

#endif // WINDOWFIXTURE_H
