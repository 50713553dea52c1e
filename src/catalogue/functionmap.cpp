#include "functionmap.h"

#include "decodertype.h"

#include <QRegularExpression>

int outputWindowStart(int column)
{
    if (column <= 4)
        return 0;
    if (column <= 9)
        return 3;
    return 6;
}

int maskBits(const QStringRef &mask)
{
    if (mask.isNull())
        return 0xff;
    if (mask.isEmpty() || mask.size() > 8)
        return 0;
    int bits = 0;
    for (const QChar c : mask) {
        bits <<= 1;
        if (c == QLatin1Char('V'))
            bits |= 1;
        else if (c != QLatin1Char('X'))
            return 0;
    }
    // The field's bits must lie side by side for its number to fill them.
    const int low = bits & -bits;
    return bits != 0 && ((bits + low) & bits) == 0 ? bits : 0;
}

int fieldDefault(int bits, int value)
{
    if (bits == 0 || value < -1)
        return -1;
    if (value == -1)
        return 0;
    const qint64 shifted = qint64(value) * (bits & -bits);
    return (shifted & ~qint64(bits)) == 0 ? int(shifted) : -1;
}

MapItem parseMapItem(const QString &item)
{
    // F0 is "FL" in the older files' spelling; only F0 has a direction in the NMRA layout.
    static const QRegularExpression pattern(QStringLiteral("^\\s*F(L|\\d{1,4})(?:\\((f|r)\\))?\\s+controls\\s+output\\s+"
                                                           "(\\d{1,4})\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(item);
    MapItem parsed;
    if (!match.hasMatch())
        return parsed;
    parsed.isMapItem = true;
    parsed.output = match.capturedRef(3).toInt();
    const QStringRef function = match.capturedRef(1);
    const QStringRef direction = match.capturedRef(2);
    const bool light = function.compare(QLatin1String("L"), Qt::CaseInsensitive) == 0;
    const int number = light ? 0 : function.toInt();
    if (number == 0) {
        if (!direction.isEmpty())
            parsed.column = direction.compare(QLatin1String("r"), Qt::CaseInsensitive) == 0 ? 1 : 0;
        // F0 without a direction switches in both, which no single column holds.
    } else if (number <= CvCount - 2 && direction.isEmpty() && !light) {
        parsed.column = number + 1;
    }
    return parsed;
}
