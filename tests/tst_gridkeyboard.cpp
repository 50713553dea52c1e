#include "windowfixture.h"

#include <QApplication>
#include <QtTest>

namespace {

// The second type locks F0 forward and reverse, so the grid's first cells
// can be neither ticked nor typed into.
const QByteArray decoders = "[Offen]\n"
                            "[F0 gesperrt]\n"
                            "CV33 = -5\n"
                            "CV34 = -10\n";
const int lockedType = 2;

// A box the user may tick, or a value the user may type.
bool isUsable(const QTableWidgetItem *item)
{
    const int row = item->row();
    const int rowCount = item->tableWidget()->rowCount();
    if (row < rowCount - 2)
        return item->flags() == (Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    return row == rowCount - 1 && item->flags().testFlag(Qt::ItemIsEditable);
}

// Tab from the choice, as a keyboard user enters the grid.
QModelIndex enterGrid(const WindowFixture &fixture)
{
    fixture.comboBox()->setFocus();
    QTest::keyClick(fixture.comboBox(), Qt::Key_Tab);
    return fixture.table()->currentIndex();
}

} // namespace

class GridKeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void tabMovesBetweenChoiceAndGrid();
    void arrowsReachEveryUsableCell_data();
    void arrowsReachEveryUsableCell();
    void homeKeysGoToTheFirstUsableCell_data();
    void homeKeysGoToTheFirstUsableCell();
};

void GridKeyboardTest::tabMovesBetweenChoiceAndGrid()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(lockedType));
    QTableWidget *table = fixture.table();
    const QModelIndex entry = enterGrid(fixture);
    QCOMPARE(QApplication::focusWidget(), table);
    QCOMPARE(entry, table->model()->index(0, 2));
    QTest::keyClick(table, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), fixture.comboBox());
    QTest::keyClick(fixture.comboBox(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), table);
    QTest::keyClick(table, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), fixture.comboBox());
}

void GridKeyboardTest::arrowsReachEveryUsableCell_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("open type") << 1;
    QTest::newRow("type with locked F0") << lockedType;
}

// Every cell reached so far is a starting point for each arrow key in turn.
void GridKeyboardTest::arrowsReachEveryUsableCell()
{
    QFETCH(int, type);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(type));
    QTableWidget *table = fixture.table();
    QList<QModelIndex> reached{enterGrid(fixture)};
    QVERIFY(isUsable(table->item(reached.first().row(), reached.first().column())));
    for (int next = 0; next < reached.size(); ++next) {
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
            table->setCurrentIndex(reached.at(next));
            QTest::keyClick(table, key);
            if (!reached.contains(table->currentIndex()))
                reached.append(table->currentIndex());
        }
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (isUsable(table->item(row, column)))
                QVERIFY2(reached.contains(table->model()->index(row, column)),
                         qPrintable(QStringLiteral("row %1, column %2").arg(row).arg(column)));
        }
    }
}

void GridKeyboardTest::homeKeysGoToTheFirstUsableCell_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("targetRow");
    QTest::addColumn<int>("targetColumn");
    QTest::newRow("Ctrl+Home from a value") << 15 << 9 << int(Qt::ControlModifier) << 0 << 2;
    QTest::newRow("Home in the value row skips the F0 values") << 15 << 9 << int(Qt::NoModifier) << 15 << 2;
    QTest::newRow("Home in a box row skips the locked boxes") << 5 << 9 << int(Qt::NoModifier) << 5 << 2;
}

void GridKeyboardTest::homeKeysGoToTheFirstUsableCell()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, modifiers);
    QFETCH(int, targetRow);
    QFETCH(int, targetColumn);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(lockedType));
    QTableWidget *table = fixture.table();
    enterGrid(fixture);
    table->setCurrentCell(row, column);
    QTest::keyClick(table, Qt::Key_Home, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(table->currentIndex(), table->model()->index(targetRow, targetColumn));
}

QTEST_MAIN(GridKeyboardTest)
#include "tst_gridkeyboard.moc"
