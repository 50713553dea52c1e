#ifndef DROPPEDFILE_H
#define DROPPEDFILE_H

#include <QString>

// A file dropped onto the window, read as text for the paste reader: a
// roster entry (.xml), a table (.csv), notes (.txt) or a decoder list (.ini).
struct DroppedFile
{
    QString text;
    QString refusal; // one sentence why the file is not read; empty if it is
};

// The largest file read; a roster entry or a manual's table is far smaller.
constexpr qint64 LargestDroppedFile = 10 * 1024 * 1024;

// Read in the encoding the decoder list's reader would choose, where that is
// UTF-8 (with or without a byte-order mark), UTF-16 with its mark, or an
// 8-bit system encoding; bytes that are none of these are refused.
DroppedFile readDroppedFile(const QString &path);

#endif // DROPPEDFILE_H
