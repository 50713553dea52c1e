#ifndef MISTYPEDLISTS_H
#define MISTYPEDLISTS_H

#include <QRandomGenerator>
#include <QStringList>

// Decoder lists as people write them, lines mistyped the way people mistype
// them: letter case, blanks and tabs, comments after values, quotes and
// equals signs left out, numbers out of range, lines doubled or moved
// before the first section, headers mangled. The same seed gives the same list.
QStringList mistypedList(QRandomGenerator &random);

#endif // MISTYPEDLISTS_H
