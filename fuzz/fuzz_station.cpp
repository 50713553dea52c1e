// Feeds arbitrary bytes to the command stations' reply parsers: as Z21
// datagrams, and as DCC-EX text arriving in pieces cut where the first byte
// says. Aborts when a reply breaks what the session relies on: values are
// bytes, CVs numbers a decoder has, and the line reader keeps what it holds
// bounded and reads the same lines however the bytes are cut.
#include "dccexprotocol.h"
#include "z21protocol.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkReplies(const QVector<StationReply> &replies)
{
    for (const StationReply &reply : replies) {
        require(reply.kind >= StationReply::Ready && reply.kind <= StationReply::Text);
        if (reply.kind == StationReply::Value) {
            require(reply.value >= 0 && reply.value <= 255);
            require(reply.cv >= 1 && reply.cv <= 65536);
        } else if (reply.kind == StationReply::Ready) {
            require(reply.value >= -1 && reply.value <= 255); // a Z21's status byte
        } else {
            const int failure = reply.kind == StationReply::NoCurrentSense       ? -2
                : reply.kind == StationReply::NoProgrammingTrack ? -3
                                                                 : -1;
            require(reply.value == failure);
        }
        require((reply.callbackNumber < 0) == (reply.callbackSub < 0));
    }
}

bool sameReplies(const QVector<StationReply> &a, const QVector<StationReply> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].cv != b[i].cv || a[i].value != b[i].value)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    const QVector<StationReply> z21 = Z21::parse(bytes);
    checkReplies(z21);
    // Every record is at least four bytes; a broken one ends the datagram.
    require(z21.size() <= bytes.size() / 4 + 1);

    // Lines no longer than the reader keeps read alike whole and in pieces.
    DccEx::LineReader whole;
    const QVector<StationReply> once = whole.feed(bytes);
    checkReplies(once);
    DccEx::LineReader pieces;
    QVector<StationReply> cut;
    const int step = bytes.isEmpty() ? 1 : 1 + quint8(bytes[0]) % 16;
    for (int pos = 0; pos < bytes.size(); pos += step)
        cut += pieces.feed(bytes.mid(pos, step));
    checkReplies(cut);
    if (bytes.size() <= 256)
        require(sameReplies(once, cut));
    return 0;
}
