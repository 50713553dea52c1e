#ifndef LINEDIAGNOSIS_H
#define LINEDIAGNOSIS_H

#include "finding.h"

#include <QCoreApplication>

struct DefinitionLineRef;

// What a single line, taken on its own, does otherwise than it looks: a line
// meant as a section header, output name or CV that the window ignores (told
// by IgnoredLine), or one it reads with another name or value. Comments,
// blank lines and lines that look like nothing the file knows give no finding.
class LineDiagnosis
{
    Q_DECLARE_TR_FUNCTIONS(LineDiagnosis)

public:
    // `recognised` is how the window's reader took `line`; the finding's
    // line number is left to the caller.
    static bool diagnose(const QString &line, const DefinitionLineRef &recognised, Finding &finding);

private:
    static bool diagnoseOutputName(const QString &line, const DefinitionLineRef &recognised, Finding &finding);
    static bool diagnoseCvValue(const QString &line, const DefinitionLineRef &recognised, Finding &finding);
};

#endif // LINEDIAGNOSIS_H
