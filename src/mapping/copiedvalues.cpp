#include "copiedvalues.h"

#include <QCoreApplication>

qint32 copiedValue(int boxes, bool locked)
{
    if (!locked)
        return boxes;
    return boxes == 0 ? -256 : -boxes;
}

QStringList copyNotes(const std::array<QString, CvCount> &shown, const std::array<bool, CvCount> &locked)
{
    QStringList notes;
    for (int column = 0; column < CvCount; ++column) {
        // The boxes show the low eight bits of the text as a cell reads it, 0 for no number;
        // a locked column shows its value's magnitude and is copied negative, as it locks.
        bool ok = false;
        const int value = shown[column].toInt(&ok, 10);
        if (ok && value >= 0 && value <= 255)
            continue;
        const qint32 copied = copiedValue(value & 0xff, locked[column]);
        if (shown[column].trimmed().isEmpty())
            notes.append(QCoreApplication::translate("MainWindow", "CV%1 ohne Wert als %2 kopiert (was die Kästchen "
                                                                   "zeigen).")
                             .arg(FirstCv + column)
                             .arg(copied));
        else
            notes.append(QCoreApplication::translate("MainWindow", "CV%1 = %2 als %3 kopiert (was die Kästchen "
                                                                   "zeigen).")
                             .arg(FirstCv + column)
                             .arg(shown[column])
                             .arg(copied));
    }
    return notes;
}
