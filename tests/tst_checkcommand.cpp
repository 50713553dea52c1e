#include "checkersupport.h"
#include "definitionline.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray MistypedList = "[A]\nCV33=5\ni1 = \"Licht\" ; vorn\n";

struct Run
{
    int status = -1;
    QByteArray out, err;
};

QString checkerProgram()
{
    const QDir tests(QCoreApplication::applicationDirPath());
    QString program = tests.filePath(QStringLiteral("../src/function-mapping-check"));
#ifdef Q_OS_WIN
    program += QStringLiteral(".exe");
#endif
    return program;
}

// Runs the checker in `folder` with the locale given.
Run runChecker(const QString &folder, const QStringList &arguments, const QString &locale = QStringLiteral("C"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(checkerProgram(), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput().replace("\r\n", "\n");
    run.err = process.readAllStandardError().replace("\r\n", "\n");
    return run;
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QByteArray sampleList()
{
    QFile sample(QStringLiteral(FM_SAMPLE_FILE));
    return sample.open(QIODevice::ReadOnly) ? sample.readAll() : QByteArray();
}

} // namespace

class CheckCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exitStatusAndOutput_data();
    void exitStatusAndOutput();
    void listPrintsTheTypesAndNothingElse_data();
    void listPrintsTheTypesAndNothingElse();
    void helpGoesToStandardOutput();
    void messagesFollowTheLocale();

private:
    QTemporaryDir folder;
};

void CheckCommandTest::initTestCase()
{
    dropDebugMessages();
    QVERIFY(folder.isValid());
    QVERIFY(QFileInfo(checkerProgram()).isExecutable());
    QVERIFY(writeFile(folder.filePath(QStringLiteral("sample.ini")), sampleList()));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("mistyped.ini")), MistypedList));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("-dash.ini")), MistypedList));
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("with-list")));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("with-list/decoders.ini")), sampleList()));
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("many")));
    for (int file = 0; file < 10000; ++file)
        QVERIFY(writeFile(folder.filePath(QStringLiteral("many/%1.xml").arg(file)), QByteArray()));
}

void CheckCommandTest::exitStatusAndOutput_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");

    const QByteArray findings = "mistyped.ini:2:5: warning: 'CV33=5' is ignored: a blank must follow the CV number\n"
                                "mistyped.ini:3:13: warning: 'i1 = \"Licht\" ; vorn' names output 1 'Licht\" ; vor': "
                                "the name runs to the line's last character but one, so nothing may follow the "
                                "closing double quote, not even a blank\n"
                                "mistyped.ini: 1 decoder type, 2 warnings\n";
    QTest::newRow("decoders.ini of the current folder") << "with-list" << QStringList() << 0
                                                        << QByteArray("decoders.ini: 4 decoder types, no warnings\n")
                                                        << QByteArray();
    QTest::newRow("no decoders.ini in the current folder")
        << "." << QStringList() << 2 << QByteArray()
        << QByteArray("function-mapping-check: decoders.ini: no such file, so Function Mapping would list no "
                      "decoder types\n");
    QTest::newRow("findings") << "." << QStringList{"mistyped.ini"} << 1 << findings << QByteArray();
    QTest::newRow("a folder") << "." << QStringList{"with-list"} << 2 << QByteArray()
                              << QByteArray("function-mapping-check: with-list: is a folder, not a file\n");
    QTest::newRow("trouble outweighs findings, the other files are still checked")
        << "." << QStringList{"missing.ini", "mistyped.ini"} << 2 << findings
        << QByteArray("function-mapping-check: missing.ini: no such file, so Function Mapping would list no "
                      "decoder types\n");
    QTest::newRow("two clean files") << "." << QStringList{"sample.ini", "with-list/decoders.ini"} << 0
                                     << QByteArray("sample.ini: 4 decoder types, no warnings\n"
                                                   "with-list/decoders.ini: 4 decoder types, no warnings\n")
                                     << QByteArray();
    QTest::newRow("after --, a dash starts a file name")
        << "." << QStringList{"--", "-dash.ini"} << 1
        << QByteArray(findings).replace("mistyped.ini", "-dash.ini") << QByteArray();
    QTest::newRow("unknown long option") << "." << QStringList{"--bogus"} << 2 << QByteArray()
                                         << QByteArray("function-mapping-check: unrecognized option '--bogus'\n"
                                                       "Try 'function-mapping-check --help' for more information.\n");
    QTest::newRow("unknown short option") << "." << QStringList{"-x", "mistyped.ini"} << 2 << QByteArray()
                                          << QByteArray("function-mapping-check: invalid option -- 'x'\n"
                                                        "Try 'function-mapping-check --help' for more information.\n");
    // As a Windows user types them: under Wine the tree's folder is on drive Z:.
    const QByteArray tree = QDir::toNativeSeparators(QFileInfo(QStringLiteral(FM_JMRI_TREE)).absoluteFilePath()).toLocal8Bit();
    const QByteArray alpha = tree + QDir::toNativeSeparators(QStringLiteral("/xml/decoders/alpha.xml")).toLocal8Bit();
    QTest::newRow("--from-jmri, one model") << "." << QStringList{"--from-jmri", alpha, "--model=MAX"} << 0
        << QByteArray("[Brightline Maxi]\ni1 = \"White\"\ni2 = \"Yellow\"\ni3 = \"Green\"\ni4 = \"Violet\"\n"
                      "i5 = \"Cab\"\ni6 = \"Smoke\"\nCV33 = 1\nCV34 = 2\nCV35 = 0\nCV36 = 8\nCV37 = 16\nCV38 = 2\n")
        << alpha + ": 1 decoder type, each written whole\n";
    QTest::newRow("--from-jmri, something not placed") << "." << QStringList{"--from-jmri", tree, "--mo", "d2"}
        << 1 << QByteArray("[Trackwise D20]\ni1 = \"White\"\ni2 = \"Yellow\"\ni3 = \"Green\"\ni4 = \"Violet\"\n"
                           "i5 = \"Output 5\"\ni6 = \"Output 6\"\ni7 = \"Output 7\"\ni8 = \"Output 8\"\n"
                           "i9 = \"Output 9\"\ni10 = \"Output 10\"\ni11 = \"Output 11\"\ni12 = \"Output 12\"\n"
                           "i13 = \"Output 13\"\ni14 = \"Output 14\"\nCV33 = 1\n")
        << QByteArray("Trackwise D20: it has 20 outputs; the grid shows outputs 1 to 14, so 6 are left out\n"
                      "Trackwise D20: 2 outputs named otherwise than by a number are left out: Ra, BEMF\n"
                      "Trackwise D20: the include of http://jmri.org/xml/decoders/trackwise/missing.xml in its "
                      "variables could not be read (no such file), so what it holds is missing\n"
                      "Trackwise D20: CV35 not written: this decoder maps its bits otherwise than the NMRA layout\n")
               + tree + ": 1 decoder type, 1 with something not placed\n";
    QTest::newRow("--from-jmri, a folder of 10,000 files") << "." << QStringList{"--from-jmri", "many"} << 2
        << QByteArray() << QByteArray("function-mapping-check: many: holds 10000 XML files, more than the 5000 a "
                                      "decoder library has: name one family file or JMRI's xml/decoders folder\n"
                                      "many: no decoder types written\n");
    QTest::newRow("--model without --from-jmri") << "." << QStringList{"--model", "x"} << 2 << QByteArray()
        << QByteArray("function-mapping-check: --model picks models of --from-jmri only\n"
                      "Try 'function-mapping-check --help' for more information.\n");
    QTest::newRow("--version") << "." << QStringList{"--version"} << 0
                               << QByteArray("function-mapping-check (Function Mapping) " FM_VERSION "\n"
                                             "Copyright (C) 2026 Function Mapping maintainers\n"
                                             "License MIT: <https://opensource.org/licenses/MIT>.\n"
                                             "This is free software: you are free to change and redistribute it.\n"
                                             "There is NO WARRANTY, to the extent permitted by law.\n")
                               << QByteArray();
}

void CheckCommandTest::exitStatusAndOutput()
{
    QFETCH(QString, in);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);

    const Run run = runChecker(folder.filePath(in), arguments);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err, err);
    QCOMPARE(run.status, status);
}

void CheckCommandTest::listPrintsTheTypesAndNothingElse_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("listing");

    QTest::newRow("no list, no types") << QByteArray() << QByteArray();
    QTest::newRow("sample list") << sampleList()
        << QByteArray(
           "[Standard nach NMRA]\ni1 = \"Licht vorwärts\"\ni2 = \"Licht rückwärts\"\ni3 = \"Ausgang A1\"\n"
           "i4 = \"Ausgang A2\"\ni5 = \"Ausgang A3\"\ni6 = \"Ausgang A4\"\ni7 = \"Ausgang A5\"\ni8 = \"Ausgang A6\"\n"
           "i9 = \"Ausgang A7\"\ni10 = \"Ausgang A8\"\ni11 = \"Ausgang A9\"\ni12 = \"Ausgang A10\"\n"
           "i13 = \"Ausgang A11\"\ni14 = \"Ausgang A12\"\nCV33 = 1\nCV34 = 2\nCV35 = 4\nCV36 = 8\nCV37 = 16\n"
           "CV38 = 4\nCV39 = 8\nCV40 = 16\nCV41 = 32\nCV42 = 64\nCV43 = 16\nCV44 = 32\nCV45 = 64\nCV46 = 128\n\n"
           "[Diesellok mit Sound]\ni1 = \"Licht vorwärts\"\ni2 = \"Licht rückwärts\"\ni3 = \"Führerstand\"\n"
           "i4 = \"Fernlicht\"\ni5 = \"Rangierlicht\"\ni6 = \"Sound\"\ni7 = \"Horn\"\ni8 = \"Lüfter\"\n"
           "i9 = \"Kupplung\"\ni10 = \"Rauch\"\ni11 = \"\"\ni12 = \"\"\ni13 = \"\"\ni14 = \"\"\nCV33 = 1\nCV34 = 2\n"
           "CV35 = 4\nCV36 = 8\nCV37 = 16\nCV38 = 8\nCV39 = 16\nCV40 = 32\nCV41 = 64\nCV42 = 128\nCV43 = 8\n"
           "CV44 = 16\nCV45 = 0\nCV46 = 0\n\n"
           "[Dampflok mit Rauchgenerator]\ni1 = \"Stirnlampen vorn\"\ni2 = \"Stirnlampen hinten\"\n"
           "i3 = \"Feuerbüchse\"\ni4 = \"Rauchgenerator\"\ni5 = \"Dampfpfeife\"\ni6 = \"Glocke\"\ni7 = \"\"\n"
           "i8 = \"\"\ni9 = \"\"\ni10 = \"\"\ni11 = \"\"\ni12 = \"\"\ni13 = \"\"\ni14 = \"\"\nCV33 = 1\nCV34 = 2\n"
           "CV35 = 8\nCV36 = 4\nCV37 = 0\nCV38 = 4\nCV39 = 8\nCV40 = 0\nCV41 = 0\nCV42 = 0\nCV43 = 0\nCV44 = 0\n"
           "CV45 = 0\nCV46 = 0\n\n"
           "[Triebwagen, Licht gesperrt]\ni1 = \"Spitzenlicht A\"\ni2 = \"Spitzenlicht B\"\ni3 = \"Schlusslicht A\"\n"
           "i4 = \"Schlusslicht B\"\ni5 = \"Innenbeleuchtung\"\ni6 = \"Zugzielanzeige\"\ni7 = \"\"\ni8 = \"\"\n"
           "i9 = \"\"\ni10 = \"\"\ni11 = \"\"\ni12 = \"\"\ni13 = \"\"\ni14 = \"\"\nCV33 = -5\nCV34 = -10\nCV35 = 16\n"
           "CV36 = 32\nCV37 = 0\nCV38 = 4\nCV39 = 0\nCV40 = 0\nCV41 = 0\nCV42 = 0\nCV43 = 0\nCV44 = 0\nCV45 = 0\n"
           "CV46 = 0\n");
    // The preamble and the section without a name are left out; the later of two types named alike is kept.
    QTest::newRow("types named alike, a name with text after it, a value above a byte")
        << QByteArray("CV33 = 1\n[A]\ni2 = \"R\xC3\xBC" "ck\" x\nCV34 = 300\n[]\n[A]\nCV46 = -3\n")
        << QByteArray(
           "[A]\ni1 = \"\"\ni2 = \"Rück\" \"\ni3 = \"\"\ni4 = \"\"\ni5 = \"\"\ni6 = \"\"\ni7 = \"\"\ni8 = \"\"\n"
           "i9 = \"\"\ni10 = \"\"\ni11 = \"\"\ni12 = \"\"\ni13 = \"\"\ni14 = \"\"\nCV33 = 0\nCV34 = 300\nCV35 = 0\n"
           "CV36 = 0\nCV37 = 0\nCV38 = 0\nCV39 = 0\nCV40 = 0\nCV41 = 0\nCV42 = 0\nCV43 = 0\nCV44 = 0\nCV45 = 0\n"
           "CV46 = 0\n\n"
           "[A]\ni1 = \"\"\ni2 = \"\"\ni3 = \"\"\ni4 = \"\"\ni5 = \"\"\ni6 = \"\"\ni7 = \"\"\ni8 = \"\"\ni9 = \"\"\n"
           "i10 = \"\"\ni11 = \"\"\ni12 = \"\"\ni13 = \"\"\ni14 = \"\"\nCV33 = 0\nCV34 = 0\nCV35 = 0\nCV36 = 0\n"
           "CV37 = 0\nCV38 = 0\nCV39 = 0\nCV40 = 0\nCV41 = 0\nCV42 = 0\nCV43 = 0\nCV44 = 0\nCV45 = 0\nCV46 = -3\n");
}

void CheckCommandTest::listPrintsTheTypesAndNothingElse()
{
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, listing);

    QVERIFY(writeFile(folder.filePath(QStringLiteral("list.ini")), list));
    const Run run = runChecker(folder.path(), {QStringLiteral("--list"), QStringLiteral("list.ini")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.out, listing);
    // Read back, the same types; and no more sections, as the window's reader
    // would leave a section without a name out unseen.
    QVERIFY(sameTypes(shownTypes(run.out), shownTypes(list)));
    int headers = 0;
    for (const QByteArray &line : run.out.split('\n'))
        headers += parseDefinitionLine(QString::fromUtf8(line)).kind == DefinitionLine::SectionHeader;
    QCOMPARE(headers, shownTypes(list).size());
}

void CheckCommandTest::helpGoesToStandardOutput()
{
    // Any unambiguous start of a long option will do.
    const Run help = runChecker(folder.path(), {QStringLiteral("--he")});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith("Usage: function-mapping-check [OPTION]... [FILE]...\n"));
    QVERIFY(help.out.contains("Exit status is 0 if nothing was found, 1 if something was, and 2 if"));
    // The addresses close it only where the build was given them; none are made up.
    QByteArray contact;
    if (qstrlen(FM_BUG_ADDRESS) > 0)
        contact += "Report bugs to: " FM_BUG_ADDRESS "\n";
    if (qstrlen(FM_HOMEPAGE) > 0)
        contact += "Function Mapping home page: <" FM_HOMEPAGE ">\n";
    QVERIFY(help.out.endsWith(">> ~/.local/share/function-mapping/decoders.ini\n" +
                              (contact.isEmpty() ? "" : "\n" + contact)));
}

void CheckCommandTest::messagesFollowTheLocale()
{
#ifdef Q_OS_WIN
    QSKIP("On Windows the language is the user's display language, not an environment variable");
#endif
    const Run run = runChecker(folder.path(), {QStringLiteral("mistyped.ini")}, QStringLiteral("de_DE.UTF-8"));
    QCOMPARE(run.status, 1);
    QVERIFY2(run.out.startsWith("mistyped.ini:2:5: warning: 'CV33=5' wird übergangen: auf die CV-Nummer muss ein "
                                "Leerzeichen folgen\n"),
             run.out.constData());
    QVERIFY(run.out.endsWith("mistyped.ini: 1 Decodertyp, 2 Warnungen\n"));
}

QTEST_GUILESS_MAIN(CheckCommandTest)
#include "tst_checkcommand.moc"
