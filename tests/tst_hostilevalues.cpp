#include "windowfixture.h"

#include <QtTest>

namespace {

// Columns F1, F6 and F11 with the first row of each one's window.
const QList<QPair<int, int>> windows{{2, 0}, {7, 3}, {12, 6}};

QList<int> rowsOfBits(int firstRow, const QList<int> &bits)
{
    QList<int> rows;
    for (const int bit : bits)
        rows.append(firstRow + bit);
    return rows;
}

} // namespace

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
    QTest::addColumn<QList<int>>("bits");        // the window's boxes ticked, bit 0 first
    QTest::addColumn<QString>("afterToggle");    // the value once the box of bit 0 is toggled
    QTest::addColumn<QList<int>>("bitsAfterToggle");
    const QList<int> none;
    const QList<int> all{0, 1, 2, 3, 4, 5, 6, 7};
    const QList<int> seventySeven{0, 2, 3, 6};
    const QList<int> seventySix{2, 3, 6};
    const QList<int> allButBit0{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("300 digits") << QString(300, QLatin1Char('9')) << none << "1" << QList<int>{0};
    QTest::newRow("1,000 leading zeros") << QString(1000, QLatin1Char('0')) + "77" << seventySeven << "76"
                                         << seventySix;
    QTest::newRow("leading plus") << "+77" << seventySeven << "76" << seventySix;
    QTest::newRow("leading minus on zero") << "-0" << none << "1" << QList<int>{0};
    QTest::newRow("blanks around the digits") << "  77  " << seventySeven << "76" << seventySix;
    QTest::newRow("tabs around the digits") << "\t77\t" << seventySeven << "76" << seventySix;
    QTest::newRow("blank inside the digits") << "7 7" << none << "1" << QList<int>{0};
    QTest::newRow("Arabic-Indic digits") << QString(2, QChar(0x0667)) << none << "1" << QList<int>{0};
    QTest::newRow("full-width digits") << QString(2, QChar(0xff17)) << none << "1" << QList<int>{0};
    QTest::newRow("ASCII and Arabic-Indic digits mixed")
        << QString(QLatin1Char('7')) + QChar(0x0667) << none << "1" << QList<int>{0};
    QTest::newRow("2,000 letters") << QString(2000, QLatin1Char('x')) << none << "1" << QList<int>{0};
    QTest::newRow("digits then 1,500 letters") << "77" + QString(1500, QLatin1Char('x')) << none << "1"
                                               << QList<int>{0};
    QTest::newRow("largest 32-bit value") << "2147483647" << all << "254" << allButBit0;
    QTest::newRow("one past the largest 32-bit value") << "2147483648" << none << "1" << QList<int>{0};
    QTest::newRow("smallest 32-bit value") << "-2147483648" << none << "1" << QList<int>{0};
    QTest::newRow("NUL character") << QString::fromLatin1("7\0" "7", 3) << none << "1" << QList<int>{0};
    QTest::newRow("lone surrogate") << QString(QChar(0xd800)) + "77" << none << "1" << QList<int>{0};
}

void HostileValueTest::oddTypedValueReadsAsToIntReadsIt()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, bits);
    QFETCH(QString, afterToggle);
    QFETCH(QList<int>, bitsAfterToggle);
    WindowFixture fixture("[A]\n");
    fixture.choose(1);
    for (const auto &[column, firstRow] : windows) {
        // From a full window, so that clearing shows too.
        fixture.valueCell(column)->setText(QStringLiteral("255"));
        fixture.valueCell(column)->setText(text);
        QCOMPARE(fixture.valueCell(column)->text(), text);
        QCOMPARE(fixture.tickedRows(column), rowsOfBits(firstRow, bits));
    }

    // A box ticked afterwards writes the boxes' value over the odd text.
    QTableWidgetItem *box = fixture.cell(6, 12); // bit 0 of F11
    box->setCheckState(box->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    QCOMPARE(fixture.valueCell(12)->text(), afterToggle);
    QCOMPARE(fixture.tickedRows(12), rowsOfBits(6, bitsAfterToggle));
}

QTEST_MAIN(HostileValueTest)
#include "tst_hostilevalues.moc"
