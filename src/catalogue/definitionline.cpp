#include "definitionline.h"

#include "decodertype.h"

namespace {

// What QStringRef::toInt() gives. Up to nine ASCII digits after an optional
// sign, the common case, are read here: toInt() converts through the C
// locale, which costs more than the rest of a line's parsing.
int wholeNumber(const QStringRef &text)
{
    const QChar *digit = text.unicode();
    const QChar *const end = digit + text.size();
    const bool negative = digit != end && *digit == QLatin1Char('-');
    if (digit != end && (negative || *digit == QLatin1Char('+')))
        ++digit;
    if (end - digit < 1 || end - digit > 9)
        return text.toInt();
    int value = 0;
    for (; digit != end; ++digit) {
        if (digit->unicode() < '0' || digit->unicode() > '9')
            return text.toInt();
        value = value * 10 + (digit->unicode() - '0');
    }
    return negative ? -value : value;
}

// Where `c` first stands at or after `from`, or -1. Lines are short and the
// sought character comes early: a plain loop beats a call to QString::indexOf().
int find(const QString &line, QLatin1Char c, int from)
{
    for (int k = from; k < line.size(); ++k) {
        if (line.at(k) == c)
            return k;
    }
    return -1;
}

// The line from `from` on, less the white space at either end: what
// QStringRef::trimmed() leaves, found here without the call.
QStringRef trimmedRest(const QString &line, int from)
{
    int to = line.size();
    while (from < to && line.at(from).isSpace())
        ++from;
    while (to > from && line.at(to - 1).isSpace())
        --to;
    return QStringRef(&line, from, to - from);
}

// The number that follows a line's prefix reaches up to the first blank,
// whose place goes to `blank`; a line without a blank carries no number at all.
int numberAfterPrefix(const QString &line, int prefixLength, int &blank)
{
    blank = find(line, QLatin1Char(' '), prefixLength);
    if (blank < 0)
        return 0;
    return wholeNumber(QStringRef(&line, prefixLength, blank - prefixLength));
}

DefinitionLineRef sectionHeader(const QString &line)
{
    DefinitionLineRef parsed;
    parsed.kind = DefinitionLine::SectionHeader;
    parsed.text = QStringRef(&line, 1, line.size() - 2);
    return parsed;
}

// The name is meant to stand between the first double quote and the line's
// last character; without a quote the whole line, less that character, is taken.
DefinitionLineRef outputName(const QString &line)
{
    DefinitionLineRef parsed;
    int blank = 0;
    const int number = numberAfterPrefix(line, 1, blank);
    if (number < 1 || number > OutputCount)
        return parsed;
    parsed.kind = DefinitionLine::OutputName;
    parsed.number = number;
    // A number that passed holds no quote: the search may start after it.
    const int start = find(line, QLatin1Char('"'), blank) + 1;
    parsed.text = QStringRef(&line, start, qMax(0, line.size() - start - 1));
    return parsed;
}

DefinitionLineRef cvValue(const QString &line)
{
    DefinitionLineRef parsed;
    int blank = 0;
    const int number = numberAfterPrefix(line, 2, blank);
    if (number < FirstCv || number >= FirstCv + CvCount)
        return parsed;
    parsed.kind = DefinitionLine::CvValue;
    parsed.number = number;
    // A number that passed holds no equals sign: the search may start after it.
    const int start = find(line, QLatin1Char('='), blank) + 1;
    parsed.text = trimmedRest(line, start);
    parsed.value = wholeNumber(parsed.text);
    return parsed;
}

} // namespace

DefinitionLineRef parseDefinitionLineInPlace(const QString &line)
{
    // Told apart by their first characters, compared in place.
    const QChar first = line.isEmpty() ? QChar() : line.front();
    if (first == QLatin1Char('[') && line.back() == QLatin1Char(']'))
        return sectionHeader(line);
    if (first == QLatin1Char('i'))
        return outputName(line);
    if (first == QLatin1Char('C') && line.size() > 1 && line.at(1) == QLatin1Char('V'))
        return cvValue(line);
    return DefinitionLineRef();
}

DefinitionLine parseDefinitionLine(const QString &line)
{
    const DefinitionLineRef inPlace = parseDefinitionLineInPlace(line);
    DefinitionLine parsed;
    parsed.kind = inPlace.kind;
    parsed.number = inPlace.number;
    parsed.text = inPlace.text.toString();
    parsed.value = inPlace.value;
    return parsed;
}

QString definitionLines(const DecoderType &type)
{
    // A header is the name between brackets and an output name whatever
    // follows the first double quote, less the last character: any name
    // without a line end reads back as written.
    QString lines = QLatin1Char('[') + type.name + QLatin1String("]\n");
    for (int output = 1; output <= OutputCount; ++output) {
        lines += QStringLiteral("i%1 = \"").arg(output) + type.outputNames.value(output - 1)
                 + QLatin1String("\"\n");
    }
    for (int position = 0; position < CvCount; ++position)
        lines += QStringLiteral("CV%1 = %2\n").arg(FirstCv + position).arg(type.cvValues[position]);
    return lines;
}
