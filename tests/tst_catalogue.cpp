#include "catalogueloader.h"
#include "textencoding.h"
#include "windowfixture.h"

#include <QHeaderView>
#include <QScopeGuard>
#include <QTextCodec>
#include <QTextStream>
#include <QtTest>

namespace {

// Decoded as the program decodes a decoders.ini file.
QVector<DecoderType> read(const QByteArray &text)
{
    QByteArray copy = text;
    QTextStream stream(&copy, QIODevice::ReadOnly);
    stream.setCodec(codecForDefinitionText(copy.constData(), copy.size()));
    return readCatalogue(stream);
}

QStringList namesOf(const QVector<DecoderType> &catalogue)
{
    QStringList names;
    for (const DecoderType &type : catalogue)
        names.append(type.name);
    return names;
}

QStringList rowLabels(const QTableWidget *table)
{
    QStringList labels;
    for (int row = 0; row < table->rowCount(); ++row)
        labels.append(table->verticalHeaderItem(row)->text());
    return labels;
}

QStringList debugMessages;

void collectDebugMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg && QLatin1String(context.category) == QLatin1String("default") && !context.file)
        debugMessages.append(message);
}

const QByteArray exampleFile = "; decoder list\n"
                               "[Decoder A]\n"
                               "i1 = \"Licht vorwärts\"\n"
                               "i2 = \"Licht rückwärts\"\n"
                               "i3 = \"Sound\"\n"
                               "CV33 = 1\n"
                               "CV34 = 2\n"
                               "CV35 = 4\n"
                               "\n"
                               "[Decoder B]\n"
                               "CV33 = 3\n";

} // namespace

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void recordsFollowTheSections_data();
    void recordsFollowTheSections();
    void sectionHoldsItsNamesAndValues();
    void preambleHoldsItsCvValuesButNoLabels();
    void laterLineForTheSameTargetWins();
    void lineEndsAndLastLineDoNotMatter_data();
    void lineEndsAndLastLineDoNotMatter();
    void eachAcceptedCvLineWritesOneDebugMessage();
    void comboEntryPicksTheRecordItNames();
    void encodingFollowsTheBytes_data();
    void encodingFollowsTheBytes();
};

void CatalogueTest::recordsFollowTheSections_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("no header") << QByteArray("CV33 = 1\ni1 = \"X\"\n") << QStringList();
    QTest::newRow("one section after the preamble") << QByteArray("[A]\n") << QStringList{"", "A"};
    QTest::newRow("sections in file order") << QByteArray("[A]\n[B]\n[C]\n") << QStringList{"", "A", "B", "C"};
    QTest::newRow("same name twice stays twice") << QByteArray("[A]\n[A]\n") << QStringList{"", "A", "A"};
    QTest::newRow("unnamed last section is dropped") << QByteArray("[A]\n[]\nCV33 = 1\n") << QStringList{"", "A"};
    QTest::newRow("unnamed middle section is dropped") << QByteArray("[A]\n[]\n[B]\n") << QStringList{"", "A", "B"};
    QTest::newRow("unnamed first section is dropped") << QByteArray("[]\n[A]\n") << QStringList{"", "A"};
    QTest::newRow("only unnamed sections") << QByteArray("[]\n[]\n") << QStringList{""};
}

void CatalogueTest::recordsFollowTheSections()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QCOMPARE(namesOf(read(file)), names);

    WindowFixture fixture(file);
    QStringList entries;
    for (int entry = 1; entry < fixture.comboBox()->count(); ++entry)
        entries.append(fixture.comboBox()->itemText(entry));
    QCOMPARE(entries, names.mid(1));
    QCOMPARE(fixture.comboBox()->currentIndex(), 0);
}

void CatalogueTest::sectionHoldsItsNamesAndValues()
{
    const QVector<DecoderType> catalogue = read(exampleFile);
    QCOMPARE(catalogue.size(), 3);

    const DecoderType &a = catalogue.at(1);
    QStringList labels = {"Licht vorwärts", "Licht rückwärts", "Sound"};
    while (labels.size() < 14)
        labels.append(QString());
    labels << "CV" << "Wert";
    QCOMPARE(a.outputNames, labels);
    const std::array<qint32, CvCount> aValues{1, 2, 4};
    QCOMPARE(a.cvValues, aValues);

    // Nothing carries over from one section to the next.
    const DecoderType &b = catalogue.at(2);
    QCOMPARE(b.outputNames, defaultOutputNames());
    const std::array<qint32, CvCount> bValues{3};
    QCOMPARE(b.cvValues, bValues);
}

void CatalogueTest::preambleHoldsItsCvValuesButNoLabels()
{
    const QVector<DecoderType> catalogue = read("CV34 = 9\ni1 = \"Nowhere\"\n[A]\n");
    QCOMPARE(catalogue.size(), 2);
    QVERIFY(catalogue.at(0).name.isEmpty());
    QVERIFY(catalogue.at(0).outputNames.isEmpty());
    QCOMPARE(catalogue.at(0).cvValues.at(1), 9);
    QCOMPARE(catalogue.at(1).outputNames, defaultOutputNames());
}

void CatalogueTest::laterLineForTheSameTargetWins()
{
    const DecoderType type = read("[A]\nCV33 = 1\nCV33 = 2\ni1 = \"x\"\ni1 = \"y\"\n").at(1);
    QCOMPARE(type.cvValues.at(0), 2);
    QCOMPARE(type.outputNames.at(0), QStringLiteral("y"));
}

void CatalogueTest::lineEndsAndLastLineDoNotMatter_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("line feeds") << QByteArray("[A]\ni1 = \"Licht\"\nCV33 = 5\n");
    QTest::newRow("carriage return and line feed") << QByteArray("[A]\r\ni1 = \"Licht\"\r\nCV33 = 5\r\n");
    QTest::newRow("last line without line feed") << QByteArray("[A]\ni1 = \"Licht\"\nCV33 = 5");
}

void CatalogueTest::lineEndsAndLastLineDoNotMatter()
{
    QFETCH(QByteArray, file);
    WindowFixture fixture(file);
    QCOMPARE(fixture.comboBox()->itemText(1), QStringLiteral("A"));
    fixture.choose(1);
    QCOMPARE(fixture.table()->verticalHeaderItem(0)->text(), QStringLiteral("Licht"));
    QCOMPARE(fixture.valueCell(0)->text(), QStringLiteral("5"));
}

void CatalogueTest::eachAcceptedCvLineWritesOneDebugMessage()
{
    debugMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectDebugMessages);
    {
        WindowFixture fixture("\xef\xbb\xbf" "CV33 = 7\n[A]\nCV35 = 12\nCV33 = x\nCV47 = 1\nCV33=1\nCV34 = \"5\" \\\n"
                              "[]\nCV46 = -1\nCV45 = vorwärts\n");
    }
    qInstallMessageHandler(previous);
    // Quotes and backslashes are escaped as the debug stream escapes them.
    const QStringList expected = {"0 \"7\"", "2 \"12\"", "0 \"x\"", "1 \"\\\"5\\\" \\\\\"",
                                  "13 \"-1\"", "12 \"vorwärts\""};
    QCOMPARE(debugMessages, expected);
}

void CatalogueTest::comboEntryPicksTheRecordItNames()
{
    WindowFixture fixture("[]\ni1 = \"unnamed\"\n[First]\ni1 = \"one\"\n[]\ni1 = \"lost\"\n[Second]\ni1 = \"two\"\n");
    QCOMPARE(fixture.comboBox()->count(), 3);
    fixture.choose(2);
    QCOMPARE(fixture.comboBox()->currentText(), QStringLiteral("Second"));
    QCOMPARE(rowLabels(fixture.table()).first(), QStringLiteral("two"));
    fixture.choose(1);
    QCOMPARE(rowLabels(fixture.table()).first(), QStringLiteral("one"));
    QCOMPARE(rowLabels(fixture.table()).mid(14), (QStringList{"CV", "Wert"}));
}

void CatalogueTest::encodingFollowsTheBytes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("system"); // the system's encoding
    QTest::addColumn<QString>("shown");     // the first output's name

    const auto list = [](const QByteArray &name) { return "[Lok]\ni1 = \"" + name + "\"\n"; };
    const QByteArray utf8 = "Licht vorw\xc3\xa4rts";
    const QString umlaut = QStringLiteral("Licht vorwärts");
    QTest::newRow("UTF-8 with a mark") << "\xef\xbb\xbf" + list(utf8) << QByteArray("windows-1252") << umlaut;
    QTest::newRow("UTF-8 without a mark, windows-1252 system") << list(utf8) << QByteArray("windows-1252") << umlaut;
    QTest::newRow("UTF-8 without a mark, ISO-8859-1 system") << list(utf8) << QByteArray("ISO-8859-1") << umlaut;
    QTest::newRow("four-byte UTF-8 without a mark")
        << list("Pfeife \xf0\x9f\x9a\x82") << QByteArray("ISO-8859-1") << QStringLiteral("Pfeife 🚂");
    QTest::newRow("windows-1252 stays in the system's encoding")
        << list("Licht vorw\xe4rts") << QByteArray("windows-1252") << umlaut;
    // Ä, Ö, Ü and ß are UTF-8 lead bytes: the plain ASCII after them must rule UTF-8 out.
    QTest::newRow("windows-1252 letter that looks like a lead byte")
        << list("Gro\xdf" "raum") << QByteArray("windows-1252") << QStringLiteral("Großraum");
    QTest::newRow("UTF-8 ending on an umlaut without a line end")
        << list(utf8) + "; Wei\xc3\x9f" << QByteArray("ISO-8859-1") << umlaut;
    // Decided once for the whole file: a later stray byte makes all of it local.
    QTest::newRow("UTF-8 with one windows-1252 line later on")
        << list(utf8) + "i2 = \"r\xfc" "ckw\xe4rts\"\n" << QByteArray("windows-1252")
        << QStringLiteral("Licht vorwÃ¤rts");
    QTest::newRow("overlong form is no UTF-8")
        << list("A\xc1\xbf") << QByteArray("ISO-8859-1") << QStringLiteral("A\u00c1\u00bf");
    QTest::newRow("three-byte overlong form is no UTF-8")
        << list("A\xe0\x80\x80") << QByteArray("ISO-8859-1") << QStringLiteral("A\u00e0\u0080\u0080");
    QTest::newRow("surrogate is no UTF-8")
        << list("A\xed\xa0\x80") << QByteArray("ISO-8859-1") << QStringLiteral("A\u00ed\u00a0\u0080");
    QTest::newRow("sequence cut short is no UTF-8")
        << list(utf8) + "\xe2\x82" << QByteArray("ISO-8859-1") << QStringLiteral("Licht vorwÃ¤rts");
}

void CatalogueTest::encodingFollowsTheBytes()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, system);
    QFETCH(QString, shown);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName(system));
    const auto restore = qScopeGuard([] { QTextCodec::setCodecForLocale(nullptr); });

    WindowFixture fixture(file);
    fixture.choose(1);
    QCOMPARE(fixture.table()->verticalHeaderItem(0)->text(), shown);
}

QTEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
