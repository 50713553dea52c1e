#include "mistypedlists.h"

namespace {

const char *const Names[] = {"Licht vorwärts", "Licht rückwärts", "Führerstand", "Rauch", "Sound", "Kupplung",
                             "Horn", "Glocke", "A1", ""};
const char *const Types[] = {"Standard", "Diesel", "Dampflok", "Triebwagen", "Diesel"};

template<typename T, int N>
const T &pick(QRandomGenerator &random, const T (&items)[N])
{
    return items[random.bounded(N)];
}

QString replaceFirst(QString line, const QString &from, const QString &to)
{
    const int at = line.indexOf(from);
    return at < 0 ? line : line.replace(at, from.size(), to);
}

// One mistake of the kinds people make, or a harmless variant.
QString mistyped(const QString &line, QRandomGenerator &random)
{
    const bool header = line.startsWith(QLatin1Char('['));
    const bool output = line.startsWith(QLatin1Char('i'));
    switch (random.bounded(22)) {
    case 0: return line.toLower();
    case 1: return output ? QLatin1Char('I') + line.mid(1) : QStringLiteral("Cv") + line.mid(2);
    case 2: return replaceFirst(line, QStringLiteral(" ="), QStringLiteral("="));
    case 3: return replaceFirst(line, QStringLiteral(" ="), QStringLiteral("\t="));
    case 4: return QLatin1Char(' ') + line;
    case 5: return line + QLatin1Char(' ');
    case 6: return line + QStringLiteral(" ; vorn");
    case 7: return replaceFirst(line, QStringLiteral("= "), QString());
    case 8: return replaceFirst(line, QStringLiteral("\""), QString());
    case 9: return line.left(line.size() - 1);
    case 10: return header ? QStringLiteral("[]") : replaceFirst(line, QStringLiteral(" "), QStringLiteral("  "));
    case 11: return output ? QStringLiteral("i 1") + line.mid(2) : QStringLiteral("CV ") + line.mid(2);
    case 12: return output ? QStringLiteral("i15") + line.mid(line.indexOf(QLatin1Char(' ')))
                           : QStringLiteral("CV47") + line.mid(line.indexOf(QLatin1Char(' ')));
    case 13: return line.section(QLatin1Char('='), 0, 0) + QStringLiteral("= 0x10");
    case 14: return line.section(QLatin1Char('='), 0, 0) + QStringLiteral("= 300");
    case 15: return line.section(QLatin1Char('='), 0, 0) + QStringLiteral("= -300");
    case 16: return line.section(QLatin1Char('='), 0, 0) + QStringLiteral("=");
    case 17: return replaceFirst(line, QStringLiteral(" "), QString(QChar(0x00a0)));
    case 18: return QStringLiteral("; ") + line;
    case 19: return output ? QStringLiteral("i0") + line.mid(line.indexOf(QLatin1Char(' ')))
                           : QStringLiteral("CV32") + line.mid(line.indexOf(QLatin1Char(' ')));
    case 20: return replaceFirst(line, QStringLiteral(" = "), QStringLiteral(" =  "));
    default: return line.section(QLatin1Char('='), 0, 0) + QStringLiteral("= +07");
    }
}

} // namespace

QStringList mistypedList(QRandomGenerator &random)
{
    QStringList lines;
    if (random.bounded(2))
        lines << QStringLiteral("; Decoderliste");
    const int types = 1 + random.bounded(4);
    for (int type = 0; type < types; ++type) {
        lines << QStringLiteral("[%1]").arg(QLatin1String(pick(random, Types)));
        const int count = 3 + random.bounded(12);
        for (int k = 0; k < count; ++k) {
            if (random.bounded(2)) {
                lines << QStringLiteral("i%1 = \"%2\"")
                             .arg(1 + random.bounded(14))
                             .arg(QString::fromUtf8(pick(random, Names)));
            } else {
                const int value = random.bounded(3) ? random.bounded(256) : -random.bounded(256);
                lines << QStringLiteral("CV%1 = %2").arg(33 + random.bounded(14)).arg(value);
            }
        }
        if (random.bounded(3) == 0)
            lines << QString();
    }
    for (QString &line : lines) {
        if (!line.isEmpty() && !line.startsWith(QLatin1Char(';')) && random.bounded(3) == 0)
            line = mistyped(line, random);
    }
    // Now and then a line moved before the first section.
    if (random.bounded(4) == 0)
        lines.prepend(lines.takeAt(random.bounded(lines.size())));
    return lines;
}
