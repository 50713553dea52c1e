#ifndef LINEDIAGNOSIS_H
#define LINEDIAGNOSIS_H

#include "finding.h"

#include <QCoreApplication>

struct DefinitionLineRef;

// What a single line, taken on its own, does otherwise than it looks: a line
// meant as a section header, output name or CV that the window ignores, or
// one it reads with another name or value. Comments, blank lines and lines
// that look like nothing the file knows give no finding.
class LineDiagnosis
{
    Q_DECLARE_TR_FUNCTIONS(LineDiagnosis)

public:
    // `recognised` is how the window's reader took `line`; the finding's
    // line number is left to the caller.
    static bool diagnose(const QString &line, const DefinitionLineRef &recognised, Finding &finding);
    // The line as findings quote it.
    static QString quoted(const QString &line);

private:
    // Whether the line is meant as one the file knows, read or not.
    static bool looksMeant(const QString &line);
    static bool diagnoseOutputName(const QString &line, const DefinitionLineRef &recognised, Finding &finding);
    static bool diagnoseCvValue(const QString &line, const DefinitionLineRef &recognised, Finding &finding);
    static bool diagnoseIgnored(const QString &line, Finding &finding);
    static bool diagnoseNumber(const QString &line, int prefixLength, bool output, Finding &finding);
};

// The 1-based column of position `index` in `line`, counting characters
// rather than UTF-16 units.
int columnOf(const QString &line, int index);

#endif // LINEDIAGNOSIS_H
