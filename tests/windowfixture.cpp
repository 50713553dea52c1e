#include "windowfixture.h"

#include "gridshape.h"

#include <QDir>
#include <QFile>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QtTest>

WindowFixture::WindowFixture()
{
    start();
}

WindowFixture::WindowFixture(const QByteArray &definitionFile)
{
    QFile file(directory.filePath(QStringLiteral("decoders.ini")));
    if (!file.open(QIODevice::WriteOnly) || file.write(definitionFile) != definitionFile.size())
        qFatal("cannot write the test's decoders.ini");
    file.close();
    start();
}

WindowFixture::~WindowFixture()
{
    mainWindow.reset();
    QDir::setCurrent(previousDirectory);
}

void WindowFixture::start()
{
    if (!directory.isValid())
        qFatal("cannot make a scratch directory");
    previousDirectory = QDir::currentPath();
    QDir::setCurrent(directory.path());
    mainWindow = std::make_unique<MainWindow>();
}

QComboBox *WindowFixture::comboBox() const
{
    return mainWindow->findChild<QComboBox *>(QStringLiteral("comboBox"));
}

QTableWidget *WindowFixture::table() const
{
    return mainWindow->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
}

QTableWidgetItem *WindowFixture::cell(int row, int column) const
{
    return table()->item(row, column);
}

QTableWidgetItem *WindowFixture::valueCell(int column) const
{
    return table()->item(GridShape(table()->rowCount()).valueRow(), column);
}

void WindowFixture::clickBox(int row, int column) const
{
    QTableWidget *grid = table();
    QTableWidgetItem *item = cell(row, column);
    QStyleOptionViewItem option;
    option.initFrom(grid->viewport());
    option.rect = grid->visualItemRect(item);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    option.checkState = item->checkState();
    option.widget = grid;
    const QRect box = grid->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, grid);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
}

QList<int> WindowFixture::tickedRows(int column) const
{
    QList<int> rows;
    const GridShape shape(table()->rowCount());
    for (int row = 0; shape.isOutputRow(row); ++row) {
        if (cell(row, column)->data(Qt::CheckStateRole).toInt() == Qt::Checked)
            rows.append(row);
    }
    return rows;
}

void WindowFixture::choose(int index)
{
    comboBox()->setCurrentIndex(index);
}

bool WindowFixture::showAndChoose(int index)
{
    mainWindow->show();
    if (!QTest::qWaitForWindowActive(mainWindow.get()))
        return false;
    choose(index);
    return true;
}
