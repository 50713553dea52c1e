#ifndef TESTSTATIONS_H
#define TESTSTATIONS_H

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QVector>

class QSocketNotifier;
class QTcpServer;
class QTcpSocket;
class QUdpSocket;

// Command stations of our own on localhost, speaking the published Z21 LAN
// bytes and the lines of DCC++ BaseStation and DCC-EX 3.0, 4.0 and 5.x, with
// a decoder of 14 values on the programming track. A fault can be set for one
// request, and every reply delayed.
struct StationFault
{
    enum Kind {
        None,
        Silent,       // no reply at all; Z21: the request's datagram is lost, a second one is answered
        NoDecoder,    // no acknowledgement
        ShortCircuit, // Z21: LAN_X_CV_NACK_SC; DCC-EX: a diagnostic, then -1
        Stopped,      // Z21: LAN_X_BC_STOPPED; DCC-EX: <X>, as when busy
        Refused,      // Z21: LAN_X_UNKNOWN_COMMAND; DCC-EX: <X>
        OtherCv,      // the value of the next CV
        Broken,       // a record with a wrong checksum, a line of no form
        Pulled,       // the connection or port closes
        Ignored,      // a write acknowledged, but the decoder keeps its value
        ReplyLost,    // Z21: the request is carried out, its answer lost
        PowerOn,      // Z21: a handset switches track power on (LAN_X_BC_TRACK_POWER_ON)
        NoCurrentSense,     // DCC-EX from 3.1: -2
        NoProgrammingTrack, // DCC-EX from 5.0: -3
        Chatter,      // DCC-EX: EXRAIL's SERIAL() text before the reply
    };
    Kind kind = None;
    int cv = 0;
    bool onWrite = false; // the write request rather than a read
};

class TestStation : public QObject
{
    Q_OBJECT

public:
    QVector<int> decoder = {1, 2, 4, 8, 4, 8, 16, 4, 8, 16, 4, 8, 16, 32}; // CV33..CV46
    StationFault fault;
    int delayMs = 0;
    bool broadcasts = true; // broadcasts before each reply
    bool absent = false;    // no decoder on the track: no request is acknowledged
    int writes = 0;         // write requests received
    int reads = 0;
    int opens = 0;          // TCP connections, or opens of the pseudo-terminal

protected:
    // The fault this request meets, used up by meeting it.
    StationFault::Kind faultFor(int cv, bool write);
    int value(int cv) const;
};

class Z21TestStation : public TestStation
{
    Q_OBJECT

public:
    Z21TestStation();
    quint16 port() const;

    quint8 status = 0; // LAN_X_STATUS_CHANGED's byte: 0x01 emergency stop, 0x04 short circuit
    quint32 broadcastFlags = 0;
    int statusRequests = 0;
    int logoffs = 0;
    int powerOns = 0; // LAN_X_SET_TRACK_POWER_ON, which comes only when the user asked for it

private:
    void readDatagrams();
    void handle(const QByteArray &record);
    void answerCv(int cv, int value, bool write);
    void reply(const QByteArray &bytes);

    QUdpSocket *socket;
    QHostAddress clientAddress;
    quint16 clientPort = 0;
};

class DccExTestStation : public TestStation
{
    Q_OBJECT

public:
    // The firmware whose greeting and reply forms are spoken: BaseStation and
    // 3.0 end no reply with a line end; -2 comes from 3.1, -3 from 5.0.
    enum Firmware { BaseStation, DccEx30, DccEx40, DccEx5 };
    Firmware firmware = DccEx5;

    ~DccExTestStation() override;
    quint16 listenTcp();
    // A pseudo-terminal as a USB board: each open of it restarts the board,
    // which loses what comes before its start-up text and greeting, sent
    // bootMs after the open. Returns the path.
    QString openPty(int bootMs);
    void pullPty();

    QVector<QByteArray> lines; // every line received

private:
    void readBytes(const QByteArray &bytes);
    void handle(const QByteArray &line);
    void reply(const QByteArray &text);
    void send(const QByteArray &bytes);
    void boot();
    QByteArray greeting() const;
    QByteArray lineEnd() const;

    QTcpServer *server = nullptr;
    QTcpSocket *client = nullptr;
    int master = -1;
    int slave = -1;
    QSocketNotifier *notifier = nullptr;
    QSocketNotifier *openWatch = nullptr; // inotify on the terminal side: its opens
    int watch = -1;
    QByteArray pending;
    int bootMs = 0;
    bool booting = false;
};

#endif
