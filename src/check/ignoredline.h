#ifndef IGNOREDLINE_H
#define IGNOREDLINE_H

#include "finding.h"

#include <QCoreApplication>

// Why the window ignores a line that looks meant as a section header, an
// output name or a CV: where it starts, its letter case, the blank after the
// number, the number's range. Lines that look like nothing the file knows,
// comments among them, give no finding.
class IgnoredLine
{
    Q_DECLARE_TR_FUNCTIONS(IgnoredLine)

public:
    // For a line the window's reader ignored.
    static bool diagnose(const QString &line, Finding &finding);

private:
    // Whether the line is meant as one the file knows, read or not.
    static bool looksMeant(const QString &line);
    static bool diagnoseNumber(const QString &line, int prefixLength, bool output, Finding &finding);
};

#endif // IGNOREDLINE_H
