#include "dccexprotocol.h"

#include <QList>

namespace {

// The longest line kept while waiting for its end: more is no reply.
const int longestLine = 256;

bool number(const QByteArray &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

// "cv value" as the end of an <r> or <v> reply.
bool cvAndValue(const QByteArray &text, StationReply &reply)
{
    const QList<QByteArray> parts = text.simplified().split(' ');
    int cv = 0;
    int value = 0;
    if (parts.size() != 2 || !number(parts[0], cv) || !number(parts[1], value)
        || cv < 1 || cv > 1024 || value < -1 || value > 255) {
        reply = {StationReply::Broken, -1, -1};
        return true;
    }
    reply = {value < 0 ? StationReply::NoDecoder : StationReply::Value, cv, value};
    return true;
}

} // namespace

namespace DccEx {

QByteArray status()
{
    return "<s>\n";
}

QByteArray cvRead(int cv)
{
    return "<R " + QByteArray::number(cv) + ">\n";
}

QByteArray cvWrite(int cv, int value)
{
    return "<W " + QByteArray::number(cv) + ' ' + QByteArray::number(value) + ">\n";
}

bool parseLine(const QByteArray &line, StationReply &reply)
{
    const QByteArray text = line.trimmed();
    if (text.isEmpty())
        return false;
    if (!text.startsWith('<') || !text.endsWith('>')) {
        reply = {StationReply::Broken, -1, -1};
        return true;
    }
    const QByteArray body = text.mid(1, text.size() - 2).trimmed();
    if (body.startsWith("iDCC-EX")) {
        reply = {StationReply::Ready, -1, -1};
        return true;
    }
    if (body == "X") {
        reply = {StationReply::Refused, -1, -1};
        return true;
    }
    if (body.startsWith('v'))
        return cvAndValue(body.mid(1), reply);
    if (body.startsWith('r')) {
        const QList<QByteArray> callback = body.mid(1).split('|');
        if (callback.size() == 3)
            return cvAndValue(callback[2], reply);
        return cvAndValue(body.mid(1), reply);
    }
    return false;
}

QVector<StationReply> LineReader::feed(const QByteArray &bytes)
{
    QVector<StationReply> replies;
    pending += bytes;
    int end;
    while ((end = pending.indexOf('\n')) >= 0) {
        StationReply reply;
        if (parseLine(pending.left(end), reply))
            replies.append(reply);
        pending.remove(0, end + 1);
    }
    if (pending.size() > longestLine) {
        replies.append({StationReply::Broken, -1, -1});
        pending.clear();
    }
    return replies;
}

} // namespace DccEx
