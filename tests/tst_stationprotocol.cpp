#include "dccexprotocol.h"
#include "mappingchanges.h"
#include "stationsettings.h"
#include "z21protocol.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The command stations' bytes and lines as the protocol documents give them,
// what a write would change, and the kept settings.
class StationProtocolTest : public QObject
{
    Q_OBJECT

private slots:
    void z21Requests_data();
    void z21Requests();
    void z21Replies_data();
    void z21Replies();
    void dccExRequests_data();
    void dccExRequests();
    void dccExLines_data();
    void dccExLines();
    void dccExLinesArriveInPieces();
    void mappingChangesListOldAndNew_data();
    void mappingChangesListOldAndNew();
    void settingsAreKept_data();
    void settingsAreKept();
};

namespace {

QString describe(const QVector<StationReply> &replies)
{
    static const char *const names[] = {"ready", "value", "no decoder", "short circuit", "stopped", "refused",
                                        "broken", "power on", "no current sense", "no programming track", "text"};
    QStringList text;
    for (const StationReply &reply : replies) {
        QString one = QLatin1String(names[reply.kind]);
        if (reply.cv >= 0)
            one += QStringLiteral(" CV%1").arg(reply.cv);
        if (reply.kind == StationReply::Value || (reply.kind == StationReply::Ready && reply.value >= 0))
            one += QStringLiteral(" = %1").arg(reply.value);
        if (reply.callbackNumber >= 0)
            one += QStringLiteral(" (%1|%2)").arg(reply.callbackNumber).arg(reply.callbackSub);
        text << one;
    }
    return text.join(QStringLiteral("; "));
}

} // namespace

void StationProtocolTest::z21Requests_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("read CV38") << Z21::cvRead(38) << QByteArray::fromHex("0900400023110025" "17");
    QTest::newRow("read CV300: address 299 big-endian") << Z21::cvRead(300) << QByteArray::fromHex("090040002311012b" "18");
    QTest::newRow("write 44 to CV38") << Z21::cvWrite(38, 44) << QByteArray::fromHex("0a004000241200252c" "3f");
    QTest::newRow("write 255 to CV1") << Z21::cvWrite(1, 255) << QByteArray::fromHex("0a00400024120000ff" "c9");
    QTest::newRow("broadcast flags 1") << Z21::setBroadcastFlags() << QByteArray::fromHex("0800500001000000");
    QTest::newRow("status") << Z21::getStatus() << QByteArray::fromHex("07004000212405");
    QTest::newRow("log off") << Z21::logoff() << QByteArray::fromHex("04003000");
    QTest::newRow("track power on") << Z21::trackPowerOn() << QByteArray::fromHex("07004000218" "1a0");
}

void StationProtocolTest::z21Requests()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, bytes);
    QCOMPARE(request.toHex(), bytes.toHex());
}

void StationProtocolTest::z21Replies_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("replies");
    QTest::newRow("CV38 holds 44") << QByteArray::fromHex("0a004000641400252c79") << "value CV38 = 44";
    QTest::newRow("CV1 holds 3") << QByteArray::fromHex("0a004000641400000373") << "value CV1 = 3";
    QTest::newRow("no acknowledgement") << QByteArray::fromHex("07004000611372") << "no decoder";
    QTest::newRow("short circuit on programming") << QByteArray::fromHex("07004000611273") << "short circuit";
    QTest::newRow("track short circuit") << QByteArray::fromHex("07004000610869") << "short circuit";
    QTest::newRow("emergency stop") << QByteArray::fromHex("07004000810081") << "stopped";
    QTest::newRow("unknown command") << QByteArray::fromHex("070040006182e3") << "refused";
    QTest::newRow("status: all well") << QByteArray::fromHex("080040006222" "0040") << "ready = 0";
    QTest::newRow("status: programming mode") << QByteArray::fromHex("080040006222" "2060") << "ready = 32";
    QTest::newRow("status: emergency stop") << QByteArray::fromHex("080040006222" "0141") << "ready = 1";
    QTest::newRow("status: short circuit") << QByteArray::fromHex("080040006222" "0444") << "ready = 4";
    QTest::newRow("track power on") << QByteArray::fromHex("07004000610160") << "power on";
    QTest::newRow("programming mode broadcast is passed over") << QByteArray::fromHex("07004000610263") << "";
    QTest::newRow("track power off is passed over") << QByteArray::fromHex("07004000610061") << "";
    QTest::newRow("serial number is passed over") << QByteArray::fromHex("0800100034120000") << "";
    QTest::newRow("broadcast and result in one datagram")
        << QByteArray::fromHex("07004000610061" "0a004000641400252c79") << "value CV38 = 44";
    QTest::newRow("wrong checksum is passed over, the next record read")
        << QByteArray::fromHex("0a004000641400252c78" "07004000611372") << "no decoder";
    QTest::newRow("length beyond the datagram") << QByteArray::fromHex("0b004000641400252c79") << "broken";
    QTest::newRow("length below the header") << QByteArray::fromHex("0200") << "broken";
    QTest::newRow("three bytes") << QByteArray::fromHex("070040") << "broken";
    QTest::newRow("X-bus record without data") << QByteArray::fromHex("04004000") << "broken";
    QTest::newRow("empty datagram") << QByteArray() << "";
}

void StationProtocolTest::z21Replies()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, replies);
    QCOMPARE(describe(Z21::parse(datagram)), replies);
}

void StationProtocolTest::dccExRequests_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("status") << DccEx::status() << QByteArray("<s>\n");
    QTest::newRow("read CV38") << DccEx::cvRead(38, 1, 2) << QByteArray("<R 38 1 2>\n");
    QTest::newRow("write 44 to CV38") << DccEx::cvWrite(38, 44, 32766, 32767) << QByteArray("<W 38 44 32766 32767>\n");
}

void StationProtocolTest::dccExRequests()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, line);
    QCOMPARE(request, line);
}

void StationProtocolTest::dccExLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("replies");
    QTest::newRow("read as today's stations answer") << QByteArray("<v 38 44>") << "value CV38 = 44";
    QTest::newRow("read as documented") << QByteArray("<r 38 44>") << "value CV38 = 44";
    QTest::newRow("read with callback numbers") << QByteArray("<r1|2|38 44>") << "value CV38 = 44 (1|2)";
    QTest::newRow("no current sensing") << QByteArray("<r1|2|38 -2>") << "no current sense CV38 (1|2)";
    QTest::newRow("no programming track") << QByteArray("<r1|2|38 -3>") << "no programming track CV38 (1|2)";
    QTest::newRow("write acknowledged") << QByteArray("<r 38 0>") << "value CV38 = 0";
    QTest::newRow("read failed") << QByteArray("<v 38 -1>") << "no decoder CV38";
    QTest::newRow("write failed") << QByteArray("<r 38 -1>") << "no decoder CV38";
    QTest::newRow("callback read failed") << QByteArray("<r1|2|38 -1>") << "no decoder CV38 (1|2)";
    QTest::newRow("refused") << QByteArray("<X>") << "refused";
    QTest::newRow("status") << QByteArray("<iDCC-EX V-5.0.0 / MEGA / STANDARD_MOTOR_SHIELD G-abc>") << "ready";
    QTest::newRow("BaseStation's status") << QByteArray("<iDCC++ BASE STATION FOR ARDUINO MEGA: V-1.2.1+>") << "ready";
    QTest::newRow("power broadcast is passed over") << QByteArray("<p1>") << "";
    QTest::newRow("diagnostic") << QByteArray("<* TRACK B ALERT FAULT *>") << "text";
    QTest::newRow("loco broadcast is passed over") << QByteArray("<l 3 0 128 0>") << "";
    QTest::newRow("blank line is passed over") << QByteArray(" \r") << "";
    QTest::newRow("carriage return kept") << QByteArray("<v 38 44>\r") << "value CV38 = 44";
    QTest::newRow("text outside brackets") << QByteArray("Error: unknown") << "text";
    QTest::newRow("no closing bracket") << QByteArray("<v 38 44") << "broken";
    QTest::newRow("value missing") << QByteArray("<v 38>") << "broken";
    QTest::newRow("value beyond a byte") << QByteArray("<v 38 256>") << "broken";
    QTest::newRow("CV not a number") << QByteArray("<r1|2|x 4>") << "broken (1|2)";
    QTest::newRow("loco address reply") << QByteArray("<r 3>") << "broken";
}

void StationProtocolTest::dccExLines()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, replies);
    StationReply reply;
    QCOMPARE(describe(DccEx::parseLine(line, reply) ? QVector<StationReply>{reply} : QVector<StationReply>()), replies);
}

void StationProtocolTest::dccExLinesArriveInPieces()
{
    DccEx::LineReader reader;
    QCOMPARE(describe(reader.feed("<p1>\n<v 3")), QString());
    QCOMPARE(describe(reader.feed("8 44>\r\n<v 39")), QStringLiteral("value CV38 = 44"));
    QCOMPARE(describe(reader.feed(" -1>\n")), QStringLiteral("no decoder CV39"));
    QCOMPARE(describe(reader.feed('<' + QByteArray(300, 'x'))), QStringLiteral("broken"));
    QCOMPARE(describe(reader.feed("<X>\n")), QStringLiteral("refused"));
    // BaseStation and 3.0 end no reply with a line end; EXRAIL's text comes at any time.
    QCOMPARE(describe(reader.feed("<p0><iDCC-EX V-3.0.0 / MEGA>Loco 3 <r1|2|38 44")), QStringLiteral("ready; text"));
    QCOMPARE(describe(reader.feed("><* a -> b *><r3|4|39 -1>")), QStringLiteral("value CV38 = 44 (1|2); text; no decoder CV39 (3|4)"));
}

void StationProtocolTest::mappingChangesListOldAndNew_data()
{
    QTest::addColumn<QVector<int>>("shown");
    QTest::addColumn<QVector<bool>>("locked");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("toWrite");
    const QVector<bool> none(14, false);
    const QVector<int> same = {1, 2, 4, 8, 4, 8, 16, 4, 8, 16, 4, 8, 16, 32};
    QTest::newRow("nothing differs") << same << none << QStringList() << "";
    QVector<int> one = same;
    one[5] = 12;
    QTest::newRow("one value differs") << one << none << QStringList{"CV38: 8 → 12"} << "38=12";
    QVector<int> typed = same;
    typed[5] = 300;
    typed[6] = -1;
    QTest::newRow("typed beyond a byte and below zero")
        << typed << none << QStringList{"CV38: 8 → 44 (300 → 44)", "CV39: 16 → 255 (-1 → 255)"} << "38=44 39=255";
    QVector<int> equalByte = same;
    equalByte[0] = 257;
    QTest::newRow("typed value whose byte the decoder holds") << equalByte << none << QStringList() << "";
    QVector<bool> locked = none;
    locked[0] = locked[1] = true;
    QVector<int> lockedChanged = same;
    lockedChanged[0] = 99;
    QTest::newRow("locked columns are never written")
        << lockedChanged << locked << QStringList{"Gesperrt und nie geschrieben: CV33, CV34."} << "";
}

void StationProtocolTest::mappingChangesListOldAndNew()
{
    QFETCH(QVector<int>, shown);
    QFETCH(QVector<bool>, locked);
    QFETCH(QStringList, lines);
    QFETCH(QString, toWrite);
    const QVector<int> decoder = {1, 2, 4, 8, 4, 8, 16, 4, 8, 16, 4, 8, 16, 32};
    const MappingChanges changes = mappingChanges(decoder, QVector<bool>(14, true), shown, locked);
    QCOMPARE(changes.lines(), lines);
    QStringList written;
    const QMap<int, int> values = changes.toWrite();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        written << QStringLiteral("%1=%2").arg(it.key()).arg(it.value());
    QCOMPARE(written.join(QLatin1Char(' ')), toWrite);
}

void StationProtocolTest::settingsAreKept_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("serialPort");
    QTest::addColumn<bool>("set");
    QTest::newRow("Z21") << int(StationSettings::Z21Network) << "192.168.0.111" << 21105 << "" << true;
    QTest::newRow("DCC-EX over the network") << int(StationSettings::DccExNetwork) << "dccex.local" << 2560 << "" << true;
    QTest::newRow("DCC-EX over USB") << int(StationSettings::DccExSerial) << "" << 0 << "/dev/ttyACM0" << true;
    QTest::newRow("network kind without host") << int(StationSettings::Z21Network) << " " << 21105 << "" << false;
    QTest::newRow("USB without port") << int(StationSettings::DccExSerial) << "" << 0 << "" << false;
    QTest::newRow("nothing") << int(StationSettings::None) << "" << 0 << "" << false;
}

void StationProtocolTest::settingsAreKept()
{
    QFETCH(int, kind);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, serialPort);
    QFETCH(bool, set);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("settings.ini"));
    const StationSettings settings{StationSettings::Kind(kind), host, quint16(port), serialPort};
    QCOMPARE(settings.isSet(), set);
    {
        QSettings store(file, QSettings::IniFormat);
        settings.save(store);
    }
    const QSettings store(file, QSettings::IniFormat);
    const StationSettings kept = StationSettings::load(store);
    QCOMPARE(int(kept.kind), kind);
    QCOMPARE(kept.host, host);
    QCOMPARE(int(kept.port), port);
    QCOMPARE(kept.serialPort, serialPort);
    QCOMPARE(StationSettings::load(QSettings(dir.filePath(QStringLiteral("none.ini")), QSettings::IniFormat)).isSet(),
             false);
}

QTEST_GUILESS_MAIN(StationProtocolTest)
#include "tst_stationprotocol.moc"
