#include "linediagnosis.h"

#include "decodertype.h"
#include "definitionline.h"

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Where the digits that follow `from`, after an optional sign, end; `from`
// itself when no digit follows.
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

// Characters that look like a blank, or nothing at all, and are not one.
bool isBlankLookalike(QChar c)
{
    return (c.isSpace() && !isBlank(c)) || c == QChar(0xfeff);
}

// U+00A0 for a no-break space.
QString codePoint(QChar c)
{
    return QStringLiteral("U+") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

} // namespace

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

QString LineDiagnosis::quoted(const QString &line)
{
    return QLatin1Char('\'') + line + QLatin1Char('\'');
}

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
    return diagnoseIgnored(line, finding);
}

bool LineDiagnosis::looksMeant(const QString &line)
{
    if (parseDefinitionLineInPlace(line).kind != DefinitionLine::Ignored)
        return true;
    Finding unused;
    return diagnoseIgnored(line, unused);
}

bool LineDiagnosis::diagnoseOutputName(const QString &line, const DefinitionLineRef &recognised, Finding &finding)
{
    const int opening = line.indexOf(QLatin1Char('"'));
    const int closing = opening < 0 ? -1 : line.indexOf(QLatin1Char('"'), opening + 1);
    if (closing == line.size() - 1)
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

bool LineDiagnosis::diagnoseIgnored(const QString &line, Finding &finding)
{
    if (line.isEmpty())
        return false;
    finding.effect = Finding::Ignored;
    finding.column = 1;
    const QChar first = line.at(0);
    if (first.isSpace() || first == QChar(0xfeff)) {
        int start = 0;
        while (start < line.size() && (line.at(start).isSpace() || line.at(start) == QChar(0xfeff)))
            ++start;
        if (!looksMeant(line.mid(start)))
            return false;
        QString what = tr("a blank");
        if (first == QLatin1Char('\t'))
            what = tr("a tab");
        else if (first == QChar(0xfeff))
            what = tr("an invisible byte-order mark (U+FEFF)");
        else if (!isBlank(first))
            what = tr("an invisible character (%1)").arg(codePoint(first));
        finding.message = tr("%1 is ignored: it must begin at the very start of the line, but %2 stands in front")
                              .arg(quoted(line), what);
        return true;
    }
    if (first == QLatin1Char('[')) {
        const int closing = line.lastIndexOf(QLatin1Char(']'));
        if (closing < 0) {
            finding.column = columnOf(line, line.size());
            finding.message = tr("%1 is ignored: a section header must end with ']'").arg(quoted(line));
        } else {
            finding.column = columnOf(line, closing + 1);
            const bool blanks = isOnlySpace(line.midRef(closing + 1));
            finding.message = blanks ? tr("%1 is ignored: a section header must end with ']', but blanks "
                                          "follow it")
                                           .arg(quoted(line))
                                     : tr("%1 is ignored: a section header must end with ']', but text "
                                          "follows it")
                                           .arg(quoted(line));
        }
        return true;
    }
    if (first == QLatin1Char('i'))
        return diagnoseNumber(line, 1, true, finding);
    if (line.startsWith(QLatin1String("CV")))
        return diagnoseNumber(line, 2, false, finding);
    // Letter case decides: these would be output and CV lines in lower case.
    const int prefixLength = first == QLatin1Char('I')                                      ? 1
                             : line.startsWith(QLatin1String("cv"), Qt::CaseInsensitive) ? 2
                                                                                          : 0;
    if (prefixLength == 0)
        return false;
    const int next = skipBlanks(line, prefixLength);
    if (next == line.size() || !isAsciiDigit(line.at(next)))
        return false;
    finding.message = prefixLength == 1
        ? tr("%1 is ignored: an output line starts with a lower-case 'i'").arg(quoted(line))
        : tr("%1 is ignored: a CV line starts with upper-case 'CV'").arg(quoted(line));
    return true;
}

// The window ignored a line that starts as an output or CV line; says why
// if what follows the prefix looks like a number.
bool LineDiagnosis::diagnoseNumber(const QString &line, int prefixLength, bool output, Finding &finding)
{
    const int end = endOfNumber(line, prefixLength);
    finding.column = prefixLength + 1;
    if (end == prefixLength) {
        const int next = skipBlanks(line, prefixLength);
        if (next < line.size() && next > prefixLength && isAsciiDigit(line.at(next))) {
            finding.message = output ? tr("%1 is ignored: the output number must follow 'i' directly, without "
                                          "a blank")
                                           .arg(quoted(line))
                                     : tr("%1 is ignored: the CV number must follow 'CV' directly, without a "
                                          "blank")
                                           .arg(quoted(line));
            return true;
        }
        if (next < line.size() && line.at(next) == QLatin1Char('=')) {
            finding.message = output ? tr("%1 is ignored: the output number is missing after 'i'").arg(quoted(line))
                                     : tr("%1 is ignored: the CV number is missing after 'CV'").arg(quoted(line));
            return true;
        }
        return false;
    }
    const QString number = line.mid(prefixLength, end - prefixLength);
    if (end < line.size() && isBlank(line.at(end))) {
        finding.message = output ? tr("%1 is ignored: there is no output %2; outputs are numbered 1 to %3")
                                       .arg(quoted(line), number)
                                       .arg(OutputCount)
                                 : tr("%1 is ignored: only CV%2 to CV%3, the function-mapping CVs, are read")
                                       .arg(quoted(line))
                                       .arg(FirstCv)
                                       .arg(FirstCv + CvCount - 1);
        return true;
    }
    if (end < line.size() && line.at(end).isLetterOrNumber()) {
        int wordEnd = end;
        while (wordEnd < line.size() && line.at(wordEnd).isLetterOrNumber())
            ++wordEnd;
        finding.message = output ? tr("%1 is ignored: '%2' is not an output number")
                                       .arg(quoted(line), line.mid(prefixLength, wordEnd - prefixLength))
                                 : tr("%1 is ignored: '%2' is not a CV number")
                                       .arg(quoted(line), line.mid(prefixLength, wordEnd - prefixLength));
        return true;
    }
    finding.column = columnOf(line, end);
    if (end < line.size() && isBlankLookalike(line.at(end))) {
        const QChar c = line.at(end);
        const QString what = c == QLatin1Char('\t') ? tr("a tab")
                             : c == QChar(0x00a0) ? tr("a no-break space")
                                                  : codePoint(c);
        finding.message = output ? tr("%1 is ignored: a blank must follow the output number, and %2 is none")
                                       .arg(quoted(line), what)
                                 : tr("%1 is ignored: a blank must follow the CV number, and %2 is none")
                                       .arg(quoted(line), what);
        return true;
    }
    finding.message = output ? tr("%1 is ignored: a blank must follow the output number").arg(quoted(line))
                             : tr("%1 is ignored: a blank must follow the CV number").arg(quoted(line));
    return true;
}
