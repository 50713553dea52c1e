#include "contrast.h"
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

const int cvRow = 14;
const int valueRow = 15;

// A box the user may tick, or a value the user may type.
bool isUsable(const QTableWidgetItem *item)
{
    if (item->row() < cvRow)
        return item->flags() == (Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    return item->row() == valueRow && item->flags().testFlag(Qt::ItemIsEditable);
}

// Every box, locked or not, and the CV and value rows: all but the outputs
// outside a function's window.
bool isReachable(const QTableWidgetItem *item)
{
    return item->row() >= cvRow || item->data(Qt::CheckStateRole).isValid();
}

// Where keyboard users are, whether or not the view could go there itself.
void placeCurrent(QTableWidget *table, int row, int column)
{
    table->selectionModel()->setCurrentIndex(table->model()->index(row, column), QItemSelectionModel::NoUpdate);
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
    void arrowsReachEveryCellButUnusedOutputs_data();
    void arrowsReachEveryCellButUnusedOutputs();
    void keysMoveTo_data();
    void keysMoveTo();
    void currentCellIsRingedOnlyWhileTheGridHasFocus_data();
    void currentCellIsRingedOnlyWhileTheGridHasFocus();
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
    // Coming back finds the cell the user left.
    QTest::keyClick(fixture.comboBox(), Qt::Key_Tab);
    QTest::keyClick(table, Qt::Key_Down);
    const QModelIndex left = table->currentIndex();
    QTest::keyClick(table, Qt::Key_Tab);
    QTest::keyClick(fixture.comboBox(), Qt::Key_Tab);
    QCOMPARE(table->currentIndex(), left);
}

void GridKeyboardTest::arrowsReachEveryCellButUnusedOutputs_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("open type") << 1;
    QTest::newRow("type with locked F0") << lockedType;
}

// Every cell reached so far is a starting point for each arrow key in turn.
void GridKeyboardTest::arrowsReachEveryCellButUnusedOutputs()
{
    QFETCH(int, type);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(type));
    QTableWidget *table = fixture.table();
    QList<QModelIndex> reached{enterGrid(fixture)};
    QVERIFY(isUsable(table->item(reached.first().row(), reached.first().column())));
    for (int next = 0; next < reached.size(); ++next) {
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
            placeCurrent(table, reached.at(next).row(), reached.at(next).column());
            QTest::keyClick(table, key);
            if (!reached.contains(table->currentIndex()))
                reached.append(table->currentIndex());
        }
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            QCOMPARE(reached.contains(table->model()->index(row, column)), isReachable(table->item(row, column)));
        }
    }
}

void GridKeyboardTest::keysMoveTo_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("targetRow");
    QTest::addColumn<int>("targetColumn");
    const int none = Qt::NoModifier;
    QTest::newRow("Ctrl+Home from a value") << 15 << 9 << int(Qt::Key_Home) << int(Qt::ControlModifier) << 0 << 2;
    QTest::newRow("Home in the value row skips the F0 values") << 15 << 9 << int(Qt::Key_Home) << none << 15 << 2;
    QTest::newRow("Home in the CV row stays in it") << 14 << 9 << int(Qt::Key_Home) << none << 14 << 0;
    QTest::newRow("Home in a box row skips the locked boxes") << 5 << 9 << int(Qt::Key_Home) << none << 5 << 2;
    QTest::newRow("Left onto a locked box") << 0 << 2 << int(Qt::Key_Left) << none << 0 << 1;
    QTest::newRow("Down along a locked column") << 0 << 0 << int(Qt::Key_Down) << none << 1 << 0;
    QTest::newRow("Down from a column's last box to its CV") << 7 << 2 << int(Qt::Key_Down) << none << 14 << 2;
    QTest::newRow("Up from a CV to the column's last box") << 14 << 10 << int(Qt::Key_Up) << none << 13 << 10;
    QTest::newRow("Left from a window's first column stays") << 12 << 10 << int(Qt::Key_Left) << none << 12 << 10;
    QTest::newRow("Left from the first box stays") << 0 << 0 << int(Qt::Key_Left) << none << 0 << 0;
    QTest::newRow("Down from a value stays") << 15 << 4 << int(Qt::Key_Down) << none << 15 << 4;
    // The grid fits the window: a page is the whole column.
    QTest::newRow("Page Down from a box to its value") << 0 << 2 << int(Qt::Key_PageDown) << none << 15 << 2;
    QTest::newRow("Page Down along a locked column") << 0 << 0 << int(Qt::Key_PageDown) << none << 15 << 0;
    QTest::newRow("Page Up from a value to the first box") << 15 << 3 << int(Qt::Key_PageUp) << none << 0 << 3;
    QTest::newRow("End in a box row") << 3 << 2 << int(Qt::Key_End) << none << 3 << 9;
    QTest::newRow("End in the value row") << 15 << 2 << int(Qt::Key_End) << none << 15 << 13;
    // The view takes the row's last cell first, then goes down its column.
    QTest::newRow("Ctrl+End to the value under the row's last box")
        << 0 << 2 << int(Qt::Key_End) << int(Qt::ControlModifier) << 15 << 4;
    // Row -1: no current cell.
    QTest::newRow("Page Down without a current cell") << -1 << -1 << int(Qt::Key_PageDown) << none << 0 << 2;
    QTest::newRow("Page Up without a current cell") << -1 << -1 << int(Qt::Key_PageUp) << none << 0 << 2;
    QTest::newRow("End without a current cell") << -1 << -1 << int(Qt::Key_End) << none << 0 << 2;
}

void GridKeyboardTest::keysMoveTo()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, targetRow);
    QFETCH(int, targetColumn);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(lockedType));
    QTableWidget *table = fixture.table();
    enterGrid(fixture);
    placeCurrent(table, row, column);
    QTest::keyClick(table, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(table->currentIndex(), table->model()->index(targetRow, targetColumn));
}

// The ring is drawn two pixels wide along the inside of the cell's edge, all
// around it, in a colour that stands out from the cell at 3:1: the highlight
// colour where it does, else black or white.
void GridKeyboardTest::currentCellIsRingedOnlyWhileTheGridHasFocus_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("cell");
    const QColor white(Qt::white), lightGrey(0xc0, 0xc0, 0xc0);
    QTest::newRow("an open box on white") << 0 << 2 << white;
    QTest::newRow("a locked box on light grey") << 3 << 0 << lightGrey;
    QTest::newRow("a CV on blue") << cvRow << 2 << QColor(Qt::blue);
    QTest::newRow("a value on white") << valueRow << 5 << white;
    QTest::newRow("a locked value on light grey") << valueRow << 1 << lightGrey;
}

void GridKeyboardTest::currentCellIsRingedOnlyWhileTheGridHasFocus()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QColor, cell);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(lockedType));
    QTableWidget *table = fixture.table();
    // Two pixels deep on each side, and the corners.
    const auto ringPoints = [table](int row, int column) {
        const QRect place = table->visualRect(table->model()->index(row, column));
        const QPoint centre = place.center();
        return QList<QPoint>{QPoint(place.left(), centre.y()),  QPoint(place.left() + 1, centre.y()),
                             QPoint(place.right(), centre.y()), QPoint(place.right() - 1, centre.y()),
                             QPoint(centre.x(), place.top()),   QPoint(centre.x(), place.top() + 1),
                             QPoint(centre.x(), place.bottom()), QPoint(centre.x(), place.bottom() - 1),
                             place.topLeft(),                   place.bottomRight()};
    };
    const auto colours = [](const QImage &drawn, const QList<QPoint> &points) {
        QList<QColor> found;
        for (const QPoint &p : points)
            found.append(drawn.pixelColor(p));
        return found;
    };
    enterGrid(fixture);
    placeCurrent(table, row, column);
    const QImage focused = table->viewport()->grab().toImage();
    fixture.comboBox()->setFocus();
    const QImage unfocused = table->viewport()->grab().toImage();

    const QList<QColor> ring = colours(focused, ringPoints(row, column));
    QCOMPARE(ring.count(ring.first()), ring.size());
    QVERIFY2(contrastRatio(ring.first(), cell) >= 3.0,
             qPrintable(ring.first().name() + " on " + cell.name() + " is below 3:1"));
    // Where the ring was, the cell's own colour: the one it had to stand out from.
    QCOMPARE(colours(unfocused, ringPoints(row, column)).first(), cell);
    QVERIFY(!colours(unfocused, ringPoints(row, column)).contains(ring.first()));
    // The cell next to it looks the same with the focus as without.
    const int next = row + (row ? -1 : 1);
    QCOMPARE(colours(focused, ringPoints(next, column)), colours(unfocused, ringPoints(next, column)));
}

QTEST_MAIN(GridKeyboardTest)
#include "tst_gridkeyboard.moc"
