#include "windowfixture.h"
#include "windowlanguage.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QMenuBar>
#include <QProcess>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {

const char PrintTexts[] = "--print-window-texts";

// A type whose first output is named, whose second is not, with F0 v on.
const QByteArray List = "\xEF\xBB\xBF[Lok]\ni1 = \"Licht vorwärts\"\nCV33 = 1\n";

QString cellName(QTableWidget *table, int row, int column)
{
    return QAccessible::queryAccessibleInterface(table)->tableInterface()->cellAt(row, column)->text(QAccessible::Name);
}

// The window as main() builds it, under this process's environment: every
// fixed text it shows or hands to a screen reader, a line each, in UTF-8
// whatever the locale.
int printWindowTexts(QApplication &application)
{
    QTranslator translator;
    if (loadWindowTranslation(translator))
        application.installTranslator(&translator);
    WindowFixture fixture(List);
    QMainWindow &window = fixture.window();
    QTableWidget *table = fixture.table();
    const QStringList placeholder = {window.windowTitle(), fixture.comboBox()->itemText(0)};
    fixture.choose(1);
    std::unique_ptr<QWidget> editor(table->itemDelegate()->createEditor(
        table->viewport(), QStyleOptionViewItem(), table->model()->index(15, 2)));
    QStringList texts = placeholder;
    texts << table->horizontalHeaderItem(0)->text() << table->horizontalHeaderItem(1)->text()
          << table->horizontalHeaderItem(13)->text() << table->verticalHeaderItem(0)->text()
          << table->verticalHeaderItem(14)->text() << table->verticalHeaderItem(15)->text()
          << fixture.comboBox()->accessibleName() << fixture.comboBox()->view()->accessibleName()
          << table->accessibleName() << window.menuBar()->accessibleName()
          << window.statusBar()->accessibleName()
          << window.statusBar()->findChild<QSizeGrip *>()->accessibleName()
          << table->findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly)->accessibleName()
          << cellName(table, 0, 0) << cellName(table, 1, 1) << cellName(table, 0, 13) << cellName(table, 14, 2)
          << cellName(table, 15, 2) << editor->accessibleName();
    std::fputs(texts.join(QLatin1Char('\n')).append(QLatin1Char('\n')).toUtf8().constData(), stdout);
    return 0;
}

// What a blind user's desktop may set to choose its language.
const char *const LanguageVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

} // namespace

class WindowLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void windowSpeaksTheDesktopsLanguage_data();
    void windowSpeaksTheDesktopsLanguage();
    void everyWindowTextHasItsEnglishTranslation();
};

void WindowLanguageTest::windowSpeaksTheDesktopsLanguage_data()
{
    const QStringList german = {
        "Function Mapping", "<Decodertyp wählen>", "F0 v", "F0 r", "F12", "Licht vorwärts", "CV", "Wert",
        "Decodertyp", "Decodertypen", "Funktionszuordnung", "Menüleiste", "Statusleiste",
        "Fenstergröße ändern", "Alle Zellen auswählen", "Licht vorwärts, F0 v", "Ausgang 2, F0 r",
        "nicht belegt", "CV 35, F1", "Wert F1", "Wert F1 bearbeiten"};
    const QStringList english = {
        "Function Mapping", "<Choose decoder type>", "F0 f", "F0 r", "F12", "Licht vorwärts", "CV", "Value",
        "Decoder type", "Decoder types", "Function mapping", "Menu bar", "Status bar",
        "Resize window", "Select all cells", "Licht vorwärts, F0 f", "Output 2, F0 r",
        "not used", "CV 35, F1", "Value F1", "Edit Value F1"};
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English asked for") << QStringList{"LANGUAGE=en"} << english;
    QTest::newRow("US English locale") << QStringList{"LANG=en_US.UTF-8"} << english;
    QTest::newRow("German locale") << QStringList{"LANG=de_DE.UTF-8"} << german;
    QTest::newRow("C locale") << QStringList{"LANG=C"} << german;
    QTest::newRow("French missing, English next") << QStringList{"LANGUAGE=fr:en"} << english;
    QTest::newRow("German before English") << QStringList{"LANGUAGE=de_AT:en_GB"} << german;
    QTest::newRow("only French") << QStringList{"LANGUAGE=fr", "LANG=fr_FR.UTF-8"} << german;
    QTest::newRow("no setting") << QStringList{} << german;
    QTest::newRow("LC_ALL over LANG") << QStringList{"LC_ALL=en_GB.UTF-8", "LANG=de_DE.UTF-8"} << english;
    QTest::newRow("LC_MESSAGES over LANG") << QStringList{"LC_MESSAGES=en_IE.UTF-8", "LANG=de_CH.UTF-8"}
                                           << english;
    QTest::newRow("LANGUAGE over LANG") << QStringList{"LANGUAGE=de", "LANG=en_US.UTF-8"} << german;
}

// The system locale is read once per process, so each environment gets a
// process of its own: this program again, printing the window's texts.
void WindowLanguageTest::windowSpeaksTheDesktopsLanguage()
{
#ifdef Q_OS_WIN
    QSKIP("Windows takes the display language from its settings; scripts/windows sets it through Wine");
#endif
    QFETCH(QStringList, environment);
    QFETCH(QStringList, texts);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char *name : LanguageVariables)
        variables.remove(QLatin1String(name));
    for (const QString &assignment : environment)
        variables.insert(assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1));
    QProcess child;
    child.setProcessEnvironment(variables);
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(PrintTexts)});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts), texts);
}

// Brings a copy of the translation up to date with the sources, as a
// translator would start, and lists every text left without its English.
void WindowLanguageTest::everyWindowTextHasItsEnglishTranslation()
{
#ifndef FM_LUPDATE
    QSKIP("lupdate runs on the build machine only");
#else
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString ts = scratch.filePath(QStringLiteral("function-mapping_en.ts"));
    QVERIFY(QFile::copy(QStringLiteral(FM_WINDOW_TS), ts));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(FM_SOURCE_DIR));
    lupdate.start(QStringLiteral(FM_LUPDATE), QStringList{"-silent", "-locations", "none", "-no-obsolete"}
                                                  + QString::fromUtf8(FM_WINDOW_TEXT_SOURCES).split(QLatin1Char(' '))
                                                  + QStringList{"-ts", ts});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);

    QFile file(ts);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&file);
    QStringList untranslated;
    int texts = 0;
    QString source;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("source")) {
            source = reader.readElementText();
            ++texts;
        } else if (reader.name() == QLatin1String("translation")) {
            const bool unfinished = reader.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            if (reader.readElementText().isEmpty() || unfinished)
                untranslated.append(source);
        }
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QVERIFY(texts >= 31);
    QVERIFY2(untranslated.isEmpty(), qPrintable(QLatin1String("no English for: ") + untranslated.join(" | ")));
#endif
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Further arguments are the Windows test runner's log options.
    if (argc >= 2 && qstrcmp(argv[1], PrintTexts) == 0)
        return printWindowTexts(application);
    WindowLanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowlanguage.moc"
