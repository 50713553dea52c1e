#include "checkersupport.h"
#include "mistypedlists.h"

#include <QRegularExpression>
#include <QSet>
#include <QTextCodec>
#include <QtTest>

namespace {

// Each finding as "line:column effect: message", the effect "ignored" or "otherwise".
QStringList describe(const Findings &findings)
{
    QStringList lines;
    for (const Finding &finding : findings) {
        const char *const effect = finding.effect == Finding::Ignored ? "ignored" : "otherwise";
        lines.append(QStringLiteral("%1:%2 %3: %4").arg(finding.line).arg(finding.column).arg(effect, finding.message));
    }
    return lines;
}

// Whether the findings are the expected ones, one for one and in order: line,
// column and effect as written, and the message holding the text after them.
bool match(const Findings &findings, const QStringList &expected)
{
    const QStringList found = describe(findings);
    if (found.size() != expected.size())
        return false;
    for (int k = 0; k < found.size(); ++k) {
        const int text = expected.at(k).indexOf(QLatin1String(": ")) + 2;
        if (!found.at(k).startsWith(expected.at(k).left(text))
            || !findings.at(k).message.contains(expected.at(k).mid(text)))
            return false;
    }
    return true;
}

// What a line would set, read as it looks to someone who knows the format
// loosely; nothing for anything else.
struct Look
{
    enum Kind { Other, Header, Output, Cv };
    Kind kind = Other;
    int number = 0;
    QString text;
};

Look lookOf(const QString &line)
{
    static const QRegularExpression header(QStringLiteral("^\\[(.*)\\]$"));
    static const QRegularExpression output(QStringLiteral("^i(\\d+) [^\"]*\"(.*)\"$"));
    static const QRegularExpression cv(QStringLiteral("^CV(\\d+) [^=]*=\\s*([+-]?\\d+)\\s*$"));
    Look look;
    if (const auto match = header.match(line); match.hasMatch()) {
        look.kind = Look::Header;
        look.text = match.captured(1);
    } else if (const auto match = output.match(line); match.hasMatch() && match.captured(1).toInt() >= 1
                                                      && match.captured(1).toInt() <= OutputCount) {
        look.kind = Look::Output;
        look.number = match.captured(1).toInt();
        look.text = match.captured(2);
    } else if (const auto match = cv.match(line); match.hasMatch() && match.captured(1).toInt() >= FirstCv
                                                  && match.captured(1).toInt() < FirstCv + CvCount) {
        look.kind = Look::Cv;
        look.number = match.captured(1).toInt();
        look.text = match.captured(2);
    }
    return look;
}

QByteArray fileOf(const QStringList &lines)
{
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

// Holds the checker to what it says: a line it calls ignored, deleted,
// leaves the window's decoder types as they were; a line it is silent about
// either sets what it looks like it sets, or, deleted, changes nothing.
// Returns what went wrong, or nothing.
QString disagreement(const QStringList &lines)
{
    const QByteArray file = fileOf(lines);
    const CheckResult result = checkList(file);
    const QVector<DecoderType> shown = shownTypes(file);
    QSet<int> flagged, ignored, overridden;
    for (const Finding &finding : result.findings) {
        flagged.insert(finding.line);
        if (finding.effect == Finding::Ignored)
            ignored.insert(finding.line);
        if (finding.overridesLine)
            overridden.insert(finding.overridesLine);
    }
    int section = -1;
    int named = 0;
    for (int k = 0; k < lines.size(); ++k) {
        const int line = k + 1;
        const Look look = lookOf(lines.at(k));
        if (look.kind == Look::Header)
            section = look.text.isEmpty() ? -1 : named++;
        if (ignored.contains(line) || (!flagged.contains(line) && look.kind == Look::Other)) {
            QStringList without = lines;
            without.removeAt(k);
            if (!sameTypes(shownTypes(fileOf(without)), shown))
                return QStringLiteral("deleting line %1 changes the decoder types").arg(line);
            continue;
        }
        if (flagged.contains(line))
            continue;
        if (section < 0 || section >= shown.size())
            return QStringLiteral("line %1 is never shown, and nothing says so").arg(line);
        const DecoderType &type = shown.at(section);
        const bool kept = !overridden.contains(line);
        if ((look.kind == Look::Header && type.name != look.text)
            || (look.kind == Look::Output && kept && type.outputNames.at(look.number - 1) != look.text)
            || (look.kind == Look::Cv && kept && type.cvValues.at(look.number - FirstCv) != look.text.toInt()))
            return QStringLiteral("line %1 does not read as it looks, and nothing says so").arg(line);
    }
    if (named != shown.size())
        return QStringLiteral("%1 sections look named, the window shows %2").arg(named).arg(shown.size());
    return {};
}

} // namespace

class CheckerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eachTrapGivesItsFinding_data();
    void eachTrapGivesItsFinding();
    void sampleListGivesNoFinding();
    void verdictsHoldOnMistypedLists();
    void listingReadsBackToTheSameTypes_data();
    void listingReadsBackToTheSameTypes();
};

void CheckerTest::initTestCase()
{
    dropDebugMessages();
}

void CheckerTest::eachTrapGivesItsFinding_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("system"); // the system's encoding, for a list that is not UTF-8
    QTest::addColumn<QStringList>("findings");

    // Lines in a section of their own, so that the line in question is line 2.
    auto row = [](const char *name, const QByteArray &line, const QStringList &findings) {
        QTest::newRow(name) << QByteArray("[A]\n" + line + '\n') << QByteArray("UTF-8") << findings;
    };
    auto file = [](const char *name, const QByteArray &text, const QStringList &findings,
                   const QByteArray &system = "UTF-8") { QTest::newRow(name) << text << system << findings; };

    file("empty file", "", {});
    row("comment with a semicolon", "; Licht vorn", {});
    row("comment with a hash", "# CV33 = 5", {});
    row("empty line", "", {});
    row("blanks and tabs only", "  \t ", {});
    row("indented comment", "   ; note", {});
    row("ordinary INI key", "Hersteller = ESU", {});
    row("prose about CVs", "CVs sind Konfigurationsvariablen", {});
    row("prose starting with i", "ist leer", {});

    file("brackets alone name no type", "[]\nCV33 = 1\n",
        {"1:2 otherwise: starts a section without a name",
         "2:1 ignored: belongs to the section without a name at line 1"});
    file("lines of an unnamed section are never shown", "[A]\n[]\nCV33 = 1\n",
        {"2:2 otherwise: starts a section without a name",
         "3:1 ignored: belongs to the section without a name at line 2"});
    file("blank before the bracket", " [A]\n", {"1:1 ignored: but a blank stands in front"});
    file("tab before the bracket", "\t[A]\n", {"1:1 ignored: but a tab stands in front"});
    file("blank after the bracket", "[A] \n", {"1:4 ignored: must end with ']', but blanks follow it"});
    file("comment after the bracket", "[A] ; Lok\n", {"1:4 ignored: but text follows it"});
    file("no closing bracket", "[A\n", {"1:3 ignored: a section header must end with ']'"});
    file("lines below an ignored header go to the section above", "[A]\n[B] \nCV33 = 1\n",
        {"2:4 ignored: the lines below it belong to 'A' at line 1"});
    file("an ignored first header leaves its lines in the preamble", "[B] \nCV33 = 1\n",
        {"1:4 ignored: the lines below it stand before the first section",
         "2:1 ignored: 'CV33 = 1' is never shown: it stands before the first section"});
    file("blanks only as the name", "[ ]\n", {"1:2 otherwise: with blanks only"});
    file("the same name three times", "[A]\n[B]\n[A]\n[A]\n",
        {"3:2 otherwise: second decoder type named 'A' (the first is at line 1)",
         "4:2 otherwise: second decoder type named 'A' (the first is at line 1)"});
    file("names that differ only in blanks", "[A]\n[ A ]\n", {"2:2 otherwise: differ only in blanks"});
    file("CV line before the first section", "CV33 = 1\n[A]\n",
        {"1:1 ignored: never shown: it stands before the first section"});
    file("output line before the first section", "i1 = \"Licht\"\n[A]\n",
        {"1:1 ignored: stands before the first section"});
    file("mistyped line before the first section", "CV33=1\n[A]\n", {"1:1 ignored: stands before the first section"});

    row("output name", "i1 = \"Licht vorwärts\"", {});
    row("leading zero in the output number", "i01 = \"X\"", {});
    row("empty output name", "i3 = \"\"", {});
    row("double quotes inside the name", "i3 = \"Rauch \"Dampf\"\"", {});
    row("a double quote as the name", "i3 = \"\"\"", {});
    row("no blank after the output number", "i1\"Name\"", {"2:3 ignored: a blank must follow the output number"});
    row("equals sign right after the output number", "i1= \"x\"",
        {"2:3 ignored: a blank must follow the output number"});
    row("tab after the output number", "i1\t= \"x\"", {"2:3 ignored: and a tab is none"});
    row("blank right after the letter", "i 1 = \"Name\"", {"2:2 ignored: must follow 'i' directly"});
    row("output number missing", "i = \"Name\"", {"2:2 ignored: the output number is missing"});
    row("output 0", "i0 = \"X\"", {"2:2 ignored: there is no output 0"});
    row("output 15", "i15 = \"X\"", {"2:2 ignored: there is no output 15; outputs are numbered 1 to 14"});
    row("letters in the output number", "i1a = \"X\"", {"2:2 ignored: '1a' is not an output number"});
    row("upper-case I", "I1 = \"x\"", {"2:1 ignored: starts with a lower-case 'i'"});
    row("indented output line", "  i1 = \"x\"", {"2:1 ignored: but a blank stands in front"});
    row("comment after the name", "i1 = \"Name\" ; note", {"2:12 otherwise: names output 1 'Name\" ; not'"});
    row("German comment after the name", "i1 = \"Licht\" ; vorn",
        {"2:13 otherwise: nothing may follow the closing double quote"});
    row("blank after the closing quote", "i1 = \"Licht\" ", {"2:13 otherwise: names output 1 'Licht\"'"});
    row("no quotes", "i2 Name", {"2:4 otherwise: names output 2 'i2 Nam'"});
    row("no closing quote", "i3 = \"Sound", {"2:12 otherwise: names output 3 'Soun'"});
    file("output named twice, the later wins", "[A]\ni1 = \"a\"\ni1 = \"b\"\n",
        {"3:2 otherwise: names output 1 again: it overrides line 2"});

    row("CV line", "CV33 = 5", {});
    row("no blank after the equals sign", "CV33 =5", {});
    row("negative value marks a locked function", "CV33 = -3", {});
    row("largest value a CV holds", "CV46 = 255", {});
    row("largest locked value", "CV46 = -255", {});
    row("plus sign", "CV33 = +5", {});
    row("trailing blanks after the value", "CV33 = 5   ", {});
    row("no blank before the equals sign", "CV33=5", {"2:5 ignored: a blank must follow the CV number"});
    row("tab after the CV number", "CV33\t= 5", {"2:5 ignored: and a tab is none"});
    row("no-break space after the CV number", "CV33\xC2\xA0= 5", {"2:5 ignored: and a no-break space is none"});
    row("lower-case cv", "cv33 = 5", {"2:1 ignored: starts with upper-case 'CV'"});
    row("mixed-case Cv", "Cv33 = 5", {"2:1 ignored: starts with upper-case 'CV'"});
    row("indented CV line", " CV33 = 5", {"2:1 ignored: but a blank stands in front"});
    row("byte-order mark inside the file", "\xEF\xBB\xBF" "CV33 = 5", {"2:1 ignored: byte-order mark (U+FEFF)"});
    row("blank after CV", "CV 33 = 5", {"2:3 ignored: must follow 'CV' directly"});
    row("CV number missing", "CV = 5", {"2:3 ignored: the CV number is missing"});
    row("letters in the CV number", "CV33a = 5", {"2:3 ignored: '33a' is not a CV number"});
    row("CV 32", "CV32 = 1", {"2:3 ignored: only CV33 to CV46"});
    row("CV 47", "CV47 = 1", {"2:3 ignored: only CV33 to CV46"});
    row("comment after the value", "CV33 = 5 ; note", {"2:10 otherwise: stores 0 in CV33, not 5"});
    row("decimal point", "CV33 = 5.0", {"2:9 otherwise: but '.0' follows it"});
    row("hexadecimal value", "CV33 = 0x10", {"2:8 otherwise: values are read in decimal only"});
    row("word as the value", "CV33 = an", {"2:8 otherwise: 'an' is not a whole decimal number"});
    row("value beyond 32 bits", "CV33 = 99999999999", {"2:8 otherwise: too large"});
    row("value missing", "CV33 =", {"2:7 otherwise: the value after '=' is missing"});
    row("no equals sign", "CV33 5", {"2:6 otherwise: without '=' the whole line is taken as the value"});
    row("value above a byte", "CV33 = 300", {"2:8 otherwise: the boxes show only its low eight bits, 44"});
    row("value just above a byte", "CV33 = 256",
        {"2:8 otherwise: sets CV33 to 256, more than a CV can hold (0 to 255): the boxes show only its low eight "
         "bits, 0"});
    row("locked value just below -255", "CV33 = -256", {"2:8 otherwise: low eight bits of 256, 0"});
    row("locked value below -255", "CV33 = -300", {"2:8 otherwise: low eight bits of 300, 44"});
    file("CV set twice, the later wins", "[A]\nCV33 = 1\nCV33 = 2\n",
        {"3:3 otherwise: sets CV33 again: it overrides line 2"});
    file("line ends with carriage returns", "[A]\r\nCV33=5\r\n", {"2:5 ignored: a blank must follow the CV number"});
    file("carriage returns before the line feed", "[A]\r\r\nCV33 = 5\r\r\n\r", {});
    file("old Mac line ends join the lines", "[A]\rCV33 = 5\rCV34 = 6\n",
        {"1:4 otherwise: a carriage return without a line feed (an old Mac line end; 2 in the file)",
         "1:4 ignored: '[A]CV33 = 5CV34 = 6' is ignored: a section header must end with ']', but text follows it"});
    file("column counts characters, not bytes", "[A]\ni1 = \"Führer\" x\n",
        {"2:14 otherwise: names output 1 'Führer\" '"});
    row("a character beyond U+FFFF is one column", "i1 = \"\xF0\x9F\x9A\x82\" x",
        {"2:9 otherwise: names output 1 '\xF0\x9F\x9A\x82\" '"});

    file("valid UTF-8 without a mark", "[A]\ni1 = \"Licht vorw\xC3\xA4rts\"\n", {});
    file("Latin-1 umlaut, the system's encoding UTF-8", "[A]\ni1 = \"Licht vorw\xE4rts\"\n",
        {"2:17 otherwise: byte 0xE4 is not valid UTF-8, and the system's encoding, in which the file is then read, is "
         "UTF-8 too: it reads as '\xEF\xBF\xBD'"});
    file("Latin-1 umlaut, the system's encoding windows-1252", "[A]\ni1 = \"Licht vorw\xE4rts\"\n",
        {"2:17 otherwise: byte 0xE4 is not valid UTF-8, so the whole file is read in windows-1252, the system's "
         "encoding, where it reads as '\xC3\xA4'"},
        "windows-1252");
    file("UTF-8 list with one Latin-1 line", "[A]\ni1 = \"Licht vorw\xC3\xA4rts\"\ni2 = \"R\xFC" "ck\"\n",
        {"3:8 otherwise: byte 0xFC is not valid UTF-8"});
    // Read in an 8-bit system encoding, what was written in UTF-8 shows garbled.
    file("UTF-8 line in a list read in the system's encoding",
        "[A]\ni1 = \"Licht vorw\xC3\xA4rts\"\ni2 = \"R\xFC" "ck\"\n",
        {"2:17 otherwise: '\xC3\xA4' is written in UTF-8, but the file is read in ISO-8859-1 because of line 3, so it "
         "shows as '\xC3\x83\xC2\xA4'",
         "3:8 otherwise: byte 0xFC is not valid UTF-8, so the whole file is read in ISO-8859-1, the system's "
         "encoding, where it reads as '\xC3\xBC'"},
        "ISO-8859-1");
    file("UTF-8 mark, Latin-1 byte", "\xEF\xBB\xBF[A]\ni1 = \"\xE4\"\n",
        {"2:7 otherwise: although the file's byte-order mark says UTF-8"});
    file("UTF-8 mark, bad byte on the first line", "\xEF\xBB\xBF[\xE4]\n", {"1:2 otherwise: byte 0xE4"});
    QByteArray utf16("\xFF\xFE", 2);
    for (const char16_t unit : u"[A]\ni1 = \"") {
        if (unit)
            utf16.append(char(unit & 0xff)).append(char(unit >> 8));
    }
    utf16.append("\x00\xD8\x22\x00\x0A\x00", 6);
    file("UTF-16 mark, half a surrogate pair", utf16, {"2:7 otherwise: half a surrogate pair"});
}

void CheckerTest::eachTrapGivesItsFinding()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, system);
    QFETCH(QStringList, findings);

    const CheckResult result = checkList(file, QTextCodec::codecForName(system));
    QVERIFY2(match(result.findings, findings), qPrintable(describe(result.findings).join(QLatin1Char('\n'))));
}

void CheckerTest::sampleListGivesNoFinding()
{
    QFile sample(QStringLiteral(FM_SAMPLE_FILE));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const CheckResult result = checkList(sample.readAll());
    QVERIFY2(result.findings.isEmpty(), qPrintable(describe(result.findings).join(QLatin1Char('\n'))));
    QCOMPARE(result.shownTypes(), 4);
}

void CheckerTest::verdictsHoldOnMistypedLists()
{
    int findings = 0;
    for (quint32 seed = 1; seed <= 1000; ++seed) {
        QRandomGenerator random(seed);
        const QStringList lines = mistypedList(random);
        const QString wrong = disagreement(lines);
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("seed %1: %2\n%3").arg(seed).arg(wrong, lines.join('\n'))));
        findings += checkList(fileOf(lines)).findings.size();
    }
    // The mistakes were made, and found.
    QVERIFY(findings > 1000);
}

void CheckerTest::listingReadsBackToTheSameTypes_data()
{
    QTest::addColumn<QByteArray>("file");
    QFile sample(QStringLiteral(FM_SAMPLE_FILE));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QTest::newRow("sample list") << sample.readAll();
    QTest::newRow("names with quotes, brackets and blanks")
        << QByteArray("CV33 = 9\n[ [Lok] ]\ni1 = \"\"\"\ni2 = \"a\" b\"\ni3 = \"  \"\nCV46 = -2147483648\n[]\n[B]\n");
    QTest::newRow("Latin-1 list") << QByteArray("[Lok]\ni1 = \"R\xFC" "ck\"\nCV33 = 300\n");
    for (quint32 seed = 1; seed <= 50; ++seed) {
        QRandomGenerator random(seed);
        QTest::newRow(qPrintable(QStringLiteral("mistyped list %1").arg(seed))) << fileOf(mistypedList(random));
    }
}

void CheckerTest::listingReadsBackToTheSameTypes()
{
    QFETCH(QByteArray, file);
    const CheckResult result = checkList(file);
    const QByteArray listing = result.listing().toUtf8();
    QVERIFY(sameTypes(shownTypes(listing), shownTypes(file)));
}

QTEST_APPLESS_MAIN(CheckerTest)
#include "tst_checker.moc"
