#ifndef DCCEXPROTOCOL_H
#define DCCEXPROTOCOL_H

#include "stationreply.h"

#include <QByteArray>
#include <QVector>

// DCC-EX's text commands, over TCP or USB serial: one command or reply in
// angle brackets per line. A read is answered "<v cv value>" today and
// "<r cv value>" or "<r callbacknum|callbacksub|cv value>" by the forms the
// command reference documents; a write "<r cv value>". The value -1 means the
// decoder did not acknowledge. "<X>" refuses a request (busy, or unknown).
namespace DccEx {

constexpr quint16 defaultPort = 2560;
constexpr int baudRate = 115200;

QByteArray status();                   // <s>, answered <iDCC-EX ...>
QByteArray cvRead(int cv);             // <R cv>, on the programming track
QByteArray cvWrite(int cv, int value); // <W cv value>, on the programming track

// One line without its line end: a reply, or false for what is passed over
// (broadcasts such as <p1>, diagnostics <* ... *>, empty lines).
bool parseLine(const QByteArray &line, StationReply &reply);

// Gathers the bytes a stream delivers into lines and parses the complete ones.
class LineReader
{
public:
    QVector<StationReply> feed(const QByteArray &bytes);

private:
    QByteArray pending;
};

} // namespace DccEx

#endif
