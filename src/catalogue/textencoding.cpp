#include "textencoding.h"

#include <QByteArray>
#include <QTextCodec>

#include <cstring>

int utf8SequenceLength(const uchar *byte, const uchar *end)
{
    const uchar lead = *byte;
    if (lead < 0x80)
        return 1;
    // The length of the sequence, and the range its second byte must lie
    // in, which rules out overlong forms, surrogates and too large values.
    int length;
    uchar low = 0x80;
    uchar high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : low;
        high = lead == 0xed ? 0x9f : high;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : low;
        high = lead == 0xf4 ? 0x8f : high;
    } else {
        return 0;
    }
    if (end - byte < length || byte[1] < low || byte[1] > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if ((byte[k] & 0xc0) != 0x80)
            return 0;
    }
    return length;
}

qint64 firstInvalidUtf8(const char *bytes, qint64 size)
{
    const auto *const begin = reinterpret_cast<const uchar *>(bytes);
    const uchar *byte = begin;
    const uchar *const end = byte + size;
    while (byte != end) {
        // Decoder lists are nearly all ASCII: skip it eight bytes at a time.
        if (end - byte >= 8) {
            quint64 eight;
            std::memcpy(&eight, byte, 8);
            if ((eight & 0x8080808080808080u) == 0) {
                byte += 8;
                continue;
            }
        }
        const int length = utf8SequenceLength(byte, end);
        if (length == 0)
            return byte - begin;
        byte += length;
    }
    return -1;
}

bool isValidUtf8(const char *bytes, qint64 size)
{
    return firstInvalidUtf8(bytes, size) < 0;
}

DefinitionEncoding definitionEncoding(const char *bytes, qint64 size)
{
    const QByteArray start = QByteArray::fromRawData(bytes, int(qMin<qint64>(size, 4)));
    if (QTextCodec *marked = QTextCodec::codecForUtfText(start, nullptr))
        return {marked, DefinitionEncoding::ByteOrderMark};
    if (isValidUtf8(bytes, size))
        return {QTextCodec::codecForMib(106), DefinitionEncoding::ValidUtf8}; // UTF-8
    return {QTextCodec::codecForLocale(), DefinitionEncoding::SystemEncoding};
}

QTextCodec *codecForDefinitionText(const char *bytes, qint64 size)
{
    return definitionEncoding(bytes, size).codec;
}
