#ifndef CATALOGUELOADER_H
#define CATALOGUELOADER_H

#include "decodertype.h"

#include <QVector>

class QString;
class QTextStream;

// Decoder types in file order. Once a section exists, record 0 holds what
// stood before the first section, so that record k pairs with combo entry k;
// sections without a name are left out. Each CV line accepted writes a debug
// message with its position and value text.
QVector<DecoderType> readCatalogue(QTextStream &stream);

// The same from a file, decoded as codecForDefinitionText() decides; a
// missing, unreadable or non-regular file reads as empty.
QVector<DecoderType> readCatalogueFile(const QString &path);

#endif // CATALOGUELOADER_H
