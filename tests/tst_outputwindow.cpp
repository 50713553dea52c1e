#include "outputwindow.h"

#include <QtTest>

#include <limits>

class OutputWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void windowStartsByColumnGroup_data();
    void windowStartsByColumnGroup();
    void boxesHoldTheLowByte_data();
    void boxesHoldTheLowByte();
    void anyStateButUncheckedCountsAsSet();
    void magnitudeIsExact_data();
    void magnitudeIsExact();
};

void OutputWindowTest::windowStartsByColumnGroup_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("start");
    const QStringList headers = {"F0 v", "F0 r", "F1", "F2", "F3", "F4", "F5",
                                 "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
    for (int column = 0; column < headers.size(); ++column)
        QTest::newRow(qPrintable(headers.at(column))) << column << (column < 5 ? 0 : column < 10 ? 3 : 6);
}

void OutputWindowTest::windowStartsByColumnGroup()
{
    QFETCH(int, column);
    QFETCH(int, start);
    QCOMPARE(windowStart(column), start);
    QVERIFY(!isWindowRow(column, start - 1));
    QVERIFY(isWindowRow(column, start));
    QVERIFY(isWindowRow(column, start + 7));
    QVERIFY(!isWindowRow(column, start + 8));
}

void OutputWindowTest::boxesHoldTheLowByte_data()
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

void OutputWindowTest::boxesHoldTheLowByte()
{
    QFETCH(int, value);
    QFETCH(int, boxes);
    std::array<int, WindowBits> states{};
    for (int bit = 0; bit < WindowBits; ++bit)
        states[bit] = boxStateForBit(value, bit);
    QCOMPARE(valueOfBoxes(states), boxes);
}

void OutputWindowTest::anyStateButUncheckedCountsAsSet()
{
    QCOMPARE(valueOfBoxes({Qt::PartiallyChecked, 0, Qt::Checked, 0, 0, 0, 0, 0}), 5);
}

void OutputWindowTest::magnitudeIsExact_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("positive") << 300 << "300";
    QTest::newRow("negative shows its magnitude") << -12 << "12";
    QTest::newRow("largest 32-bit value") << std::numeric_limits<int>::max() << "2147483647";
    QTest::newRow("smallest 32-bit value") << std::numeric_limits<int>::min() << "2147483648";
}

void OutputWindowTest::magnitudeIsExact()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(magnitudeText(value), text);
}

QTEST_APPLESS_MAIN(OutputWindowTest)
#include "tst_outputwindow.moc"
