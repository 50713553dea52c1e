#include "gridshape.h"
#include "windowfixture.h"

#include <QtTest>

#include <random>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QtMessageHandler forward = nullptr;

// Every CV line read writes a debug line; hundreds of thousands of them would
// flood the test log, so only the other kinds of message get through.
void dropDebugMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && forward)
        forward(type, context, message);
}

struct DebugMessagesDropped
{
    DebugMessagesDropped() { forward = qInstallMessageHandler(dropDebugMessages); }
    ~DebugMessagesDropped() { qInstallMessageHandler(forward); }
};

// The whole literal, NUL bytes included.
template<int N>
QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray data;
    for (const QChar ch : QString(QChar(QChar::ByteOrderMark)) + text) {
        const char high = char(ch.unicode() >> 8);
        const char low = char(ch.unicode() & 0xff);
        data.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return data;
}

QByteArray randomBytes(int size)
{
    std::mt19937 generator(20240607);
    QByteArray data(size, '\0');
    for (char &byte : data)
        byte = char(generator() & 0xff);
    return data;
}

QByteArray manySections(int count)
{
    QByteArray file;
    for (int k = 0; k < count; ++k)
        file += "[Typ " + QByteArray::number(k) + "]\n";
    return file;
}

// CV33 to CV46 over and over, each set to its line's index: CV33 last to 199990.
QByteArray manyCvLines(int count)
{
    QByteArray file = "[Viele]\n";
    for (int k = 0; k < count; ++k)
        file += "CV" + QByteArray::number(FirstCv + k % CvCount) + " = " + QByteArray::number(k) + "\n";
    return file;
}

// Every column's boxes show the low byte of its value, which the program
// wrote itself as plain digits.
bool allColumnsInStep(const WindowFixture &fixture)
{
    for (int column = 0; column < CvCount; ++column) {
        int boxes = 0;
        for (const int row : fixture.tickedRows(column))
            boxes |= 1 << (row - windowStart(column));
        if (boxes != (fixture.valueCell(column)->text().toLongLong() & 0xff))
            return false;
    }
    return true;
}

const int anyCount = -1;

} // namespace

class HostileInputTest : public QObject
{
    Q_OBJECT

private slots:
    void oddFileLeavesTheWindowUsable_data();
    void oddFileLeavesTheWindowUsable();
    void longNameKeepsTheWindowSmall();
    void fileThatCannotBeReadCountsAsAbsent_data();
    void fileThatCannotBeReadCountsAsAbsent();
};

void HostileInputTest::oddFileLeavesTheWindowUsable_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("entries");       // decoder types offered, or anyCount
    QTest::addColumn<QString>("lastEntry"); // the last type's name, which the test chooses
    QTest::addColumn<QString>("firstLabel");
    QTest::addColumn<QStringList>("values"); // the first value cells of the chosen type

    const QString umlauts = QStringLiteral("[Güterzuglok]\ni1 = \"Licht vorwärts\"\nCV33 = 3\n");
    const QByteArray mebibyte(1 << 20, 'x');
    const QString longName = QString::fromLatin1(mebibyte);

    QTest::newRow("empty file") << QByteArray() << 0 << "" << "" << QStringList();
    QTest::newRow("only a UTF-8 byte-order mark") << QByteArray("\xef\xbb\xbf") << 0 << "" << "" << QStringList();
    QTest::newRow("only a UTF-16 LE byte-order mark") << utf16("", false) << 0 << "" << "" << QStringList();
    QTest::newRow("only a UTF-16 BE byte-order mark") << utf16("", true) << 0 << "" << "" << QStringList();
    QTest::newRow("UTF-16 LE with umlauts")
        << utf16(umlauts, false) << 1 << "Güterzuglok" << "Licht vorwärts" << QStringList{"3"};
    QTest::newRow("UTF-16 BE with umlauts")
        << utf16(umlauts, true) << 1 << "Güterzuglok" << "Licht vorwärts" << QStringList{"3"};
    // Reading in text mode drops every CR and a lone CR ends no line: the whole file is one line.
    QTest::newRow("carriage returns only")
        << QByteArray("[A]\ri1 = \"Licht\"\rCV33 = 5\r") << 0 << "" << "" << QStringList();
    QTest::newRow("carriage returns only, bracket last")
        << QByteArray("[A]\ri1 = \"Licht\"\r[B]\r") << 1 << "A]i1 = \"Licht\"[B" << "" << QStringList();
    // The NUL after 1 makes that value text no number.
    QTest::newRow("NUL bytes") << bytes("[A\0B]\ni1 = \"x\0y\"\nCV33 = 1\0\n\0\0\0\nCV34 = 2\n") << 1
                               << QString::fromLatin1("A\0B", 3) << QString::fromLatin1("x\0y", 3)
                               << QStringList{"0", "2"};
    QTest::newRow("random binary, then a header")
        << randomBytes(64 * 1024) + "\n[Zufall]\n" << anyCount << "Zufall" << "" << QStringList{"0"};
    QTest::newRow("1 MiB header") << "[" + mebibyte + "]\n" << 1 << longName << "" << QStringList();
    QTest::newRow("1 MiB output name")
        << "[A]\ni1 = \"" + mebibyte + "\"\n" << 1 << "A" << longName << QStringList();
    QTest::newRow("1 MiB line without a line end") << mebibyte << 0 << "" << "" << QStringList();
    QTest::newRow("100,000 sections") << manySections(100000) << 100000 << "Typ 99999" << "" << QStringList();
    QTest::newRow("200,000 CV lines in one section")
        << manyCvLines(200000) << 1 << "Viele" << "" << QStringList{"199990", "199991", "199992"};
    QTest::newRow("numbers at and beyond 32 bits")
        << QByteArray("[Grenzen]\nCV33 = 2147483647\nCV34 = -2147483648\nCV35 = 99999999999\n"
                      "CV36 = -99999999999\nCV4294967329 = 9\ni2147483648 = \"X\"\ni4294967297 = \"Y\"\n")
        << 1 << "Grenzen" << "" << QStringList{"2147483647", "2147483648", "0", "0", "0"};
    QTest::newRow("odd headers") << QByteArray("[\n]\n[]]\n[[x]]\n") << 2 << "[x]" << "" << QStringList();
}

void HostileInputTest::oddFileLeavesTheWindowUsable()
{
    QFETCH(QByteArray, file);
    QFETCH(int, entries);
    QFETCH(QString, lastEntry);
    QFETCH(QString, firstLabel);
    QFETCH(QStringList, values);
    const DebugMessagesDropped quiet;

    WindowFixture fixture(file);
    fixture.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.window()));
    QComboBox *combo = fixture.comboBox();
    if (entries != anyCount)
        QCOMPARE(combo->count(), 1 + entries);
    if (combo->count() == 1)
        return;

    fixture.choose(combo->count() - 1);
    QCOMPARE(combo->currentText(), lastEntry);
    QCOMPARE(fixture.table()->rowCount(), OutputCount + 2);
    QCOMPARE(fixture.table()->verticalHeaderItem(0)->text(), firstLabel);
    for (int column = 0; column < values.size(); ++column)
        QCOMPARE(fixture.valueCell(column)->text(), values.at(column));
    QVERIFY(allColumnsInStep(fixture));

    QTableWidgetItem *box = fixture.cell(3, 6); // bit 0 of F5
    box->setCheckState(box->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    QVERIFY(allColumnsInStep(fixture));
    fixture.valueCell(7)->setText(QStringLiteral("77"));
    QCOMPARE(fixture.tickedRows(7), (QList<int>{3, 5, 6, 9}));
    QVERIFY(allColumnsInStep(fixture));
}

void HostileInputTest::longNameKeepsTheWindowSmall()
{
    WindowFixture fixture("[" + QByteArray(5000, 'x') + "]\n");
    fixture.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.window()));
    // Sized to its longest entry, the choice would widen the window beyond
    // X11's 32767 pixels, its backing store taking hundreds of megabytes.
    QCOMPARE(fixture.window().size(), QSize(800, 600));
    QVERIFY(fixture.comboBox()->width() < 800);
}

void HostileInputTest::fileThatCannotBeReadCountsAsAbsent_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("directory") << "directory";
    QTest::newRow("named pipe without a writer") << "pipe";
    QTest::newRow("broken symbolic link") << "broken link";
    QTest::newRow("symbolic link to itself") << "link loop";
    QTest::newRow("symbolic link to a directory") << "link to directory";
    QTest::newRow("no read permission") << "unreadable";
}

// Through the window, as a user starting the program would meet it: no hang, only the placeholder.
void HostileInputTest::fileThatCannotBeReadCountsAsAbsent()
{
    QFETCH(QString, kind);
#ifdef Q_OS_WIN
    if (kind == "pipe")
        QSKIP("Windows has no named pipes in the file system");
    if (kind.contains("link"))
        QSKIP("Qt makes Windows shortcut files, not file system links");
    if (kind == "unreadable")
        QSKIP("Qt's permissions only set the read-only attribute on Windows");
#else
    if (kind == "unreadable" && ::geteuid() == 0)
        QSKIP("root reads every file whatever its permissions");
#endif

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = directory.filePath(QStringLiteral("decoders.ini"));
    if (kind == "directory") {
        QVERIFY(QDir().mkdir(path));
#ifndef Q_OS_WIN
    } else if (kind == "pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    } else if (kind == "broken link") {
        QVERIFY(QFile::link(directory.filePath(QStringLiteral("gone.ini")), path));
    } else if (kind == "link loop") {
        QVERIFY(QFile::link(path, path));
    } else if (kind == "link to directory") {
        QVERIFY(QFile::link(directory.path(), path));
    } else if (kind == "unreadable") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[A]\n");
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::Permissions()));
    }

    const QString previous = QDir::currentPath();
    QDir::setCurrent(directory.path());
    int entries = 0;
    {
        MainWindow window;
        entries = window.findChild<QComboBox *>(QStringLiteral("comboBox"))->count();
    }
    QDir::setCurrent(previous);
    QCOMPARE(entries, 1);
}

QTEST_MAIN(HostileInputTest)
#include "tst_hostile.moc"
