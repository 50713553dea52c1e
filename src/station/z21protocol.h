#ifndef Z21PROTOCOL_H
#define Z21PROTOCOL_H

#include "stationreply.h"

#include <QByteArray>
#include <QVector>

// The Z21 LAN protocol, over UDP. Every record is
//   DataLen (2 bytes, little-endian, the whole record) Header (2 bytes, LE) Data
// and X-bus records (header 0x0040) carry X-Header, data bytes and an XOR of
// both. A datagram may hold several records; replies and broadcasts come in
// any order. CV addresses go big-endian in the X-bus bytes as CV number - 1.
namespace Z21 {

constexpr quint16 defaultPort = 21105;

QByteArray cvRead(int cv);             // LAN_X_CV_READ
QByteArray cvWrite(int cv, int value); // LAN_X_CV_WRITE
// LAN_SET_BROADCASTFLAGS 0x00000001: track power, programming mode and short
// circuit broadcasts, which tell why a programming request failed.
QByteArray setBroadcastFlags();
// LAN_X_GET_STATUS: the greeting and the keep-alive (a client silent for a
// minute is dropped), answered with LAN_X_STATUS_CHANGED.
QByteArray getStatus();
QByteArray logoff(); // LAN_LOGOFF, unanswered
// LAN_X_SET_TRACK_POWER_ON: the one request that ends programming mode.
QByteArray trackPowerOn();

// LAN_X_STATUS_CHANGED's bits, in a Ready reply's value.
enum Status { EmergencyStop = 0x01, TrackVoltageOff = 0x02, ShortCircuit = 0x04, ProgrammingMode = 0x20 };

// The replies a datagram holds, in order; records of no concern give nothing.
QVector<StationReply> parse(const QByteArray &datagram);

} // namespace Z21

#endif
