#include "gridshape.h"

#include <QtTest>

#include <limits>

namespace {

// The grid a decoder type gets, as the user sees it: B a box of the column's
// window, - an unused output, C the CV row, W the value row.
const char *const grid[] = {
    // F0 v, F0 r, F1 .. F12
    "BBBBB---------", // output 1
    "BBBBB---------",
    "BBBBB---------",
    "BBBBBBBBBB----",
    "BBBBBBBBBB----",
    "BBBBBBBBBB----",
    "BBBBBBBBBBBBBB",
    "BBBBBBBBBBBBBB",
    "-----BBBBBBBBB",
    "-----BBBBBBBBB",
    "-----BBBBBBBBB",
    "----------BBBB",
    "----------BBBB",
    "----------BBBB", // output 14
    "CCCCCCCCCCCCCC",
    "WWWWWWWWWWWWWW",
};

char letter(CellKind kind)
{
    switch (kind) {
    case CellKind::Box:
        return 'B';
    case CellKind::Unused:
        return '-';
    case CellKind::CvNumber:
        return 'C';
    case CellKind::Value:
        return 'W';
    }
    return '?';
}

} // namespace

class GridShapeTest : public QObject
{
    Q_OBJECT

private slots:
    void everyCellHasItsKind();
    void windowStartsByColumnGroup_data();
    void windowStartsByColumnGroup();
    void lastTwoRowsFollowTheRowCount_data();
    void lastTwoRowsFollowTheRowCount();
    void arrowsPassOverUnusedOutputs_data();
    void arrowsPassOverUnusedOutputs();
    void boxesHoldTheLowByte_data();
    void boxesHoldTheLowByte();
    void anyStateButUncheckedCountsAsSet();
    void magnitudeIsExact_data();
    void magnitudeIsExact();
};

void GridShapeTest::everyCellHasItsKind()
{
    const GridShape shape(16);
    for (int row = 0; row < 16; ++row) {
        QByteArray kinds;
        for (int column = 0; column < 14; ++column)
            kinds.append(letter(shape.cellKind(row, column)));
        QCOMPARE(kinds, QByteArray(grid[row]));
    }
}

void GridShapeTest::windowStartsByColumnGroup_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("start");
    const QStringList headers = {"F0 v", "F0 r", "F1", "F2", "F3", "F4", "F5",
                                 "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
    const int starts[] = {0, 0, 0, 0, 0, 3, 3, 3, 3, 3, 6, 6, 6, 6};
    for (int column = 0; column < headers.size(); ++column)
        QTest::newRow(qPrintable(headers.at(column))) << column << starts[column];
}

void GridShapeTest::windowStartsByColumnGroup()
{
    QFETCH(int, column);
    QFETCH(int, start);
    QCOMPARE(windowStart(column), start);
    QVERIFY(!isWindowRow(column, start - 1));
    QVERIFY(isWindowRow(column, start));
    QVERIFY(isWindowRow(column, start + 7));
    QVERIFY(!isWindowRow(column, start + 8));
}

void GridShapeTest::lastTwoRowsFollowTheRowCount_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("cvRow");
    QTest::addColumn<int>("valueRow");
    QTest::addColumn<int>("lastOutputRow");
    QTest::newRow("a decoder type's 16 rows") << 16 << 14 << 15 << 13;
    QTest::newRow("three outputs") << 5 << 3 << 4 << 2;
    QTest::newRow("no outputs") << 2 << 0 << 1 << -1;
}

void GridShapeTest::lastTwoRowsFollowTheRowCount()
{
    QFETCH(int, rowCount);
    QFETCH(int, cvRow);
    QFETCH(int, valueRow);
    QFETCH(int, lastOutputRow);
    const GridShape shape(rowCount);
    QCOMPARE(shape.cvRow(), cvRow);
    QCOMPARE(shape.valueRow(), valueRow);
    QCOMPARE(shape.cellKind(cvRow, 0), CellKind::CvNumber);
    QCOMPARE(shape.cellKind(valueRow, 0), CellKind::Value);
    QVERIFY(!shape.isOutputRow(-1));
    QCOMPARE(shape.isOutputRow(0), lastOutputRow >= 0);
    QCOMPARE(shape.isOutputRow(lastOutputRow), lastOutputRow >= 0);
    QVERIFY(!shape.isOutputRow(lastOutputRow + 1));
}

// Places and steps as (column, row).
void GridShapeTest::arrowsPassOverUnusedOutputs_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("step");
    QTest::addColumn<QPoint>("target");
    const QPoint left(-1, 0);
    const QPoint right(1, 0);
    const QPoint up(0, -1);
    const QPoint down(0, 1);
    const QPoint stays(-1, -1);
    QTest::newRow("Right to the next box") << QPoint(4, 3) << right << QPoint(5, 3);
    QTest::newRow("Down from F1's last box to its CV") << QPoint(2, 7) << down << QPoint(2, 14);
    QTest::newRow("Down from F4's last box to its CV") << QPoint(5, 10) << down << QPoint(5, 14);
    QTest::newRow("Up from F0's CV to its last box") << QPoint(0, 14) << up << QPoint(0, 7);
    QTest::newRow("Up from F9's CV to its last box") << QPoint(10, 14) << up << QPoint(10, 13);
    QTest::newRow("Down from a CV to its value") << QPoint(7, 14) << down << QPoint(7, 15);
    QTest::newRow("Left across no box stays") << QPoint(10, 13) << left << stays;
    QTest::newRow("Right across no box stays") << QPoint(4, 0) << right << stays;
    QTest::newRow("Left at the edge stays") << QPoint(0, 0) << left << stays;
    QTest::newRow("Down from a value stays") << QPoint(4, 15) << down << stays;
    QTest::newRow("Up from F12's first box stays") << QPoint(13, 6) << up << stays;
}

void GridShapeTest::arrowsPassOverUnusedOutputs()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, step);
    QFETCH(QPoint, target);
    const GridCell reached = GridShape(16).nextReachable({from.y(), from.x()}, step.y(), step.x());
    QCOMPARE(QPoint(reached.column, reached.row), target);
}

void GridShapeTest::boxesHoldTheLowByte_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("boxes");
    QTest::newRow("nothing set") << 0 << 0;
    QTest::newRow("5 ticks the first and third box") << 5 << 5;
    QTest::newRow("129 ticks the first and last box") << 129 << 129;
    QTest::newRow("255 ticks all") << 255 << 255;
    QTest::newRow("300 keeps its low byte 44") << 300 << 44;
    QTest::newRow("-1 ticks all") << -1 << 255;
    QTest::newRow("-256 ticks none") << -256 << 0;
    QTest::newRow("smallest 32-bit value ticks none") << std::numeric_limits<int>::min() << 0;
}

void GridShapeTest::boxesHoldTheLowByte()
{
    QFETCH(int, value);
    QFETCH(int, boxes);
    std::array<int, WindowBits> states{};
    for (int bit = 0; bit < WindowBits; ++bit)
        states[bit] = boxStateForBit(value, bit);
    QCOMPARE(valueOfBoxes(states), boxes);
}

void GridShapeTest::anyStateButUncheckedCountsAsSet()
{
    QCOMPARE(valueOfBoxes({Qt::PartiallyChecked, 0, Qt::Checked, 0, 0, 0, 0, 0}), 5);
}

void GridShapeTest::magnitudeIsExact_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("positive") << 300 << "300";
    QTest::newRow("negative shows its magnitude") << -12 << "12";
    QTest::newRow("largest 32-bit value") << std::numeric_limits<int>::max() << "2147483647";
    QTest::newRow("smallest 32-bit value") << std::numeric_limits<int>::min() << "2147483648";
}

void GridShapeTest::magnitudeIsExact()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(magnitudeText(value), text);
}

QTEST_APPLESS_MAIN(GridShapeTest)
#include "tst_gridshape.moc"
