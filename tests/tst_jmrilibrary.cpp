#include "checkersupport.h"
#include "jmrilibrary.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class JmriLibraryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dropDebugMessages(); }
    void testTreeReadsBackWithoutFindings_data();
    void testTreeReadsBackWithoutFindings();
    void badInputGetsASentence_data();
    void badInputGetsASentence();
};

void JmriLibraryTest::testTreeReadsBackWithoutFindings_data()
{
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("output1"); // as the catalogue reads it back
    QTest::addColumn<QStringList>("notPlaced");

    QTest::newRow("Mini of Alpha: per-bit defaults, minOut, minFn, include and a group's exclude")
        << "[Brightline Mini (Alpha)]\ni1 = \"White\"\ni2 = \"Yellow\"\ni3 = \"Green\"\ni4 = \"Violet\"\n"
           "CV33 = 1\nCV34 = 2\nCV35 = 0\nCV39 = 1\n" << "White" << QStringList();
    QTest::newRow("Maxi: its own labels")
        << "[Brightline Maxi]\ni1 = \"White\"\ni2 = \"Yellow\"\ni3 = \"Green\"\ni4 = \"Violet\"\ni5 = \"Cab\"\n"
           "i6 = \"Smoke\"\nCV33 = 1\nCV34 = 2\nCV35 = 0\nCV36 = 8\nCV37 = 16\nCV38 = 2\n" << "White" << QStringList();
    const QString beta = "\n; JMRI gives no default values: read the decoder from the station to fill them in\n"
                         "i1 = \"Front Light\"\ni2 = \"\"\ni3 = \"R\u00fcck\"\n";
    QTest::newRow("Mini of Beta: included map without defaults, labels with bars and other languages")
        << "[Brightline Mini (Beta)]" + beta << "Front Light" << QStringList();
    QTest::newRow("Rail, shown maybe: outputs up to the highest labelled") << "[Brightline Rail]" + beta
                                                                            << "Front Light" << QStringList();
    QTest::newRow("D20: map off the layout, named outputs, 20 outputs, a lost include")
        << "[Trackwise D20]\ni1 = \"White\"\ni2 = \"Yellow\"\ni3 = \"Green\"\ni4 = \"Violet\"\ni5 = \"Output 5\"\n"
           "i6 = \"Output 6\"\ni7 = \"Output 7\"\ni8 = \"Output 8\"\ni9 = \"Output 9\"\ni10 = \"Output 10\"\n"
           "i11 = \"Output 11\"\ni12 = \"Output 12\"\ni13 = \"Output 13\"\ni14 = \"Output 14\"\nCV33 = 1\n"
        << "White"
        << QStringList{"it has 20 outputs; the grid shows outputs 1 to 14, so 6 are left out",
                       "2 outputs named otherwise than by a number are left out: Ra, BEMF",
                       "the include of http://jmri.org/xml/decoders/trackwise/missing.xml in its variables could "
                       "not be read (no such file), so what it holds is missing",
                       "CV35 not written: this decoder maps its bits otherwise than the NMRA layout"};
    QTest::newRow("Fix 2: a fixed map, labels with quotes, '=', '[', ';' and a line break")
        << "[Sparkworks Fix 2]\ni1 = \"\"Head\" = [A]\"\ni2 = \"; tail lamp\"\nCV33 = -1\nCV34 = -2\n"
        << "\"Head\" = [A]"
        << QStringList{"the label of output 2 holds a line break or a control character, written as a blank"};
}

void JmriLibraryTest::testTreeReadsBackWithoutFindings()
{
    QFETCH(QString, lines);
    QFETCH(QString, output1);
    QFETCH(QStringList, notPlaced);

    const JmriListing listing = listJmriLibrary(QStringLiteral(FM_JMRI_TREE "/xml/decoders"), QString(), "en");
    QCOMPARE(listing.troubles, QStringList());
    QCOMPARE(listing.sections.size(), 6);
    const QString name = lines.mid(1, lines.indexOf(QLatin1Char(']')) - 1);
    const auto section = std::find_if(listing.sections.begin(), listing.sections.end(),
                                      [&](const JmriSection &s) { return s.name == name; });
    QVERIFY(section != listing.sections.end());
    QCOMPARE(section->lines, lines);
    QCOMPARE(section->notPlaced, notPlaced);
    const QVector<DecoderType> types = shownTypes(lines.toUtf8());
    QCOMPARE(types.size(), 1);
    QCOMPARE(types.first().name, name);
    QCOMPARE(types.first().outputNames.first(), output1);
    QCOMPARE(checkList(lines.toUtf8()).findings.size(), 0);
}

void JmriLibraryTest::badInputGetsASentence_data()
{
    QTest::addColumn<QByteArray>("model");    // the model's attributes and outputs, or the whole file
    QTest::addColumn<QByteArray>("fragment"); // part/p.xml, included by the family's variables
    QTest::addColumn<QStringList>("sentences");

    QTest::newRow("XML that is not well formed") << QByteArray("<decoder-config><decoder>") << QByteArray()
        << QStringList{"xml/decoders/f.xml: not well-formed XML at line 1, column 25: Premature end of document."};
    QTest::newRow("not a decoder definition") << QByteArray("<roster/>") << QByteArray()
        << QStringList{"xml/decoders/f.xml: not a JMRI decoder definition: its outermost element is <roster>, not "
                       "<decoder-config>"};
    QTest::newRow("an include loop") << QByteArray("numOuts=\"1\">")
        << QByteArray("<variables xmlns:xi=\"http://www.w3.org/2001/XInclude\"><xi:include href=\"p.xml\"/></variables>")
        << QStringList{"the include of p.xml in its variables could not be read (an include loop: the file is "
                       "already being read), so what it holds is missing",
                       "it maps functions to outputs in its own way, not in CV33 to CV46: no CV lines written"};
    QTest::newRow("0 outputs") << QByteArray("numOuts=\"0\">") << QByteArray() << QStringList{"it has no outputs"};
    QTest::newRow("1,000 outputs") << QByteArray("numOuts=\"1000\">") << QByteArray()
        << QStringList{"it has 1000 outputs; the grid shows outputs 1 to 14, so 986 are left out"};
    QTest::newRow("no map in CV33 to CV46") << QByteArray("numOuts=\"1\">") << QByteArray("<variables/>")
        << QStringList{"it maps functions to outputs in its own way, not in CV33 to CV46: no CV lines written"};
}

void JmriLibraryTest::badInputGetsASentence()
{
    QFETCH(QByteArray, model);
    QFETCH(QByteArray, fragment);
    QFETCH(QStringList, sentences);

    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("xml/decoders/part")));
    QByteArray family = model;
    if (model.endsWith("\">")) {
        const QByteArray map = fragment.isEmpty()
            ? "<variable CV=\"33\" mask=\"XXXXXXXV\" item=\"FL(f) controls output 1\" default=\"1\"/>" : "";
        family = "<decoder-config xmlns:xi=\"http://www.w3.org/2001/XInclude\"><decoder><family name=\"F\" mfg=\"M\">"
                 "<model model=\"X\" " + model + "</model></family><variables>" + map +
                 (fragment.isEmpty() ? "" : "<xi:include href=\"part/p.xml\"/>") + "</variables></decoder></decoder-config>";
    }
    for (const auto &file : {qMakePair(QStringLiteral("f.xml"), family), qMakePair(QStringLiteral("part/p.xml"), fragment)}) {
        QFile out(folder.filePath("xml/decoders/" + file.first));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file.second) == file.second.size());
    }
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const JmriListing listing = listJmriLibrary(QStringLiteral("xml/decoders/f.xml"), QString(), "en");
    QDir::setCurrent(before);
    // Files are named as the system writes their paths.
    sentences.replaceInStrings(QStringLiteral("xml/decoders/f.xml"), QDir::toNativeSeparators(QStringLiteral("xml/decoders/f.xml")));
    QCOMPARE(listing.troubles + (listing.sections.isEmpty() ? QStringList() : listing.sections.first().notPlaced),
             sentences);
}

QTEST_GUILESS_MAIN(JmriLibraryTest)
#include "tst_jmrilibrary.moc"
