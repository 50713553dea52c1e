#include "decodertransfer.h"
#include "stationdialog.h"
#include "teststations.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtTest>

#include <memory>

namespace {

// F4 (CV38) is locked at 12; F0 v and F0 r hold 1 and 2, the rest 0.
const QByteArray probe = "[Probe]\n"
                         "CV33 = 1\n"
                         "CV34 = 2\n"
                         "CV38 = -12\n";

QString valuesOnShow(const WindowFixture &fixture)
{
    QStringList texts;
    for (int column = 0; column < CvCount; ++column)
        texts.append(fixture.valueCell(column)->text());
    return texts.join(QLatin1Char(' '));
}

void setStation(const StationSettings &station)
{
    QSettings store(DecoderTransfer::settingsOrganization, QCoreApplication::applicationName());
    store.clear();
    if (station.isSet())
        station.save(store);
}

// Answers the window's questions and dialogs with the keys given, one key
// each, and keeps what they asked.
class Answers : public QObject
{
public:
    explicit Answers(QList<int> keys) : keys(std::move(keys))
    {
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == answered || this->keys.isEmpty())
                return;
            answered = modal;
            const auto *box = qobject_cast<QMessageBox *>(modal);
            asked << (box ? box->text() : modal->metaObject()->className());
            QTest::keyClick(modal, Qt::Key(this->keys.takeFirst()));
        });
        timer.start();
    }

    QStringList asked;

private:
    QList<int> keys;
    QTimer timer;
    QPointer<QWidget> answered;
};

} // namespace

// The window reads the decoder into its grid and writes it back through the
// test stations, with the user's answers given by keys.
class DecoderTransferTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void readShowsTheDecodersValuesAsOneStep_data();
    void readShowsTheDecodersValuesAsOneStep();
    void writeLeavesTheChangedBoxInTheDecoder_data();
    void writeLeavesTheChangedBoxInTheDecoder();
    void faultDuringWriteStopsIt_data();
    void faultDuringWriteStopsIt();
    void nothingDifferentWritesNothing();
    void refusedReadSendsNothing_data();
    void refusedReadSendsNothing();
    void busyReadRefusesMoreAndEscapeCancels();
    void closingDuringWriteWaitsForTheCv();

private:
    struct Run
    {
        QStringList messages; // what the status bar said, kept until the window has gone
        std::unique_ptr<TestStation> station;
        std::unique_ptr<WindowFixture> fixture;
    };
    static void start(Run &run, const QString &kind);
    static void trigger(Run &run, const char *action);
    // Until the transfer has ended: its entries are offered again.
    static bool waitForEnd(Run &run);
    // Reads the decoder, then types the value into the columns given.
    static bool readThenType(Run &run, const QList<int> &columns, const QString &value);
    // The offscreen platform leaves no window active once a question has gone, and the keys unheard.
    static bool reactivate(Run &run);
};

void DecoderTransferTest::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    // The station is kept under the test's own name, where test mode keeps settings.
    QStandardPaths::setTestModeEnabled(true);
}

void DecoderTransferTest::init()
{
    setStation(StationSettings());
}

void DecoderTransferTest::start(Run &run, const QString &kind)
{
    if (kind.startsWith(QLatin1String("z21"))) {
        auto z21 = std::make_unique<Z21TestStation>();
        setStation({StationSettings::Z21Network, QStringLiteral("127.0.0.1"), z21->port(), QString(),
                    kind == QLatin1String("z21, power back on")});
        run.station = std::move(z21);
    } else {
        auto dccEx = std::make_unique<DccExTestStation>();
        setStation({StationSettings::DccExNetwork, QStringLiteral("127.0.0.1"), dccEx->listenTcp(), QString()});
        run.station = std::move(dccEx);
    }
    run.fixture = std::make_unique<WindowFixture>(probe);
    QVERIFY(run.fixture->showAndChoose(1));
    run.fixture->table()->setFocus();
    connect(run.fixture->window().statusBar(), &QStatusBar::messageChanged,
            [&run](const QString &message) { run.messages << message; });
}

void DecoderTransferTest::trigger(Run &run, const char *action)
{
    run.fixture->window().findChild<QAction *>(QLatin1String(action))->trigger();
}

bool DecoderTransferTest::waitForEnd(Run &run)
{
    auto *read = run.fixture->window().findChild<QAction *>(QStringLiteral("cancelTransferAction"));
    return QTest::qWaitFor([read] { return !read->isEnabled(); }, 5000);
}

bool DecoderTransferTest::readThenType(Run &run, const QList<int> &columns, const QString &value)
{
    trigger(run, "readDecoderAction");
    if (!waitForEnd(run))
        return false;
    for (int column : columns)
        run.fixture->valueCell(column)->setText(value);
    return true;
}

bool DecoderTransferTest::reactivate(Run &run)
{
    run.fixture->window().activateWindow();
    return QTest::qWaitForWindowActive(&run.fixture->window());
}

namespace {

void addKinds()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("stationState");
    QTest::addColumn<QString>("afterwards");
    QTest::newRow("Z21 over UDP")
        << "z21"
        << " Die Z21 bleibt im Programmiermodus: das Hauptgleis bleibt ohne Spannung, bis Sie die Gleisspannung an "
           "der Zentrale oder am Handregler wieder einschalten."
        << " Danach bleibt die Gleisspannung aus, bis Sie sie wieder einschalten.";
    QTest::newRow("Z21 over UDP, track power back on afterwards")
        << "z21, power back on" << " Die Gleisspannung ist wieder eingeschaltet."
        << " Danach wird die Gleisspannung wieder eingeschaltet; Züge fahren dann mit ihrer letzten Geschwindigkeit "
           "weiter.";
    QTest::newRow("DCC-EX over TCP") << "tcp" << "" << "";
}

const QString warning = "Die Zentrale schaltet dazu auf ihr Programmiergleis. Bei vielen Zentralen, auch bei der Z21, "
                        "hält das jeden Zug auf der Anlage an.";

} // namespace

void DecoderTransferTest::readShowsTheDecodersValuesAsOneStep_data()
{
    addKinds();
}

// The locked CV38 keeps what it shows, as a paste leaves it.
void DecoderTransferTest::readShowsTheDecodersValuesAsOneStep()
{
    QFETCH(QString, kind);
    QFETCH(QString, stationState);
    QFETCH(QString, afterwards);
    Run run;
    start(run, kind);
    Answers answers({Qt::Key_Return});
    QTest::keyClick(run.fixture->table(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(waitForEnd(run));
    QCOMPARE(answers.asked, QStringList{warning + afterwards + " Jeder Decoder auf dem Programmiergleis wird gelesen."});
    QCOMPARE(valuesOnShow(*run.fixture), QStringLiteral("1 2 4 8 4 12 16 4 8 16 4 8 16 32"));
    QCOMPARE(run.fixture->tickedRows(2), (QList<int>{2}));
    QCOMPARE(run.messages.first(), QStringLiteral("Verbindung zur Zentrale wird aufgebaut …"));
    QCOMPARE(run.messages.at(6), QStringLiteral("CV38 gelesen, 6 von 14"));
    QCOMPARE(run.messages.last(), "CV33 bis CV46 gelesen." + stationState + " Gesperrt und nicht übernommen: CV38.");
    // Asked once a run.
    QVERIFY(reactivate(run));
    QTest::keyClick(run.fixture->table(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(waitForEnd(run));
    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(run.station->reads, 28);

    QTest::keyClick(run.fixture->table(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(run.messages.last(), QStringLiteral("Rückgängig gemacht: Vom Decoder lesen."));
    QCOMPARE(valuesOnShow(*run.fixture), QStringLiteral("1 2 0 0 0 12 0 0 0 0 0 0 0 0"));
    QCOMPARE(run.fixture->tickedRows(2), QList<int>{});
}

void DecoderTransferTest::writeLeavesTheChangedBoxInTheDecoder_data()
{
    addKinds();
}

// A value typed beyond a byte writes the byte its boxes show.
void DecoderTransferTest::writeLeavesTheChangedBoxInTheDecoder()
{
    QFETCH(QString, kind);
    QFETCH(QString, stationState);
    Run run;
    start(run, kind);
    Answers answers({Qt::Key_Return, Qt::Key_Return});
    QVERIFY(readThenType(run, {2}, QStringLiteral("300")));
    run.messages.clear();
    trigger(run, "writeDecoderAction");
    QVERIFY(waitForEnd(run));
    QCOMPARE(answers.asked.last(), QStringLiteral("Diese CVs werden geschrieben:\nCV35: 4 → 44 (300 → 44)\n"
                                                  "Gesperrt und nie geschrieben: CV38."));
    QCOMPARE(run.station->decoder, (QVector<int>{1, 2, 44, 8, 4, 8, 16, 4, 8, 16, 4, 8, 16, 32}));
    QCOMPARE(run.station->writes, 1);
    QCOMPARE(run.messages.at(run.messages.size() - 2), QStringLiteral("CV35 geschrieben und geprüft, 1 von 1"));
    QCOMPARE(run.messages.last(), "Geschrieben und geprüft: CV35." + stationState);
    QCOMPARE(valuesOnShow(*run.fixture), QStringLiteral("1 2 300 8 4 12 16 4 8 16 4 8 16 32"));
    // One log-on a read and one a write, its fresh read included; DCC-EX's one connection serves both.
    if (auto *z21 = qobject_cast<Z21TestStation *>(run.station.get())) {
        QCOMPARE(z21->logoffs, 2);
        QCOMPARE(z21->powerOns, stationState.contains(QLatin1String("wieder eingeschaltet.")) ? 2 : 0);
    } else {
        QCOMPARE(run.station->opens, 1);
    }
}

void DecoderTransferTest::faultDuringWriteStopsIt_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("Z21: no decoder") << "z21" << int(StationFault::NoDecoder)
                                     << "CV40: Kein Decoder antwortet auf dem Programmiergleis.";
    QTest::newRow("DCC-EX: short circuit, a -1 after its diagnostic") << "tcp" << int(StationFault::ShortCircuit)
                                           << "CV40: Kein Decoder antwortet auf dem Programmiergleis.";
    QTest::newRow("DCC-EX: decoder keeps its value") << "tcp" << int(StationFault::Ignored)
                                                     << "CV40 hält nach dem Schreiben 4 statt 9.";
}

void DecoderTransferTest::faultDuringWriteStopsIt()
{
    QFETCH(QString, kind);
    QFETCH(int, fault);
    QFETCH(QString, message);
    Run run;
    start(run, kind);
    Answers answers({Qt::Key_Return, Qt::Key_Return});
    QVERIFY(readThenType(run, {2, 7, 11}, QStringLiteral("9")));
    run.station->fault = {StationFault::Kind(fault), 40, true};
    trigger(run, "writeDecoderAction");
    QVERIFY(waitForEnd(run));
    QCOMPARE(run.station->decoder, (QVector<int>{1, 2, 9, 8, 4, 8, 16, 4, 8, 16, 4, 8, 16, 32}));
    QVERIFY2(run.messages.last().startsWith(message + " Geschrieben und geprüft: CV35. Nicht geschrieben: CV40, CV44."),
             qPrintable(run.messages.last()));
}

// The decoder is read, and no second connection made.
void DecoderTransferTest::nothingDifferentWritesNothing()
{
    Run run;
    start(run, QStringLiteral("tcp"));
    Answers answers({Qt::Key_Return});
    trigger(run, "readDecoderAction");
    QVERIFY(waitForEnd(run));
    trigger(run, "writeDecoderAction");
    QVERIFY(waitForEnd(run));
    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(run.station->writes, 0);
    QCOMPARE(run.messages.last(), QStringLiteral("Nichts geschrieben: keine CV weicht ab. CV33 bis CV46 gelesen."));
    QCOMPARE(run.station->opens, 1);
    trigger(run, "disconnectStationAction");
    QCOMPARE(run.messages.last(), QStringLiteral("Die Verbindung zur Zentrale ist getrennt."));
    trigger(run, "readDecoderAction");
    QVERIFY(waitForEnd(run));
    QCOMPARE(run.station->opens, 2);
}

void DecoderTransferTest::refusedReadSendsNothing_data()
{
    QTest::addColumn<bool>("stationSet");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("message");
    QTest::newRow("no type on show") << true << 0 << 0 << "" << "Nichts gelesen: es ist kein Decodertyp gewählt.";
    // Left unset, the station is asked for first; its settings stay unwritten.
    QTest::newRow("no station, dialog cancelled") << false << 1 << int(Qt::Key_Escape) << "StationDialog"
                                                  << "Nichts gelesen.";
    QTest::newRow("question declined") << true << 1 << int(Qt::Key_Escape)
                                       << warning + " Danach bleibt die Gleisspannung aus, bis Sie sie wieder "
                                                    "einschalten. Jeder Decoder auf dem Programmiergleis wird gelesen."
                                       << "Nichts gelesen.";
}

void DecoderTransferTest::refusedReadSendsNothing()
{
    QFETCH(bool, stationSet);
    QFETCH(int, type);
    QFETCH(int, key);
    QFETCH(QString, asked);
    QFETCH(QString, message);
    Run run;
    start(run, QStringLiteral("z21"));
    if (!stationSet)
        setStation(StationSettings());
    run.fixture->choose(type);
    Answers answers(key ? QList<int>{key} : QList<int>{});
    QTest::keyClick(run.fixture->table(), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(answers.asked.join(QString()), asked);
    QCOMPARE(run.messages.last(), message);
    QCOMPARE(static_cast<Z21TestStation *>(run.station.get())->statusRequests, 0);
    QCOMPARE(QSettings(DecoderTransfer::settingsOrganization, QCoreApplication::applicationName())
                 .contains(QStringLiteral("station/kind")),
             stationSet);
}

void DecoderTransferTest::closingDuringWriteWaitsForTheCv()
{
    Run run;
    start(run, QStringLiteral("tcp"));
    Answers answers({Qt::Key_Return, Qt::Key_Return});
    QVERIFY(readThenType(run, {2, 7, 11}, QStringLiteral("9")));
    run.station->delayMs = 20;
    trigger(run, "writeDecoderAction");
    QTRY_VERIFY(run.messages.last().startsWith(QLatin1String("CV35 geschrieben")));
    QVERIFY(!run.fixture->window().close());
    QVERIFY(run.fixture->window().isVisible());
    QCOMPARE(run.messages.last(), QStringLiteral("Das Fenster schließt, sobald die laufende CV fertig ist."));
    QTRY_VERIFY(!run.fixture->window().isVisible());
    QCOMPARE(run.station->decoder, (QVector<int>{1, 2, 9, 8, 4, 8, 16, 9, 8, 16, 4, 8, 16, 32}));
    QCOMPARE(run.messages.last(),
             QStringLiteral("Schreiben abgebrochen. Geschrieben und geprüft: CV35, CV40. Nicht geschrieben: CV44."));
}

// The keys answer while a read is under way; Esc stops it after the CV under way.
void DecoderTransferTest::busyReadRefusesMoreAndEscapeCancels()
{
    Run run;
    start(run, QStringLiteral("tcp"));
    run.station->delayMs = 20;
    Answers answers({Qt::Key_Return});
    trigger(run, "readDecoderAction");
    trigger(run, "writeDecoderAction");
    QCOMPARE(run.messages.last(), QStringLiteral("Die Zentrale ist noch bei der Arbeit; Esc bricht ab."));
    QVERIFY(reactivate(run));
    QTRY_VERIFY(run.station->reads > 0);
    QTest::keyClick(run.fixture->table(), Qt::Key_Escape);
    QCOMPARE(run.messages.last(), QStringLiteral("Wird abgebrochen, sobald die laufende CV fertig ist."));
    QVERIFY(waitForEnd(run));
    QCOMPARE(run.messages.last(), QStringLiteral("Lesen abgebrochen; nichts wurde übernommen."));
    QVERIFY(run.station->reads < 14);
    QCOMPARE(run.station->writes, 0);
    QCOMPARE(valuesOnShow(*run.fixture), QStringLiteral("1 2 0 0 0 12 0 0 0 0 0 0 0 0"));
}

QTEST_MAIN(DecoderTransferTest)
#include "tst_decodertransfer.moc"
