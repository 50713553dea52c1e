#ifndef DCCEXPROTOCOL_H
#define DCCEXPROTOCOL_H

#include "stationreply.h"

#include <QByteArray>
#include <QVector>

// DCC-EX's text commands, over TCP or USB serial, as every release since
// DCC++ BaseStation takes them: a command or reply in angle brackets, ended
// by its '>' (BaseStation and DCC-EX 3.0 send no line end). A read or write
// carries two callback numbers that its reply "<r number|sub|cv value>" gives
// back, so that a late reply never answers another request. The value -1
// means the decoder did not acknowledge; a read's -2 that the programming
// track cannot measure current (from 3.1), -3 that there is none (from 5.0).
// "<X>" refuses a request (busy, or unknown). Text outside brackets (start-up
// lines, EXRAIL's SERIAL()) and diagnostics "<* ... *>" may come at any time.
namespace DccEx {

constexpr quint16 defaultPort = 2560;
constexpr int baudRate = 115200;
constexpr int largestCallback = 32767;

QByteArray status(); // <s>, answered <iDCC-EX ...> or <iDCC++ BASE STATION ...>
// <R cv number sub>, on the programming track
QByteArray cvRead(int cv, int number, int sub);
// <W cv value number sub>, on the programming track
QByteArray cvWrite(int cv, int value, int number, int sub);

// One reply "<...>" or a piece of text outside brackets: a reply, or false
// for what is passed over (broadcasts such as <p1>, blank text).
bool parseLine(const QByteArray &line, StationReply &reply);

// Gathers the bytes a stream delivers into replies, each ended by its '>',
// and text outside brackets, ended by a line end or the next '<'.
class LineReader
{
public:
    QVector<StationReply> feed(const QByteArray &bytes);

private:
    void take(QVector<StationReply> &replies);

    QByteArray pending;
    bool inReply = false;
};

} // namespace DccEx

#endif
