#ifndef ENCODINGCHECK_H
#define ENCODINGCHECK_H

#include "finding.h"

#include <QCoreApplication>

struct DefinitionEncoding;
class QTextCodec;

// Bytes that the encoding a list is read in does not hold: the first byte
// that is not UTF-8 in a list that is therefore read in the system's
// encoding (and the first line written in UTF-8 all the same, which then
// shows garbled), or a byte that breaks the encoding a byte-order mark names.
// Also the first carriage return that ends no line, as in old Mac files.
class EncodingCheck
{
    Q_DECLARE_TR_FUNCTIONS(EncodingCheck)

public:
    static Findings check(const DefinitionEncoding &encoding, const char *bytes, qint64 size);
    // The encoding's name as users know it ("windows-1252").
    static QString nameOf(QTextCodec *codec);

private:
    static Findings checkEncoding(const DefinitionEncoding &encoding, const char *bytes, qint64 size);
    static Findings checkLineEnds(const DefinitionEncoding &encoding, const char *bytes, qint64 size);
};

#endif // ENCODINGCHECK_H
