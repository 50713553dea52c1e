#include "pastedvalues.h"

#include "definitionline.h"

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// What stands between the numbers of a spreadsheet's row or column, or
// between list entries. ASCII is told apart here: a paste may be megabytes.
bool isSeparator(QChar c)
{
    const ushort u = c.unicode();
    if (u < 0x80)
        return u == ' ' || (u >= '\t' && u <= '\r') || u == ',' || u == ';';
    return c.isSpace();
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// A whole decimal number as the list reads one: an optional sign, then digits.
bool isWholeNumber(const QStringRef &text)
{
    int k = 0;
    if (k < text.size() && (text.at(k) == QLatin1Char('-') || text.at(k) == QLatin1Char('+')))
        ++k;
    if (k == text.size())
        return false;
    for (; k < text.size(); ++k) {
        if (!isDigit(text.at(k)))
            return false;
    }
    return true;
}

bool isByteValue(const QStringRef &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok && value >= 0 && value <= 255;
}

// A part of the text as a status line can show it: short, and without
// characters that would show as nothing or break the line.
QString excerpt(const QStringRef &text)
{
    constexpr int longest = 20;
    QString shown = text.left(longest).toString();
    for (QChar &c : shown) {
        if (!c.isPrint())
            c = QChar::ReplacementCharacter;
    }
    return text.size() > longest ? shown + QChar(0x2026) : shown;
}

class Collector
{
public:
    Collector(const std::array<bool, CvCount> &locked) : locked(locked) {}

    // A value meant for a column; the column may refuse it.
    void offer(int column, const QString &cv, const QStringRef &value)
    {
        if (locked[column]) {
            problem(PasteProblem::LockedCv, cv, value);
            return;
        }
        if (!isWholeNumber(value)) {
            problem(PasteProblem::NotANumber, cv, value);
            return;
        }
        if (!isByteValue(value))
            problem(PasteProblem::OutOfRange, cv, value);
        texts[column] = value.toString();
        given[column] = true;
    }

    void problem(PasteProblem::Kind kind, const QString &cv, const QStringRef &text)
    {
        if (result.problems.size() < NamedPasteProblems)
            result.problems.append({kind, cv, excerpt(text)});
        else
            ++result.unlistedProblems;
    }

    PastedValues finish()
    {
        for (int column = 0; column < CvCount; ++column) {
            if (given[column])
                result.values.append({column, texts[column]});
        }
        return std::move(result);
    }

private:
    const std::array<bool, CvCount> &locked;
    std::array<QString, CvCount> texts;
    std::array<bool, CvCount> given{};
    PastedValues result;
};

// "CV", in either case, as a word of its own, followed by a number, blanks allowed between.
bool startsCvMention(const QString &text, int at, int end)
{
    const ushort first = text.at(at).unicode();
    if ((first != 'c' && first != 'C') || at + 2 >= end)
        return false;
    const ushort second = text.at(at + 1).unicode();
    if (second != 'v' && second != 'V')
        return false;
    if (at > 0 && text.at(at - 1).isLetterOrNumber())
        return false;
    int k = at + 2;
    while (k < end && isBlank(text.at(k)))
        ++k;
    return k < end && isDigit(text.at(k));
}

// Lines that name a decoder type or an output, as a copy writes them, hold no values.
bool namesTypeOrOutput(const QString &text, int begin, int end)
{
    if (begin == end || (text.at(begin) != QLatin1Char('[') && text.at(begin) != QLatin1Char('i')))
        return false;
    return parseDefinitionLineInPlace(text.mid(begin, end - begin)).kind != DefinitionLine::Ignored;
}

int skipBlanks(const QString &text, int k, int end)
{
    while (k < end && isBlank(text.at(k)))
        ++k;
    return k;
}

// Every "CVnn = value" or "CVnn: value" of one line.
void readListLine(const QString &text, int begin, int end, Collector &collector)
{
    for (int k = begin; k < end;) {
        if (!startsCvMention(text, k, end)) {
            ++k;
            continue;
        }
        const int numberStart = skipBlanks(text, k + 2, end);
        k = numberStart;
        while (k < end && isDigit(text.at(k)))
            ++k;
        const QStringRef number(&text, numberStart, k - numberStart);
        k = skipBlanks(text, k, end);
        int valueStart = k;
        if (k < end && (text.at(k) == QLatin1Char('=') || text.at(k) == QLatin1Char(':'))) {
            valueStart = k = skipBlanks(text, k + 1, end);
            while (k < end && !isSeparator(text.at(k)))
                ++k;
        }
        const QStringRef value(&text, valueStart, k - valueStart);
        const int cv = number.size() <= 9 ? number.toInt() : 0;
        if (cv < FirstCv || cv >= FirstCv + CvCount)
            collector.problem(PasteProblem::NoSuchCv, excerpt(number), value);
        else
            collector.offer(cv - FirstCv, QString::number(cv), value);
    }
}

void readList(const QString &text, Collector &collector)
{
    for (int begin = 0; begin < text.size();) {
        int end = begin;
        while (end < text.size() && !isLineEnd(text.at(end)))
            ++end;
        if (!namesTypeOrOutput(text, begin, end))
            readListLine(text, begin, end, collector);
        begin = end + 1;
    }
}

// Position by position from the start column: a locked column takes its
// number's place, as a spreadsheet's protected cell would.
void readRun(const QString &text, int startColumn, Collector &collector)
{
    int column = startColumn;
    for (int k = 0; k < text.size();) {
        while (k < text.size() && isSeparator(text.at(k)))
            ++k;
        const int start = k;
        while (k < text.size() && !isSeparator(text.at(k)))
            ++k;
        if (k == start)
            break;
        const QStringRef number(&text, start, k - start);
        if (column >= CvCount) {
            collector.problem(PasteProblem::NoColumnLeft, QString(), number);
            return;
        }
        collector.offer(column, QString::number(FirstCv + column), number);
        ++column;
    }
}

// Looks at every character of what may be megabytes: a C is rare enough to
// be the only one looked at closer.
bool mentionsCv(const QString &text)
{
    const QChar *const begin = text.constData();
    const QChar *const end = begin + text.size();
    for (const QChar *c = begin; c != end; ++c) {
        if ((c->unicode() | 0x20) == 'c' && startsCvMention(text, int(c - begin), text.size()))
            return true;
    }
    return false;
}

} // namespace

PastedValues readPastedValues(const QString &text, int startColumn, const std::array<bool, CvCount> &locked)
{
    Collector collector(locked);
    if (mentionsCv(text))
        readList(text, collector);
    else
        readRun(text, qBound(0, startColumn, CvCount), collector);
    return collector.finish();
}
