#include "windowfixture.h"

#include <QtTest>

namespace {

const QByteArray decoders = "[Mixed]\n"
                            "i1 = \"Licht vorwärts\"\n"
                            "i3 = \"Sound\"\n"
                            "i14 = \"Rauch\"\n"
                            "CV35 = 5\n"
                            "CV38 = -12\n"
                            "CV42 = 300\n"
                            "CV43 = 129\n"
                            "[Locked light]\n"
                            "i1 = \"Spitzenlicht\"\n"
                            "CV33 = -1\n"
                            "[Extreme]\n"
                            "CV46 = -2147483648\n";

const int noState = -1;

// The item flags of each kind of cell.
const int boxFlags = Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
const int lockedBoxFlags = Qt::ItemIsUserCheckable;
const int unusedFlags = Qt::NoItemFlags;
const int shownFlags = Qt::ItemIsEnabled;
// What a new item has.
const int editableFlags = Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled
    | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;

} // namespace

class MappingTableTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsCarryTheOutputNames();
    void cellsHaveTheirKind_data();
    void cellsHaveTheirKind();
    void boxesFollowTheStoredValue_data();
    void boxesFollowTheStoredValue();
    void placeholderEmptiesTheTable();
    void switchingTypesShowsOnlyTheNewType();
    void indexOutsideTheCatalogueEmptiesTheTable_data();
    void indexOutsideTheCatalogueEmptiesTheTable();
    void smallestStoredValueShowsItsMagnitude();
};

void MappingTableTest::rowsCarryTheOutputNames()
{
    WindowFixture fixture(decoders);
    fixture.choose(1);
    QTableWidget *table = fixture.table();
    QCOMPARE(table->rowCount(), 16);
    QStringList labels;
    for (int row = 0; row < table->rowCount(); ++row)
        labels.append(table->verticalHeaderItem(row)->text());
    QCOMPARE(labels, (QStringList{"Licht vorwärts", "", "Sound", "", "", "", "", "", "",
                                  "", "", "", "", "Rauch", "CV", "Wert"}));
}

void MappingTableTest::cellsHaveTheirKind_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("checkState");
    QTest::addColumn<QVariant>("background");
    QTest::addColumn<QVariant>("foreground");
    QTest::addColumn<QString>("text");

    const QVariant none;
    const QVariant lightGray = QColor(Qt::lightGray);
    const QVariant darkGray = QColor(Qt::darkGray);
    QTest::newRow("ticked window box") << 0 << 2 << boxFlags << int(Qt::Checked) << none << none << "";
    QTest::newRow("clear window box") << 1 << 2 << boxFlags << int(Qt::Unchecked) << none << none << "";
    QTest::newRow("below F1's window") << 8 << 2 << unusedFlags << noState << darkGray << none << "";
    QTest::newRow("above F4's window") << 2 << 5 << unusedFlags << noState << darkGray << none << "";
    QTest::newRow("below F4's window") << 11 << 5 << unusedFlags << noState << darkGray << none << "";
    QTest::newRow("above F9's window") << 5 << 10 << unusedFlags << noState << darkGray << none << "";
    QTest::newRow("locked clear box") << 3 << 5 << lockedBoxFlags << int(Qt::Unchecked) << lightGray << none << "";
    QTest::newRow("locked ticked box") << 5 << 5 << lockedBoxFlags << int(Qt::Checked) << lightGray << none << "";
    QTest::newRow("first CV number") << 14 << 0 << shownFlags << noState << QVariant(QColor(Qt::blue))
                                     << QVariant(QColor(Qt::white)) << "33";
    QTest::newRow("last CV number") << 14 << 13 << shownFlags << noState << QVariant(QColor(Qt::blue))
                                    << QVariant(QColor(Qt::white)) << "46";
    // Dark text on the fixed grey, whatever the palette's text colour.
    const QVariant black = QColor(Qt::black);
    QTest::newRow("F0 v value is fixed, dark on grey") << 15 << 0 << shownFlags << noState << lightGray << black << "0";
    QTest::newRow("F0 r value is fixed, dark on grey") << 15 << 1 << shownFlags << noState << lightGray << black << "0";
    QTest::newRow("F1 value is editable") << 15 << 2 << editableFlags << noState << none << none << "5";
    QTest::newRow("locked F4 value is editable") << 15 << 5 << editableFlags << noState << none << none << "12";
    QTest::newRow("F12 value is editable") << 15 << 13 << editableFlags << noState << none << none << "0";
}

void MappingTableTest::cellsHaveTheirKind()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, flags);
    QFETCH(int, checkState);
    QFETCH(QVariant, background);
    QFETCH(QVariant, foreground);
    QFETCH(QString, text);

    WindowFixture fixture(decoders);
    fixture.choose(1);
    const QTableWidgetItem *item = fixture.cell(row, column);
    QVERIFY(item);
    QCOMPARE(item->type(), int(QTableWidgetItem::Type));
    QCOMPARE(int(item->flags()), flags);
    const QVariant state = item->data(Qt::CheckStateRole);
    QCOMPARE(state.isValid() ? state.toInt() : noState, checkState);
    QCOMPARE(item->data(Qt::BackgroundRole), background);
    QCOMPARE(item->data(Qt::ForegroundRole), foreground);
    QCOMPARE(item->text(), text);
}

void MappingTableTest::boxesFollowTheStoredValue_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QList<int>>("ticked");
    QTest::newRow("nothing stored") << 0 << "0" << QList<int>{};
    QTest::newRow("5 under F1") << 2 << "5" << QList<int>{0, 2};
    QTest::newRow("-12 under F4 shows 12") << 5 << "12" << QList<int>{5, 6};
    QTest::newRow("300 under F8 shows its low byte") << 9 << "300" << QList<int>{5, 6, 8};
    QTest::newRow("129 under F9") << 10 << "129" << QList<int>{6, 13};
}

void MappingTableTest::boxesFollowTheStoredValue()
{
    QFETCH(int, column);
    QFETCH(QString, value);
    QFETCH(QList<int>, ticked);
    WindowFixture fixture(decoders);
    fixture.choose(1);
    QCOMPARE(fixture.valueCell(column)->text(), value);
    QCOMPARE(fixture.tickedRows(column), ticked);
}

void MappingTableTest::placeholderEmptiesTheTable()
{
    WindowFixture fixture(decoders);
    fixture.choose(1);
    fixture.choose(0);
    QCOMPARE(fixture.table()->rowCount(), 0);
    QCOMPARE(fixture.table()->columnCount(), 14);
    QCOMPARE(fixture.table()->horizontalHeaderItem(13)->text(), QStringLiteral("F12"));

    // The editor is live again once a type is shown.
    fixture.choose(2);
    fixture.cell(0, 2)->setCheckState(Qt::Checked);
    QCOMPARE(fixture.valueCell(2)->text(), QStringLiteral("1"));
}

void MappingTableTest::switchingTypesShowsOnlyTheNewType()
{
    WindowFixture fixture(decoders);
    fixture.choose(1);
    fixture.choose(2);
    QCOMPARE(fixture.table()->rowCount(), 16);
    QCOMPARE(fixture.table()->verticalHeaderItem(0)->text(), QStringLiteral("Spitzenlicht"));
    QCOMPARE(fixture.table()->verticalHeaderItem(2)->text(), QString());
    QCOMPARE(fixture.valueCell(0)->text(), QStringLiteral("1"));
    QCOMPARE(int(fixture.cell(0, 0)->flags()), lockedBoxFlags);
    QCOMPARE(fixture.tickedRows(0), QList<int>{0});
    QCOMPARE(fixture.valueCell(2)->text(), QStringLiteral("0"));
    QCOMPARE(fixture.tickedRows(2), QList<int>{});
    QCOMPARE(int(fixture.cell(3, 5)->flags()), boxFlags);
    QCOMPARE(fixture.cell(3, 5)->data(Qt::BackgroundRole), QVariant());
}

void MappingTableTest::indexOutsideTheCatalogueEmptiesTheTable_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("combo box emptied") << -1;
    QTest::newRow("past the last type") << 4;
}

void MappingTableTest::indexOutsideTheCatalogueEmptiesTheTable()
{
    QFETCH(int, index);
    WindowFixture fixture(decoders);
    fixture.choose(1);
    QVERIFY(QMetaObject::invokeMethod(&fixture.window(), "on_comboBox_currentIndexChanged", Q_ARG(int, index)));
    QCOMPARE(fixture.table()->rowCount(), 0);
}

void MappingTableTest::smallestStoredValueShowsItsMagnitude()
{
    WindowFixture fixture(decoders);
    fixture.choose(3);
    QCOMPARE(fixture.valueCell(13)->text(), QStringLiteral("2147483648"));
    QCOMPARE(int(fixture.cell(6, 13)->flags()), lockedBoxFlags);
    QCOMPARE(fixture.tickedRows(13), QList<int>{});
}

QTEST_MAIN(MappingTableTest)
#include "tst_mappingtable.moc"
