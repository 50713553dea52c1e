#include "checkersupport.h"
#include "copiedvalues.h"
#include "droppedfile.h"
#include "gridshape.h"
#include "mistypedlists.h"
#include "pastedvalues.h"
#include "valueseditor.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

namespace {

// F4 (CV38) is locked; F0 v and F0 r hold 1 and 2, the rest 0.
const QByteArray probe = "[Probe]\n"
                         "i1 = \"Licht vorwärts\"\n"
                         "CV33 = 1\n"
                         "CV34 = 2\n"
                         "CV38 = -12\n";
const int valueRow = 15;

// Names the reader keeps as written, which a copy must write so that they read back alike.
const QByteArray hostileNames = "[  Lok [alt] (2)  ]\n"
                                "i1 = \"Rauch \"Dampf\"\"\n"
                                "i2 = \"  Führerstand hinten  \"\n"
                                "i3 = \"\"\"\n"
                                "CV33 = 5\n"
                                "CV40 = -300\n"
                                "CV41 = 300\n";

// The whole literal, NUL bytes included.
template<int N>
QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

QString valuesOnShow(const WindowFixture &fixture)
{
    QStringList texts;
    for (int column = 0; column < CvCount; ++column)
        texts.append(fixture.valueCell(column)->text());
    return texts.join(QLatin1Char(' '));
}

QString statusMessage(WindowFixture &fixture)
{
    return fixture.window().statusBar()->currentMessage();
}

void press(WindowFixture &fixture, int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
{
    QTest::keyClick(fixture.table(), Qt::Key(key), modifiers);
}

void pasteAt(WindowFixture &fixture, const QString &text, int column)
{
    QApplication::clipboard()->setText(text);
    fixture.table()->setFocus();
    fixture.table()->setCurrentCell(valueRow, column);
    press(fixture, Qt::Key_V);
}

QString copied(WindowFixture &fixture)
{
    QApplication::clipboard()->clear();
    fixture.table()->setFocus();
    press(fixture, Qt::Key_C);
    return QApplication::clipboard()->text();
}

// Closed, a menu goes at once, as it would before the user's next key.
void closeMenu(QMenu *menu)
{
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QMenu *openMenu(WindowFixture &fixture)
{
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint());
    QApplication::sendEvent(fixture.table(), &event);
    return fixture.table()->findChild<QMenu *>(QStringLiteral("gridMenu"));
}

// The type as the window shows it: name, outputs, each column's boxes and lock.
QStringList shownType(const WindowFixture &fixture)
{
    QStringList shown{fixture.comboBox()->currentText()};
    for (int row = 0; row < OutputCount; ++row)
        shown.append(fixture.table()->verticalHeaderItem(row)->text());
    for (int column = 0; column < CvCount; ++column) {
        QStringList rows;
        for (const int row : fixture.tickedRows(column))
            rows.append(QString::number(row));
        const bool locked = !(fixture.cell(windowStart(column), column)->flags() & Qt::ItemIsEnabled);
        shown.append(rows.join(QLatin1Char(',')) + (locked ? QStringLiteral(" gesperrt") : QString()));
    }
    return shown;
}

} // namespace

class ValueEditingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dropDebugMessages(); }
    void pasteReaderAlone_data();
    void pasteReaderAlone();
    void pasteAppliesWhatItCanAndSaysWhat_data();
    void pasteAppliesWhatItCanAndSaysWhat();
    void pastedValueTicksTheBoxesAsTypingDoes();
    void pasteBeforeATypeIsChosenChangesNothing();
    void hugeClipboardsAnswerQuickly_data();
    void hugeClipboardsAnswerQuickly();
    void copyWritesTheTypeOnShow();
    void copyWithoutATypeSaysSo();
    void copyNotesWhatIsCopiedOtherwise_data();
    void copyNotesWhatIsCopiedOtherwise();
    void copySaysWhatItWritesOtherwise_data();
    void copySaysWhatItWritesOtherwise();
    void droppedFileIsReadOrRefused_data();
    void droppedFileIsReadOrRefused();
    void dropOntoTheWindowIsReadAsAPaste_data();
    void dropOntoTheWindowIsReadAsAPaste();
    void copyReadsBackAsTheSameType_data();
    void copyReadsBackAsTheSameType();
    void undoAndRedoRestoreEachStep();
    void valuesAppliedFromElsewhereAreOneStep();
    void stepsOnAGridWithoutValueCells_data();
    void stepsOnAGridWithoutValueCells();
    void choosingAnotherTypeStartsAfresh();
    void menuOffersWhatCanBeDone();
    void valueEditorKeepsItsKeys();
    void windowStaysAsItWasUntilUsed();
};

// The reader without the window: columns and texts it hands on, and how many problems it counts.
void ValueEditingTest::pasteReaderAlone_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("startColumn");
    QTest::addColumn<QStringList>("values"); // column=text
    QTest::addColumn<int>("problems");       // named and unnamed

    QTest::newRow("list, no column locked") << "CV46 = 1, CV33 = +2" << 5 << QStringList{"0=+2", "13=1"} << 0;
    QTest::newRow("run beyond the last column, refused whole") << "7 8" << 13 << QStringList{} << 1;
    QTest::newRow("run filling the last column") << "7" << 13 << QStringList{"13=7"} << 0;
    QTest::newRow("run starting beyond the grid") << "7" << 20 << QStringList{} << 1;
    // Words and numbers naming no CV: refused whole, never a run.
    QTest::newRow("a word with CV inside names no CV") << "ACV33 = 1" << 0 << QStringList{} << 1;
    QTest::newRow("CV with a letter after its number") << "CV33a = 1" << 0 << QStringList{} << 1;
    QTest::newRow("output and header lines are passed over") << "[CV33 = 1]\ni1 = \"CV34 = 2\"\nCV35 = 3" << 0
                                                             << QStringList{"2=3"} << 0;
    QTest::newRow("CV number with leading zero") << "CV033 = 4" << 0 << QStringList{"0=4"} << 0;
    QTest::newRow("words only, one problem") << "x x x x x x" << 0 << QStringList{} << 1;
    QTest::newRow("many problems, two named") << "CV1=1 CV2=1 CV3=1 CV4=1" << 0 << QStringList{} << 4;
    QTest::newRow("a problem told once") << "CV35 =\nCV35 =" << 0 << QStringList{} << 1;
    QTest::newRow("table rows name no other CV") << "CV|Wert\n1|3\n33|1" << 0 << QStringList{"0=1"} << 0;
    QTest::newRow("a sentence's full stop") << "(CV33 = 1.) Then CV34 = 2!" << 0 << QStringList{"0=1", "1=2"} << 0;
    QTest::newRow("a range is no value") << "CV33 = 1 - 2, CV34 = 3 bis 4" << 0 << QStringList{} << 2;
    QTest::newRow("an indexed CV is none of ours") << "CV16.33 = 1" << 0 << QStringList{} << 1;
    QTest::newRow("CV numbers beyond any CV") << "CV0 = 1, CV9999999999 = 2" << 0 << QStringList{} << 1;
    QTest::newRow("a leading tab keeps its column") << "\t5" << 3 << QStringList{"4=5"} << 0;
    QTest::newRow("empty cells keep columns up to the end") << "1\t\t\t4" << 10 << QStringList{"10=1", "13=4"} << 0;
    QTest::newRow("tabs and blanks between numbers") << "1 \t 2\t \t3" << 0 << QStringList{"0=1", "1=2", "3=3"} << 0;
    QTest::newRow("a table's separator row and a row that ends it")
        << "| CV | Wert |\n|---|---|\n| 35 | 4 |\n\n| 36 | 8 |\nEnde\n| 37 | 16 |" << 0
        << QStringList{"2=4", "3=8"} << 0;
    QTest::newRow("output names hold no table") << "[Lok]\ni1 = \"|CV|Wert|\"\ni2 = \"|33|5|\"\nCV34 = 1" << 0
                                                << QStringList{"1=1"} << 0;
    QTest::newRow("a copy whose names hold JMRI's elements")
        << "[Lok]\ni1 = \"<CVvalue name='35' value='5'/>\"\ni2 = \"<variable CV='36' default='8'/>\"\nCV34 = 1" << 0
        << QStringList{"1=1"} << 0;
    QTest::newRow("a name holding a lone CR and brackets") << "[Lok]\r\ni1 = \"x\r[B]\r\"\r\nCV34 = 1\r\n" << 0
                                                           << QStringList{"1=1"} << 0;
    QTest::newRow("CV lines after a table") << "CV;Wert\n33;1\nCV34 = 2; CV35 = 4" << 0
                                            << QStringList{"0=1", "1=2", "2=4"} << 0;
    QTest::newRow("a header cell must be the whole cell") << "CV;Wertebereich;Nr.\n33;0-255;1" << 0 << QStringList{}
                                                          << 1;
    QTest::newRow("value column before default column") << "CV,Default,Wert\n33,1,5\n34,2," << 0
                                                        << QStringList{"0=5"} << 1;
    QTest::newRow("Value before Default") << "CV,Value,Default\n33,5,1" << 0 << QStringList{"0=5"} << 0;
    QTest::newRow("Value after Default") << "CV,Default,Value\n33,1,5" << 0 << QStringList{"0=5"} << 0;
    QTest::newRow("Value with a note after Default") << "CV|Default|Value (decimal)\n33|1|5" << 0
                                                     << QStringList{"0=5"} << 0;
    QTest::newRow("a header word beats one with a note") << "CV;Default (dec);Default\n33;1;2" << 0
                                                         << QStringList{"0=2"} << 0;
    QTest::newRow("a base or range note never counts") << "CV;Default (hex);Wert [dez];Wert min\n33;0x01;1;0" << 0
                                                       << QStringList{"0=1"} << 0;
    QTest::newRow("an abbreviation ends no sentence") << "Für F2 gilt CV Nr. 36, z. B. mit dem Wert 8." << 0
                                                      << QStringList{"3=8"} << 0;
    QTest::newRow("an output between the CV and a value") << "CV 37 schaltet Aux2 mit dem Wert 4" << 0
                                                           << QStringList{} << 1;
    QTest::newRow("another function's key between them") << "CV 37 (F3) wie F4: Wert 4" << 0 << QStringList{} << 1;
    QTest::newRow("others' CVs without a value go unnamed") << "| CV1 | |\n| CV6 | |\n| CV35 | 4 |" << 0
                                                             << QStringList{"2=4"} << 0;
    QTest::newRow("roster: any order, either quote") << "<CVvalue value='9' name='40'/><CVvalueX name=\"41\" value=\"1\"/>"
                                                     << 0 << QStringList{"7=9"} << 0;
    QTest::newRow("roster: a CV twice") << "<CVvalue name=\"40\" value=\"1\"/><CVvalue name=\"40\" value=\"2\"/>" << 0
                                        << QStringList{"7=2"} << 1;
    QTest::newRow("definition: fields overlap")
        << "<variable CV=\"40\" mask=\"XXXXXXVV\" default=\"1\"/><variable CV=\"40\" mask=\"XXXXXXXV\" default=\"1\"/>"
        << 0 << QStringList{} << 1;
    QTest::newRow("definition: a field apart, a default too large, none given counts 0")
        << "<variable CV=\"40\" mask=\"XXXXVXXV\" default=\"1\"/><variable CV=\"41\" mask=\"XXXXXXVV\" default=\"4\"/>"
           "<variable CV=\"42\"/>"
        << 0 << QStringList{"9=0"} << 2;
    QTest::newRow("definition: high bits") << "<variable CV=\"43\" mask=\"VVVXXXXX\" default=\"5\"/>" << 0
                                           << QStringList{"10=160"} << 0;
}

void ValueEditingTest::pasteReaderAlone()
{
    QFETCH(QString, text);
    QFETCH(int, startColumn);
    QFETCH(QStringList, values);
    QFETCH(int, problems);
    const PastedValues pasted = readPastedValues(text, startColumn, {});
    QStringList read;
    for (const PastedValue &value : pasted.values)
        read.append(QStringLiteral("%1=%2").arg(value.column).arg(value.text));
    QCOMPARE(read, values);
    QCOMPARE(pasted.problems.size() + pasted.unlistedProblems, problems);
    QVERIFY(pasted.problems.size() <= NamedPasteProblems);
}

void ValueEditingTest::pasteAppliesWhatItCanAndSaysWhat_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("message");

    auto row = [](const char *name, const QString &text, int column, const char *values, const char *message) {
        QTest::newRow(name) << text << column << QString::fromUtf8(values) << QString::fromUtf8(message);
    };
    row("list line with blanks", "CV35 = 4", 0, "1 2 4 0 0 12 0 0 0 0 0 0 0 0", "Eingefügt: CV35 aus CV-Angaben im Text.");
    row("list line without blanks", "CV35=4", 0, "1 2 4 0 0 12 0 0 0 0 0 0 0 0", "Eingefügt: CV35 aus CV-Angaben im Text.");
    row("blank between CV and number", "CV 35 = 4", 0, "1 2 4 0 0 12 0 0 0 0 0 0 0 0", "Eingefügt: CV35 aus CV-Angaben im Text.");
    row("lower case and colon", "cv35: 4", 0, "1 2 4 0 0 12 0 0 0 0 0 0 0 0", "Eingefügt: CV35 aus CV-Angaben im Text.");
    row("forum line with commas", "CV33=3, CV34=5, CV35=7 …", 9, "3 5 7 0 0 12 0 0 0 0 0 0 0 0",
        "Eingefügt: CV33 bis CV35 aus CV-Angaben im Text.");
    row("semicolons and blanks", "CV36 = 8; CV37 = 16 CV39=32", 0, "1 2 0 8 16 12 32 0 0 0 0 0 0 0",
        "Eingefügt: CV36, CV37, CV39 aus CV-Angaben im Text.");
    row("list lines with CR LF", "CV33 = 9\r\nCV46 = 255\r\n", 0, "9 2 0 0 0 12 0 0 0 0 0 0 0 255",
        "Eingefügt: CV33, CV46 aus CV-Angaben im Text.");
    row("the later line wins, and is named", "CV35 = 4\nCV35 = 8", 0, "1 2 8 0 0 12 0 0 0 0 0 0 0 0",
        "Eingefügt: CV35 aus CV-Angaben im Text. CV35 steht mehrmals mit verschiedenen Werten im Text; der "
        "letzte, 8, gilt.");
    row("the same value twice is no news", "CV35 = 4\nCV35 = 4", 0, "1 2 4 0 0 12 0 0 0 0 0 0 0 0",
        "Eingefügt: CV35 aus CV-Angaben im Text.");
    row("a copy's text, its locked value left out",
        "[Andere]\ni1 = \"CV 33 Licht\"\nCV33 = 0\nCV34 = 0\nCV35 = 3\nCV36 = 0\nCV37 = 0\nCV38 = -12\n"
        "CV39 = 0\nCV40 = 0\nCV41 = 0\nCV42 = 0\nCV43 = 0\nCV44 = 0\nCV45 = 0\nCV46 = 7\n",
        0, "0 0 3 0 0 12 0 0 0 0 0 0 0 7",
        "Eingefügt: CV33 bis CV37, CV39 bis CV46 aus Zeilen für decoders.ini. CV38 ist gesperrt; nicht eingefügt.");
    row("a spreadsheet row from F1", "4\t8\t16", 2, "1 2 4 8 16 12 0 0 0 0 0 0 0 0", "Eingefügt: CV35 bis CV37 aus einer Zahlenreihe.");
    row("a spreadsheet column from F0 v", "4\n8\n", 0, "4 8 0 0 0 12 0 0 0 0 0 0 0 0", "Eingefügt: CV33, CV34 aus einer Zahlenreihe.");
    row("mixed separators up to a locked column", "4, 8;16 \t32", 2, "1 2 4 8 16 12 0 0 0 0 0 0 0 0",
        "Eingefügt: CV35 bis CV37 aus einer Zahlenreihe. CV38 ist gesperrt; nicht eingefügt.");
    row("a locked column takes its number's place", "1 2 3", 4, "1 2 0 0 1 12 3 0 0 0 0 0 0 0",
        "Eingefügt: CV37, CV39 aus einer Zahlenreihe. CV38 ist gesperrt; nicht eingefügt.");
    // Refused whole: a PDF's column of CV numbers followed by defaults pastes as such a run.
    row("more numbers than columns", "1 2 3 4", 12, "1 2 0 0 0 12 0 0 0 0 0 0 0 0",
        "Nichts eingefügt: die Zahlenreihe braucht 4 Spalten, frei sind ab hier nur 2. Eine Reihe wird nur ganz "
        "eingefügt.");
    row("an empty cell keeps its column", "1\t\t4", 2, "1 2 1 0 4 12 0 0 0 0 0 0 0 0",
        "Eingefügt: CV35, CV37 aus einer Zahlenreihe.");
    row("sign and leading zeros kept as typed", "+5 007", 2, "1 2 +5 007 0 12 0 0 0 0 0 0 0 0",
        "Eingefügt: CV35, CV36 aus einer Zahlenreihe.");
    row("values outside a byte", "CV35 = 300, CV36 = -1", 0, "1 2 300 -1 0 12 0 0 0 0 0 0 0 0",
        "Eingefügt: CV35, CV36 aus CV-Angaben im Text. CV35 = 300 liegt nicht zwischen 0 und 255; eingefügt wie getippt. "
        "CV36 = -1 liegt nicht zwischen 0 und 255; eingefügt wie getippt.");
    row("a number too large for any CV", "99999999999", 13, "1 2 0 0 0 12 0 0 0 0 0 0 0 99999999999",
        "Eingefügt: CV46 aus einer Zahlenreihe. CV46 = 99999999999 liegt nicht zwischen 0 und 255; eingefügt wie getippt.");
    row("CVs outside 33 to 46", "CV47 = 1, CV32 = 5, CV35 = 4", 0, "1 2 4 0 0 12 0 0 0 0 0 0 0 0",
        "Eingefügt: CV35 aus CV-Angaben im Text. CV47 ordnet keine Funktion zu, nur CV33 bis CV46; nicht eingefügt. "
        "CV32 ordnet keine Funktion zu, nur CV33 bis CV46; nicht eingefügt.");
    row("decimal point and hexadecimal", "CV35 = 2.5, CV36 = 0x10", 0, "1 2 0 0 0 12 0 0 0 0 0 0 0 0",
        "Nichts eingefügt. Bei CV35 ist „2.5“ keine ganze Zahl; nicht eingefügt. "
        "Bei CV36 ist „0x10“ keine ganze Zahl; nicht eingefügt.");
    row("value missing", "CV35 =", 0, "1 2 0 0 0 12 0 0 0 0 0 0 0 0",
        "Nichts eingefügt. Bei CV35 fehlt der Wert; nicht eingefügt.");
    row("a locked CV in a list", "CV38 = 5", 0, "1 2 0 0 0 12 0 0 0 0 0 0 0 0",
        "Nichts eingefügt. CV38 ist gesperrt; nicht eingefügt.");
    row("words only", "Hallo Welt", 2, "1 2 0 0 0 12 0 0 0 0 0 0 0 0",
        "Nichts eingefügt: der Text nennt keine CV mit einem Wert.");
    row("more problems than a status line names", "CV47=1 CV48=1 CV49=1 CV50=1 CV51=1", 0,
        "1 2 0 0 0 12 0 0 0 0 0 0 0 0",
        "Nichts eingefügt. CV47 ordnet keine Funktion zu, nur CV33 bis CV46; nicht eingefügt. CV48 ordnet "
        "keine Funktion zu, nur CV33 bis CV46; nicht eingefügt. Weitere Stellen, die nicht passen: 3.");
    row("binary junk shown in short", QString::fromLatin1("CV33 = 7\x01\x02\xff" "abcdefghijklmnopqrstuvwxyz"), 0,
        "1 2 0 0 0 12 0 0 0 0 0 0 0 0",
        "Nichts eingefügt. Bei CV33 ist „7\xEF\xBF\xBD\xEF\xBF\xBD\xC3\xBF" "abcdefghijklmnop…“ keine ganze "
        "Zahl; nicht eingefügt.");
    row("binary junk without a CV", QString::fromLatin1("\x01\x02\xff" "abcdefghijklmnopqrstuvwxyz"), 0,
        "1 2 0 0 0 12 0 0 0 0 0 0 0 0", "Nichts eingefügt: der Text nennt keine CV mit einem Wert.");
    row("a table through the window", "CV;Funktion;Default\n35;F1;4\n38;F4;8", 0, "1 2 4 0 0 12 0 0 0 0 0 0 0 0",
        "Eingefügt: CV35 aus einer Tabelle, Spalte „Default“. CV38 ist gesperrt; nicht eingefügt.");
    row("a JMRI roster entry through the window", "<CVvalue name=\"34\" value=\"6\"/><CVvalue name=\"1\" value=\"3\"/>",
        0, "1 6 0 0 0 12 0 0 0 0 0 0 0 0", "Eingefügt: CV34 aus einer JMRI-Lokdatei.");
    row("empty clipboard", "", 0, "1 2 0 0 0 12 0 0 0 0 0 0 0 0",
        "Nichts eingefügt: der Text enthält keinen Wert für CV33 bis CV46.");
}

void ValueEditingTest::pasteAppliesWhatItCanAndSaysWhat()
{
    QFETCH(QString, clipboard);
    QFETCH(int, column);
    QFETCH(QString, values);
    QFETCH(QString, message);
    WindowFixture fixture(probe);
    QVERIFY(fixture.showAndChoose(1));
    pasteAt(fixture, clipboard, column);
    QCOMPARE(valuesOnShow(fixture), values);
    QCOMPARE(statusMessage(fixture), message);
}

void ValueEditingTest::pastedValueTicksTheBoxesAsTypingDoes()
{
    WindowFixture fixture(probe);
    QVERIFY(fixture.showAndChoose(1));
    pasteAt(fixture, QStringLiteral("CV35 = 300\nCV36 = -1\nCV37 = 5"), 0);
    QCOMPARE(fixture.tickedRows(2), (QList<int>{2, 3, 5}));
    QCOMPARE(fixture.tickedRows(3), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(fixture.tickedRows(4), (QList<int>{0, 2}));
    // The locked column keeps its boxes: 12 is 4 + 8, rows 3 + 2 and 3 + 3.
    pasteAt(fixture, QStringLiteral("CV38 = 255"), 0);
    QCOMPARE(fixture.tickedRows(5), (QList<int>{5, 6}));
}

void ValueEditingTest::pasteBeforeATypeIsChosenChangesNothing()
{
    WindowFixture fixture(probe);
    QVERIFY(fixture.showAndChoose(0));
    pasteAt(fixture, QStringLiteral("CV33 = 1"), 0);
    QCOMPARE(fixture.table()->rowCount(), 0);
    QCOMPARE(statusMessage(fixture), QStringLiteral("Nichts eingefügt: es ist kein Decodertyp gewählt."));
}

void ValueEditingTest::hugeClipboardsAnswerQuickly_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("message");
    QString million;
    million.reserve(8 << 20);
    for (int k = 0; k < 1000000; ++k)
        million += QString::number(k % 256) + QLatin1Char('\t');
    QTest::newRow("a million numbers") << million << "1 2 0 0 0 12 0 0 0 0 0 0 0 0"
                                       << "Nichts eingefügt: die Zahlenreihe braucht 1000000 Spalten, frei sind ab "
                                          "hier nur 14. Eine Reihe wird nur ganz eingefügt.";
    QString prose = QString(10 << 20, QLatin1Char('x'));
    for (int k = 0; k < prose.size(); k += 7)
        prose[k] = QLatin1Char(' ');
    QTest::newRow("10 MB of words") << prose << "1 2 0 0 0 12 0 0 0 0 0 0 0 0"
                                    << "Nichts eingefügt: der Text nennt keine CV mit einem Wert.";
    QString cvs = QString(10 << 20, QLatin1Char(' '));
    for (int k = 0; k + 10 < cvs.size(); k += 50)
        cvs.replace(k, 9, QStringLiteral("CV47 = 1,"));
    QTest::newRow("10 MB of list lines") << cvs << "1 2 0 0 0 12 0 0 0 0 0 0 0 0"
                                         << "Nichts eingefügt. CV47 ordnet keine Funktion zu, nur CV33 bis "
                                            "CV46; nicht eingefügt.";
}

void ValueEditingTest::hugeClipboardsAnswerQuickly()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, values);
    QFETCH(QString, message);
    WindowFixture fixture(probe);
    QVERIFY(fixture.showAndChoose(1));
    QApplication::clipboard()->setText(clipboard);
    fixture.table()->setFocus();
    fixture.table()->setCurrentCell(valueRow, 0);
    QElapsedTimer timer;
    timer.start();
    press(fixture, Qt::Key_V);
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(valuesOnShow(fixture), values);
    QCOMPARE(statusMessage(fixture), message);
    // Generous for a loaded machine and the sanitizers; the benchmark measures it.
    QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
}

void ValueEditingTest::copyWritesTheTypeOnShow()
{
    WindowFixture fixture(hostileNames);
    QVERIFY(fixture.showAndChoose(1));
    fixture.clickBox(1, 1);
    QCOMPARE(copied(fixture), QString::fromUtf8("[  Lok [alt] (2)  ]\n"
                                                "i1 = \"Rauch \"Dampf\"\"\n"
                                                "i2 = \"  Führerstand hinten  \"\n"
                                                "i3 = \"\"\"\n"
                                                "i4 = \"\"\ni5 = \"\"\ni6 = \"\"\ni7 = \"\"\ni8 = \"\"\n"
                                                "i9 = \"\"\ni10 = \"\"\ni11 = \"\"\ni12 = \"\"\ni13 = \"\"\n"
                                                "i14 = \"\"\n"
                                                "CV33 = 5\nCV34 = 2\nCV35 = 0\nCV36 = 0\nCV37 = 0\n"
                                                "CV38 = 0\nCV39 = 0\nCV40 = -44\nCV41 = 44\nCV42 = 0\n"
                                                "CV43 = 0\nCV44 = 0\nCV45 = 0\nCV46 = 0\n"));
    QCOMPARE(statusMessage(fixture), QString::fromUtf8("Decodertyp „  Lok [alt] (2)  “ als Zeilen für "
                                                       "decoders.ini kopiert. CV40 = 300 als -44 kopiert (was "
                                                       "die Kästchen zeigen). CV41 = 300 als 44 kopiert (was die "
                                                       "Kästchen zeigen)."));
    QVERIFY(checkList(copied(fixture).toUtf8()).findings.isEmpty());
}

void ValueEditingTest::copyWithoutATypeSaysSo()
{
    WindowFixture fixture(probe);
    QVERIFY(fixture.showAndChoose(0));
    QApplication::clipboard()->setText(QStringLiteral("vorher"));
    fixture.table()->setFocus();
    press(fixture, Qt::Key_C);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("vorher"));
    QCOMPARE(statusMessage(fixture), QStringLiteral("Nichts kopiert: es ist kein Decodertyp gewählt."));
}

void ValueEditingTest::copyNotesWhatIsCopiedOtherwise_data()
{
    QTest::addColumn<QStringList>("shown"); // column=text; the rest show 0
    QTest::addColumn<QList<int>>("locked");
    QTest::addColumn<QStringList>("notes");
    QTest::newRow("all as shown") << QStringList{"0=7", "1=255", "2=007", "3=+5", "4= 9 "} << QList<int>{}
                                  << QStringList{};
    QTest::newRow("beyond a byte") << QStringList{"4=300"} << QList<int>{}
                                   << QStringList{"CV37 = 300 als 44 kopiert (was die Kästchen zeigen)."};
    QTest::newRow("negative in an open column") << QStringList{"3=-1", "5=-256"} << QList<int>{}
                                                << QStringList{"CV36 = -1 als 255 kopiert (was die Kästchen zeigen).",
                                                               "CV38 = -256 als 0 kopiert (was die Kästchen zeigen)."};
    // A locked column shows its value's magnitude; copied negative, as it locks, that is no news.
    QTest::newRow("locked, as it locks") << QStringList{"5=12", "6=0"} << QList<int>{5, 6} << QStringList{};
    QTest::newRow("locked beyond a byte") << QStringList{"7=300"} << QList<int>{7}
                                          << QStringList{"CV40 = 300 als -44 kopiert (was die Kästchen zeigen)."};
    QTest::newRow("no number") << QStringList{"2=abc", "13=99999999999"} << QList<int>{}
                               << QStringList{"CV35 = abc als 0 kopiert (was die Kästchen zeigen).",
                                              "CV46 = 99999999999 als 0 kopiert (was die Kästchen zeigen)."};
    QTest::newRow("empty") << QStringList{"2="} << QList<int>{}
                           << QStringList{"CV35 ohne Wert als 0 kopiert (was die Kästchen zeigen)."};
}

void ValueEditingTest::copyNotesWhatIsCopiedOtherwise()
{
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, locked);
    QFETCH(QStringList, notes);
    std::array<QString, CvCount> texts;
    texts.fill(QStringLiteral("0"));
    for (const QString &cell : shown)
        texts[cell.section(QLatin1Char('='), 0, 0).toInt()] = cell.section(QLatin1Char('='), 1);
    std::array<bool, CvCount> lockedColumns{};
    for (const int column : locked)
        lockedColumns[column] = true;
    QCOMPARE(copyNotes(texts, lockedColumns), notes);
}

// Through the window: typed values, copied, and what the status bar then says.
void ValueEditingTest::copySaysWhatItWritesOtherwise_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");
    QTest::newRow("as shown") << 2 << "7" << "CV35 = 7"
                              << QString::fromUtf8("Decodertyp „Probe“ als Zeilen für decoders.ini kopiert.");
    QTest::newRow("beyond a byte") << 4 << "300" << "CV37 = 44"
                                   << QString::fromUtf8("Decodertyp „Probe“ als Zeilen für decoders.ini kopiert. "
                                                        "CV37 = 300 als 44 kopiert (was die Kästchen zeigen).");
    QTest::newRow("negative in an open column")
        << 3 << "-1" << "CV36 = 255"
        << QString::fromUtf8("Decodertyp „Probe“ als Zeilen für decoders.ini kopiert. "
                             "CV36 = -1 als 255 kopiert (was die Kästchen zeigen).");
}

void ValueEditingTest::copySaysWhatItWritesOtherwise()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, line);
    QFETCH(QString, message);
    WindowFixture fixture(probe);
    QVERIFY(fixture.showAndChoose(1));
    fixture.valueCell(column)->setData(Qt::EditRole, typed);
    QVERIFY(copied(fixture).split(QLatin1Char('\n')).contains(line));
    QCOMPARE(statusMessage(fixture), message);
}

void ValueEditingTest::droppedFileIsReadOrRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // a folder where null
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal");
    const QByteArray roster = "<CVvalue name=\"33\" value=\"1\"/>\n";
    QTest::newRow("roster entry") << "BR 50.xml" << roster << QByteArray("UTF-8") << QString::fromUtf8(roster)
                                  << QString();
    QTest::newRow("UTF-8 with its mark") << "Tabelle.CSV" << QByteArray("\xEF\xBB\xBF" "CV;Wert\n33;1\xC2\xA0")
                                         << QByteArray("UTF-8") << QString::fromUtf8("CV;Wert\n33;1\u00a0")
                                         << QString();
    QTest::newRow("Latin-1 where the system writes it") << "notiz.txt" << QByteArray("CV35 = 4 \xB0")
                                                        << QByteArray("ISO-8859-1")
                                                        << QString::fromUtf8("CV35 = 4 \u00b0") << QString();
    QTest::newRow("Latin-1 where the system writes UTF-8")
        << "notiz.txt" << QByteArray("CV35 = 4 \xB0") << QByteArray("UTF-8") << QString()
        << QString::fromUtf8("Nichts eingefügt: „notiz.txt“ ist weder UTF-8 noch in der Zeichenkodierung des "
                             "Systems geschrieben.");
    QTest::newRow("a folder") << "Loks.ini" << QByteArray() << QByteArray("UTF-8") << QString()
                              << QString::fromUtf8("Nichts eingefügt: „Loks.ini“ ist ein Ordner.");
    QTest::newRow("another kind of file") << "Lok.pdf" << QByteArray("%PDF") << QByteArray("UTF-8") << QString()
                                          << QString::fromUtf8("Nichts eingefügt: gelesen werden nur .xml-, .csv-, "
                                                               ".txt- und .ini-Dateien, nicht „Lok.pdf“.");
    QTest::newRow("10 MB") << "gross.txt" << QByteArray(10 * 1024 * 1024, '1') << QByteArray("UTF-8")
                           << QString(10 * 1024 * 1024, QLatin1Char('1')) << QString();
    QTest::newRow("over 10 MB") << "zu gross.txt" << QByteArray(10 * 1024 * 1024 + 1, '1') << QByteArray("UTF-8")
                                << QString()
                                << QString::fromUtf8("Nichts eingefügt: „zu gross.txt“ ist größer als 10 MB.");
}

void ValueEditingTest::droppedFileIsReadOrRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, locale);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(name);
    if (bytes.isNull()) {
        QVERIFY(QDir().mkdir(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }
    QTextCodec *const before = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName(locale));
    const DroppedFile dropped = readDroppedFile(path);
    QTextCodec::setCodecForLocale(before);
    QCOMPARE(dropped.text, text);
    QCOMPARE(dropped.refusal, refusal);
}

void ValueEditingTest::dropOntoTheWindowIsReadAsAPaste_data()
{
    QTest::addColumn<QStringList>("files"); // name=content, a folder where it ends in "/", or a web address
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("onGrid"); // else onto the window
    QTest::addColumn<int>("actions");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("message");
    const int copy = Qt::CopyAction | Qt::MoveAction;
    const QString unchanged = QStringLiteral("1 2 0 0 0 12 0 0 0 0 0 0 0 0");
    QTest::newRow("roster entry") << QStringList{"BR 50.xml=<CVvalue name=\"35\" value=\"4\"/>"} << QString() << false
                                  << copy << true << "1 2 4 0 0 12 0 0 0 0 0 0 0 0"
                                  << "Eingefügt: CV35 aus einer JMRI-Lokdatei.";
    QTest::newRow("table onto the grid")
        << QStringList{"Tabelle.csv=CV;Default\n36;8\n"} << QString() << true << copy << true
        << "1 2 0 8 0 12 0 0 0 0 0 0 0 0" << QString::fromUtf8("Eingefügt: CV36 aus einer Tabelle, Spalte „Default“.");
    QTest::newRow("text, not a file") << QStringList{} << "CV33 = 9" << true << copy << true
                                      << "9 2 0 0 0 12 0 0 0 0 0 0 0 0" << "Eingefügt: CV33 aus CV-Angaben im Text.";
    QTest::newRow("two files") << QStringList{"a.txt=CV33 = 9", "b.txt=CV34 = 9"} << QString() << false << copy
                               << true << unchanged
                               << QString::fromUtf8("Nichts eingefügt: das sind 2 Dateien; gelesen wird nur eine auf "
                                                    "einmal.");
    QTest::newRow("a folder") << QStringList{"Loks/="} << QString() << true << copy << true << unchanged
                              << QString::fromUtf8("Nichts eingefügt: „Loks“ ist ein Ordner.");
    QTest::newRow("an empty file") << QStringList{"Lok.txt="} << QString() << false << copy << true << unchanged
                                   << QString::fromUtf8("Nichts eingefügt: der Text enthält keinen Wert für CV33 bis "
                                                        "CV46.");
    QTest::newRow("another kind of file") << QStringList{"Lok.pdf=CV33 = 9"} << QString() << false << copy << true
                                          << unchanged
                                          << QString::fromUtf8("Nichts eingefügt: gelesen werden nur .xml-, .csv-, "
                                                               ".txt- und .ini-Dateien, nicht „Lok.pdf“.");
    // Neither is taken: the cursor says so, the status bar stays as it was.
    QTest::newRow("a web link") << QStringList{"https://example.org/lok.txt"} << "CV33 = 9" << false << copy << false
                                << unchanged << QString();
    QTest::newRow("a file only to be moved") << QStringList{"Lok.txt=CV33 = 9"} << QString() << true
                                             << int(Qt::MoveAction) << false << unchanged << QString();
}

// The drop as the desktop delivers it: entering, then let go.
void ValueEditingTest::dropOntoTheWindowIsReadAsAPaste()
{
    QFETCH(QStringList, files);
    QFETCH(QString, text);
    QFETCH(bool, onGrid);
    QFETCH(int, actions);
    QFETCH(bool, accepted);
    QFETCH(QString, values);
    QFETCH(QString, message);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QList<QUrl> urls;
    for (const QString &file : files) {
        if (file.startsWith(QLatin1String("https:"))) {
            urls.append(QUrl(file));
            continue;
        }
        const QString name = file.section(QLatin1Char('='), 0, 0);
        const QString path = folder.filePath(name.endsWith(QLatin1Char('/')) ? name.chopped(1) : name);
        if (name.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QFile written(path);
            QVERIFY(written.open(QIODevice::WriteOnly));
            written.write(file.section(QLatin1Char('='), 1).toUtf8());
        }
        urls.append(QUrl::fromLocalFile(path));
    }
    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!text.isEmpty())
        data.setText(text);
    WindowFixture fixture(probe);
    QVERIFY(fixture.showAndChoose(1));
    QWidget *target = onGrid ? fixture.table()->viewport() : static_cast<QWidget *>(&fixture.window());
    QVERIFY(target->acceptDrops());
    const QPoint middle = target->rect().center();
    QDragEnterEvent enter(middle, Qt::DropActions(actions), &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    QDropEvent drop(middle, Qt::DropActions(actions), &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCOMPARE(drop.isAccepted(), accepted);
    if (accepted)
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QCOMPARE(valuesOnShow(fixture), values);
    QCOMPARE(statusMessage(fixture), message);
    // One step, as a paste is.
    fixture.table()->setFocus();
    press(fixture, Qt::Key_Z);
    QCOMPARE(valuesOnShow(fixture), QStringLiteral("1 2 0 0 0 12 0 0 0 0 0 0 0 0"));
}

void ValueEditingTest::copyReadsBackAsTheSameType_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<bool>("clean"); // the checker finds nothing in each copy
    QFile sample(QStringLiteral(FM_SAMPLE_FILE));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QTest::newRow("the sample list") << sample.readAll() << true;
    QTest::newRow("hostile names") << hostileNames << true;
    // CV35 is locked with no box ticked: copied as -256, which the checker names.
    QTest::newRow("a NUL in names, and values beyond a byte")
        << bytes("[A\0B]\ni1 = \"x\0y\"\nCV33 = 1\0\nCV34 = 99999999999\nCV35 = -2147483648\n") << false;
    // -256 is the one value that keeps such a column locked and clear; the checker names it.
    QTest::newRow("a locked column with no box ticked") << QByteArray("[Dunkel]\nCV40 = -256\n") << false;
    QRandomGenerator random(30);
    for (int k = 0; k < 3; ++k)
        QTest::newRow(qPrintable(QStringLiteral("mistyped list %1").arg(k)))
            << mistypedList(random).join(QLatin1Char('\n')).toUtf8() << false;
}

// Every type of the list, copied, read back by the reader and shown: the
// same name, outputs, boxes and locks.
void ValueEditingTest::copyReadsBackAsTheSameType()
{
    QFETCH(QByteArray, list);
    QFETCH(bool, clean);
    WindowFixture fixture(list);
    QVERIFY(fixture.showAndChoose(0));
    for (int index = 1; index < fixture.comboBox()->count(); ++index) {
        fixture.choose(index);
        const QByteArray text = copied(fixture).toUtf8();
        const QVector<DecoderType> readBack = shownTypes(text);
        QCOMPARE(readBack.size(), 1);
        if (clean)
            QCOMPARE(checkList(text).findings.size(), 0);
        WindowFixture again(text);
        again.choose(1);
        QCOMPARE(shownType(again), shownType(fixture));
    }
}

void ValueEditingTest::undoAndRedoRestoreEachStep()
{
    WindowFixture fixture(probe);
    QVERIFY(fixture.showAndChoose(1));
    fixture.clickBox(0, 2);                                  // tick: F1 = 1
    fixture.valueCell(3)->setData(Qt::EditRole, "300");      // typed: F2 = 300
    pasteAt(fixture, QStringLiteral("CV33 = 0, CV46 = 9"), 0); // paste
    QCOMPARE(valuesOnShow(fixture), QStringLiteral("0 2 1 300 0 12 0 0 0 0 0 0 0 9"));
    press(fixture, Qt::Key_Z);
    QCOMPARE(valuesOnShow(fixture), QStringLiteral("1 2 1 300 0 12 0 0 0 0 0 0 0 0"));
    QCOMPARE(fixture.tickedRows(0), QList<int>{0});
    QCOMPARE(statusMessage(fixture), QStringLiteral("Rückgängig gemacht: Einfügen."));
    press(fixture, Qt::Key_Z);
    QCOMPARE(valuesOnShow(fixture), QStringLiteral("1 2 1 0 0 12 0 0 0 0 0 0 0 0"));
    QCOMPARE(fixture.tickedRows(3), QList<int>{});
    QCOMPARE(statusMessage(fixture), QStringLiteral("Rückgängig gemacht: Wert F2."));
    press(fixture, Qt::Key_Z);
    QCOMPARE(valuesOnShow(fixture), QStringLiteral("1 2 0 0 0 12 0 0 0 0 0 0 0 0"));
    QCOMPARE(fixture.tickedRows(2), QList<int>{});
    QCOMPARE(statusMessage(fixture), QStringLiteral("Rückgängig gemacht: Kästchen F1."));
    press(fixture, Qt::Key_Z);
    QCOMPARE(statusMessage(fixture), QStringLiteral("Nichts rückgängig zu machen."));
    press(fixture, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(valuesOnShow(fixture), QStringLiteral("1 2 1 0 0 12 0 0 0 0 0 0 0 0"));
    QCOMPARE(statusMessage(fixture), QStringLiteral("Wiederholt: Kästchen F1."));
    press(fixture, Qt::Key_Y);
    QCOMPARE(valuesOnShow(fixture), QStringLiteral("1 2 1 300 0 12 0 0 0 0 0 0 0 0"));
    QCOMPARE(fixture.tickedRows(3), (QList<int>{2, 3, 5}));
    // A new step drops what could have been redone.
    fixture.clickBox(7, 0);
    press(fixture, Qt::Key_Y);
    QCOMPARE(statusMessage(fixture), QStringLiteral("Nichts zu wiederholen."));
    press(fixture, Qt::Key_Z);
    QCOMPARE(valuesOnShow(fixture), QStringLiteral("1 2 1 300 0 12 0 0 0 0 0 0 0 0"));
}

// The editor alone, on a bare table: values from elsewhere (a decoder read,
// a dropped file) come as one step of the name given, saying what they are told.
void ValueEditingTest::valuesAppliedFromElsewhereAreOneStep()
{
    QTableWidget table(16, CvCount);
    for (int column = 0; column < CvCount; ++column)
        table.setItem(15, column, new QTableWidgetItem(QStringLiteral("0")));
    QStatusBar bar;
    ValuesEditor editor(&table, &bar);
    const DecoderType type;
    editor.startType(&type);
    ValueTexts values = editor.valuesOnShow();
    values[2] = values[13] = QStringLiteral("7");
    editor.applyValues(values, QStringLiteral("Lesen"), QStringLiteral("Gelesen."));
    QCOMPARE(table.item(15, 2)->text() + table.item(15, 13)->text(), QStringLiteral("77"));
    QCOMPARE(bar.currentMessage(), QStringLiteral("Gelesen."));
    editor.findChild<QAction *>(QStringLiteral("undoAction"))->trigger();
    QCOMPARE(table.item(15, 2)->text() + table.item(15, 13)->text(), QStringLiteral("00"));
    QCOMPARE(bar.currentMessage(), QStringLiteral("Rückgängig gemacht: Lesen."));
}

// Code may reshape the grid: a tick, a paste, values read from a decoder,
// their undo and a copy then find no value cell, and leave the boxes as they are.
void ValueEditingTest::stepsOnAGridWithoutValueCells_data()
{
    QTest::addColumn<int>("addedRows"); // 0: the value row loses its items instead
    QTest::newRow("a value row without items") << 0;
    QTest::newRow("rows added after a type is shown") << 2;
}

void ValueEditingTest::stepsOnAGridWithoutValueCells()
{
    QFETCH(int, addedRows);
    WindowFixture fixture(probe);
    QVERIFY(fixture.showAndChoose(1));
    QTableWidget *table = fixture.table();
    for (int column = 0; addedRows == 0 && column < CvCount; ++column)
        delete table->takeItem(valueRow, column);
    table->setRowCount(table->rowCount() + addedRows);
    table->item(0, 3)->setCheckState(Qt::Checked);
    pasteAt(fixture, QStringLiteral("CV35 = 5"), 2);
    ValueTexts read;
    read.fill(QStringLiteral("9"));
    table->findChild<ValuesEditor *>()->applyValues(read, QStringLiteral("Lesen"), QStringLiteral("Gelesen."));
    press(fixture, Qt::Key_Z);
    QCOMPARE(table->item(0, 2)->checkState(), Qt::Unchecked);
    QVERIFY(copied(fixture).contains(QStringLiteral("CV35 = 0\nCV36 = 1\n")));
}

void ValueEditingTest::choosingAnotherTypeStartsAfresh()
{
    WindowFixture fixture(probe + "[Zweite]\nCV33 = 4\n");
    QVERIFY(fixture.showAndChoose(1));
    fixture.clickBox(0, 2);
    fixture.choose(2);
    fixture.table()->setFocus();
    press(fixture, Qt::Key_Z);
    QCOMPARE(valuesOnShow(fixture), QStringLiteral("4 0 0 0 0 0 0 0 0 0 0 0 0 0"));
    QCOMPARE(statusMessage(fixture), QStringLiteral("Nichts rückgängig zu machen."));
}

void ValueEditingTest::menuOffersWhatCanBeDone()
{
    WindowFixture fixture(probe);
    QVERIFY(fixture.showAndChoose(0));
    fixture.table()->setFocus();
    QMenu *menu = openMenu(fixture);
    QVERIFY(menu);
    QStringList entries;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            entries.append(QStringLiteral("%1 %2 %3").arg(action->text(), action->shortcut().toString(),
                                                          action->isEnabled() ? "an" : "aus"));
    }
    QCOMPARE(entries, (QStringList{"Rückgängig Ctrl+Z aus", "Wiederholen Ctrl+Shift+Z aus", "Kopieren Ctrl+C aus",
                                   "Einfügen Ctrl+V aus", "Vom Decoder lesen Ctrl+R aus",
                                   "In den Decoder schreiben …  aus", "Verbindung zur Zentrale …  an",
                                   "Verbindung trennen  aus"}));
    closeMenu(menu);
    // Closed, the keys answer again.
    QVERIFY(fixture.window().findChild<QAction *>(QStringLiteral("copyAction"))->isEnabled());

    fixture.choose(1);
    QApplication::clipboard()->setText(QStringLiteral("CV35 = 4"));
    fixture.table()->setFocus();
    fixture.table()->setCurrentCell(valueRow, 2);
    press(fixture, Qt::Key_F10, Qt::ShiftModifier);
    menu = fixture.table()->findChild<QMenu *>(QStringLiteral("gridMenu"));
    QVERIFY(menu && menu->isVisible());
    QList<bool> enabled;
    for (QAction *action : menu->actions())
        enabled.append(action->isEnabled());
    QCOMPARE(enabled, (QList<bool>{false, false, true, true, true, true, true, true, true, false}));
    fixture.window().findChild<QAction *>(QStringLiteral("pasteAction"))->trigger();
    closeMenu(menu);
    QCOMPARE(valuesOnShow(fixture), QStringLiteral("1 2 4 0 0 12 0 0 0 0 0 0 0 0"));
    menu = openMenu(fixture);
    QVERIFY(menu->actions().first()->isEnabled());
    closeMenu(menu);
    // The right mouse button opens it where it is pressed.
    const QPoint cell = fixture.table()->visualItemRect(fixture.cell(0, 2)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, cell, fixture.table()->viewport()->mapToGlobal(cell));
    QApplication::sendEvent(fixture.table()->viewport(), &click);
    menu = fixture.table()->findChild<QMenu *>(QStringLiteral("gridMenu"));
    QVERIFY(menu && menu->isVisible());
    QCOMPARE(menu->pos(), fixture.table()->viewport()->mapToGlobal(cell));
    closeMenu(menu);
}

void ValueEditingTest::valueEditorKeepsItsKeys()
{
    WindowFixture fixture(probe);
    QVERIFY(fixture.showAndChoose(1));
    QApplication::clipboard()->setText(QStringLiteral("77"));
    fixture.table()->setFocus();
    fixture.table()->setCurrentCell(valueRow, 3);
    QTest::keyClick(fixture.table(), Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor->text(), QStringLiteral("77"));
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor->text(), QStringLiteral("0"));
    QTest::keyClick(editor, Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(!fixture.table()->findChild<QMenu *>(QStringLiteral("gridMenu")));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(valuesOnShow(fixture), QStringLiteral("1 2 0 0 0 12 0 0 0 0 0 0 0 0"));
    QVERIFY(statusMessage(fixture).isEmpty());
}

void ValueEditingTest::windowStaysAsItWasUntilUsed()
{
    WindowFixture fixture(probe);
    QVERIFY(fixture.showAndChoose(1));
    QVERIFY(fixture.window().menuBar()->actions().isEmpty());
    QVERIFY(statusMessage(fixture).isEmpty());
    fixture.clickBox(0, 2);
    QVERIFY(statusMessage(fixture).isEmpty());
}

QTEST_MAIN(ValueEditingTest)
#include "tst_valueediting.moc"
