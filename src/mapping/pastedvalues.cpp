#include "pastedvalues.h"

#include "definitionline.h"
#include "pastecollector.h"

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

int cvNumber(const QStringRef &digits)
{
    if (digits.isEmpty() || digits.size() > 9)
        return 0;
    int number = 0;
    for (const QChar c : digits) {
        if (!isDigit(c))
            return 0;
        number = number * 10 + (c.unicode() - '0');
    }
    return number;
}

namespace {

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

} // namespace

void PasteCollector::offer(int cv, const QStringRef &value, bool tellOtherCvs)
{
    const int column = cv - FirstCv;
    if (column < 0 || column >= CvCount) {
        // Named only where the text gives it a value: "CV1 = |" gives none.
        if (tellOtherCvs && !value.isEmpty())
            problem(PasteProblem::NoSuchCv, cv, value);
        return;
    }
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
    take(column, value, QString());
}

void PasteCollector::offerWorkedOut(int cv, int value)
{
    const int column = cv - FirstCv;
    if (locked[column])
        problem(PasteProblem::LockedCv, cv, QStringRef());
    else
        take(column, QStringRef(), QString::number(value));
}

void PasteCollector::take(int column, const QStringRef &value, const QString &workedOut)
{
    if (has[column]) {
        const QStringRef before = given[column].string() ? given[column] : QStringRef(&worked[column]);
        const QStringRef now = value.string() ? value : QStringRef(&workedOut);
        if (before != now)
            repeated[column] = true;
    }
    has[column] = true;
    given[column] = value;
    worked[column] = workedOut;
}

void PasteCollector::problem(PasteProblem::Kind kind, int cv, const QStringRef &text)
{
    // Compared as written, so that a problem told already costs no copy.
    for (const NamedProblem &named : namedProblems) {
        if (named.kind == kind && named.cv == cv && named.text == text)
            return;
    }
    if (result.problems.size() < NamedPasteProblems) {
        namedProblems.append({kind, cv, text.toString()});
        result.problems.append({kind, QString::number(cv), excerpt(text), 0, 0});
    } else {
        ++result.unlistedProblems;
    }
}

void PasteCollector::refuse(PasteProblem::Kind kind, int count, int room)
{
    result.problems = {PasteProblem{kind, QString(), QString(), count, room}};
    namedProblems.clear();
    result.unlistedProblems = 0;
    has = {};
}

bool PasteCollector::hasValues() const
{
    for (const bool taken : has) {
        if (taken)
            return true;
    }
    return false;
}

PastedValues PasteCollector::finish(PastedValues::Form form, const QString &column)
{
    for (int k = 0; k < CvCount; ++k) {
        if (!has[k])
            continue;
        const bool inText = given[k].string() != nullptr;
        result.values.append({k, inText ? given[k].toString() : worked[k], inText ? given[k].position() : -1});
        if (repeated[k])
            problem(PasteProblem::Repeated, FirstCv + k, QStringRef(&result.values.last().text));
    }
    result.form = result.values.isEmpty() ? PastedValues::Nothing : form;
    if (result.form == PastedValues::Table)
        result.column = column;
    return std::move(result);
}

namespace {

// The cells of a spreadsheet's row or column, in the order it pastes them: a
// tab ends a cell, so an empty cell between two tabs keeps its column; blanks,
// commas, semicolons and line ends part numbers too. `place` gets each
// number with its offset from the first column; returns the columns needed,
// or -1 where anything but numbers stands in the text.
template<typename Place>
int walkRun(const QString &text, Place place)
{
    int offset = 0;
    bool cellUsed = false; // whether the current tab-separated cell held a number
    for (int k = 0; k < text.size();) {
        const QChar c = text.at(k);
        if (c == QLatin1Char('\t')) {
            if (!cellUsed)
                ++offset;
            cellUsed = false;
            ++k;
        } else if (isLineEnd(c)) {
            cellUsed = false;
            ++k;
        } else if (isSeparator(c)) {
            ++k;
        } else {
            const int start = k;
            while (k < text.size() && !isSeparator(text.at(k)))
                ++k;
            const QStringRef number(&text, start, k - start);
            if (!isWholeNumber(number))
                return -1;
            place(offset, number);
            ++offset;
            cellUsed = true;
        }
    }
    return offset;
}

// Lines that name a decoder type, as a copy writes them, split as the list
// reader splits them: at "\n", a "\r" before it dropped, so that a name
// holding a lone "\r" stays one line.
int countSections(const QString &text)
{
    int sections = 0;
    for (int begin = 0; begin < text.size();) {
        int end = text.indexOf(QLatin1Char('\n'), begin);
        if (end < 0)
            end = text.size();
        const int last = end > begin && text.at(end - 1) == QLatin1Char('\r') ? end - 2 : end - 1;
        if (last > begin && text.at(begin) == QLatin1Char('[') && text.at(last) == QLatin1Char(']'))
            ++sections;
        begin = end + 1;
    }
    return sections;
}

// A run whose first three numbers are the CV numbers of the columns they
// would fill, or 33, 34, 35: a table's CV column, copied without its header.
class CvColumnLook
{
public:
    explicit CvColumnLook(int startColumn) : start(startColumn) {}

    void see(int offset, const QStringRef &number)
    {
        if (seen == Needed)
            return;
        const int cv = cvNumber(number);
        ownColumns = ownColumns && cv == FirstCv + start + offset;
        fromFirst = fromFirst && cv == FirstCv + seen;
        ++seen;
    }
    bool isCvColumn() const { return seen == Needed && (ownColumns || fromFirst); }

private:
    static constexpr int Needed = 3;
    int start;
    int seen = 0;
    bool ownColumns = true;
    bool fromFirst = true;
};

bool isBlankText(const QString &text)
{
    for (const QChar c : text) {
        if (!isSeparator(c))
            return false;
    }
    return true;
}

} // namespace

PastedValues readPastedValues(const QString &text, int startColumn, const std::array<bool, CvCount> &locked)
{
    PasteCollector collector(locked);
    if (isBlankText(text))
        return collector.finish(PastedValues::Nothing);
    const int sections = countSections(text);
    if (sections > 1) {
        collector.refuse(PasteProblem::SeveralTypes, sections);
        return collector.finish(PastedValues::Nothing);
    }
    // A copy's lines are read as lines, whatever its names hold.
    const bool copy = sections == 1;
    if (!copy && text.contains(QLatin1String("<CVvalue"))) {
        readJmriRoster(text, collector);
        if (!collector.hasValues() && !collector.hasProblems())
            collector.refuse(PasteProblem::NoCvWithValue, 0);
        return collector.finish(PastedValues::JmriRoster);
    }
    if (!copy && text.contains(QLatin1String("<variable")) && text.contains(QLatin1String("CV="))) {
        readJmriDefinition(text, collector);
        if (!collector.hasValues() && !collector.hasProblems())
            collector.refuse(PasteProblem::NoCvWithValue, 0);
        return collector.finish(PastedValues::JmriDefinition);
    }
    const int start = qBound(0, startColumn, CvCount);
    CvColumnLook cvColumn(start);
    const int needed = walkRun(text, [&](int offset, const QStringRef &number) { cvColumn.see(offset, number); });
    if (needed >= 0) {
        // Said before "too many numbers" where both hold: it names the cause.
        if (cvColumn.isCvColumn()) {
            collector.refuse(PasteProblem::CvNumbers, needed);
            return collector.finish(PastedValues::Nothing);
        }
        if (needed > CvCount - start) {
            collector.refuse(PasteProblem::RunTooLong, needed, CvCount - start);
            return collector.finish(PastedValues::Nothing);
        }
        // A locked column takes its number's place, as a spreadsheet's protected cell would.
        walkRun(text, [&](int offset, const QStringRef &number) {
            collector.offer(FirstCv + start + offset, number, false);
        });
        return collector.finish(PastedValues::Run);
    }
    const LinesRead read = readCvLinesAndTables(text, collector);
    if (!collector.hasValues() && !collector.hasProblems())
        collector.refuse(PasteProblem::NoCvWithValue, 0);
    if (read.fromTable)
        return collector.finish(PastedValues::Table, read.column);
    return collector.finish(copy ? PastedValues::Copy : PastedValues::CvLines);
}
