#ifndef COPIEDVALUES_H
#define COPIEDVALUES_H

#include "decodertype.h"

#include <QString>
#include <QStringList>

#include <array>

// A copy writes each CV as its boxes show it, so that no line holds more
// than a CV can: the value's low eight bits, negative where the column is
// locked. A locked column with no box ticked has no such value between -255
// and -1: -256 keeps it locked and clear.
qint32 copiedValue(int boxes, bool locked);

// A sentence for every value on show that a copy writes otherwise, given the
// value cells' texts: "CV37 = 300 als 44 kopiert (was die Kästchen zeigen)."
QStringList copyNotes(const std::array<QString, CvCount> &shown, const std::array<bool, CvCount> &locked);

#endif // COPIEDVALUES_H
