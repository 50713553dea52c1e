#ifndef LINETEXT_H
#define LINETEXT_H

#include <QString>

// Looking at the characters of a decoder list's line, for the findings on it.

// The 1-based column of position `index` in `line`, counting characters
// rather than UTF-16 units.
int columnOf(const QString &line, int index);
// The line as findings quote it.
QString quoted(const QString &line);

// Only U+0020 separates the parts of a line.
bool isBlank(QChar c);
bool isAsciiDigit(QChar c);
// Characters that look like a blank, or nothing at all, and are not one.
bool isBlankLookalike(QChar c);
bool isOnlySpace(const QStringRef &text);
// Where the digits that follow `from`, after an optional sign, end; `from`
// itself when no digit follows.
int endOfNumber(const QString &line, int from);
// The first position at or after `from` that holds no white space.
int skipBlanks(const QString &line, int from);
// U+00A0 for a no-break space.
QString codePoint(QChar c);

#endif // LINETEXT_H
