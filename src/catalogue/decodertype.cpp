#include "decodertype.h"

QStringList defaultOutputNames()
{
    // Built once and shared: every section starts from a copy of it.
    static const QStringList names = [] {
        QStringList list;
        // Exactly this long: every section's copy is made as long as the list copied.
        list.reserve(OutputCount + 2);
        for (int output = 0; output < OutputCount; ++output)
            list.append(QString());
        // The window shows these two in the user's language; an output's name stays as written.
        list << QStringLiteral(QT_TRANSLATE_NOOP("MainWindow", "CV"))
             << QStringLiteral(QT_TRANSLATE_NOOP("MainWindow", "Wert"));
        return list;
    }();
    return names;
}
