#ifndef CHECKERSUPPORT_H
#define CHECKERSUPPORT_H

#include "decodertype.h"
#include "listcheck.h"

#include <QByteArray>
#include <QVector>

class QTextCodec;

// A list checked, and read, as the programs read a file: through a device
// in text mode, decoded as the file's bytes decide. A list that is not UTF-8
// is read in `systemCodec` if given, else in the machine's encoding. Shared
// with the fuzzer, so Qt Core only.
CheckResult checkList(const QByteArray &bytes, QTextCodec *systemCodec = nullptr);
// The decoder types the window's choice lists for the bytes.
QVector<DecoderType> shownTypes(const QByteArray &bytes);
bool sameTypes(const QVector<DecoderType> &a, const QVector<DecoderType> &b);
// Debug messages of the reader, one per CV line, kept off the test log.
void dropDebugMessages();

#endif // CHECKERSUPPORT_H
