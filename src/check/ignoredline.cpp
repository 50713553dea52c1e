#include "ignoredline.h"

#include "decodertype.h"
#include "definitionline.h"
#include "linetext.h"

bool IgnoredLine::diagnose(const QString &line, Finding &finding)
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
            finding.message = (blanks ? tr("%1 is ignored: a section header must end with ']', but blanks follow it")
                                      : tr("%1 is ignored: a section header must end with ']', but text follows it"))
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

bool IgnoredLine::looksMeant(const QString &line)
{
    if (parseDefinitionLineInPlace(line).kind != DefinitionLine::Ignored)
        return true;
    Finding unused;
    return diagnose(line, unused);
}

// The window ignored a line that starts as an output or CV line; says why
// if what follows the prefix looks like a number.
bool IgnoredLine::diagnoseNumber(const QString &line, int prefixLength, bool output, Finding &finding)
{
    const int end = endOfNumber(line, prefixLength);
    finding.column = prefixLength + 1;
    if (end == prefixLength) {
        const int next = skipBlanks(line, prefixLength);
        if (next < line.size() && next > prefixLength && isAsciiDigit(line.at(next))) {
            finding.message = (output ? tr("%1 is ignored: the output number must follow 'i' directly, without a blank")
                                      : tr("%1 is ignored: the CV number must follow 'CV' directly, without a blank"))
                                  .arg(quoted(line));
            return true;
        }
        if (next < line.size() && line.at(next) == QLatin1Char('=')) {
            finding.message = (output ? tr("%1 is ignored: the output number is missing after 'i'")
                                      : tr("%1 is ignored: the CV number is missing after 'CV'"))
                                  .arg(quoted(line));
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
    finding.message = (output ? tr("%1 is ignored: a blank must follow the output number")
                              : tr("%1 is ignored: a blank must follow the CV number"))
                          .arg(quoted(line));
    return true;
}
