#ifndef PASTECOLLECTOR_H
#define PASTECOLLECTOR_H

#include "pastedvalues.h"

#include <QStringRef>
#include <QVector>

// What the paste reader's forms share: telling characters and numbers apart,
// and collecting values and problems as the text names them.

inline bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

inline bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

inline bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// What stands between the numbers of a spreadsheet's row or column, or
// between list entries. ASCII is told apart here: a paste may be megabytes.
inline bool isSeparator(QChar c)
{
    const ushort u = c.unicode();
    if (u < 0x80)
        return u == ' ' || (u >= '\t' && u <= '\r') || u == ',' || u == ';';
    return c.isSpace();
}

// A whole decimal number as the list reads one: an optional sign, then digits.
bool isWholeNumber(const QStringRef &text);

// The CV number of a text that is only digits, 0 where it is none or too long.
int cvNumber(const QStringRef &digits);

class PasteCollector
{
public:
    explicit PasteCollector(const std::array<bool, CvCount> &locked) : locked(locked) {}

    // A value the text gives for `cv`, at `value`'s place in `text`. Other
    // CVs than 33 to 46 are named only where `tellOtherCvs` and a value is
    // given: tables and JMRI files list every CV of a decoder.
    void offer(int cv, const QStringRef &value, bool tellOtherCvs);
    // A value worked out from several places of the text.
    void offerWorkedOut(int cv, int value);
    void problem(PasteProblem::Kind kind, int cv, const QStringRef &text);
    void refuse(PasteProblem::Kind kind, int count, int room = 0);

    bool hasValues() const;
    bool hasProblems() const { return !result.problems.isEmpty(); }

    PastedValues finish(PastedValues::Form form, const QString &column = QString());

private:
    void take(int column, const QStringRef &value, const QString &worked);

    const std::array<bool, CvCount> &locked;
    std::array<QStringRef, CvCount> given{};
    std::array<QString, CvCount> worked;
    std::array<bool, CvCount> has{};
    std::array<bool, CvCount> repeated{};
    PastedValues result;
    struct NamedProblem
    {
        PasteProblem::Kind kind;
        int cv;
        QString text;
    };
    QVector<NamedProblem> namedProblems;
};

// Prose: where the sentence that goes on at `at` ends, `end` at the latest.
// A full stop, "!" or "?" before a blank ends it; an abbreviation's does not.
int sentenceEnd(const QString &text, int at, int end);
// Whether the text between `begin` and `end` names an output, a bit, a key or
// a function other than the CV's own: a value after it could be theirs.
bool standsForAnotherOwner(const QString &text, int begin, int end, int cv);

// The forms, each reading the whole text. Lines and tables come mixed in
// pasted text; they say which table column they used, if any.
struct LinesRead
{
    bool fromTable = false;
    QString column;
};
LinesRead readCvLinesAndTables(const QString &text, PasteCollector &collector);
void readJmriRoster(const QString &text, PasteCollector &collector);
void readJmriDefinition(const QString &text, PasteCollector &collector);

#endif // PASTECOLLECTOR_H
