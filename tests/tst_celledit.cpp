#include "windowfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

namespace {

// F4 (column 5) is locked by its negative value; everything else starts clear.
const QByteArray decoders = "[Leer]\n"
                            "[Gesperrt]\n"
                            "CV38 = -12\n";

const int valueRow = 15;
const int cvRow = 14;

// Presses F2 on a cell, as a user starts typing into it; the editor, if one opens.
QLineEdit *startEditing(const WindowFixture &fixture, int row, int column)
{
    QTableWidget *table = fixture.table();
    table->setFocus();
    table->setCurrentCell(row, column);
    QTest::keyClick(table, Qt::Key_F2);
    return qobject_cast<QLineEdit *>(QApplication::focusWidget());
}

} // namespace

class CellEditTest : public QObject
{
    Q_OBJECT

private slots:
    void tickingBoxesWritesTheWindowsValue_data();
    void tickingBoxesWritesTheWindowsValue();
    void typedValueSetsTheBoxes_data();
    void typedValueSetsTheBoxes();
    void tickingAfterATypedValueRewritesIt();
    void typedValueStillSetsLockedBoxes();
    void changeInTheCvRowChangesNothing();
    void changesWhileTheGuardIsSetAreIgnored();
    void tableOfAnotherShapeIsHandledSafely();
    void clickingABoxTicksItAndWritesTheValue();
    void clickingALockedBoxChangesNothing();
    void typingAValueTicksTheBoxes();
    void forwardAndReverseLightValuesOpenNoEditor_data();
    void forwardAndReverseLightValuesOpenNoEditor();
};

void CellEditTest::tickingBoxesWritesTheWindowsValue_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("value");
    QTest::newRow("F0 v first output") << 0 << QList<int>{0} << "1";
    QTest::newRow("F0 v first and eighth output") << 0 << QList<int>{0, 7} << "129";
    QTest::newRow("F4 first window row is bit 0") << 5 << QList<int>{3} << "1";
    QTest::newRow("F4 last window row is bit 7") << 5 << QList<int>{10} << "128";
    QTest::newRow("F12 whole window") << 13 << QList<int>{6, 7, 8, 9, 10, 11, 12, 13} << "255";
}

void CellEditTest::tickingBoxesWritesTheWindowsValue()
{
    QFETCH(int, column);
    QFETCH(QList<int>, rows);
    QFETCH(QString, value);
    WindowFixture fixture(decoders);
    fixture.choose(1);
    for (int row : rows)
        fixture.cell(row, column)->setCheckState(Qt::Checked);
    QCOMPARE(fixture.valueCell(column)->text(), value);
    QCOMPARE(fixture.tickedRows(column), rows);
}

void CellEditTest::typedValueSetsTheBoxes_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("ticked");
    QTest::newRow("5 under F1") << 2 << "5" << QList<int>{0, 2};
    QTest::newRow("300 keeps its low byte") << 2 << "300" << QList<int>{2, 3, 5};
    QTest::newRow("-1 ticks all") << 2 << "-1" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("-256 ticks none") << 2 << "-256" << QList<int>{};
    QTest::newRow("letters read as 0") << 2 << "abc" << QList<int>{};
    QTest::newRow("hexadecimal reads as 0") << 2 << "0x10" << QList<int>{};
    QTest::newRow("nothing reads as 0") << 2 << "" << QList<int>{};
    QTest::newRow("leading zeros are decimal") << 2 << "007" << QList<int>{0, 1, 2};
    QTest::newRow("beyond 32 bits reads as 0") << 2 << "4294967296" << QList<int>{};
    QTest::newRow("F9 window starts at row 6") << 10 << "129" << QList<int>{6, 13};
}

void CellEditTest::typedValueSetsTheBoxes()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QList<int>, ticked);
    WindowFixture fixture(decoders);
    fixture.choose(1);
    // Start from a full window so that clearing shows too.
    fixture.valueCell(column)->setText(QStringLiteral("255"));
    fixture.valueCell(column)->setText(text);
    QCOMPARE(fixture.tickedRows(column), ticked);
    QCOMPARE(fixture.valueCell(column)->text(), text);
}

void CellEditTest::tickingAfterATypedValueRewritesIt()
{
    WindowFixture fixture(decoders);
    fixture.choose(1);
    fixture.valueCell(2)->setText(QStringLiteral("300"));
    QCOMPARE(fixture.valueCell(2)->text(), QStringLiteral("300"));
    fixture.cell(0, 2)->setCheckState(Qt::Checked);
    QCOMPARE(fixture.valueCell(2)->text(), QStringLiteral("45"));
}

void CellEditTest::typedValueStillSetsLockedBoxes()
{
    WindowFixture fixture(decoders);
    fixture.choose(2);
    QCOMPARE(fixture.tickedRows(5), (QList<int>{5, 6}));
    fixture.valueCell(5)->setText(QStringLiteral("3"));
    QCOMPARE(fixture.tickedRows(5), (QList<int>{3, 4}));
}

void CellEditTest::changeInTheCvRowChangesNothing()
{
    WindowFixture fixture(decoders);
    fixture.choose(2);
    fixture.cell(cvRow, 5)->setText(QStringLiteral("255"));
    QCOMPARE(fixture.tickedRows(5), (QList<int>{5, 6}));
    QCOMPARE(fixture.valueCell(5)->text(), QStringLiteral("12"));
    // The guard is clear again afterwards.
    fixture.cell(3, 5)->setCheckState(Qt::Checked);
    QCOMPARE(fixture.valueCell(5)->text(), QStringLiteral("13"));
}

// Until a type is first chosen the window ignores every cell change.
void CellEditTest::changesWhileTheGuardIsSetAreIgnored()
{
    WindowFixture fixture(decoders);
    QTableWidget *table = fixture.table();
    table->setRowCount(16);
    for (int row = 0; row < 16; ++row)
        table->setItem(row, 2, new QTableWidgetItem);
    table->item(valueRow, 2)->setText(QStringLiteral("255"));
    QCOMPARE(fixture.tickedRows(2), QList<int>{});
    table->item(0, 2)->setCheckState(Qt::Checked);
    QCOMPARE(table->item(valueRow, 2)->text(), QStringLiteral("255"));
}

void CellEditTest::tableOfAnotherShapeIsHandledSafely()
{
    WindowFixture fixture(decoders);
    fixture.choose(1);
    fixture.choose(0);
    QTableWidget *table = fixture.table();
    table->setRowCount(5); // three output rows, the CV row and the value row
    table->setItem(1, 0, new QTableWidgetItem);
    table->setItem(3, 0, new QTableWidgetItem);
    table->setItem(4, 0, new QTableWidgetItem);
    table->setItem(0, 5, new QTableWidgetItem);

    table->item(4, 0)->setText(QStringLiteral("255"));
    QCOMPARE(table->item(1, 0)->checkState(), Qt::Checked);
    QVERIFY(!table->item(3, 0)->data(Qt::CheckStateRole).isValid());

    table->item(1, 0)->setCheckState(Qt::Unchecked);
    QCOMPARE(table->item(4, 0)->text(), QStringLiteral("0"));

    // No value cell and no window cells in this column: nothing to do, nothing to break.
    table->item(0, 5)->setCheckState(Qt::Checked);
    QVERIFY(!table->item(4, 5));
}

void CellEditTest::clickingABoxTicksItAndWritesTheValue()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    fixture.clickBox(2, 3);
    QCOMPARE(fixture.cell(2, 3)->checkState(), Qt::Checked);
    QCOMPARE(fixture.valueCell(3)->text(), QStringLiteral("4"));
    fixture.clickBox(2, 3);
    QCOMPARE(fixture.cell(2, 3)->checkState(), Qt::Unchecked);
    QCOMPARE(fixture.valueCell(3)->text(), QStringLiteral("0"));
}

void CellEditTest::clickingALockedBoxChangesNothing()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(2));
    fixture.clickBox(3, 5);
    QCOMPARE(fixture.cell(3, 5)->checkState(), Qt::Unchecked);
    QCOMPARE(fixture.valueCell(5)->text(), QStringLiteral("12"));
}

void CellEditTest::typingAValueTicksTheBoxes()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QLineEdit *editor = startEditing(fixture, valueRow, 6);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("6"));
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits on its next turn of the event loop.
    QTRY_COMPARE(fixture.valueCell(6)->text(), QStringLiteral("6"));
    QCOMPARE(fixture.tickedRows(6), (QList<int>{4, 5}));
}

void CellEditTest::forwardAndReverseLightValuesOpenNoEditor_data()
{
    QTest::addColumn<int>("column");
    QTest::newRow("F0 v") << 0;
    QTest::newRow("F0 r") << 1;
}

void CellEditTest::forwardAndReverseLightValuesOpenNoEditor()
{
    QFETCH(int, column);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QVERIFY(!startEditing(fixture, valueRow, column));
    QTest::keyClicks(fixture.table(), QStringLiteral("5"));
    QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    QCOMPARE(fixture.valueCell(column)->text(), QStringLiteral("0"));
}

QTEST_MAIN(CellEditTest)
#include "tst_celledit.moc"
