#ifndef MAPPINGCHANGES_H
#define MAPPINGCHANGES_H

#include <QMap>
#include <QStringList>
#include <QVector>

// What a write would change: the 14 values the decoder holds against those
// the grid shows, as the confirmation lists them. Each column's byte is what
// its boxes show, so a typed 300 writes 44; locked columns are never written.
struct MappingChange
{
    int cv = 0;
    int decoderValue = -1; // -1 where the decoder did not answer
    int typed = 0;         // as the value row holds it
    int byte = 0;          // what is written
};

struct MappingChanges
{
    QVector<MappingChange> changes;
    QVector<int> lockedCvs;

    // CV number to byte, for StationSession::writeMapping.
    QMap<int, int> toWrite() const;
    // One line per change, "CV38: 12 → 44", then one naming the locked CVs.
    QStringList lines() const;
};

MappingChanges mappingChanges(const QVector<int> &decoderValues, const QVector<bool> &answered,
                              const QVector<int> &shownValues, const QVector<bool> &locked);

#endif
