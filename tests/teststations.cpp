#include "teststations.h"

#include <QNetworkDatagram>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <pty.h>
#include <sys/inotify.h>
#include <unistd.h>
#endif

StationFault::Kind TestStation::faultFor(int cv, bool write)
{
    if (absent)
        return StationFault::NoDecoder;
    if (fault.kind == StationFault::None || fault.cv != cv || fault.onWrite != write)
        return StationFault::None;
    const StationFault::Kind kind = fault.kind;
    fault = StationFault();
    return kind;
}

int TestStation::value(int cv) const
{
    return decoder.value(cv - 33, 0);
}

namespace {

QByteArray z21Record(quint16 header, const QByteArray &data)
{
    const int length = 4 + data.size();
    return QByteArray().append(char(length)).append(char(length >> 8)).append(char(header)).append(char(header >> 8))
        + data;
}

// An X-bus record with its XOR, or with a wrong one.
QByteArray xbus(const QByteArray &data, bool broken = false)
{
    char check = broken ? 0x55 : 0;
    for (char byte : data)
        check ^= byte;
    return z21Record(0x0040, data + check);
}

QByteArray cvResult(int cv, int value)
{
    return xbus(QByteArray("\x64\x14", 2).append(char((cv - 1) >> 8)).append(char(cv - 1)).append(char(value)));
}

} // namespace

Z21TestStation::Z21TestStation()
    : socket(new QUdpSocket(this))
{
    socket->bind(QHostAddress(QHostAddress::LocalHost), 0);
    connect(socket, &QUdpSocket::readyRead, this, &Z21TestStation::readDatagrams);
}

quint16 Z21TestStation::port() const
{
    return socket->localPort();
}

void Z21TestStation::readDatagrams()
{
    while (socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket->receiveDatagram();
        clientAddress = datagram.senderAddress();
        clientPort = quint16(datagram.senderPort());
        const QByteArray bytes = datagram.data();
        for (int pos = 0; pos + 4 <= bytes.size();) {
            const int length = quint8(bytes[pos]) | quint8(bytes[pos + 1]) << 8;
            if (length < 4)
                break;
            handle(bytes.mid(pos, length));
            pos += length;
        }
    }
}

void Z21TestStation::handle(const QByteArray &record)
{
    const int header = quint8(record[2]) | quint8(record[3]) << 8;
    const QByteArray data = record.mid(4);
    if (header == 0x0050 && data.size() == 4) {
        broadcastFlags = quint8(data[0]) | quint8(data[1]) << 8 | quint8(data[2]) << 16 | quint32(quint8(data[3])) << 24;
    } else if (header == 0x0030) {
        ++logoffs;
    } else if (header == 0x0040 && data.startsWith(QByteArray("\x21\x24\x05", 3))) {
        ++statusRequests;
        reply(xbus(QByteArray("\x62\x22", 2).append(char(status))));
    } else if (header == 0x0040 && data.startsWith(QByteArray("\x21\x81\xa0", 3))) {
        ++powerOns;
    } else if (header == 0x0040 && data.size() == 5 && data.startsWith(QByteArray("\x23\x11", 2))) {
        ++reads;
        answerCv((quint8(data[2]) << 8 | quint8(data[3])) + 1, -1, false);
    } else if (header == 0x0040 && data.size() == 6 && data.startsWith(QByteArray("\x24\x12", 2))) {
        ++writes;
        answerCv((quint8(data[2]) << 8 | quint8(data[3])) + 1, quint8(data[4]), true);
    }
}

void Z21TestStation::answerCv(int cv, int written, bool write)
{
    QByteArray answer;
    switch (faultFor(cv, write)) {
    case StationFault::None:
        if (write)
            decoder[cv - 33] = written;
        answer = cvResult(cv, value(cv));
        break;
    case StationFault::Ignored:
        answer = cvResult(cv, written);
        break;
    case StationFault::ReplyLost:
        if (write)
            decoder[cv - 33] = written;
        return;
    case StationFault::PowerOn:
        answer = xbus(QByteArray("\x61\x01", 2));
        break;
    case StationFault::NoDecoder:
        answer = xbus(QByteArray("\x61\x13", 2));
        break;
    case StationFault::ShortCircuit:
        answer = xbus(QByteArray("\x61\x12", 2));
        break;
    case StationFault::Stopped:
        answer = xbus(QByteArray("\x81\x00", 2));
        break;
    case StationFault::Refused:
        answer = xbus(QByteArray("\x61\x82", 2));
        break;
    case StationFault::OtherCv:
        answer = cvResult(cv + 1, value(cv + 1));
        break;
    case StationFault::Broken:
        answer = xbus(QByteArray("\x64\x14", 2).append(char(0)).append(char(cv - 1)).append(char(value(cv))), true);
        break;
    default: // silent, pulled, or DCC-EX's own
        return;
    }
    // Programming mode on its own, track power off in the reply's datagram.
    if (broadcasts && (broadcastFlags & 1)) {
        reply(xbus(QByteArray("\x61\x02", 2)));
        answer.prepend(xbus(QByteArray("\x61\x00", 2)));
    }
    reply(answer);
}

void Z21TestStation::reply(const QByteArray &bytes)
{
    QTimer::singleShot(delayMs, this, [this, bytes] { socket->writeDatagram(bytes, clientAddress, clientPort); });
}

DccExTestStation::~DccExTestStation()
{
    pullPty();
}

quint16 DccExTestStation::listenTcp()
{
    server = new QTcpServer(this);
    server->listen(QHostAddress::LocalHost, 0);
    connect(server, &QTcpServer::newConnection, this, [this] {
        client = server->nextPendingConnection();
        ++opens;
        connect(client, &QTcpSocket::readyRead, this, [this] { readBytes(client->readAll()); });
    });
    return server->serverPort();
}

QString DccExTestStation::openPty(int startUpMs)
{
#ifdef Q_OS_LINUX
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return QString();
    // The terminal side stays open here too, so that a session closing it
    // leaves the master readable without a hang-up.
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    notifier = new QSocketNotifier(master, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char buffer[512];
        const ssize_t count = ::read(master, buffer, sizeof buffer);
        if (count > 0)
            readBytes(QByteArray(buffer, int(count)));
        else
            notifier->setEnabled(false);
    });
    // An open and its close alternate, so that inotify never merges two opens into one event.
    watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    inotify_add_watch(watch, name, IN_OPEN | IN_CLOSE);
    openWatch = new QSocketNotifier(watch, QSocketNotifier::Read, this);
    connect(openWatch, &QSocketNotifier::activated, this, [this] {
        alignas(inotify_event) char buffer[4096];
        const ssize_t count = ::read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < count;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->mask & IN_OPEN) {
                ++opens;
                boot();
            }
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    });
    bootMs = startUpMs;
    return QString::fromLocal8Bit(name);
#else
    Q_UNUSED(startUpMs)
    return QString();
#endif
}

void DccExTestStation::pullPty()
{
#ifdef Q_OS_LINUX
    if (master < 0)
        return;
    delete notifier;
    notifier = nullptr;
    delete openWatch;
    openWatch = nullptr;
    ::close(watch);
    ::close(master);
    ::close(slave);
    master = -1;
#endif
}

// The board restarts as its port opens: until its start-up text and
// greeting, what it receives is lost.
void DccExTestStation::boot()
{
    booting = true;
    QTimer::singleShot(bootMs, this, [this] {
        booting = false;
        send("DCC-EX starting" + lineEnd() + "<* License GPLv3 *>" + lineEnd() + greeting());
    });
}

QByteArray DccExTestStation::greeting() const
{
    const char *const greetings[] = {
        "<iDCC++ BASE STATION FOR ARDUINO MEGA / ARDUINO MOTOR SHIELD: V-1.2.1+ / Dec  8 2026 17:00:00>",
        "<p0><iDCC-EX V-3.0.0 / MEGA / STANDARD_MOTOR_SHIELD G-test>",
        "<p0>\n<iDCC-EX V-4.0.0 / MEGA / STANDARD_MOTOR_SHIELD G-test>\n",
        "<p0>\n<iDCC-EX V-5.0.0 / MEGA / STANDARD_MOTOR_SHIELD G-test>\n"};
    return greetings[firmware];
}

QByteArray DccExTestStation::lineEnd() const
{
    return firmware == BaseStation || firmware == DccEx30 ? QByteArray() : QByteArray("\n");
}

void DccExTestStation::readBytes(const QByteArray &bytes)
{
    pending += bytes;
    int end;
    while ((end = pending.indexOf('\n')) >= 0) {
        const QByteArray line = pending.left(end).trimmed();
        pending.remove(0, end + 1);
        lines.append(line);
        handle(line);
    }
}

void DccExTestStation::handle(const QByteArray &line)
{
    if (booting || !line.startsWith('<') || !line.endsWith('>'))
        return;
    const QList<QByteArray> words = line.mid(1, line.size() - 2).simplified().split(' ');
    if (words == QList<QByteArray>{"s"}) {
        send(greeting());
        return;
    }
    const bool write = words.value(0) == "W" && words.size() == 5;
    if (!write && !(words.value(0) == "R" && words.size() == 4))
        return;
    const int cv = words[1].toInt();
    write ? ++writes : ++reads;
    // <r number|sub|cv value>, as every release answers the callback forms.
    const QByteArray form = "<r" + words[words.size() - 2] + '|' + words.last() + '|';
    const QByteArray end = '>' + lineEnd();
    switch (faultFor(cv, write)) {
    case StationFault::Chatter:
        send("Loco 3 leaves the yard\n");
        [[fallthrough]];
    default: // no fault, or the Z21's own
        if (write)
            decoder[cv - 33] = words[2].toInt();
        reply(form + QByteArray::number(cv) + ' ' + QByteArray::number(value(cv)) + end);
        break;
    case StationFault::Ignored:
        reply(form + QByteArray::number(cv) + ' ' + words[2] + end);
        break;
    case StationFault::Silent:
        break;
    case StationFault::NoDecoder:
        reply(form + QByteArray::number(cv) + " -1" + end);
        break;
    case StationFault::NoCurrentSense:
        reply(form + QByteArray::number(cv) + (firmware >= DccEx40 ? " -2" : " -1") + end);
        break;
    case StationFault::NoProgrammingTrack:
        reply(form + QByteArray::number(cv) + (firmware == DccEx5 ? " -3" : " -1") + end);
        break;
    case StationFault::ShortCircuit:
        reply("<* TRACK B ALERT FAULT *>" + lineEnd() + form + QByteArray::number(cv) + " -1" + end);
        break;
    case StationFault::Stopped:
    case StationFault::Refused:
        reply("<X>" + lineEnd());
        break;
    case StationFault::OtherCv:
        reply(form + QByteArray::number(cv + 1) + ' ' + QByteArray::number(value(cv + 1)) + end);
        break;
    case StationFault::Broken:
        reply("<r" + words[words.size() - 2] + '|' + words.last() + "|CV " + QByteArray::number(cv) + " unreadable>\n");
        break;
    case StationFault::Pulled:
        if (client)
            client->close();
        pullPty();
        break;
    }
}

void DccExTestStation::reply(const QByteArray &text)
{
    if (broadcasts)
        send("<p1>" + lineEnd() + "<l 3 0 128 0>" + lineEnd());
    QTimer::singleShot(delayMs, this, [this, text] { send(text); });
}

void DccExTestStation::send(const QByteArray &bytes)
{
    if (client) {
        client->write(bytes);
        return;
    }
#ifdef Q_OS_LINUX
    if (master >= 0 && ::write(master, bytes.constData(), size_t(bytes.size())) < 0)
        qWarning("the test station could not write to its pseudo-terminal");
#endif
}
