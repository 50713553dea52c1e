#include "definitionline.h"

#include "decodertype.h"

namespace {

// The number that follows a line's prefix reaches up to the first blank;
// a line without a blank carries no number at all.
int numberAfterPrefix(const QString &line, int prefixLength)
{
    const int blank = line.indexOf(QLatin1Char(' '), prefixLength);
    if (blank < 0)
        return 0;
    return line.midRef(prefixLength, blank - prefixLength).toInt();
}

DefinitionLine sectionHeader(const QString &line)
{
    DefinitionLine parsed;
    parsed.kind = DefinitionLine::SectionHeader;
    parsed.text = line.mid(1, line.size() - 2);
    return parsed;
}

// The name is meant to stand between the first double quote and the line's
// last character; without a quote the whole line, less that character, is taken.
DefinitionLine outputName(const QString &line)
{
    DefinitionLine parsed;
    const int number = numberAfterPrefix(line, 1);
    if (number < 1 || number > OutputCount)
        return parsed;
    parsed.kind = DefinitionLine::OutputName;
    parsed.number = number;
    parsed.text = line.mid(line.indexOf(QLatin1Char('"')) + 1);
    parsed.text.chop(1);
    return parsed;
}

DefinitionLine cvValue(const QString &line)
{
    DefinitionLine parsed;
    const int number = numberAfterPrefix(line, 2);
    if (number < FirstCv || number >= FirstCv + CvCount)
        return parsed;
    parsed.kind = DefinitionLine::CvValue;
    parsed.number = number;
    parsed.text = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    parsed.value = parsed.text.toInt();
    return parsed;
}

} // namespace

DefinitionLine parseDefinitionLine(const QString &line)
{
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
        return sectionHeader(line);
    if (line.startsWith(QLatin1Char('i')))
        return outputName(line);
    if (line.startsWith(QLatin1String("CV")))
        return cvValue(line);
    return DefinitionLine();
}
