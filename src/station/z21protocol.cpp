#include "z21protocol.h"

namespace {

const quint16 lanX = 0x0040;

QByteArray record(quint16 header, const QByteArray &data)
{
    const int length = 4 + data.size();
    QByteArray bytes;
    bytes.append(char(length & 0xff)).append(char(length >> 8));
    bytes.append(char(header & 0xff)).append(char(header >> 8));
    return bytes + data;
}

QByteArray xbus(QByteArray data)
{
    char check = 0;
    for (char byte : data)
        check ^= byte;
    return record(lanX, data.append(check));
}

QByteArray cvAddress(int cv)
{
    const int address = cv - 1;
    return QByteArray().append(char(address >> 8)).append(char(address & 0xff));
}

quint8 at(const QByteArray &bytes, int i)
{
    return quint8(bytes.at(i));
}

// One X-bus record's data (X-Header, data bytes, XOR) as a reply, or nothing.
// A record whose XOR is wrong is passed over: a WLAN can spoil one, and the
// request it answered is sent again.
bool xbusReply(const QByteArray &data, StationReply &reply)
{
    if (data.size() < 2) {
        reply = {StationReply::Broken, -1, -1};
        return true;
    }
    quint8 check = 0;
    for (int i = 0; i < data.size() - 1; ++i)
        check ^= at(data, i);
    if (check != at(data, data.size() - 1))
        return false;
    const quint8 x = at(data, 0);
    const int bytes = data.size() - 2;
    if (x == 0x61 && bytes == 1) {
        switch (at(data, 1)) {
        case 0x08: // LAN_X_BC_TRACK_SHORT_CIRCUIT
        case 0x12: // LAN_X_CV_NACK_SC
            reply = {StationReply::ShortCircuit, -1, -1};
            return true;
        case 0x13: // LAN_X_CV_NACK
            reply = {StationReply::NoDecoder, -1, -1};
            return true;
        case 0x82: // LAN_X_UNKNOWN_COMMAND
            reply = {StationReply::Refused, -1, -1};
            return true;
        case 0x01: // LAN_X_BC_TRACK_POWER_ON: programming mode has ended
            reply = {StationReply::PowerOn, -1, -1};
            return true;
        default: // track power off (0x00), programming mode (0x02)
            return false;
        }
    }
    if (x == 0x62 && bytes == 2 && at(data, 1) == 0x22) { // LAN_X_STATUS_CHANGED
        // The session reads the status bits: at the greeting they matter, in a keep-alive's answer not.
        reply = {StationReply::Ready, -1, at(data, 2)};
        return true;
    }
    if (x == 0x64 && bytes == 4 && at(data, 1) == 0x14) { // LAN_X_CV_RESULT
        reply = {StationReply::Value, (at(data, 2) << 8 | at(data, 3)) + 1, at(data, 4)};
        return true;
    }
    if (x == 0x81 && bytes == 1 && at(data, 1) == 0x00) { // LAN_X_BC_STOPPED
        reply = {StationReply::Stopped, -1, -1};
        return true;
    }
    return false;
}

} // namespace

namespace Z21 {

QByteArray cvRead(int cv)
{
    return xbus(QByteArray("\x23\x11", 2) + cvAddress(cv));
}

QByteArray cvWrite(int cv, int value)
{
    return xbus(QByteArray("\x24\x12", 2) + cvAddress(cv) + char(value));
}

QByteArray trackPowerOn()
{
    return xbus(QByteArray("\x21\x81", 2));
}

QByteArray setBroadcastFlags()
{
    return record(0x0050, QByteArray("\x01\x00\x00\x00", 4));
}

QByteArray getStatus()
{
    return xbus(QByteArray("\x21\x24", 2));
}

QByteArray logoff()
{
    return record(0x0030, QByteArray());
}

QVector<StationReply> parse(const QByteArray &datagram)
{
    QVector<StationReply> replies;
    int pos = 0;
    while (pos < datagram.size()) {
        const int length = datagram.size() - pos < 4 ? 0 : at(datagram, pos) | at(datagram, pos + 1) << 8;
        if (length < 4 || length > datagram.size() - pos) {
            replies.append({StationReply::Broken, -1, -1});
            break;
        }
        const quint16 header = at(datagram, pos + 2) | at(datagram, pos + 3) << 8;
        StationReply reply;
        if (header == lanX && xbusReply(datagram.mid(pos + 4, length - 4), reply))
            replies.append(reply);
        pos += length;
    }
    return replies;
}

} // namespace Z21
