#include "pastedvalues.h"

#include <QRegularExpression>
#include <QtTest>

// Texts in the forms users copy CV values from: manuals' tables and lists,
// support articles, forum posts, spreadsheets and JMRI's files. Each is
// written here in our own words and numbers, after the form only.

namespace {

struct CorpusText
{
    const char *name;
    const char *text;
    int startColumn;
    const char *values;  // "33=1 34=2": what a careful reader takes
    const char *message; // what the status bar says
};

const CorpusText Corpus[] = {
    {"manual, CV with #", "CV #33 = 1   (F0 vorwärts auf Ausgang A)\nCV # 34 = 2\nCV #35 = 4\n", 0, "33=1 34=2 35=4",
     "Eingefügt: CV33 bis CV35 aus CV-Angaben im Text."},
    {"manual, Nr. and No. with arrows", "F1: CV-Nr. 35 -> 4\nF2: CV No. 36 → 8\nF3: CV Nr. 37 | 16\n", 0,
     "35=4 36=8 37=16", "Eingefügt: CV35 bis CV37 aus CV-Angaben im Text."},
    {"support article, default value is",
     "To change what F0 does at the front, use CV33. For CV33 the default value is 1, which lights output A.\n"
     "CV34 sets F0 backwards; its default is 2.\n",
     0, "33=1 34=2", "Eingefügt: CV33, CV34 aus CV-Angaben im Text."},
    {"German manual, Werkseinstellung", "CV 36 Funktionszuordnung F2 – Werkseinstellung: 8 (Ausgang D)\n", 0, "36=8",
     "Eingefügt: CV36 aus CV-Angaben im Text."},
    {"manual, a range before the default", "CV35 (F1): value range 0-255, default value 4\n", 0, "35=4",
     "Eingefügt: CV35 aus CV-Angaben im Text."},
    {"manual, a range given as the value, then the default", "CV 37 = 0 – 255, Werkseinstellung 16", 0, "37=16",
     "Eingefügt: CV37 aus CV-Angaben im Text."},
    {"forum post, parenthesis", "Bei meiner Lok habe ich CV 35 (F1) = 4 gesetzt, damit das Licht im Führerstand geht.",
     0, "35=4", "Eingefügt: CV35 aus CV-Angaben im Text."},
    {"forum post, two tries", "Probier erst CV36 = 8, und wenn das nichts bringt, CV36 = 24.", 0, "36=24",
     "Eingefügt: CV36 aus CV-Angaben im Text. CV36 steht mehrmals mit verschiedenen Werten im Text; der letzte, "
     "24, gilt."},
    {"forum post, value beyond a byte", "Mit CV #41 = 300 ging bei mir gar nichts.", 0, "41=300",
     "Eingefügt: CV41 aus CV-Angaben im Text. CV41 = 300 liegt nicht zwischen 0 und 255; eingefügt wie getippt."},
    {"table with bars, factory column",
     "| CV | Funktion | Bereich | Werkseinstellung |\n|----|----------|---------|------------------|\n"
     "| 33 | F0 vorwärts | 0-255 | 1 |\n| 34 | F0 rückwärts | 0-255 | 2 |\n| 35 | F1 | 0-255 | 4 |\n",
     0, "33=1 34=2 35=4", "Eingefügt: CV33 bis CV35 aus einer Tabelle, Spalte „Werkseinstellung“."},
    {"table with tabs, value before default",
     "CV\tDescription\tRange\tDefault\tValue\n1\tAddress\t1-127\t3\t3\n33\tF0 forward\t0-255\t1\t5\n"
     "36\tF2\t0-255\t8\t\n",
     0, "33=5", "Eingefügt: CV33 aus einer Tabelle, Spalte „Value“. Bei CV36 fehlt der Wert; nicht eingefügt."},
    {"spreadsheet saved with semicolons",
     "CV-Nr.;Bezeichnung;Wertebereich;Standardwert\n37;F2;0-255;8\n42;F7;0-255;16\n", 0, "37=8 42=16",
     "Eingefügt: CV37, CV42 aus einer Tabelle, Spalte „Standardwert“."},
    {"JMRI CSV export", "CV, value\n1,3\n29,6\n33,1\n34,2\n46,0\n", 0, "33=1 34=2 46=0",
     "Eingefügt: CV33, CV34, CV46 aus einer Tabelle, Spalte „value“."},
    {"JMRI roster entry",
     "<locomotive id=\"BR 50 Wanne\" roadNumber=\"50 123\">\n  <values>\n    <CVvalue name=\"1\" value=\"3\" />\n"
     "    <CVvalue name=\"35\" value=\"12\" />\n    <CVvalue name=\"29\" value=\"6\" />\n"
     "    <CVvalue name=\"33\" value=\"1\"/>\n  </values>\n</locomotive>\n",
     0, "33=1 35=12", "Eingefügt: CV33, CV35 aus einer JMRI-Lokdatei."},
    {"JMRI decoder definition, bit fields",
     "<variable item=\"F0F output 1\" CV=\"33\" mask=\"XXXXXXXV\" default=\"1\"/>\n"
     "<variable item=\"F0F output 2\" CV=\"33\" mask=\"XXXXXXVX\" default=\"0\"/>\n"
     "<variable item=\"F0F output 3\" CV=\"33\" mask=\"XXXXXVXX\"/>\n"
     "<variable item=\"F0R output 2\" CV=\"34\" mask=\"XXXXXXVX\" default=\"1\" />\n"
     "<variable item=\"F1 map\" CV=\"35\" default=\"4\" minOut=\"1\"/>\n",
     0, "33=1 34=2 35=4", "Eingefügt: CV33 bis CV35 aus den Vorgaben einer JMRI-Decoderdefinition."},
    {"JMRI decoder definition, defaults per model",
     "<variable CV=\"36\" default=\"8\" include=\"A,B\"/>\n<variable CV=\"36\" default=\"16\" include=\"C\"/>\n", 0,
     "", "Nichts eingefügt. Die Vorgabe für CV36 ist in der Decoderdefinition nicht eindeutig; nicht eingefügt."},
    {"JMRI decoder definition without defaults",
     "<variable item=\"F0F output 1\" CV=\"33\" mask=\"XXXXXXXV\"/>\n<variable CV=\"33\" mask=\"XXXXXXVX\"/>\n", 0, "",
     "Nichts eingefügt. Die Vorgabe für CV33 ist in der Decoderdefinition nicht eindeutig; nicht eingefügt."},
    {"two decoder types", "[Lok A]\nCV33 = 1\n[Lok B]\nCV33 = 2\n", 0, "",
     "Nichts eingefügt: der Text enthält 2 Decodertypen ([…]-Abschnitte). Bitte nur den einen kopieren, der "
     "gemeint ist."},
    {"PDF table, CV numbers then defaults",
     "33\n34\n35\n36\n37\n38\n39\n40\n41\n42\n43\n44\n45\n46\n1\n2\n4\n8\n2\n4\n8\n16\n4\n8\n16\n4\n8\n16\n", 0, "",
     "Nichts eingefügt: die Zahlen sehen aus wie eine Spalte mit CV-Nummern. Mit ihrer Kopfzeile kopiert wird die "
     "Tabelle gelesen."},
    {"PDF table from F4, its CV column and defaults fitting", "38\n39\n40\n4\n8\n", 5, "",
     "Nichts eingefügt: die Zahlen sehen aus wie eine Spalte mit CV-Nummern. Mit ihrer Kopfzeile kopiert wird die "
     "Tabelle gelesen."},
    {"how-to, the values in the sentence after the CV",
     "Das Rücklicht hängt an CV 34. Lh bekommt dort z. B. den Wert 2, der Wert von Aux1 wäre 4.", 0, "",
     "Nichts eingefügt. Bei CV34 fehlt der Wert; nicht eingefügt."},
    {"Markdown table, a default column with a note",
     "| Symbol | CV | Name | Art | Default/Fix | Hinweis |\n|---|---|---|---|---|---|\n"
     "| * | 33 | Licht vorn (F0f) | Standard | 1 | Stirnlicht |\n| * | 36 | F2 | Standard | 8 | Rauch |\n",
     0, "33=1 36=8", "Eingefügt: CV33, CV36 aus einer Tabelle, Spalte „Default/Fix“."},
    {"PDF table with its words", "CV\n33\n34\n35\nDefault\n1\n2\n4\n", 0, "",
     "Nichts eingefügt: der Text nennt keine CV mit einem Wert."},
    {"prose about wires", "The black wire goes to the rear lamp and the white one to the front lamp, see page 12.",
     0, "", "Nichts eingefügt: der Text nennt keine CV mit einem Wert."},
    {"bit weights in a legend", "CV33 – Bits: Bit 0 = 1 (Ausgang A), Bit 1 = 2 (Ausgang B), Bit 2 = 4 (Ausgang C)",
     0, "", "Nichts eingefügt: der Text nennt keine CV mit einem Wert."},
    {"a legend of values", "CV 38: Wert 1 = Ausgang A, Wert 2 = Ausgang B, Wert 4 = Ausgang C", 0, "",
     "Nichts eingefügt: der Text nennt keine CV mit einem Wert."},
    {"set to, a form not read", "Set CV33 to 1 and CV34 to 2, then try F0 again.", 0, "",
     "Nichts eingefügt: der Text nennt keine CV mit einem Wert."},
    {"a bit of a CV", "CV 40 (bit 2) = 1 schaltet Ausgang C mit F7.", 0, "",
     "Nichts eingefügt: der Text nennt keine CV mit einem Wert."},
    {"a range only", "CV34: Wertebereich 0 – 255\nCV35 = 0 – 255", 0, "",
     "Nichts eingefügt. Bei CV35 ist „0 – 255“ keine ganze Zahl; nicht eingefügt."},
    {"keys, pages and a CV span",
     "Taste 3 schaltet F3, siehe CV 37 auf Seite 41.\nDie CVs 33 bis 46 legen die Zuordnung fest.\n"
     "CV33-CV46: siehe Tabelle",
     0, "", "Nichts eingefügt: der Text nennt keine CV mit einem Wert."},
    {"spreadsheet row with an empty cell", "1\t\t4", 2, "35=1 37=4", "Eingefügt: CV35, CV37 aus einer Zahlenreihe."},
    {"spreadsheet column", "1\r\n2\r\n4\r\n8\r\n", 10, "43=1 44=2 45=4 46=8",
     "Eingefügt: CV43 bis CV46 aus einer Zahlenreihe."},
    {"a copy of the window", "[Meine Lok]\ni1 = \"Licht vorn\"\nCV33 = 1\nCV34 = 2\nCV35 = 0\n", 0, "33=1 34=2 35=0",
     "Eingefügt: CV33 bis CV35 aus Zeilen für decoders.ini."},
};

// Where the text gives a number as something other than a CV's value: the
// words just before or after it. Written apart from the reader, plainly.
bool givenAsSomethingElse(const QString &text, int at, int length)
{
    static const QRegularExpression before(
        QStringLiteral("(cv\\s*-?\\s*(#|nr\\.?|no\\.?)?\\s*|bits?\\s*\\d*\\s*[=:]?\\s*|(seite|page|taste|key|button)\\s*|"
                       "\\bf|\\d\\s*(-|–|—|\\.\\.\\.|…|bis|to)\\s*)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression after(QStringLiteral("^\\s*(-|–|—|\\.\\.\\.|…|bis|to)\\s*\\d"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString preceding = text.mid(qMax(0, at - 16), qMin(at, 16));
    return before.match(preceding).hasMatch() || after.match(text.mid(at + length, 16)).hasMatch();
}

} // namespace

class PasteCorpusTest : public QObject
{
    Q_OBJECT

private slots:
    void readsAsACarefulReader_data();
    void readsAsACarefulReader();
    void noValueIsANumberGivenAsSomethingElse();
};

void PasteCorpusTest::readsAsACarefulReader_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("startColumn");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("message");
    for (const CorpusText &row : Corpus)
        QTest::newRow(row.name) << QString::fromUtf8(row.text) << row.startColumn << QString::fromUtf8(row.values)
                                << QString::fromUtf8(row.message);
}

void PasteCorpusTest::readsAsACarefulReader()
{
    QFETCH(QString, text);
    QFETCH(int, startColumn);
    QFETCH(QString, values);
    QFETCH(QString, message);
    const PastedValues pasted = readPastedValues(text, startColumn, {});
    QStringList read;
    for (const PastedValue &value : pasted.values)
        read.append(QStringLiteral("%1=%2").arg(FirstCv + value.column).arg(value.text));
    QCOMPARE(read.join(QLatin1Char(' ')), values);
    QCOMPARE(pasteMessage(pasted), message);
}

// Over the whole corpus, from every column: no value taken stands where the
// text gives a CV's number, a range, a bit, a page or a key.
void PasteCorpusTest::noValueIsANumberGivenAsSomethingElse()
{
    int looked = 0;
    for (const CorpusText &row : Corpus) {
        const QString text = QString::fromUtf8(row.text);
        for (int start = 0; start < CvCount; ++start) {
            for (const PastedValue &value : readPastedValues(text, start, {}).values) {
                if (value.at < 0)
                    continue;
                QCOMPARE(text.mid(value.at, value.text.size()), value.text);
                QVERIFY2(!givenAsSomethingElse(text, value.at, value.text.size()),
                         qPrintable(QStringLiteral("%1: %2 at %3").arg(row.name, value.text).arg(value.at)));
                ++looked;
            }
        }
    }
    QVERIFY(looked > 50);
}

QTEST_MAIN(PasteCorpusTest)
#include "tst_pastecorpus.moc"
