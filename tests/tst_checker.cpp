#include "checkersupport.h"
#include "encodingcheck.h"
#include "mistypedlists.h"

#include <QRegularExpression>
#include <QSet>
#include <QTextCodec>
#include <QtTest>

namespace {

const int None = -1;
const int Ignored = Finding::Ignored;
const int Otherwise = Finding::ReadOtherwise;

// The findings on one line.
Findings findingsOn(const CheckResult &result, int line)
{
    Findings found;
    for (const Finding &finding : result.findings) {
        if (finding.line == line)
            found.append(finding);
    }
    return found;
}

QString describe(const Findings &findings)
{
    QStringList lines;
    for (const Finding &finding : findings)
        lines.append(QStringLiteral("%1:%2: %3").arg(finding.line).arg(finding.column).arg(finding.message));
    return lines.join(QLatin1Char('\n'));
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
    void bytesOutsideTheEncodingAreNamed_data();
    void bytesOutsideTheEncodingAreNamed();
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
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("effect");
    QTest::addColumn<QString>("says");

    // Lines in a section of their own, so that the line in question is line 2.
    auto row = [](const char *name, const QByteArray &line, int column, int effect, const char *says) {
        QTest::newRow(name) << QByteArray("[A]\n" + line + '\n') << 2 << column << effect << QString::fromUtf8(says);
    };
    auto file = [](const char *name, const QByteArray &text, int line, int column, int effect, const char *says) {
        QTest::newRow(name) << text << line << column << effect << QString::fromUtf8(says);
    };

    file("empty file", "", 0, 0, None, "");
    row("comment with a semicolon", "; Licht vorn", 0, None, "");
    row("comment with a hash", "# CV33 = 5", 0, None, "");
    row("empty line", "", 0, None, "");
    row("blanks and tabs only", "  \t ", 0, None, "");
    row("indented comment", "   ; note", 0, None, "");
    row("ordinary INI key", "Hersteller = ESU", 0, None, "");
    row("prose about CVs", "CVs sind Konfigurationsvariablen", 0, None, "");
    row("prose starting with i", "ist leer", 0, None, "");

    file("brackets alone name no type", "[]\nCV33 = 1\n", 1, 2, Otherwise, "starts a section without a name");
    file("lines of an unnamed section are never shown", "[A]\n[]\nCV33 = 1\n", 3, 1, Ignored,
         "belongs to the section without a name at line 2");
    file("blank before the bracket", " [A]\n", 1, 1, Ignored, "but a blank stands in front");
    file("tab before the bracket", "\t[A]\n", 1, 1, Ignored, "but a tab stands in front");
    file("blank after the bracket", "[A] \n", 1, 4, Ignored, "must end with ']', but blanks follow it");
    file("comment after the bracket", "[A] ; Lok\n", 1, 4, Ignored, "but text follows it");
    file("no closing bracket", "[A\n", 1, 3, Ignored, "a section header must end with ']'");
    file("lines below an ignored header go to the section above", "[A]\n[B] \nCV33 = 1\n", 2, 4, Ignored,
         "the lines below it belong to 'A' at line 1");
    file("an ignored first header leaves its lines in the preamble", "[B] \nCV33 = 1\n", 1, 4, Ignored,
         "the lines below it stand before the first section");
    file("blanks only as the name", "[ ]\n", 1, 2, Otherwise, "with blanks only");
    file("the same name twice", "[A]\n[B]\n[A]\n", 3, 2, Otherwise,
         "second decoder type named 'A' (the first is at line 1)");
    file("names that differ only in blanks", "[A]\n[ A ]\n", 2, 2, Otherwise, "differ only in blanks");
    file("CV line before the first section", "CV33 = 1\n[A]\n", 1, 1, Ignored,
         "never shown: it stands before the first section");
    file("output line before the first section", "i1 = \"Licht\"\n[A]\n", 1, 1, Ignored,
         "stands before the first section");
    file("mistyped line before the first section", "CV33=1\n[A]\n", 1, 1, Ignored,
         "stands before the first section");

    row("output name", "i1 = \"Licht vorwärts\"", 0, None, "");
    row("leading zero in the output number", "i01 = \"X\"", 0, None, "");
    row("empty output name", "i3 = \"\"", 0, None, "");
    row("double quotes inside the name", "i3 = \"Rauch \"Dampf\"\"", 0, None, "");
    row("a double quote as the name", "i3 = \"\"\"", 0, None, "");
    row("no blank after the output number", "i1\"Name\"", 3, Ignored, "a blank must follow the output number");
    row("equals sign right after the output number", "i1= \"x\"", 3, Ignored,
        "a blank must follow the output number");
    row("tab after the output number", "i1\t= \"x\"", 3, Ignored, "and a tab is none");
    row("blank right after the letter", "i 1 = \"Name\"", 2, Ignored, "must follow 'i' directly");
    row("output number missing", "i = \"Name\"", 2, Ignored, "the output number is missing");
    row("output 0", "i0 = \"X\"", 2, Ignored, "there is no output 0");
    row("output 15", "i15 = \"X\"", 2, Ignored, "there is no output 15; outputs are numbered 1 to 14");
    row("letters in the output number", "i1a = \"X\"", 2, Ignored, "'1a' is not an output number");
    row("upper-case I", "I1 = \"x\"", 1, Ignored, "starts with a lower-case 'i'");
    row("indented output line", "  i1 = \"x\"", 1, Ignored, "but a blank stands in front");
    row("comment after the name", "i1 = \"Name\" ; note", 12, Otherwise, "names output 1 'Name\" ; not'");
    row("German comment after the name", "i1 = \"Licht\" ; vorn", 13, Otherwise,
        "nothing may follow the closing double quote");
    row("blank after the closing quote", "i1 = \"Licht\" ", 13, Otherwise, "names output 1 'Licht\"'");
    row("no quotes", "i2 Name", 4, Otherwise, "names output 2 'i2 Nam'");
    row("no closing quote", "i3 = \"Sound", 12, Otherwise, "names output 3 'Soun'");
    file("output named twice, the later wins", "[A]\ni1 = \"a\"\ni1 = \"b\"\n", 3, 2, Otherwise,
         "names output 1 again: it overrides line 2");

    row("CV line", "CV33 = 5", 0, None, "");
    row("no blank after the equals sign", "CV33 =5", 0, None, "");
    row("negative value marks a locked function", "CV33 = -3", 0, None, "");
    row("largest value a CV holds", "CV46 = 255", 0, None, "");
    row("largest locked value", "CV46 = -255", 0, None, "");
    row("plus sign", "CV33 = +5", 0, None, "");
    row("trailing blanks after the value", "CV33 = 5   ", 0, None, "");
    row("no blank before the equals sign", "CV33=5", 5, Ignored, "a blank must follow the CV number");
    row("tab after the CV number", "CV33\t= 5", 5, Ignored, "and a tab is none");
    row("no-break space after the CV number", "CV33\xC2\xA0= 5", 5, Ignored, "and a no-break space is none");
    row("lower-case cv", "cv33 = 5", 1, Ignored, "starts with upper-case 'CV'");
    row("mixed-case Cv", "Cv33 = 5", 1, Ignored, "starts with upper-case 'CV'");
    row("indented CV line", " CV33 = 5", 1, Ignored, "but a blank stands in front");
    row("byte-order mark inside the file", "\xEF\xBB\xBF" "CV33 = 5", 1, Ignored, "byte-order mark (U+FEFF)");
    row("blank after CV", "CV 33 = 5", 3, Ignored, "must follow 'CV' directly");
    row("CV number missing", "CV = 5", 3, Ignored, "the CV number is missing");
    row("letters in the CV number", "CV33a = 5", 3, Ignored, "'33a' is not a CV number");
    row("CV 32", "CV32 = 1", 3, Ignored, "only CV33 to CV46");
    row("CV 47", "CV47 = 1", 3, Ignored, "only CV33 to CV46");
    row("comment after the value", "CV33 = 5 ; note", 10, Otherwise, "stores 0 in CV33, not 5");
    row("decimal point", "CV33 = 5.0", 9, Otherwise, "but '.0' follows it");
    row("hexadecimal value", "CV33 = 0x10", 8, Otherwise, "values are read in decimal only");
    row("word as the value", "CV33 = an", 8, Otherwise, "'an' is not a whole decimal number");
    row("value beyond 32 bits", "CV33 = 99999999999", 8, Otherwise, "too large");
    row("value missing", "CV33 =", 7, Otherwise, "the value after '=' is missing");
    row("no equals sign", "CV33 5", 6, Otherwise, "without '=' the whole line is taken as the value");
    row("value above a byte", "CV33 = 300", 8, Otherwise, "the boxes show only its low eight bits, 44");
    row("locked value below -255", "CV33 = -300", 8, Otherwise, "low eight bits of 300, 44");
    file("CV set twice, the later wins", "[A]\nCV33 = 1\nCV33 = 2\n", 3, 3, Otherwise,
         "sets CV33 again: it overrides line 2");
    file("line ends with carriage returns", "[A]\r\nCV33=5\r\n", 2, 5, Ignored, "a blank must follow the CV number");
    file("carriage returns before the line feed", "[A]\r\r\nCV33 = 5\r\r\n\r", 0, 0, None, "");
    file("old Mac line ends join the lines", "[A]\rCV33 = 5\rCV34 = 6\n", 1, 4, Otherwise,
         "a carriage return without a line feed (an old Mac line end; 2 in the file)");
    file("column counts characters, not bytes", "[A]\ni1 = \"Führer\" x\n", 2, 14, Otherwise,
         "names output 1 'Führer\" '");
}

void CheckerTest::eachTrapGivesItsFinding()
{
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(int, effect);
    QFETCH(QString, says);

    const CheckResult result = checkList(file);
    if (effect == None) {
        QVERIFY2(result.findings.isEmpty(), qPrintable(describe(result.findings)));
        return;
    }
    const Findings found = findingsOn(result, line);
    QVERIFY2(!found.isEmpty(), qPrintable(describe(result.findings)));
    QVERIFY2(found.first().message.contains(says), qPrintable(found.first().message));
    QCOMPARE(found.first().column, column);
    QCOMPARE(int(found.first().effect), effect);
}

void CheckerTest::bytesOutsideTheEncodingAreNamed_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("says");

    QTextCodec *const systemCodec = QTextCodec::codecForLocale();
    const QString system = systemCodec->mibEnum() == 106
        ? QStringLiteral("byte 0xE4 is not valid UTF-8, and the system's encoding, in which the file is then read, "
                         "is UTF-8 too")
        : QStringLiteral("byte 0xE4 is not valid UTF-8, so the whole file is read in %1, the system's encoding")
              .arg(EncodingCheck::nameOf(systemCodec));
    QTest::newRow("valid UTF-8 without a mark") << QByteArray("[A]\ni1 = \"Licht vorw\xC3\xA4rts\"\n") << 0 << 0
                                                << QString();
    QTest::newRow("Latin-1 umlaut") << QByteArray("[A]\ni1 = \"Licht vorw\xE4rts\"\n") << 2 << 17
                                    << system;
    QTest::newRow("UTF-8 list with one Latin-1 line")
        << QByteArray("[A]\ni1 = \"Licht vorw\xC3\xA4rts\"\ni2 = \"R\xFC" "ck\"\n") << 3 << 8
        << QStringLiteral("byte 0xFC is not valid UTF-8");
    // Read in an 8-bit system encoding, what was written in UTF-8 shows garbled.
    if (systemCodec->mibEnum() != 106) {
        QTest::newRow("UTF-8 line in a list read in the system's encoding")
            << QByteArray("[A]\ni1 = \"Licht vorw\xC3\xA4rts\"\ni2 = \"R\xFC" "ck\"\n") << 2 << 17
            << QStringLiteral("'ä' is written in UTF-8, but the file is read in %1 because of line 3")
                   .arg(EncodingCheck::nameOf(systemCodec));
    }
    QTest::newRow("UTF-8 mark, Latin-1 byte") << QByteArray("\xEF\xBB\xBF[A]\ni1 = \"\xE4\"\n") << 2 << 7
                                              << QStringLiteral("although the file's byte-order mark says UTF-8");
    QTest::newRow("UTF-8 mark, bad byte on the first line") << QByteArray("\xEF\xBB\xBF[\xE4]\n") << 1 << 2
                                                            << QStringLiteral("byte 0xE4");
    QByteArray utf16("\xFF\xFE", 2);
    for (const char16_t unit : u"[A]\ni1 = \"") {
        if (unit)
            utf16.append(char(unit & 0xff)).append(char(unit >> 8));
    }
    utf16.append("\x00\xD8\x22\x00\x0A\x00", 6);
    QTest::newRow("UTF-16 mark, half a surrogate pair") << utf16 << 2 << 7
                                                        << QStringLiteral("half a surrogate pair");
}

void CheckerTest::bytesOutsideTheEncodingAreNamed()
{
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, says);

    const CheckResult result = checkList(file);
    if (line == 0) {
        QVERIFY2(result.findings.isEmpty(), qPrintable(describe(result.findings)));
        return;
    }
    const Findings found = findingsOn(result, line);
    QVERIFY2(!found.isEmpty(), qPrintable(describe(result.findings)));
    QVERIFY2(found.first().message.contains(says), qPrintable(found.first().message));
    QCOMPARE(found.first().column, column);
}

void CheckerTest::sampleListGivesNoFinding()
{
    QFile sample(QStringLiteral(FM_SAMPLE_FILE));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const CheckResult result = checkList(sample.readAll());
    QVERIFY2(result.findings.isEmpty(), qPrintable(describe(result.findings)));
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
