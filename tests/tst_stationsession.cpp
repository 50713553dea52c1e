#include "stationsession.h"
#include "teststations.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QUdpSocket>
#include <QtTest>

#if defined(Q_OS_LINUX) && defined(FM_SERIAL_PORT)
#include <QSerialPort>
#endif

#include <memory>

// Reads and writes against the test stations, over UDP, TCP and a
// pseudo-terminal, with time limits of milliseconds.
class StationSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readGivesTheDecodersValues_data();
    void readGivesTheDecodersValues();
    void writeLeavesTheDecoderHoldingTheValues_data();
    void writeLeavesTheDecoderHoldingTheValues();
    void faultDuringWriteStopsIt_data();
    void faultDuringWriteStopsIt();
    void faultDuringReadIsTold_data();
    void faultDuringReadIsTold();
    void cancelFinishesTheCvUnderWay_data();
    void cancelFinishesTheCvUnderWay();
    void cancelBeforeTheFirstRequestSendsNone();
    void cancelDuringReadTakesNothing();
    void readWithoutDecoderFails();
    void writeOfNothingOpensNothing();
    void z21IsKeptAliveWhileBusyOnly();
    void z21WriteIsOneLogOnKeptAlive_data();
    void z21WriteIsOneLogOnKeptAlive();
    void everyDccExSinceBaseStationIsReadAndWritten_data();
    void everyDccExSinceBaseStationIsReadAndWritten();
    void lateReplyNeverAnswersTheNextRequest();
    void nothingIsOpenedWithoutAStation();
    void silentStationIsNoAnswer();
    void closedTcpPortIsUnreachable();
    void usbBoardIsAskedOnlyOnceStarted();
    void takenSerialPortIsTold();
    void comPortReadsAndWrites();

private:
    struct Run
    {
        std::unique_ptr<TestStation> station;
        StationSettings settings;
    };
    static Run makeStation(const QString &kind);
    // A session with time limits of milliseconds, and what it says.
    struct Watched
    {
        explicit Watched(const StationSettings &settings);
        StationSession session;
        QSignalSpy progress{&session, &StationSession::progress};
        QSignalSpy read{&session, &StationSession::mappingRead};
        QSignalSpy finished{&session, &StationSession::finished};
        QSignalSpy failed{&session, &StationSession::failed};
    };
};

// Until the session says it finished or failed, once, and is idle.
#define WAIT_FOR_END(watched)                                                          \
    QTRY_VERIFY_WITH_TIMEOUT((watched).finished.size() + (watched).failed.size() > 0, 5000); \
    QVERIFY(!(watched).session.isBusy());                                                  \
    QCOMPARE((watched).finished.size() + (watched).failed.size(), 1)

namespace {

const QVector<int> decoderValues = {1, 2, 4, 8, 4, 8, 16, 4, 8, 16, 4, 8, 16, 32};

// One row for each kind of station, in the column "kind".
void addKinds()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("Z21 over UDP") << QStringLiteral("z21");
    QTest::newRow("DCC-EX over TCP") << QStringLiteral("tcp");
#if defined(Q_OS_LINUX) && defined(FM_SERIAL_PORT)
    QTest::newRow("DCC-EX over a pseudo-terminal") << QStringLiteral("pty");
#endif
}

QString last(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QString() : spy.last().at(0).toString();
}

} // namespace

void StationSessionTest::initTestCase()
{
    qRegisterMetaType<QVector<int>>();
    qRegisterMetaType<QVector<bool>>();
}

StationSessionTest::Run StationSessionTest::makeStation(const QString &kind)
{
    Run run;
    if (kind == QLatin1String("z21")) {
        auto z21 = std::make_unique<Z21TestStation>();
        run.settings = {StationSettings::Z21Network, QStringLiteral("127.0.0.1"), z21->port(), QString()};
        run.station = std::move(z21);
    } else {
        auto dccEx = std::make_unique<DccExTestStation>();
        if (kind == QLatin1String("tcp"))
            run.settings = {StationSettings::DccExNetwork, QStringLiteral("127.0.0.1"), dccEx->listenTcp(), QString()};
        else
            run.settings = {StationSettings::DccExSerial, QString(), 0, dccEx->openPty(0)};
        run.station = std::move(dccEx);
    }
    return run;
}

StationSessionTest::Watched::Watched(const StationSettings &settings)
    : session(settings)
{
    StationSession::Limits limits;
    limits.ready = 1500;
    limits.startUp = 1500;
    limits.greeting = 100;
    limits.reply = 400;
    limits.resend = 150;
    limits.keepAlive = 40;
    session.setLimits(limits);
}

void StationSessionTest::readGivesTheDecodersValues_data()
{
    addKinds();
}

void StationSessionTest::readGivesTheDecodersValues()
{
    QFETCH(QString, kind);
    Run run = makeStation(kind);
    Watched reader(run.settings);
    reader.session.readMapping();
    WAIT_FOR_END(reader);
    QCOMPARE(last(reader.failed), QString());
    QCOMPARE(reader.read.size(), 1);
    QCOMPARE(reader.read[0][0].value<QVector<int>>(), decoderValues);
    QCOMPARE(reader.read[0][1].value<QVector<bool>>(), QVector<bool>(14, true));
    QVERIFY(last(reader.finished).startsWith(QStringLiteral("CV33 bis CV46 gelesen.")));
    QVERIFY(reader.progress.contains({QStringLiteral("CV38 gelesen, 6 von 14")}));
    QCOMPARE(run.station->reads, 14);
    QCOMPARE(run.station->writes, 0);
    if (auto *z21 = qobject_cast<Z21TestStation *>(run.station.get())) {
        QCOMPARE(z21->broadcastFlags, quint32(1));
        QTRY_COMPARE(z21->logoffs, 1);
        QCOMPARE(z21->powerOns, 0);
        QVERIFY(last(reader.finished).endsWith(QStringLiteral("wieder einschalten.")));
    }
}

void StationSessionTest::writeLeavesTheDecoderHoldingTheValues_data()
{
    addKinds();
}

void StationSessionTest::writeLeavesTheDecoderHoldingTheValues()
{
    QFETCH(QString, kind);
    Run run = makeStation(kind);
    Watched writer(run.settings);
    writer.session.writeMapping({{34, 200}, {40, 300}});
    WAIT_FOR_END(writer);
    QCOMPARE(last(writer.failed), QString());
    QVERIFY(last(writer.finished).startsWith(QStringLiteral("Geschrieben und geprüft: CV34, CV40.")));
    QCOMPARE(run.station->decoder, (QVector<int>{1, 200, 4, 8, 4, 8, 16, 44, 8, 16, 4, 8, 16, 32}));
    QCOMPARE(run.station->writes, 2);
    QCOMPARE(run.station->reads, 2);
    QVERIFY(writer.progress.contains({QStringLiteral("CV40 geschrieben und geprüft, 2 von 2")}));
}

void StationSessionTest::faultDuringWriteStopsIt_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("onWrite");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<int>("writes");

    const QString z21 = QStringLiteral("z21");
    const QString tcp = QStringLiteral("tcp");
    QTest::newRow("Z21: no decoder") << z21 << int(StationFault::NoDecoder) << true
                                    << "CV38: Kein Decoder antwortet auf dem Programmiergleis." << 3;
    QTest::newRow("Z21: short circuit") << z21 << int(StationFault::ShortCircuit) << true
                                       << "CV38: Die Zentrale meldet einen Kurzschluss." << 3;
    QTest::newRow("Z21: emergency stop") << z21 << int(StationFault::Stopped) << true
                                        << "Die Zentrale ist im Nothalt." << 3;
    QTest::newRow("Z21: unknown command") << z21 << int(StationFault::Refused) << true
                                         << "CV38: Die Zentrale ist beschäftigt oder kennt den Befehl nicht." << 3;
    QTest::newRow("Z21: another CV's value on read-back")
        << z21 << int(StationFault::OtherCv) << false << "Die Zentrale hat für CV39 geantwortet, gefragt war CV38." << 3;
    QTest::newRow("Z21: the decoder keeps its value") << z21 << int(StationFault::Ignored) << true
                                                     << "CV38 hält nach dem Schreiben 8 statt 9." << 3;
    QTest::newRow("DCC-EX: no answer") << tcp << int(StationFault::Silent) << true
                                      << "CV38: Die Zentrale antwortet nicht." << 3;
    QTest::newRow("DCC-EX: no decoder") << tcp << int(StationFault::NoDecoder) << true
                                       << "CV38: Kein Decoder antwortet auf dem Programmiergleis." << 3;
    QTest::newRow("DCC-EX: short circuit, told as -1") << tcp << int(StationFault::ShortCircuit) << true
                                                       << "CV38: Kein Decoder antwortet auf dem Programmiergleis." << 3;
    QTest::newRow("DCC-EX: busy") << tcp << int(StationFault::Refused) << true
                                 << "CV38: Die Zentrale ist beschäftigt oder kennt den Befehl nicht." << 3;
    QTest::newRow("DCC-EX: another CV's value") << tcp << int(StationFault::OtherCv) << true
                                               << "Die Zentrale hat für CV39 geantwortet, gefragt war CV38." << 3;
    QTest::newRow("DCC-EX: the decoder keeps its value") << tcp << int(StationFault::Ignored) << true
                                                        << "CV38 hält nach dem Schreiben 8 statt 9." << 3;
    QTest::newRow("DCC-EX: unknown line") << tcp << int(StationFault::Broken) << true
                                         << "CV38: Die Zentrale hat eine unverständliche Antwort geschickt." << 3;
    QTest::newRow("DCC-EX: connection closed") << tcp << int(StationFault::Pulled) << true
                                              << "Die Verbindung zur Zentrale (127.0.0.1:%1) ist abgerissen." << 3;
#if defined(Q_OS_LINUX) && defined(FM_SERIAL_PORT)
    QTest::newRow("DCC-EX: USB port pulled out") << QStringLiteral("pty") << int(StationFault::Pulled) << true
                                                 << "Die Verbindung zur Zentrale (%1) ist abgerissen." << 3;
#endif
}

void StationSessionTest::faultDuringWriteStopsIt()
{
    QFETCH(QString, kind);
    QFETCH(int, fault);
    QFETCH(bool, onWrite);
    QFETCH(QString, sentence);
    QFETCH(int, writes);
    Run run = makeStation(kind);
    run.station->fault = {StationFault::Kind(fault), 38, onWrite};
    Watched writer(run.settings);
    writer.session.writeMapping({{33, 9}, {36, 9}, {38, 9}, {40, 9}});
    WAIT_FOR_END(writer);
    const QString where = kind == QLatin1String("pty") ? run.settings.serialPort : QString::number(run.settings.port);
    const QString expected = (sentence.contains(QLatin1String("%1")) ? sentence.arg(where) : sentence) + QStringLiteral(" Geschrieben und geprüft: CV33, CV36. Nicht geschrieben: CV38, CV40.");
    QVERIFY2(last(writer.failed).startsWith(expected), qPrintable(last(writer.failed)));
    QCOMPARE(run.station->writes, writes);
    QCOMPARE(run.station->decoder[40 - 33], 4);
}

void StationSessionTest::faultDuringReadIsTold_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("failure");

    QTest::newRow("Z21: one CV unanswered is named")
        << "z21" << int(StationFault::NoDecoder) << QString();
    QTest::newRow("DCC-EX: one CV unanswered is named")
        << "tcp" << int(StationFault::NoDecoder) << QString();
    QTest::newRow("Z21: short circuit") << "z21" << int(StationFault::ShortCircuit)
                                       << "CV38: Die Zentrale meldet einen Kurzschluss.";
    QTest::newRow("Z21: reply for another CV") << "z21" << int(StationFault::OtherCv)
                                              << "Die Zentrale hat für CV39 geantwortet, gefragt war CV38.";
    QTest::newRow("DCC-EX: no answer") << "tcp" << int(StationFault::Silent) << "CV38: Die Zentrale antwortet nicht.";
    QTest::newRow("DCC-EX: -2") << "tcp" << int(StationFault::NoCurrentSense)
        << "CV38: Das Programmiergleis kann keinen Strom messen: prüfen Sie seine Verdrahtung und die Strommessung "
           "der Zentrale.";
    QTest::newRow("DCC-EX: -3") << "tcp" << int(StationFault::NoProgrammingTrack)
                                << "CV38: Die Zentrale hat kein Programmiergleis eingerichtet.";
    QTest::newRow("Z21: track power switched on")
        << "z21" << int(StationFault::PowerOn)
        << "Die Gleisspannung wurde eingeschaltet; damit hat die Zentrale das Programmieren beendet. Gelesen waren "
           "CV33, CV34, CV35, CV36, CV37; nichts wurde übernommen.";
#if defined(Q_OS_LINUX) && defined(FM_SERIAL_PORT)
    QTest::newRow("DCC-EX over USB: unknown line")
        << "pty" << int(StationFault::Broken) << "CV38: Die Zentrale hat eine unverständliche Antwort geschickt.";
#endif
}

void StationSessionTest::faultDuringReadIsTold()
{
    QFETCH(QString, kind);
    QFETCH(int, fault);
    QFETCH(QString, failure);
    Run run = makeStation(kind);
    run.station->fault = {StationFault::Kind(fault), 38, false};
    Watched reader(run.settings);
    reader.session.readMapping();
    WAIT_FOR_END(reader);
    if (!failure.isEmpty()) {
        QVERIFY2(last(reader.failed).startsWith(failure), qPrintable(last(reader.failed)));
        QCOMPARE(reader.read.size(), 0);
        QCOMPARE(run.station->reads, 6);
        return;
    }
    QCOMPARE(reader.read.size(), 1);
    QVector<bool> answered(14, true);
    answered[5] = false;
    QCOMPARE(reader.read[0][1].value<QVector<bool>>(), answered);
    QCOMPARE(reader.read[0][0].value<QVector<int>>().at(5), -1);
    QVERIFY(last(reader.finished).startsWith(QStringLiteral("Gelesen; keine Antwort für CV38, sie bleibt, wie sie war.")));
}

void StationSessionTest::cancelFinishesTheCvUnderWay_data()
{
    addKinds();
}

void StationSessionTest::cancelFinishesTheCvUnderWay()
{
    QFETCH(QString, kind);
    Run run = makeStation(kind);
    run.station->delayMs = 40;
    Watched writer(run.settings);
    // Once CV33 is done, CV36's write is sent: cancel while it is under way.
    connect(&writer.session, &StationSession::progress, &writer.session, [&writer](const QString &message) {
        if (message.startsWith(QLatin1String("CV33 geschrieben")))
            QTimer::singleShot(10, &writer.session, [&writer] { writer.session.cancel(); });
    });
    writer.session.writeMapping({{33, 9}, {36, 9}, {38, 9}});
    WAIT_FOR_END(writer);
    QVERIFY2(last(writer.finished).startsWith(QStringLiteral(
                 "Schreiben abgebrochen. Geschrieben und geprüft: CV33, CV36. Nicht geschrieben: CV38.")),
             qPrintable(last(writer.finished) + last(writer.failed)));
    QCOMPARE(run.station->writes, 2);
    QCOMPARE(run.station->decoder.mid(0, 6), (QVector<int>{9, 2, 4, 9, 4, 8}));
}

void StationSessionTest::cancelBeforeTheFirstRequestSendsNone()
{
    Run run = makeStation(QStringLiteral("tcp"));
    Watched reader(run.settings);
    reader.session.readMapping();
    reader.session.cancel();
    WAIT_FOR_END(reader);
    QCOMPARE(last(reader.finished), QStringLiteral("Lesen abgebrochen; nichts wurde übernommen."));
    QTest::qWait(50);
    QCOMPARE(run.station->reads, 0);
}

void StationSessionTest::cancelDuringReadTakesNothing()
{
    Run run = makeStation(QStringLiteral("z21"));
    Watched reader(run.settings);
    connect(&reader.session, &StationSession::progress, &reader.session, [&reader](const QString &message) {
        if (message.startsWith(QLatin1String("CV35 gelesen")))
            reader.session.cancel();
    });
    reader.session.readMapping();
    WAIT_FOR_END(reader);
    QVERIFY(last(reader.finished).startsWith(QStringLiteral("Lesen abgebrochen; nichts wurde übernommen.")));
    QCOMPARE(reader.read.size(), 0);
    QCOMPARE(run.station->reads, 3);
}

void StationSessionTest::readWithoutDecoderFails()
{
    Run run = makeStation(QStringLiteral("tcp"));
    run.station->absent = true;
    Watched reader(run.settings);
    reader.session.readMapping();
    WAIT_FOR_END(reader);
    QCOMPARE(last(reader.failed), QStringLiteral("Kein Decoder antwortet auf dem Programmiergleis."));
    QCOMPARE(reader.read.size(), 0);
    QCOMPARE(run.station->reads, 14);
}

void StationSessionTest::writeOfNothingOpensNothing()
{
    Run run = makeStation(QStringLiteral("z21"));
    Watched writer(run.settings);
    writer.session.writeMapping({});
    QCOMPARE(last(writer.finished), QStringLiteral("Keine CV weicht ab; nichts wurde geschrieben."));
    QTest::qWait(50);
    QCOMPARE(static_cast<Z21TestStation *>(run.station.get())->statusRequests, 0);
}

void StationSessionTest::z21IsKeptAliveWhileBusyOnly()
{
    Run run = makeStation(QStringLiteral("z21"));
    run.station->delayMs = 30;
    Watched reader(run.settings);
    reader.session.readMapping();
    WAIT_FOR_END(reader);
    auto *z21 = static_cast<Z21TestStation *>(run.station.get());
    // The greeting, then one about every 40 ms of the 14 replies' 420 ms.
    QVERIFY2(z21->statusRequests >= 5, qPrintable(QString::number(z21->statusRequests)));
    const int afterwards = z21->statusRequests;
    QTest::qWait(150);
    QCOMPARE(z21->statusRequests, afterwards);
    QCOMPARE(z21->logoffs, 1);
}

void StationSessionTest::z21WriteIsOneLogOnKeptAlive_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("onWrite");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("powerOnAfter");
    QTest::addColumn<int>("reads");
    QTest::addColumn<int>("writes");
    QTest::addColumn<QString>("ending");
    const QString off = "bis Sie die Gleisspannung an der Zentrale oder am Handregler wieder einschalten.";
    const QString on = "Die Gleisspannung ist wieder eingeschaltet.";
    QTest::newRow("read request lost: sent again") << int(StationFault::Silent) << false << 0 << false << 17 << 2 << off;
    QTest::newRow("read result with a bad checksum") << int(StationFault::Broken) << false << 0 << false << 17 << 2 << off;
    QTest::newRow("write request lost: written again") << int(StationFault::Silent) << true << 0 << false << 17 << 3 << off;
    QTest::newRow("write result with a bad checksum") << int(StationFault::Broken) << true << 0 << true << 17 << 3 << on;
    QTest::newRow("write result lost: the read shows it done") << int(StationFault::ReplyLost) << true << 0 << true << 16 << 2 << on;
    QTest::newRow("track power on after a failure") << int(StationFault::NoDecoder) << true << 0 << true << 15 << 2 << on;
    QTest::newRow("never after a short circuit") << int(StationFault::ShortCircuit) << true << 0 << true << 15 << 2 << off;
    QTest::newRow("emergency stop at the greeting: tried and told")
        << int(StationFault::None) << false << 0x01 << false << 16 << 2 << "im Nothalt. Die Z21 bleibt im Programmiermodus: das Hauptgleis bleibt ohne Spannung, " + off;
}

// The write's read and its writes are one log-on, kept alive while the user
// is asked. A read unanswered is sent once more; a write unanswered is read,
// and written again only if the decoder kept the old value.
void StationSessionTest::z21WriteIsOneLogOnKeptAlive()
{
    QFETCH(int, fault);
    QFETCH(bool, onWrite);
    QFETCH(int, status);
    QFETCH(bool, powerOnAfter);
    QFETCH(int, reads);
    QFETCH(int, writes);
    QFETCH(QString, ending);
    Run run = makeStation(QStringLiteral("z21"));
    auto *z21 = static_cast<Z21TestStation *>(run.station.get());
    run.station->fault = {StationFault::Kind(fault), onWrite ? 38 : 33, onWrite};
    run.settings.powerOnAfter = powerOnAfter;
    z21->status = quint8(status);
    Watched writer(run.settings);
    writer.session.readBeforeWrite();
    QTRY_COMPARE(writer.finished.size(), 1);
    const int keptAlive = z21->statusRequests;
    QTRY_VERIFY(z21->statusRequests > keptAlive);
    QCOMPARE(z21->logoffs + z21->powerOns, 0);
    writer.session.writeMapping({{36, 9}, {38, 9}});
    QTRY_COMPARE(z21->logoffs, 1);
    const QString message = writer.failed.isEmpty() ? last(writer.finished) : last(writer.failed);
    QVERIFY2(message.endsWith(ending), qPrintable(message));
    QCOMPARE(run.station->reads, reads);
    QCOMPARE(run.station->writes, writes);
    QCOMPARE(z21->powerOns, ending == QLatin1String("Die Gleisspannung ist wieder eingeschaltet.") ? 1 : 0);
}

void StationSessionTest::everyDccExSinceBaseStationIsReadAndWritten_data()
{
    QTest::addColumn<int>("firmware");
    QTest::addColumn<bool>("usb");
    QTest::addColumn<QString>("version");
    QTest::newRow("DCC++ BaseStation") << int(DccExTestStation::BaseStation) << false << "DCC++ BASE STATION";
    QTest::newRow("DCC-EX 3.0") << int(DccExTestStation::DccEx30) << false << "DCC-EX V-3.0.0";
    QTest::newRow("DCC-EX 4.0") << int(DccExTestStation::DccEx40) << false << "DCC-EX V-4.0.0";
    QTest::newRow("DCC-EX 5.x") << int(DccExTestStation::DccEx5) << false << "DCC-EX V-5.0.0";
#if defined(Q_OS_LINUX) && defined(FM_SERIAL_PORT)
    QTest::newRow("DCC-EX 3.0 over USB") << int(DccExTestStation::DccEx30) << true << "DCC-EX V-3.0.0";
#endif
}

// A check, a read, a write and a read more, the link opened once; EXRAIL's text is passed over.
void StationSessionTest::everyDccExSinceBaseStationIsReadAndWritten()
{
    QFETCH(int, firmware);
    QFETCH(bool, usb);
    QFETCH(QString, version);
    DccExTestStation board;
    board.firmware = DccExTestStation::Firmware(firmware);
    board.fault = {StationFault::Chatter, 38, false};
    const quint16 port = usb ? 0 : board.listenTcp();
    Watched session(usb ? StationSettings{StationSettings::DccExSerial, QString(), 0, board.openPty(200)}
                        : StationSettings{StationSettings::DccExNetwork, QStringLiteral("127.0.0.1"), port, QString()});
    session.session.checkConnection();
    QTRY_COMPARE(session.finished.size(), 1);
    session.session.readMapping();
    QTRY_COMPARE(session.finished.size(), 2);
    session.session.writeMapping({{35, 200}});
    QTRY_COMPARE(session.finished.size(), 3);
    session.session.readMapping();
    QTRY_COMPARE(session.finished.size(), 4);
    QCOMPARE(session.read[1][0].value<QVector<int>>(), (QVector<int>{1, 2, 200, 8, 4, 8, 16, 4, 8, 16, 4, 8, 16, 32}));
    QCOMPARE(board.opens, 1);
    QCOMPARE(board.lines.mid(board.lines.indexOf("<R 46 28 29>"), 3),
             (QVector<QByteArray>{"<R 46 28 29>", "<W 35 200 30 31>", "<R 35 32 33>"}));
    // The board restarted once, and that is said once.
    const QString check = session.finished[0][0].toString();
    QVERIFY2(check.startsWith("Die Zentrale antwortet: " + version), qPrintable(check));
    QCOMPARE(check.endsWith(QStringLiteral("neu gestartet; die Gleisspannung bleibt aus, bis Sie sie wieder einschalten.")), usb);
    QCOMPARE(session.progress.count({QStringLiteral("Die Zentrale startet …")}), usb ? 1 : 0);
    QVERIFY(!last(session.finished).contains(QStringLiteral("neu gestartet")));
}

// A reply after its time-out carries numbers the next request does not.
void StationSessionTest::lateReplyNeverAnswersTheNextRequest()
{
    Run run = makeStation(QStringLiteral("tcp"));
    run.station->delayMs = 600;
    Watched reader(run.settings);
    reader.session.readMapping();
    QTRY_COMPARE(last(reader.failed), QStringLiteral("CV33: Die Zentrale antwortet nicht."));
    run.station->delayMs = 0;
    run.station->decoder[0] = 99;
    reader.session.readMapping();
    QTRY_COMPARE(reader.finished.size(), 1);
    QCOMPARE(reader.read[0][0].value<QVector<int>>().at(0), 99);
    QCOMPARE(run.station->opens, 1);
}

void StationSessionTest::nothingIsOpenedWithoutAStation()
{
    Watched reader{StationSettings()};
    reader.session.readMapping();
    QCOMPARE(last(reader.failed), QStringLiteral("Es ist keine Zentrale eingestellt."));
    QCOMPARE(reader.progress.size(), 0);
    QVERIFY(!reader.session.isBusy());
}

void StationSessionTest::silentStationIsNoAnswer()
{
    QUdpSocket silent;
    QVERIFY(silent.bind(QHostAddress(QHostAddress::LocalHost), 0));
    Watched reader({StationSettings::Z21Network, QStringLiteral("127.0.0.1"), silent.localPort(), QString()});
    reader.session.readMapping();
    WAIT_FOR_END(reader);
    QCOMPARE(last(reader.failed), QStringLiteral("Die Zentrale antwortet nicht."));
}

void StationSessionTest::closedTcpPortIsUnreachable()
{
    quint16 port;
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        port = closed.serverPort();
    }
    Watched reader({StationSettings::DccExNetwork, QStringLiteral("127.0.0.1"), port, QString()});
    reader.session.readMapping();
    WAIT_FOR_END(reader);
    QCOMPARE(last(reader.failed), QStringLiteral("Die Zentrale unter 127.0.0.1:%1 ist nicht erreichbar.").arg(port));
}

void StationSessionTest::usbBoardIsAskedOnlyOnceStarted()
{
#if defined(Q_OS_LINUX) && defined(FM_SERIAL_PORT)
    DccExTestStation board;
    const QString path = board.openPty(250);
    Watched reader({StationSettings::DccExSerial, QString(), 0, path});
    reader.session.readMapping();
    WAIT_FOR_END(reader);
    QCOMPARE(last(reader.failed), QString());
    QCOMPARE(board.reads, 14);
    // Asked again and again while starting; no request before its start-up line.
    QVERIFY(board.lines.count("<s>") >= 2);
    QCOMPARE(board.lines.indexOf("<R 33 2 3>"), board.lines.lastIndexOf("<s>") + 1);
    QVERIFY(last(reader.finished).endsWith(QStringLiteral("neu gestartet; die Gleisspannung bleibt aus, bis Sie sie wieder einschalten.")));
#else
    QSKIP("pseudo-terminals and serial ports are tried on Linux only");
#endif
}

void StationSessionTest::takenSerialPortIsTold()
{
#if defined(Q_OS_LINUX) && defined(FM_SERIAL_PORT)
    DccExTestStation board;
    const QString path = board.openPty(0);
    QSerialPort other(path);
    QVERIFY(other.open(QIODevice::ReadWrite));
    Watched reader({StationSettings::DccExSerial, QString(), 0, path});
    reader.session.readMapping();
    WAIT_FOR_END(reader);
    QVERIFY2(last(reader.failed).startsWith(QStringLiteral("Den Anschluss %1 hält ein anderes Programm.").arg(path)),
             qPrintable(last(reader.failed)));
    QCOMPARE(board.reads, 0);

    Watched missing({StationSettings::DccExSerial, QString(), 0, QStringLiteral("/dev/no-such-port")});
    missing.session.readMapping();
    WAIT_FOR_END(missing);
    // Nothing was opened: no restart is said.
    QCOMPARE(last(missing.failed), QStringLiteral("Den Anschluss /dev/no-such-port gibt es nicht."));
#else
    QSKIP("pseudo-terminals and serial ports are tried on Linux only");
#endif
}

// Under Wine a COM port linked to a test station on a pseudo-terminal
// (scripts/windows-wine names it in FM_TEST_COM_PORT): a read, a write and a
// read through the Win32 serial link, and a port there is not. Wine opens a
// port as often as asked, so a port held elsewhere is not tried.
void StationSessionTest::comPortReadsAndWrites()
{
#ifdef Q_OS_WIN
    const QString port = qEnvironmentVariable("FM_TEST_COM_PORT");
    if (port.isEmpty())
        QSKIP("no COM port linked to a test station");
    const StationSettings settings{StationSettings::DccExSerial, QString(), 0, port};
    Watched link(settings);
    link.session.readMapping();
    WAIT_FOR_END(link);
    QCOMPARE(last(link.failed), QString());
    QCOMPARE(link.read.takeFirst()[0].value<QVector<int>>(), decoderValues);
    link.finished.clear();
    link.session.writeMapping({{34, 200}, {46, 7}});
    WAIT_FOR_END(link);
    QVERIFY2(last(link.finished).startsWith(QStringLiteral("Geschrieben und geprüft: CV34, CV46.")),
             qPrintable(last(link.failed)));
    link.finished.clear();
    link.session.readMapping();
    WAIT_FOR_END(link);
    QCOMPARE(link.read.takeFirst()[0].value<QVector<int>>(),
             (QVector<int>{1, 200, 4, 8, 4, 8, 16, 4, 8, 16, 4, 8, 16, 7}));

    Watched missing({StationSettings::DccExSerial, QString(), 0, QStringLiteral("COM199")});
    missing.session.readMapping();
    WAIT_FOR_END(missing);
    QVERIFY(last(missing.failed).startsWith(QStringLiteral("Den Anschluss COM199 gibt es nicht.")));
#else
    QSKIP("COM ports are Windows' own");
#endif
}

QTEST_GUILESS_MAIN(StationSessionTest)
#include "tst_stationsession.moc"
