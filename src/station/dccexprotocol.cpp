#include "dccexprotocol.h"

#include <QList>

namespace {

// The longest reply or text kept while waiting for its end: more is no reply.
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
        || cv < 1 || cv > 1024 || value < -3 || value > 255) {
        reply = {StationReply::Broken, -1, -1};
        return true;
    }
    const StationReply::Kind kinds[] = {StationReply::NoProgrammingTrack, StationReply::NoCurrentSense,
                                        StationReply::NoDecoder};
    reply = {value < 0 ? kinds[value + 3] : StationReply::Value, cv, value};
    return true;
}

// "number|sub|cv value", as every release answers the callback forms.
bool callbackReply(const QList<QByteArray> &parts, StationReply &reply)
{
    int callbackNumber = 0;
    int callbackSub = 0;
    if (!number(parts[0].trimmed(), callbackNumber) || !number(parts[1], callbackSub) || callbackNumber < 0
        || callbackSub < 0 || callbackNumber > DccEx::largestCallback || callbackSub > DccEx::largestCallback) {
        reply = {StationReply::Broken, -1, -1};
        return true;
    }
    cvAndValue(parts[2], reply);
    reply.callbackNumber = callbackNumber;
    reply.callbackSub = callbackSub;
    return true;
}

} // namespace

namespace DccEx {

QByteArray status()
{
    return "<s>\n";
}

QByteArray cvRead(int cv, int number, int sub)
{
    return "<R " + QByteArray::number(cv) + ' ' + QByteArray::number(number) + ' ' + QByteArray::number(sub) + ">\n";
}

QByteArray cvWrite(int cv, int value, int number, int sub)
{
    return "<W " + QByteArray::number(cv) + ' ' + QByteArray::number(value) + ' ' + QByteArray::number(number) + ' '
        + QByteArray::number(sub) + ">\n";
}

bool parseLine(const QByteArray &line, StationReply &reply)
{
    const QByteArray text = line.trimmed();
    if (text.isEmpty())
        return false;
    if (!text.startsWith('<')) {
        reply = {StationReply::Text, -1, -1};
        return true;
    }
    if (!text.endsWith('>')) {
        reply = {StationReply::Broken, -1, -1};
        return true;
    }
    const QByteArray body = text.mid(1, text.size() - 2).trimmed();
    if (body.startsWith('*')) {
        reply = {StationReply::Text, -1, -1};
        return true;
    }
    if (body.startsWith("iDCC-EX") || body.startsWith("iDCC++")) {
        reply = {StationReply::Ready, -1, -1};
        reply.text = body.mid(1);
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
            return callbackReply(callback, reply);
        return cvAndValue(body.mid(1), reply);
    }
    return false;
}

QVector<StationReply> LineReader::feed(const QByteArray &bytes)
{
    QVector<StationReply> replies;
    for (char byte : bytes) {
        if (!inReply && (byte == '<' || byte == '\n' || byte == '\r')) {
            take(replies);
            inReply = byte == '<';
        } else if (inReply && byte == '<' && !pending.startsWith("<*")) {
            pending.clear(); // a reply cut short, as by a board restarting: the new one counts
        }
        if (inReply || (byte != '\n' && byte != '\r'))
            pending += byte;
        // A diagnostic may hold a '>' of its own: it ends at "*>".
        if (inReply && byte == '>' && (!pending.startsWith("<*") || pending.endsWith("*>"))) {
            take(replies);
            inReply = false;
        }
        if (pending.size() > longestLine) {
            // The rest, up to its '>', is passed over.
            if (inReply)
                replies.append({StationReply::Broken, -1, -1});
            pending = inReply ? QByteArray("<") : QByteArray();
        }
    }
    return replies;
}

void LineReader::take(QVector<StationReply> &replies)
{
    StationReply reply;
    if (parseLine(pending, reply))
        replies.append(reply);
    pending.clear();
}

} // namespace DccEx
