#ifndef STATIONLINK_H
#define STATIONLINK_H

#include "stationsettings.h"

#include <QObject>

class QIODevice;
class QUdpSocket;

// The connection to a command station for as long as the session keeps it:
// UDP for a Z21, TCP or a serial port for DCC-EX. Opened by open(), closed by
// close() or the destructor; every step is asynchronous.
class StationLink : public QObject
{
    Q_OBJECT

public:
    enum Fault {
        Unreachable, // no connection to the host, or it refused it
        PortMissing, // no such serial port
        PortTaken,   // another program holds the serial port
        Lost,        // the connection or the port went away while open
    };
    Q_ENUM(Fault)

    explicit StationLink(const StationSettings &settings, QObject *parent = nullptr);
    ~StationLink() override;

    void open();
    void send(const QByteArray &bytes);
    void close();

signals:
    void opened();
    void received(const QByteArray &bytes); // a datagram, or what a stream had
    void faulted(StationLink::Fault fault);

private:
    void openSerial();
    void readDevice();

    StationSettings settings;
    QIODevice *device = nullptr;
    QUdpSocket *udp = nullptr;
};

#endif
