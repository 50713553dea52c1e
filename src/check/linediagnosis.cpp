#include "linediagnosis.h"

#include "definitionline.h"
#include "ignoredline.h"
#include "linetext.h"

bool LineDiagnosis::diagnose(const QString &line, const DefinitionLineRef &recognised, Finding &finding)
{
    switch (recognised.kind) {
    case DefinitionLine::SectionHeader:
        // An empty name, and names met twice, are a matter of the whole list.
        if (recognised.text.isEmpty() || !isOnlySpace(recognised.text))
            return false;
        finding.effect = Finding::ReadOtherwise;
        finding.column = 2;
        finding.message = tr("%1 names a decoder type with blanks only: the choice shows it as an empty entry")
                              .arg(quoted(line));
        return true;
    case DefinitionLine::OutputName:
        return diagnoseOutputName(line, recognised, finding);
    case DefinitionLine::CvValue:
        return diagnoseCvValue(line, recognised, finding);
    case DefinitionLine::Ignored:
        break;
    }
    return IgnoredLine::diagnose(line, finding);
}

bool LineDiagnosis::diagnoseOutputName(const QString &line, const DefinitionLineRef &recognised, Finding &finding)
{
    const int opening = line.indexOf(QLatin1Char('"'));
    const int closing = opening < 0 ? -1 : line.indexOf(QLatin1Char('"'), opening + 1);
    // A line that ends in its closing quote gives the name as written, any
    // double quotes between included.
    if (closing >= 0 && line.endsWith(QLatin1Char('"')))
        return false;
    const QString name = recognised.text.toString();
    finding.effect = Finding::ReadOtherwise;
    if (opening < 0) {
        finding.column = columnOf(line, line.indexOf(QLatin1Char(' ')) + 1);
        finding.message = tr("%1 names output %2 '%3': without double quotes the name is the whole line "
                             "less its last character")
                              .arg(quoted(line))
                              .arg(recognised.number)
                              .arg(name);
        return true;
    }
    if (closing < 0) {
        finding.column = columnOf(line, line.size());
        finding.message = tr("%1 names output %2 '%3': the name needs a closing double quote at the end "
                             "of the line, or its last character is dropped")
                              .arg(quoted(line))
                              .arg(recognised.number)
                              .arg(name);
        return true;
    }
    finding.column = columnOf(line, closing + 1);
    finding.message = tr("%1 names output %2 '%3': the name runs to the line's last character but one, "
                         "so nothing may follow the closing double quote, not even a blank")
                          .arg(quoted(line))
                          .arg(recognised.number)
                          .arg(name);
    return true;
}

bool LineDiagnosis::diagnoseCvValue(const QString &line, const DefinitionLineRef &recognised, Finding &finding)
{
    const int cv = recognised.number;
    const QStringRef text = recognised.text;
    const int start = text.position();
    finding.effect = Finding::ReadOtherwise;
    bool isNumber = true;
    if (recognised.value == 0)
        text.toInt(&isNumber);
    if (isNumber) {
        const qint64 value = recognised.value;
        if (value >= -255 && value <= 255)
            return false;
        finding.column = columnOf(line, start);
        const qint64 magnitude = qAbs(value);
        if (value > 0) {
            finding.message = tr("%1 sets CV%2 to %3, more than a CV can hold (0 to 255): the boxes show "
                                 "only its low eight bits, %4")
                                  .arg(quoted(line))
                                  .arg(cv)
                                  .arg(value)
                                  .arg(magnitude & 0xff);
        } else {
            finding.message = tr("%1 sets CV%2 to %3: a locked value goes down to -255 only, and the boxes "
                                 "show only the low eight bits of %4, %5")
                                  .arg(quoted(line))
                                  .arg(cv)
                                  .arg(value)
                                  .arg(magnitude)
                                  .arg(magnitude & 0xff);
        }
        return true;
    }
    if (line.indexOf(QLatin1Char('=')) < 0) {
        finding.column = columnOf(line, line.indexOf(QLatin1Char(' ')) + 1);
        finding.message = tr("%1 stores 0 in CV%2: without '=' the whole line is taken as the value")
                              .arg(quoted(line))
                              .arg(cv);
        return true;
    }
    if (text.isEmpty()) {
        finding.column = columnOf(line, line.size());
        finding.message = tr("%1 stores 0 in CV%2: the value after '=' is missing").arg(quoted(line)).arg(cv);
        return true;
    }
    const QString value = text.toString();
    const int numberEnd = endOfNumber(line, start);
    if (value.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        finding.column = columnOf(line, start);
        finding.message = tr("%1 stores 0 in CV%2: values are read in decimal only, so '%3' is no number")
                              .arg(quoted(line))
                              .arg(cv)
                              .arg(value);
    } else if (numberEnd == start) {
        finding.column = columnOf(line, start);
        finding.message = tr("%1 stores 0 in CV%2: '%3' is not a whole decimal number")
                              .arg(quoted(line))
                              .arg(cv)
                              .arg(value);
    } else if (numberEnd == start + text.size()) {
        finding.column = columnOf(line, start);
        finding.message = tr("%1 stores 0 in CV%2: %3 is too large to be read as a number")
                              .arg(quoted(line))
                              .arg(cv)
                              .arg(value);
    } else {
        const int junk = skipBlanks(line, numberEnd);
        finding.column = columnOf(line, junk);
        finding.message = tr("%1 stores 0 in CV%2, not %3: the value must be a whole decimal number and "
                             "nothing else, but '%4' follows it")
                              .arg(quoted(line))
                              .arg(cv)
                              .arg(line.mid(start, numberEnd - start))
                              .arg(line.mid(junk, start + text.size() - junk));
    }
    return true;
}
