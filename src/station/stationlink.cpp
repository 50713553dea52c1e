#include "stationlink.h"

#include "dccexprotocol.h"

#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>
#ifdef Q_OS_WIN
#include "winserialport.h"
#elif defined(FM_SERIAL_PORT)
#include <QSerialPort>
#endif

StationLink::StationLink(const StationSettings &settings, QObject *parent)
    : QObject(parent)
    , settings(settings)
{
}

StationLink::~StationLink()
{
    close();
}

void StationLink::open()
{
    close();
    if (settings.kind == StationSettings::DccExSerial) {
        openSerial();
        return;
    }
    QAbstractSocket *socket = nullptr;
    if (settings.kind == StationSettings::Z21Network)
        socket = udp = new QUdpSocket(this);
    else
        socket = new QTcpSocket(this);
    device = socket;
    connect(socket, &QAbstractSocket::connected, this, &StationLink::opened);
    connect(socket, &QIODevice::readyRead, this, &StationLink::readDevice);
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
    const auto socketError = &QAbstractSocket::errorOccurred;
#else
    const auto socketError = QOverload<QAbstractSocket::SocketError>::of(&QAbstractSocket::error);
#endif
    connect(socket, socketError, this, [this, socket](QAbstractSocket::SocketError) {
        emit faulted(socket->state() == QAbstractSocket::ConnectedState && !udp ? Lost : Unreachable);
    });
    connect(socket, &QAbstractSocket::disconnected, this, [this] { emit faulted(Lost); });
    socket->connectToHost(settings.host, settings.port);
}

void StationLink::openSerial()
{
#ifdef Q_OS_WIN
    auto *port = new WinSerialPort(settings.serialPort, DccEx::baudRate, this);
    device = port;
    connect(port, &QIODevice::readyRead, this, &StationLink::readDevice);
    connect(port, &WinSerialPort::lost, this, [this] { emit faulted(Lost); });
    if (!port->open(QIODevice::ReadWrite)) {
        const Fault fault = port->portMissing() ? PortMissing : PortTaken;
        QTimer::singleShot(0, this, [this, fault] { emit faulted(fault); });
        return;
    }
    QTimer::singleShot(0, this, &StationLink::opened);
#elif defined(FM_SERIAL_PORT)
    auto *port = new QSerialPort(settings.serialPort, this);
    device = port;
    port->setBaudRate(DccEx::baudRate);
    connect(port, &QIODevice::readyRead, this, &StationLink::readDevice);
    if (!port->open(QIODevice::ReadWrite)) {
        const Fault fault = port->error() == QSerialPort::DeviceNotFoundError ? PortMissing : PortTaken;
        QTimer::singleShot(0, this, [this, fault] { emit faulted(fault); });
        return;
    }
    connect(port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError)
            emit faulted(Lost);
    });
    QTimer::singleShot(0, this, &StationLink::opened);
#else
    QTimer::singleShot(0, this, [this] { emit faulted(PortMissing); });
#endif
}

void StationLink::send(const QByteArray &bytes)
{
    if (device)
        device->write(bytes);
}

void StationLink::readDevice()
{
    if (udp) {
        // What is received may close the link: then the rest is not read.
        while (udp && udp->hasPendingDatagrams())
            emit received(udp->receiveDatagram().data());
        return;
    }
    if (device)
        emit received(device->readAll());
}

void StationLink::close()
{
    if (!device)
        return;
    // No word of the device's own closing reaches the session.
    device->disconnect(this);
    if (auto *socket = qobject_cast<QAbstractSocket *>(device)) {
        socket->flush();
        socket->abort();
    } else {
        device->close();
    }
    device->deleteLater();
    device = nullptr;
    udp = nullptr;
}
