#ifndef CATALOGUELOADER_H
#define CATALOGUELOADER_H

#include "decodertype.h"
#include "definitionline.h"
#include "namepool.h"
#include "textencoding.h"

#include <QFile>
#include <QTextStream>
#include <QVector>

class QString;

// Reads a decoder list one line at a time, building the decoder types as it
// goes. Whoever wants to look at each line as it is read (the list checker)
// drives it with readLine(); everyone else calls readCatalogue().
class CatalogueReader
{
public:
    explicit CatalogueReader(QTextStream &stream);

    // Reads the next line and applies it; false at the end of the text.
    bool readLine();
    // The line last read, without its line end, its 1-based number, and
    // how it was recognised; valid until the next readLine().
    const QString &line() const { return current; }
    int lineNumber() const { return number; }
    const DefinitionLineRef &recognised() const { return parsed; }

    // The decoder types, as readCatalogue() returns them; once, at the end.
    QVector<DecoderType> finish();

private:
    QTextStream &stream;
    QString current;
    int number = 0;
    DefinitionLineRef parsed;
    QVector<DecoderType> catalogue;
    DecoderType pending; // the preamble, until the first section header
    bool inPreamble = true;
    QString message;
    NamePool outputNames;
};

// Decoder types in file order. Once a section exists, record 0 holds what
// stood before the first section, so that record k pairs with combo entry k;
// sections without a name are left out. Each CV line accepted writes a debug
// message with its position and value text.
QVector<DecoderType> readCatalogue(QTextStream &stream);

// A decoder list opened as the program opens it: only a regular file, in
// text mode, decoded as definitionEncoding() decides.
class DefinitionFile
{
public:
    enum State { Opened, Missing, Folder, NotRegular, Unreadable };

    explicit DefinitionFile(const QString &path);

    State state() const { return openState; }
    // Why an existing regular file could not be opened.
    QString errorString() const;
    const DefinitionEncoding &encoding() const { return decided; }
    QTextStream &stream() { return text; }

private:
    QFile file;
    State openState = Missing;
    DefinitionEncoding decided;
    QTextStream text;
};

// The same from a file; a missing, unreadable or non-regular file reads as empty.
QVector<DecoderType> readCatalogueFile(const QString &path);

#endif // CATALOGUELOADER_H
