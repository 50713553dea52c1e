#include "mappingchanges.h"

#include "decodertype.h"

#include <QCoreApplication>

MappingChanges mappingChanges(const QVector<int> &decoderValues, const QVector<bool> &answered,
                              const QVector<int> &shownValues, const QVector<bool> &locked)
{
    MappingChanges result;
    for (int column = 0; column < shownValues.size(); ++column) {
        const int cv = FirstCv + column;
        if (locked.value(column)) {
            result.lockedCvs.append(cv);
            continue;
        }
        const int typed = shownValues[column];
        const int byte = typed & 0xff;
        const int old = answered.value(column) ? decoderValues.value(column, -1) : -1;
        if (old != byte)
            result.changes.append({cv, old, typed, byte});
    }
    return result;
}

QMap<int, int> MappingChanges::toWrite() const
{
    QMap<int, int> values;
    for (const MappingChange &change : changes)
        values.insert(change.cv, change.byte);
    return values;
}

QStringList MappingChanges::lines() const
{
    QStringList text;
    for (const MappingChange &change : changes) {
        const QString old = change.decoderValue < 0 ? QStringLiteral("?") : QString::number(change.decoderValue);
        QString line = QStringLiteral("CV%1: %2 → %3").arg(change.cv).arg(old).arg(change.byte);
        if (change.typed != change.byte)
            line += QStringLiteral(" (%1 → %2)").arg(change.typed).arg(change.byte);
        text << line;
    }
    if (!lockedCvs.isEmpty()) {
        QStringList names;
        for (int cv : lockedCvs)
            names << QStringLiteral("CV%1").arg(cv);
        text << QCoreApplication::translate("MappingChanges", "Gesperrt und nie geschrieben: %1.")
                    .arg(names.join(QStringLiteral(", ")));
    }
    return text;
}
