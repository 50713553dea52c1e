#include "droppedfile.h"

#include "textencoding.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

namespace {

DroppedFile refused(const QString &sentence)
{
    return {QString(), sentence};
}

} // namespace

DroppedFile readDroppedFile(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (info.isDir())
        return refused(QCoreApplication::translate("MainWindow", "Nichts eingefügt: „%1“ ist ein Ordner.").arg(name));
    const QString suffix = info.suffix().toLower();
    if (suffix != QLatin1String("xml") && suffix != QLatin1String("csv") && suffix != QLatin1String("txt") &&
        suffix != QLatin1String("ini"))
        return refused(QCoreApplication::translate("MainWindow", "Nichts eingefügt: gelesen werden nur .xml-, .csv-, "
                                                                 ".txt- und .ini-Dateien, nicht „%1“.")
                           .arg(name));
    if (info.size() > LargestDroppedFile)
        return refused(
            QCoreApplication::translate("MainWindow", "Nichts eingefügt: „%1“ ist größer als 10 MB.").arg(name));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QCoreApplication::translate("MainWindow", "Nichts eingefügt: „%1“ lässt sich nicht lesen (%2).")
                           .arg(name, file.errorString()));
    // Read no more than the limit, should the file have grown since it was measured.
    const QByteArray bytes = file.read(LargestDroppedFile + 1);
    if (bytes.size() > LargestDroppedFile)
        return refused(
            QCoreApplication::translate("MainWindow", "Nichts eingefügt: „%1“ ist größer als 10 MB.").arg(name));
    const DefinitionEncoding encoding = definitionEncoding(bytes.constData(), bytes.size());
    QTextCodec::ConverterState state;
    const QString text = encoding.codec->toUnicode(bytes.constData(), bytes.size(), &state);
    // Where the system itself writes UTF-8, bytes that are no UTF-8 are in no encoding known here.
    const bool brokenUtf8 = encoding.reason == DefinitionEncoding::SystemEncoding && encoding.codec->mibEnum() == 106;
    if (brokenUtf8 || state.invalidChars > 0 || state.remainingChars > 0)
        return refused(QCoreApplication::translate("MainWindow", "Nichts eingefügt: „%1“ ist weder UTF-8 noch in der "
                                                                 "Zeichenkodierung des Systems geschrieben.")
                           .arg(name));
    return {text, QString()};
}
