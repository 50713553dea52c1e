#include "windowfixture.h"

#include <QtTest>

// Whatever is typed into a value cell is read as QString::toInt reads it and kept as typed.
class HostileValueTest : public QObject
{
    Q_OBJECT

private slots:
    void oddTypedValueReadsAsToIntReadsIt_data();
    void oddTypedValueReadsAsToIntReadsIt();
};

void HostileValueTest::oddTypedValueReadsAsToIntReadsIt_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("300 digits") << QString(300, QLatin1Char('9'));
    QTest::newRow("1,000 leading zeros") << QString(1000, QLatin1Char('0')) + "77";
    QTest::newRow("leading plus") << "+77";
    QTest::newRow("leading minus on zero") << "-0";
    QTest::newRow("blanks around the digits") << "  77  ";
    QTest::newRow("tabs around the digits") << "\t77\t";
    QTest::newRow("blank inside the digits") << "7 7";
    QTest::newRow("Arabic-Indic digits") << QString(2, QChar(0x0667));
    QTest::newRow("full-width digits") << QString(2, QChar(0xff17));
    QTest::newRow("ASCII and Arabic-Indic digits mixed") << QString(QLatin1Char('7')) + QChar(0x0667);
    QTest::newRow("2,000 letters") << QString(2000, QLatin1Char('x'));
    QTest::newRow("digits then 1,500 letters") << "77" + QString(1500, QLatin1Char('x'));
    QTest::newRow("largest 32-bit value") << "2147483647";
    QTest::newRow("one past the largest 32-bit value") << "2147483648";
    QTest::newRow("smallest 32-bit value") << "-2147483648";
    QTest::newRow("NUL character") << QString::fromLatin1("7\0" "7", 3);
    QTest::newRow("lone surrogate") << QString(QChar(0xd800)) + "77";
}

void HostileValueTest::oddTypedValueReadsAsToIntReadsIt()
{
    QFETCH(QString, text);
    WindowFixture fixture("[A]\n");
    fixture.choose(1);
    for (const int column : {2, 7, 12}) {
        // From a full window, so that clearing shows too.
        fixture.valueCell(column)->setText(QStringLiteral("255"));
        fixture.valueCell(column)->setText(text);
        QCOMPARE(fixture.valueCell(column)->text(), text);
        QCOMPARE(fixture.tickedRows(column), rowsForText(column, text));
    }

    // A box ticked afterwards writes the boxes' value over the odd text.
    QTableWidgetItem *box = fixture.cell(6, 12); // bit 0 of F11
    box->setCheckState(box->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    const int value = (text.toInt() & 0xff) ^ 1;
    QCOMPARE(fixture.valueCell(12)->text(), QString::number(value));
    QCOMPARE(fixture.tickedRows(12), rowsForText(12, QString::number(value)));
}

QTEST_MAIN(HostileValueTest)
#include "tst_hostilevalues.moc"
