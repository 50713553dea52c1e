#include "decoderlists.h"

#include "console.h"

#include <QDir>
#include <QFile>

namespace fmbench {

QString decoderListIn(const QString &directory)
{
    return QDir(directory).filePath(QStringLiteral("decoders.ini"));
}

void writeDecoderList(const QString &directory, const QByteArray &contents)
{
    QFile file(decoderListIn(directory));
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        fail("cannot write a decoder list");
}

QByteArray generatedDecoderList(int types)
{
    static const char *const names[] = {
        "Licht vorwärts", "Licht rückwärts", "Führerstandsbeleuchtung", "Innenbeleuchtung",
        "Rauchgenerator", "Kupplung vorn", "Kupplung hinten", "Rangierlicht", "Fernlicht",
        "Sound an/aus", "Pfeife", "Glocke", "Kompressor", "Ausgang A1", "Ausgang A2",
        "Ausgang A3", "Ausgang A4", "Ausgang A5", "Ausgang A6", "Ausgang A7",
    };
    constexpr int nameCount = int(sizeof names / sizeof names[0]);
    QByteArray list("\xEF\xBB\xBF; Erzeugte Decoderliste\n");
    list.reserve(types * 460);
    for (int type = 1; type <= types; ++type) {
        list += "\n[Decodertyp " + QByteArray::number(type) + "]\n";
        for (int output = 1; output <= 14; ++output) {
            list += 'i' + QByteArray::number(output) + " = \"";
            list += names[(type + output * 3) % nameCount];
            list += "\"\n";
        }
        for (int position = 0; position < 14; ++position) {
            const int value = (type * 7 + position * 13) % 256;
            list += "CV" + QByteArray::number(33 + position) + " = "
                    + QByteArray::number(type % 50 == 0 && position < 2 ? -value : value) + '\n';
        }
    }
    return list;
}

} // namespace fmbench
