#include "linetext.h"

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int endOfNumber(const QString &line, int from)
{
    int k = from;
    if (k < line.size() && (line.at(k) == QLatin1Char('+') || line.at(k) == QLatin1Char('-')))
        ++k;
    const int digits = k;
    while (k < line.size() && isAsciiDigit(line.at(k)))
        ++k;
    return k == digits ? from : k;
}

int skipBlanks(const QString &line, int from)
{
    while (from < line.size() && line.at(from).isSpace())
        ++from;
    return from;
}

bool isOnlySpace(const QStringRef &text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

bool isBlankLookalike(QChar c)
{
    return (c.isSpace() && !isBlank(c)) || c == QChar(0xfeff);
}

QString codePoint(QChar c)
{
    return QStringLiteral("U+") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

int columnOf(const QString &line, int index)
{
    int column = 1;
    for (int k = 0; k < index && k < line.size(); ++k) {
        // The second half of a surrogate pair is no character of its own.
        if (!line.at(k).isLowSurrogate() || k == 0 || !line.at(k - 1).isHighSurrogate())
            ++column;
    }
    return column + qMax(0, index - int(line.size()));
}

QString quoted(const QString &line)
{
    return QLatin1Char('\'') + line + QLatin1Char('\'');
}
