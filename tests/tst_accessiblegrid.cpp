#include "windowfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

// F1 starts at 1, F3 at 255; F4 is locked by its negative value.
const QByteArray decoders = "[Gemischt]\n"
                            "i1 = \"Spitzenlicht\"\n"
                            "CV35 = 1\n"
                            "CV37 = 255\n"
                            "CV38 = -12\n"
                            "[Zweiter]\n";

QStringList announcements;

// What a screen reader is told of the grid's boxes and values, by the changed
// cell's name, and of a grid rebuilt for a new type.
void recordAnnouncement(QAccessibleEvent *event)
{
    if (!qobject_cast<QTableWidget *>(event->object()))
        return;
    if (event->type() == QAccessible::StateChanged
        && static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().checked) {
        QAccessibleInterface *cell = event->accessibleInterface();
        announcements.append(cell->text(QAccessible::Name) + (cell->state().checked ? ": ticked" : ": cleared"));
    } else if (event->type() == QAccessible::TableModelChanged
               && static_cast<QAccessibleTableModelChangeEvent *>(event)->modelChangeType()
                      == QAccessibleTableModelChangeEvent::ModelReset) {
        announcements.append(QStringLiteral("new grid"));
    } else if (event->type() == QAccessible::TextUpdated) {
        announcements.append(event->accessibleInterface()->text(QAccessible::Name) + ": "
                             + static_cast<QAccessibleTextUpdateEvent *>(event)->textInserted());
    }
}

QAccessibleInterface *cellAt(const WindowFixture &fixture, int row, int column)
{
    return QAccessible::queryAccessibleInterface(fixture.table())->tableInterface()->cellAt(row, column);
}

QStringList stateNames(QAccessible::State state)
{
    QStringList names;
    const std::pair<bool, const char *> known[] = {{bool(state.checkable), "checkable"},
                                                   {bool(state.checked), "checked"},
                                                   {bool(state.disabled), "disabled"},
                                                   {bool(state.editable), "editable"},
                                                   {bool(state.readOnly), "readOnly"}};
    for (const auto &[set, name] : known) {
        if (set)
            names.append(QLatin1String(name));
    }
    return names;
}

} // namespace

class AccessibleGridTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cellsSayWhatTheyAre_data();
    void cellsSayWhatTheyAre();
    void headersAndTheChoiceAreNamed();
    void theChoiceReadsAsTheChosenType();
    void numberTextReadsInParts_data();
    void numberTextReadsInParts();
    void cellIsFocusedOnlyWhileTheGridIs();
    void cellLiesWhereTheViewDrawsIt();
    void newCellsNeverTakeTheIdOfAClosedEditor();
    void boxActionTicksTheBoxAndTheValueFollows();
    void changesAreAnnounced_data();
    void changesAreAnnounced();
};

// As if a screen reader were running: the toolkit then sends events, here to the recorder.
void AccessibleGridTest::initTestCase()
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(recordAnnouncement);
}

void AccessibleGridTest::init()
{
    announcements.clear();
}

void AccessibleGridTest::cellsSayWhatTheyAre_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("states");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("text");

    const int box = QAccessible::CheckBox;
    const int cell = QAccessible::Cell;
    const int label = QAccessible::StaticText;
    const int text = QAccessible::EditableText;
    const QStringList toggle{QAccessibleActionInterface::toggleAction()};
    QTest::newRow("ticked box names output and function")
        << 0 << 2 << box << "Spitzenlicht, F1" << QStringList{"checkable", "checked"} << toggle << "";
    QTest::newRow("unnamed output is counted from 1")
        << 1 << 2 << box << "Ausgang 2, F1" << QStringList{"checkable"} << toggle << "";
    QTest::newRow("locked ticked box is unavailable")
        << 5 << 5 << box << "Ausgang 6, F4" << QStringList{"checkable", "checked", "disabled"} << QStringList{} << "";
    QTest::newRow("locked clear box is unavailable")
        << 3 << 5 << box << "Ausgang 4, F4" << QStringList{"checkable", "disabled"} << QStringList{} << "";
    QTest::newRow("output outside the window is not used")
        << 8 << 2 << cell << "nicht belegt" << QStringList{"disabled"} << QStringList{} << "";
    QTest::newRow("CV cell names function and number")
        << 14 << 2 << label << "CV 35, F1" << QStringList{"readOnly"} << QStringList{} << "";
    QTest::newRow("value cell is editable text")
        << 15 << 2 << text << "Wert F1" << QStringList{"editable"} << QStringList{} << "1";
    QTest::newRow("F0 value is shown, not typed")
        << 15 << 0 << text << "Wert F0 v" << QStringList{"readOnly"} << QStringList{} << "0";
}

void AccessibleGridTest::cellsSayWhatTheyAre()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QStringList, states);
    QFETCH(QStringList, actions);
    QFETCH(QString, text);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QAccessibleInterface *cell = cellAt(fixture, row, column);
    QVERIFY(cell);
    QCOMPARE(int(cell->role()), role);
    QCOMPARE(cell->text(QAccessible::Name), name);
    QCOMPARE(stateNames(cell->state()), states);
    QCOMPARE(cell->actionInterface()->actionNames(), actions);
    QCOMPARE(cell->textInterface() ? cell->textInterface()->text(0, -1) : QString(), text);
}

void AccessibleGridTest::headersAndTheChoiceAreNamed()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QAccessibleTableCellInterface *cell = cellAt(fixture, 0, 2)->tableCellInterface();
    QCOMPARE(cell->columnHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("F1"));
    QCOMPARE(cell->rowHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("Spitzenlicht"));
    QCOMPARE(QAccessible::queryAccessibleInterface(fixture.comboBox())->text(QAccessible::Name),
             QStringLiteral("Decodertyp"));
}

// Screen readers read a combo box's value from its text, and speak a new one
// when the caret in it moves.
void AccessibleGridTest::theChoiceReadsAsTheChosenType()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QAccessibleInterface *choice = QAccessible::queryAccessibleInterface(fixture.comboBox());
    QCOMPARE(choice->text(QAccessible::Value), QStringLiteral("Gemischt"));
    QVERIFY(choice->textInterface());
    QCOMPARE(choice->textInterface()->text(0, -1), QStringLiteral("Gemischt"));
    const int caret = choice->textInterface()->cursorPosition();
    fixture.choose(2);
    QCOMPARE(choice->textInterface()->text(0, -1), QStringLiteral("Zweiter"));
    QVERIFY(choice->textInterface()->cursorPosition() != caret);
}

void AccessibleGridTest::numberTextReadsInParts_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("part");
    QTest::newRow("whole text") << 0 << -1 << "255";
    QTest::newRow("characters 1 to 2") << 1 << 3 << "55";
    QTest::newRow("from character 2 to the end") << 2 << -1 << "5";
    QTest::newRow("end beyond the text") << 1 << 9 << "55";
    QTest::newRow("empty range") << 2 << 2 << "";
    QTest::newRow("start after end") << 2 << 1 << "";
}

void AccessibleGridTest::numberTextReadsInParts()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, part);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QAccessibleTextInterface *value = cellAt(fixture, 15, 4)->textInterface();
    QCOMPARE(value->characterCount(), 3);
    QCOMPARE(value->text(start, end), part);
}

void AccessibleGridTest::cellIsFocusedOnlyWhileTheGridIs()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    fixture.table()->setCurrentCell(0, 2);
    QAccessibleInterface *cell = cellAt(fixture, 0, 2);
    fixture.comboBox()->setFocus();
    QVERIFY(!cell->state().focused);
    fixture.table()->setFocus();
    QVERIFY(cell->state().focused);
    QVERIFY(!cellAt(fixture, 1, 2)->state().focused);
    fixture.comboBox()->setFocus();
    QVERIFY(!cell->state().focused);
}

// Screen readers and magnifiers follow a cell by its place on the screen.
void AccessibleGridTest::cellLiesWhereTheViewDrawsIt()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QTableWidget *table = fixture.table();
    const QRect drawn = table->visualRect(table->model()->index(15, 5));
    QCOMPARE(cellAt(fixture, 15, 5)->rect(),
             QRect(table->viewport()->mapToGlobal(drawn.topLeft()), drawn.size()));
}

// Screen readers cache what they learnt of an id: a cell under the id of a
// closed editor would be taken for that editor.
void AccessibleGridTest::newCellsNeverTakeTheIdOfAClosedEditor()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QTableWidget *table = fixture.table();
    table->setFocus();
    table->setCurrentCell(15, 2);
    QTest::keyClick(table, Qt::Key_F2);
    QWidget *editor = QApplication::focusWidget();
    const QAccessible::Id editorId = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(editor));
    QTest::keyClick(editor, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!QAccessible::accessibleInterface(editorId));
    fixture.choose(2);
    fixture.choose(1);
    QVERIFY(QAccessible::uniqueId(cellAt(fixture, 0, 2)) != editorId);
}

void AccessibleGridTest::boxActionTicksTheBoxAndTheValueFollows()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    announcements.clear();
    cellAt(fixture, 1, 2)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(fixture.tickedRows(2), (QList<int>{0, 1}));
    QCOMPARE(fixture.valueCell(2)->text(), QStringLiteral("3"));
    QCOMPARE(announcements, (QStringList{"Wert F1: 3", "Ausgang 2, F1: ticked"}));
    // A locked box offers no action, and a stray call changes nothing.
    cellAt(fixture, 3, 5)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(fixture.tickedRows(5), (QList<int>{5, 6}));
}

void AccessibleGridTest::changesAreAnnounced_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QStringList>("expected");
    // A change the grid makes in answer to another is announced first.
    QTest::newRow("click on a box") << "click" << QStringList{"Wert F1: 3", "Ausgang 2, F1: ticked"};
    QTest::newRow("Space on a box") << "space" << QStringList{"Wert F1: 3", "Ausgang 2, F1: ticked"};
    QTest::newRow("typed 7 ticks three boxes")
        << "type" << QStringList{"Spitzenlicht, F2: ticked", "Ausgang 2, F2: ticked", "Ausgang 3, F2: ticked",
                                 "Wert F2: 7"};
    QTest::newRow("5 typed straight into the value")
        << "type straight" << QStringList{"Spitzenlicht, F2: ticked", "Ausgang 3, F2: ticked", "Wert F2: 5"};
    // The editor gets its value before it can be closed, even by keys that come at once.
    QTest::newRow("F2 and Return at once") << "open and close" << QStringList{};
    // The new grid's cells are new: no event for each of its boxes and numbers.
    QTest::newRow("choosing a type") << "choose" << QStringList{"new grid", "new grid"};
    QTest::newRow("Space on a locked box") << "locked" << QStringList{};
}

void AccessibleGridTest::changesAreAnnounced()
{
    QFETCH(QString, gesture);
    QFETCH(QStringList, expected);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QTableWidget *table = fixture.table();
    table->setFocus();
    announcements.clear();
    if (gesture == "click") {
        fixture.clickBox(1, 2);
    } else if (gesture == "space") {
        table->setCurrentCell(1, 2);
        QTest::keyClick(table, Qt::Key_Space);
    } else if (gesture == "type straight") {
        table->setCurrentCell(15, 3);
        QTest::keyClick(table, Qt::Key_5);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    } else if (gesture == "open and close") {
        table->setCurrentCell(15, 2);
        QTest::keyClick(table, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(fixture.valueCell(2)->text(), QStringLiteral("1"));
    } else if (gesture == "choose") {
        fixture.choose(2);
        fixture.choose(1);
    } else if (gesture == "locked") {
        table->selectionModel()->setCurrentIndex(table->model()->index(5, 5), QItemSelectionModel::NoUpdate);
        QTest::keyClick(table, Qt::Key_Space);
        QCOMPARE(fixture.tickedRows(5), (QList<int>{5, 6}));
    } else {
        table->setCurrentCell(15, 3);
        QTest::keyClick(table, Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(QAccessible::queryAccessibleInterface(editor)->text(QAccessible::Name),
                 QStringLiteral("Wert F2 bearbeiten"));
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("7"));
        QTest::keyClick(editor, Qt::Key_Return);
    }
    QTRY_COMPARE(announcements, expected);
}

QTEST_MAIN(AccessibleGridTest)
#include "tst_accessiblegrid.moc"
