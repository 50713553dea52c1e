#include "encodingcheck.h"

#include "linetext.h"
#include "textencoding.h"

#include <QTextCodec>

#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const uchar *asBytes(const char *bytes)
{
    return reinterpret_cast<const uchar *>(bytes);
}

// Where a byte stands in the lines the window reads: its 1-based line and
// column, the column counted in characters of the line as decoded. Reading
// in text mode drops every carriage return, and the stream drops the
// byte-order mark.
Finding findingAt(const char *bytes, qint64 offset, QTextCodec *codec, int markLength)
{
    Finding finding;
    finding.line = 1;
    qint64 lineStart = 0;
    for (qint64 k = 0; k < offset; ++k) {
        if (bytes[k] == '\n') {
            ++finding.line;
            lineStart = k + 1;
        }
    }
    lineStart = qMax<qint64>(lineStart, markLength);
    QString before = codec->toUnicode(bytes + lineStart, int(offset - lineStart));
    before.remove(QLatin1Char('\r'));
    finding.column = columnOf(before, before.size());
    return finding;
}

// The first well-formed UTF-8 sequence of more than one byte, or -1.
qint64 firstUtf8Sequence(const char *bytes, qint64 size)
{
    const uchar *const begin = asBytes(bytes);
    const uchar *const end = begin + size;
    for (const uchar *byte = begin; byte != end; ++byte) {
        if (*byte >= 0x80 && utf8SequenceLength(byte, end) > 1)
            return byte - begin;
    }
    return -1;
}

int firstUnpairedSurrogate(const QString &text)
{
    for (int k = 0; k < text.size(); ++k) {
        const QChar c = text.at(k);
        if (c.isHighSurrogate() && k + 1 < text.size() && text.at(k + 1).isLowSurrogate())
            ++k;
        else if (c.isSurrogate())
            return k;
    }
    return -1;
}

QString hexByte(char byte)
{
    return QString::number(uchar(byte), 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString EncodingCheck::nameOf(QTextCodec *codec)
{
#ifdef Q_OS_WIN
    // Qt's codec for the ANSI code page calls itself "System".
    if (codec->name() == "System") {
        const UINT codePage = GetACP();
        return codePage == CP_UTF8 ? QStringLiteral("UTF-8") : QStringLiteral("windows-%1").arg(codePage);
    }
#endif
    return QString::fromLatin1(codec->name());
}

Findings EncodingCheck::check(const DefinitionEncoding &encoding, const char *bytes, qint64 size)
{
    return checkLineEnds(encoding, bytes, size) + checkEncoding(encoding, bytes, size);
}

Findings EncodingCheck::checkLineEnds(const DefinitionEncoding &encoding, const char *bytes, qint64 size)
{
    // In UTF-16 and UTF-32 a carriage return is more than one byte.
    if (encoding.reason == DefinitionEncoding::ByteOrderMark && encoding.codec->mibEnum() != 106)
        return {};
    // Reading in text mode drops every carriage return: one that no line feed
    // follows (after any further carriage returns) joins two lines.
    qint64 first = -1;
    int count = 0;
    const char *const end = bytes + size;
    for (const char *cr = bytes; cr != end; ++cr) {
        cr = static_cast<const char *>(std::memchr(cr, '\r', std::size_t(end - cr)));
        if (!cr)
            break;
        const char *next = cr;
        while (next != end && *next == '\r')
            ++next;
        if (next == end || *next == '\n') {
            cr = next - 1;
            continue;
        }
        if (first < 0)
            first = cr - bytes;
        ++count;
        cr = next - 1;
    }
    if (first < 0)
        return {};
    const int markLength = encoding.reason == DefinitionEncoding::ByteOrderMark ? 3 : 0;
    Finding joined = findingAt(bytes, first, encoding.codec, markLength);
    joined.message = tr("a carriage return without a line feed (an old Mac line end; %1 in the file) is no "
                        "line end for the window: it reads what follows as part of this line")
                         .arg(count);
    return {joined};
}

Findings EncodingCheck::checkEncoding(const DefinitionEncoding &encoding, const char *bytes, qint64 size)
{
    QTextCodec *const codec = encoding.codec;
    const bool readAsUtf8 = codec->mibEnum() == 106;
    const QString name = nameOf(codec);
    if (encoding.reason == DefinitionEncoding::ValidUtf8)
        return {};
    if (encoding.reason == DefinitionEncoding::ByteOrderMark && !readAsUtf8) {
        // UTF-16 or UTF-32: a surrogate without its other half stands for no character.
        QString text = codec->toUnicode(bytes, int(size));
        if (text.startsWith(QChar(0xfeff)))
            text.remove(0, 1);
        const int bad = firstUnpairedSurrogate(text);
        if (bad < 0)
            return {};
        Finding finding;
        finding.line = 1 + int(text.leftRef(bad).count(QLatin1Char('\n')));
        const int lineStart = text.lastIndexOf(QLatin1Char('\n'), qMax(0, bad - 1)) + 1;
        finding.column = columnOf(text.mid(lineStart), bad - lineStart);
        finding.message = tr("the text is not valid %1 here, although the file's byte-order mark says %1: "
                             "half a surrogate pair stands for no character")
                              .arg(name);
        return {finding};
    }

    const int markLength = encoding.reason == DefinitionEncoding::ByteOrderMark ? 3 : 0;
    const qint64 invalid = firstInvalidUtf8(bytes + markLength, size - markLength);
    if (invalid < 0)
        return {};
    const qint64 offset = invalid + markLength;
    Finding badByte = findingAt(bytes, offset, codec, markLength);
    const QString shown = codec->toUnicode(bytes + offset, 1);
    if (encoding.reason == DefinitionEncoding::ByteOrderMark) {
        badByte.message = tr("byte 0x%1 is not valid UTF-8, although the file's byte-order mark says UTF-8: "
                             "it reads as '%2'")
                              .arg(hexByte(bytes[offset]), shown);
        return {badByte};
    }
    badByte.message = readAsUtf8 ? tr("byte 0x%1 is not valid UTF-8, and the system's encoding, in which the "
                                      "file is then read, is UTF-8 too: it reads as '%2'")
                                       .arg(hexByte(bytes[offset]), shown)
                                 : tr("byte 0x%1 is not valid UTF-8, so the whole file is read in %2, the "
                                      "system's encoding, where it reads as '%3'")
                                       .arg(hexByte(bytes[offset]), name, shown);
    Findings findings{badByte};
    // Read in the system's encoding, what was written in UTF-8 shows garbled.
    const qint64 sequence = readAsUtf8 ? -1 : firstUtf8Sequence(bytes, size);
    if (sequence >= 0) {
        const int length = utf8SequenceLength(asBytes(bytes) + sequence, asBytes(bytes) + size);
        Finding garbled = findingAt(bytes, sequence, codec, 0);
        garbled.message = tr("'%1' is written in UTF-8, but the file is read in %2 because of line %3, so "
                             "it shows as '%4'")
                              .arg(QString::fromUtf8(bytes + sequence, length), name)
                              .arg(badByte.line)
                              .arg(codec->toUnicode(bytes + sequence, length));
        findings.append(garbled);
    }
    return findings;
}
