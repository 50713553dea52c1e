#include "accessibletext.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>
#include <private/qguiapplication_p.h>
#include <private/qhighdpiscaling_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>

namespace {

// F1 starts at 1, F3 at 255; F4 is locked by its negative value.
const QByteArray decoders = "[Gemischt]\n"
                            "i1 = \"Spitzenlicht\"\n"
                            "CV35 = 1\n"
                            "CV37 = 255\n"
                            "CV38 = -12\n"
                            "[Zweiter]\n";

QStringList announcements;
QStringList focusReads;

// What a screen reader is told of the grid's boxes and values, by the changed
// cell's name, of a grid rebuilt for a new type, of the choice's caret and of
// the status bar's notices (Orca 48 reads a notice by the name it last heard);
// and, apart, what it is told has the focus.
void recordAnnouncement(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::TextCaretMoved && qobject_cast<QComboBox *>(event->object())) {
        QAccessibleInterface *choice = event->accessibleInterface();
        announcements.append(QStringLiteral("caret in %1: %2")
                                 .arg(choice->text(QAccessible::Name), choice->text(QAccessible::Value)));
    }
    if ((event->type() == QAccessible::NameChanged || event->type() == QAccessible::ObjectShow)
        && event->accessibleInterface()->role() == QAccessible::Notification) {
        announcements.append(QStringLiteral("notice %1: %2")
                                 .arg(event->type() == QAccessible::NameChanged ? "named" : "shown",
                                      event->accessibleInterface()->text(QAccessible::Name)));
    }
    if (!qobject_cast<QTableWidget *>(event->object()))
        return;
    if (event->type() == QAccessible::Focus) {
        focusReads.append(event->accessibleInterface()->text(QAccessible::Name));
    } else if (event->type() == QAccessible::StateChanged
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

// The platform name is what tells the program which bridge it talks to.
struct PlatformNamed
{
    explicit PlatformNamed(const QString &name) : real(*QGuiApplicationPrivate::platform_name)
    {
        *QGuiApplicationPrivate::platform_name = name;
    }
    ~PlatformNamed() { *QGuiApplicationPrivate::platform_name = real; }
    const QString real;
};

// The display's scale, as Xft.dpi or Windows' display settings give it; set
// while no window exists.
struct DisplayScaled
{
    explicit DisplayScaled(qreal factor) { QHighDpiScaling::setGlobalFactor(factor); }
    ~DisplayScaled() { QHighDpiScaling::setGlobalFactor(1); }
};

QRect globalRect(const QWidget *widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

// Whether each edge of a place lies within a device pixel of where the scale
// puts the edge of the device-independent place given.
bool withinAPixel(const QRect &place, const QRect &independent, qreal scale)
{
    const qreal edges[] = {place.left() - independent.left() * scale, place.top() - independent.top() * scale,
                           place.left() + place.width() - (independent.left() + independent.width()) * scale,
                           place.top() + place.height() - (independent.top() + independent.height()) * scale};
    return std::all_of(std::begin(edges), std::end(edges), [](qreal off) { return qAbs(off) <= 1; });
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
    void headersNameOutputAndFunction_data();
    void headersNameOutputAndFunction();
    void theChoiceIsNamedDecodertyp();
    void overAtSpiTheChoiceIsLabelledDecodertyp();
    void theChoiceReadsAsTheChosenType();
    void numberTextReadsInParts_data();
    void numberTextReadsInParts();
    void cellIsFocusedOnlyWhileTheGridIs();
    void enteringTheGridReadsTheCell();
    void everythingLiesWhereItIsDrawn_data();
    void everythingLiesWhereItIsDrawn();
    void charactersLieOverTheirInk_data();
    void charactersLieOverTheirInk();
    void newCellsNeverTakeTheIdOfAClosedEditor();
    void boxActionTicksTheBoxAndTheValueFollows();
    void changesAreAnnounced_data();
    void changesAreAnnounced();
    void textPiecesAreFound_data();
    void textPiecesAreFound();
    void everyTextAnswersEveryRead_data();
    void everyTextAnswersEveryRead();
    void nothingInTheWindowIsNameless();
    void valueEditorReadsAndEdits();
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
    focusReads.clear();
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

void AccessibleGridTest::headersNameOutputAndFunction_data()
{
    QTest::addColumn<QPoint>("cell"); // column, row
    QTest::addColumn<QString>("columnHeader");
    QTest::addColumn<QString>("rowHeader");
    QTest::newRow("named output") << QPoint(2, 0) << "F1" << "Spitzenlicht";
    QTest::newRow("CV row") << QPoint(5, 14) << "F4" << "CV";
    QTest::newRow("value row") << QPoint(13, 15) << "F12" << "Wert";
}

// Screen readers say the headers of a cell they arrive in, and ask the table
// to describe a row or column.
void AccessibleGridTest::headersNameOutputAndFunction()
{
    QFETCH(QPoint, cell);
    QFETCH(QString, columnHeader);
    QFETCH(QString, rowHeader);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QAccessibleTableCellInterface *headed = cellAt(fixture, cell.y(), cell.x())->tableCellInterface();
    QCOMPARE(headed->columnHeaderCells().value(0)->text(QAccessible::Name), columnHeader);
    QCOMPARE(headed->rowHeaderCells().value(0)->text(QAccessible::Name), rowHeader);
    QAccessibleTableInterface *table = QAccessible::queryAccessibleInterface(fixture.table())->tableInterface();
    QCOMPARE(table->rowDescription(cell.y()), rowHeader);
    QCOMPARE(table->columnDescription(cell.x()), columnHeader);
}

void AccessibleGridTest::theChoiceIsNamedDecodertyp()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QAccessibleInterface *choice = QAccessible::queryAccessibleInterface(fixture.comboBox());
    QCOMPARE(choice->text(QAccessible::Name), QStringLiteral("Decodertyp"));
    QCOMPARE(choice->relations(QAccessible::Label).size(), 0);
}

// Over AT-SPI screen readers take a combo box's value from its name, and its
// name from the label it is labelled by.
void AccessibleGridTest::overAtSpiTheChoiceIsLabelledDecodertyp()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    const PlatformNamed onX11(QStringLiteral("xcb"));
    QAccessibleInterface *choice = QAccessible::queryAccessibleInterface(fixture.comboBox());
    QCOMPARE(choice->text(QAccessible::Name), QStringLiteral("Gemischt"));
    const auto labels = choice->relations(QAccessible::AllRelations);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(int(labels.first().second), int(QAccessible::Label));
    QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Decodertyp"));
    QCOMPARE(int(labels.first().first->role()), int(QAccessible::StaticText));
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

// The toolkit tells of the grid's focus after its cell's: read last, the
// grid would be what a screen reader speaks.
void AccessibleGridTest::enteringTheGridReadsTheCell()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    fixture.comboBox()->setFocus();
    focusReads.clear();
    QTest::keyClick(fixture.comboBox(), Qt::Key_Tab);
    QTRY_COMPARE(focusReads.value(focusReads.size() - 1), QStringLiteral("Spitzenlicht, F0 v"));
    QVERIFY(focusReads.contains(QStringLiteral("Funktionszuordnung")));
}

void AccessibleGridTest::everythingLiesWhereItIsDrawn_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<qreal>("converted"); // device pixels per device-independent one in the answer
    QTest::addColumn<QString>("object");
    const char *objects[] = {"box",          "value",          "column header", "row header",
                             "grid",         "choice",         "value editor",  "editor character",
                             "value character", "choice character"};
    // AT-SPI hands places on as they come; UI Automation converts them itself.
    for (const qreal scale : {1.0, 1.5, 2.0}) {
        for (const char *object : objects) {
            QTest::addRow("%s at %g x over AT-SPI", object, scale) << "xcb" << scale << scale << object;
            QTest::addRow("%s at %g x on Windows", object, scale) << "windows" << scale << 1.0 << object;
        }
    }
}

// Screen readers and magnifiers follow a thing by its place on the screen,
// which must be where it is drawn, in the pixels the bridge counts. A point
// they ask about finds the thing again.
void AccessibleGridTest::everythingLiesWhereItIsDrawn()
{
    QFETCH(QString, platform);
    QFETCH(qreal, scale);
    QFETCH(qreal, converted);
    QFETCH(QString, object);
    const DisplayScaled display(scale);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    // Half a device pixel off at 150 %, where rounding shows.
    fixture.window().move(37, 23);
    QTableWidget *table = fixture.table();
    // The row labels take their width once the new rows are laid out.
    QTRY_VERIFY(table->verticalHeader()->width() > 0);
    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(table);
    QAccessibleInterface *reader = nullptr;
    // A window that takes the activation closes the editor, and its reader goes with it.
    QPointer<QWidget> editor;
    QRect drawn;
    const bool character = object.endsWith("character");
    if (object == "box" || object == "value" || object == "value character") {
        const QModelIndex index =
            table->model()->index(object == "box" ? 0 : 15, object == "box" ? 2 : object == "value" ? 5 : 4);
        const QRect inViewport = table->visualRect(index);
        drawn = QRect(table->viewport()->mapToGlobal(inViewport.topLeft()), inViewport.size());
        reader = cellAt(fixture, index.row(), index.column());
    } else if (object == "column header") {
        const QHeaderView *header = table->horizontalHeader();
        drawn = QRect(header->viewport()->mapToGlobal(QPoint(header->sectionViewportPosition(3), 0)),
                      QSize(header->sectionSize(3), header->height()));
        reader = grid->child(4);
    } else if (object == "row header") {
        const QHeaderView *header = table->verticalHeader();
        drawn = QRect(header->viewport()->mapToGlobal(QPoint(0, header->sectionViewportPosition(14))),
                      QSize(header->width(), header->sectionSize(14)));
        reader = grid->child(15 * 15);
    } else if (object == "grid" || object.startsWith("choice")) {
        QWidget *widget = object == "grid" ? static_cast<QWidget *>(table) : fixture.comboBox();
        drawn = globalRect(widget);
        reader = QAccessible::queryAccessibleInterface(widget);
    } else {
        table->setFocus();
        table->setCurrentCell(15, 4);
        QTest::keyClick(table, Qt::Key_F2);
        editor = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit *>(editor));
        reader = QAccessible::queryAccessibleInterface(editor);
        drawn = globalRect(editor);
    }
    QVERIFY(reader);
    const PlatformNamed bridge(platform);
    if (character) {
        // Where the characters lie is checked without the bridge, and against
        // the screen in charactersLieOverTheirInk.
        QTRY_VERIFY((editor || !object.contains("editor")) && reader->textInterface()->characterCount() >= 3);
        const PlatformNamed unconverted(QStringLiteral("offscreen"));
        drawn = reader->textInterface()->characterRect(1);
    }
    const QRect told = character ? reader->textInterface()->characterRect(1) : reader->rect();
    QVERIFY2(withinAPixel(told, drawn, converted),
             qPrintable(QStringLiteral("told (%1,%2 %3x%4), drawn (%5,%6 %7x%8) x %9")
                            .arg(told.x()).arg(told.y()).arg(told.width()).arg(told.height())
                            .arg(drawn.x()).arg(drawn.y()).arg(drawn.width()).arg(drawn.height()).arg(converted)));
    if (object == "box" || object == "value")
        QCOMPARE(grid->childAt(told.center().x(), told.center().y()), reader);
    if (object == "editor character")
        QCOMPARE(reader->textInterface()->offsetAtPoint(told.center()), 1);
}

void AccessibleGridTest::charactersLieOverTheirInk_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("the chosen type") << "choice";
    QTest::newRow("a value") << "value";
}

// Magnifiers follow the caret to the character it stands at: a text's
// characters together cover what the screen shows of it, and little more.
void AccessibleGridTest::charactersLieOverTheirInk()
{
    QFETCH(QString, where);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    const bool choice = where == "choice";
    QWidget *drawnIn = choice ? static_cast<QWidget *>(fixture.comboBox()) : fixture.table()->viewport();
    QAccessibleTextInterface *text =
        (choice ? QAccessible::queryAccessibleInterface(fixture.comboBox()) : cellAt(fixture, 15, 4))->textInterface();
    QCOMPARE(text->text(0, -1), choice ? QStringLiteral("Gemischt") : QStringLiteral("255"));
    QRect told;
    for (int k = 0; k < text->characterCount(); ++k) {
        QVERIFY(text->characterRect(k).isValid());
        told |= text->characterRect(k);
    }
    QVERIFY(!text->characterRect(text->characterCount()).isValid());
    told.moveTopLeft(drawnIn->mapFromGlobal(told.topLeft()));
    // Some styles draw the choice's focus as a dotted frame close around its text.
    if (choice)
        fixture.table()->setFocus();
    // The text is black; frames, grid lines and backgrounds are light, the CV row blue.
    const QImage image = drawnIn->grab().toImage();
    QRect ink;
    const QRect near = told.adjusted(-4, -4, 4, 4) & image.rect();
    for (int y = near.top(); y <= near.bottom(); ++y) {
        for (int x = near.left(); x <= near.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qGray(pixel) < 128 && qAbs(qRed(pixel) - qBlue(pixel)) < 48)
                ink |= QRect(x, y, 1, 1);
        }
    }
    const QString places = QStringLiteral("ink (%1,%2 %3x%4), told (%5,%6 %7x%8)")
                               .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())
                               .arg(told.x()).arg(told.y()).arg(told.width()).arg(told.height());
    QVERIFY2(ink.isValid() && told.contains(ink), qPrintable(places));
    QVERIFY2(ink.left() - told.left() <= 2 && told.right() - ink.right() <= 2, qPrintable(places));
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
    QTest::newRow("the same after switching on again")
        << "switch on again" << QStringList{"Wert F1: 3", "Ausgang 2, F1: ticked"};
    // The choice's caret moves after the new grid is told, so that the new entry is spoken.
    QTest::newRow("choosing a type")
        << "choose" << QStringList{"new grid", "caret in Decodertyp: Zweiter", "new grid", "caret in Decodertyp: Gemischt"};
    QTest::newRow("Space on a locked box") << "locked" << QStringList{};
    QTest::newRow("Ctrl+Z with nothing to undo")
        << "undo" << QStringList{"notice named: Nichts rückgängig zu machen.", "notice shown: Nichts rückgängig zu machen."};
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
    } else if (gesture == "switch on again") {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
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
    } else if (gesture == "undo") {
        QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
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

void AccessibleGridTest::textPiecesAreFound_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<int>("place");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<int>("start");

    const int character = QAccessible::CharBoundary;
    const int word = QAccessible::WordBoundary;
    const int sentence = QAccessible::SentenceBoundary;
    const int line = QAccessible::LineBoundary;
    const int paragraph = QAccessible::ParagraphBoundary;
    const int whole = QAccessible::NoBoundary;
    const int before = int(SpanPlace::Before);
    const int at = int(SpanPlace::At);
    const int after = int(SpanPlace::After);
    const QString choice = QStringLiteral("<Decodertyp wählen>");
    // Each row: the piece and where it starts; no piece starts at -1.
    QTest::newRow("word at the start of -1") << "-1" << word << at << 0 << "-" << 0;
    QTest::newRow("word at the end of -1") << "-1" << word << at << 2 << "1" << 1;
    QTest::newRow("word at offset -1 is the last") << "-1" << word << at << -1 << "1" << 1;
    QTest::newRow("word after the sign") << "-1" << word << after << 0 << "1" << 1;
    QTest::newRow("no word after the last") << "-1" << word << after << 1 << "" << -1;
    QTest::newRow("word before the number") << "-1" << word << before << 1 << "-" << 0;
    QTest::newRow("no word before the first") << "-1" << word << before << 0 << "" << -1;
    QTest::newRow("word before the last, from the end") << "-1" << word << before << 2 << "-" << 0;
    QTest::newRow("lone sign is one word") << "-" << word << at << 0 << "-" << 0;
    QTest::newRow("two signs are one word") << "--" << word << at << 1 << "--" << 0;
    QTest::newRow("word in an empty text") << "" << word << at << 0 << "" << -1;
    QTest::newRow("blank before a number") << " 7" << word << at << 0 << " " << 0;
    QTest::newRow("number after a blank") << " 7" << word << at << 1 << "7" << 1;
    QTest::newRow("long number at its end") << "2147483648" << word << at << 10 << "2147483648" << 0;
    QTest::newRow("bracket opens the placeholder") << choice << word << at << 0 << "<" << 0;
    QTest::newRow("first word of the placeholder") << choice << word << after << 0 << "Decodertyp" << 1;
    QTest::newRow("blank between words") << choice << word << at << 11 << " " << 11;
    QTest::newRow("word with an umlaut") << choice << word << at << 14 << "wählen" << 12;
    QTest::newRow("bracket closes the placeholder") << choice << word << at << 19 << ">" << 18;
    QTest::newRow("word before the blank") << choice << word << before << 11 << "Decodertyp" << 1;
    QTest::newRow("word beyond the end") << choice << word << at << 20 << "" << -1;
    QTest::newRow("word before the start") << choice << word << at << -3 << "" << -1;
    QTest::newRow("character at the start") << "-1" << character << at << 0 << "-" << 0;
    QTest::newRow("no character at the end") << "-1" << character << at << 2 << "" << -1;
    QTest::newRow("character before the end") << "-1" << character << before << 2 << "1" << 1;
    QTest::newRow("character after the first") << "abc" << character << after << 0 << "b" << 1;
    QTest::newRow("umlaut with a combining mark is one character")
        << QStringLiteral("a\u0308x") << character << at << 0 << QStringLiteral("a\u0308") << 0;
    QTest::newRow("sentence at the end") << "-1" << sentence << at << 2 << "-1" << 0;
    QTest::newRow("first of two sentences") << "Eins. Zwei." << sentence << at << 0 << "Eins. " << 0;
    QTest::newRow("second of two sentences") << "Eins. Zwei." << sentence << after << 0 << "Zwei." << 6;
    QTest::newRow("line of a one-line text") << "-1" << line << at << 0 << "-1" << 0;
    QTest::newRow("line at the end") << "-1" << line << at << 2 << "-1" << 0;
    QTest::newRow("no line before the only one") << "-1" << line << before << 2 << "" << -1;
    QTest::newRow("first line with its line feed") << "a\nb" << line << at << 1 << "a\n" << 0;
    QTest::newRow("line after the first") << "a\nb" << paragraph << after << 0 << "b" << 2;
    QTest::newRow("whole text") << "-1" << whole << at << 1 << "-1" << 0;
    QTest::newRow("nothing after the whole text") << "-1" << whole << after << 0 << "" << -1;
}

// Screen readers read by word and line through these pieces: a wrong one is
// read out wrongly, and one that never comes silences them for good.
void AccessibleGridTest::textPiecesAreFound()
{
    QFETCH(QString, text);
    QFETCH(int, boundary);
    QFETCH(int, place);
    QFETCH(int, offset);
    QFETCH(QString, piece);
    QFETCH(int, start);
    const TextSpan span = textSpan(text, offset, QAccessible::TextBoundaryType(boundary), SpanPlace(place));
    QCOMPARE(span.start, start);
    QCOMPARE(span.end, start < 0 ? -1 : start + piece.size());
    if (start >= 0)
        QCOMPARE(text.mid(span.start, span.end - span.start), piece);
}

void AccessibleGridTest::everyTextAnswersEveryRead_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("content");
    QTest::newRow("the choice before a type") << "choice" << "<Decodertyp wählen>";
    QTest::newRow("the choice with a type") << "choice" << "Gemischt";
    QTest::newRow("a value cell showing -1") << "value" << "-1";
    for (const char *typed : {"-1", "-", "--", "abc", " 7", "2147483648", "", "Grüße"})
        QTest::addRow("the value editor holding '%s'", typed) << "editor" << QString::fromUtf8(typed);
}

// Every piece a screen reader may ask for, at every offset and by every
// boundary, comes at once (a hang fails the test by its time limit) and lies
// within the text.
void AccessibleGridTest::everyTextAnswersEveryRead()
{
    QFETCH(QString, where);
    QFETCH(QString, content);
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(content == "Gemischt" ? 1 : 0));
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(fixture.comboBox());
    if (where != "choice") {
        QVERIFY(fixture.showAndChoose(1));
        fixture.valueCell(2)->setText(content);
        reader = cellAt(fixture, 15, 2);
    }
    if (where == "editor") {
        QTableWidget *table = fixture.table();
        table->setFocus();
        table->setCurrentCell(15, 2);
        QTest::keyClick(table, Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->setText(content);
        reader = QAccessible::queryAccessibleInterface(editor);
        QVERIFY(reader->editableTextInterface());
    }
    QAccessibleTextInterface *text = reader->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, -1), content);
    const int length = content.size();
    for (int boundary = QAccessible::CharBoundary; boundary <= QAccessible::NoBoundary; ++boundary) {
        for (int offset = -3; offset <= length + 2; ++offset) {
            const auto type = QAccessible::TextBoundaryType(boundary);
            int start = 0;
            int end = 0;
            for (int place = 0; place < 3; ++place) {
                const QString piece = place == 0 ? text->textBeforeOffset(offset, type, &start, &end)
                    : place == 1 ? text->textAtOffset(offset, type, &start, &end)
                                 : text->textAfterOffset(offset, type, &start, &end);
                const QByteArray call = QByteArray::number(place) + " " + QByteArray::number(boundary) + " @"
                    + QByteArray::number(offset);
                if (start == -1) {
                    QVERIFY2(end == -1 && piece.isEmpty(), call);
                    continue;
                }
                QVERIFY2(0 <= start && start < end && end <= length, call);
                QVERIFY2(piece == content.mid(start, end - start), call);
            }
        }
    }
}

// Screen readers meet every object of the window in object navigation and
// flat review; only those that merely hold others may go without a name.
void AccessibleGridTest::nothingInTheWindowIsNameless()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QStringList nameless;
    QList<QAccessibleInterface *> pending{QAccessible::queryAccessibleInterface(&fixture.window())};
    while (!pending.isEmpty()) {
        QAccessibleInterface *object = pending.takeFirst();
        for (int k = 0; k < object->childCount(); ++k)
            pending.append(object->child(k));
        if (object->text(QAccessible::Name).isEmpty() && object->role() != QAccessible::Client)
            nameless.append(QStringLiteral("role %1 of %2").arg(object->role()).arg(
                object->object() ? object->object()->metaObject()->className() : "a cell"));
    }
    QCOMPARE(nameless, QStringList());
}

// The value editor is read and changed as Orca and UI Automation do it.
void AccessibleGridTest::valueEditorReadsAndEdits()
{
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(1));
    QTableWidget *table = fixture.table();
    table->setFocus();
    table->setCurrentCell(15, 4);
    QTest::keyClick(table, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(editor);
    QCOMPARE(int(reader->role()), int(QAccessible::EditableText));
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Wert F3 bearbeiten"));
    QVERIFY(reader->state().editable && !reader->state().readOnly);
    // The old value comes selected once the editor has the focus, so that typing replaces it.
    QTRY_COMPARE(reader->text(QAccessible::Value), QStringLiteral("255"));
    QAccessibleTextInterface *text = reader->textInterface();
    int start = -1;
    int end = -1;
    QCOMPARE(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    QCOMPARE((QList<int>{start, end}), (QList<int>{0, 3}));
    QCOMPARE(text->textAtOffset(-2, QAccessible::WordBoundary, &start, &end), QStringLiteral("255"));
    QTest::keyClicks(editor, QStringLiteral("7"));
    QCOMPARE(editor->text(), QStringLiteral("7"));
    reader->editableTextInterface()->replaceText(0, 1, QStringLiteral("-1"));
    QCOMPARE(editor->text(), QStringLiteral("-1"));
    text->setCursorPosition(1);
    QCOMPARE(editor->cursorPosition(), 1);
    QCOMPARE(text->textAtOffset(-2, QAccessible::WordBoundary, &start, &end), QStringLiteral("1"));
    QVERIFY(text->characterRect(0).isValid());
    QVERIFY(text->characterRect(0).left() < text->characterRect(1).left());
    reader->editableTextInterface()->insertText(2, QStringLiteral("28"));
    QCOMPARE(editor->text(), QStringLiteral("-128"));
    text->setSelection(0, 1, 3);
    QCOMPARE(editor->selectedText(), QStringLiteral("12"));
    text->selection(0, &start, &end);
    QCOMPARE((QList<int>{start, end}), (QList<int>{1, 3}));
    reader->editableTextInterface()->deleteText(1, 3);
    QCOMPARE(editor->text(), QStringLiteral("-8"));
}

QTEST_MAIN(AccessibleGridTest)
#include "tst_accessiblegrid.moc"
