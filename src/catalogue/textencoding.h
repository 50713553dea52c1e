#ifndef TEXTENCODING_H
#define TEXTENCODING_H

#include <QtGlobal>

class QTextCodec;

// Whether the bytes are well-formed UTF-8 throughout: no stray continuation
// byte, no overlong form, no surrogate, nothing beyond U+10FFFF, no sequence
// cut short at the end.
bool isValidUtf8(const char *bytes, qint64 size);
// Where the first byte that breaks that stands, or -1 if none does.
qint64 firstInvalidUtf8(const char *bytes, qint64 size);
// The length of the well-formed UTF-8 sequence that starts at `byte` (1 for
// ASCII), or 0 if none starts there.
int utf8SequenceLength(const uchar *byte, const uchar *end);

// How a definition file is decoded, decided once from all its bytes: by its
// byte-order mark if it has one; else as UTF-8 if it is valid UTF-8, as
// editors save it by default; else in the system's encoding, in which older
// lists were saved.
struct DefinitionEncoding
{
    enum Reason { ByteOrderMark, ValidUtf8, SystemEncoding };

    QTextCodec *codec = nullptr;
    Reason reason = ValidUtf8;
};

DefinitionEncoding definitionEncoding(const char *bytes, qint64 size);
QTextCodec *codecForDefinitionText(const char *bytes, qint64 size);

#endif // TEXTENCODING_H
