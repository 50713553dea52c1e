#include "checkersupport.h"

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
    void listPrintsTheTypesAndNothingElse();
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

void CheckCommandTest::listPrintsTheTypesAndNothingElse()
{
    const QByteArray list = "CV33 = 1\n[A]\ni2 = \"Rück\" x\nCV34 = 300\n[]\n[A]\nCV46 = -3\n";
    QVERIFY(writeFile(folder.filePath(QStringLiteral("list.ini")), list));
    const Run run = runChecker(folder.path(), {QStringLiteral("--list"), QStringLiteral("list.ini")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.out, checkList(list).listing().toUtf8());
    QVERIFY(sameTypes(shownTypes(run.out), shownTypes(list)));

    // Any unambiguous start of a long option will do, and help goes to standard output.
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
    QVERIFY(help.out.endsWith("could not be read or an option was wrong.\n" + (contact.isEmpty() ? "" : "\n" + contact)));
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
