#include "listcheck.h"

#include "catalogueloader.h"
#include "encodingcheck.h"
#include "linediagnosis.h"
#include "linetext.h"

#include <QFile>
#include <QHash>

#include <algorithm>

namespace {

// The file's bytes, mapped where the file system allows it.
class FileBytes
{
public:
    explicit FileBytes(const QString &path)
        : file(path)
    {
        if (!file.open(QIODevice::ReadOnly))
            return;
        const qint64 size = file.size();
        if (uchar *mapped = file.map(0, size)) {
            data = reinterpret_cast<const char *>(mapped);
            length = size;
            return;
        }
        copy = file.readAll();
        data = copy.constData();
        length = copy.size();
    }
    const char *bytes() const { return data; }
    qint64 size() const { return length; }

private:
    QFile file;
    QByteArray copy;
    const char *data = nullptr;
    qint64 length = 0;
};

bool startsAsHeader(const QString &line)
{
    for (const QChar c : line) {
        if (!c.isSpace() && c != QChar(0xfeff))
            return c == QLatin1Char('[');
    }
    return false;
}

} // namespace

QString CheckResult::listing() const
{
    QString text;
    for (int k = 1; k < catalogue.size(); ++k)
        text += (k > 1 ? QLatin1String("\n") : QLatin1String()) + definitionLines(catalogue.at(k));
    return text;
}

CheckResult ListCheck::check(QTextStream &stream, const DefinitionEncoding &encoding, const char *bytes, qint64 size)
{
    ListCheck check;
    CatalogueReader reader(stream);
    while (reader.readLine()) {
        const QString &line = reader.line();
        const DefinitionLineRef &recognised = reader.recognised();
        Finding finding;
        finding.line = reader.lineNumber();
        const bool diagnosed = LineDiagnosis::diagnose(line, recognised, finding);
        if (recognised.kind == DefinitionLine::SectionHeader)
            check.readHeader(line, recognised, finding, diagnosed);
        else
            check.readLine(line, recognised, finding, diagnosed);
    }
    CheckResult result;
    result.catalogue = reader.finish();
    // What the bytes do comes first on its line: it explains the rest.
    result.findings = EncodingCheck::check(encoding, bytes, size) + check.findings;
    std::stable_sort(result.findings.begin(), result.findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    return result;
}

CheckResult ListCheck::check(DefinitionFile &file, const QString &path)
{
    const FileBytes bytes(path);
    return check(file.stream(), file.encoding(), bytes.bytes(), bytes.size());
}

void ListCheck::readHeader(const QString &line, const DefinitionLineRef &recognised, Finding &finding, bool diagnosed)
{
    section = Section();
    section.preamble = false;
    section.name = recognised.text.toString();
    section.headerLine = finding.line;
    if (diagnosed)
        findings.append(finding);
    Finding whole;
    whole.line = finding.line;
    whole.column = 2;
    if (section.name.isEmpty()) {
        whole.message = tr("%1 starts a section without a name, which the window leaves out: none of "
                           "its lines up to the next section are shown")
                            .arg(quoted(line));
        findings.append(whole);
        return;
    }
    const int sameName = typeLines.value(section.name);
    const QString trimmed = section.name.trimmed();
    const int lookalike = trimmedTypeLines.value(trimmed);
    if (sameName != 0) {
        whole.message = tr("%1 is a second decoder type named '%2' (the first is at line %3): the "
                           "choice lists both under the same name")
                            .arg(quoted(line), section.name)
                            .arg(sameName);
        findings.append(whole);
    } else if (lookalike != 0) {
        whole.message = tr("%1 and the decoder type at line %2 differ only in blanks around the name: "
                           "the choice lists both, looking alike")
                            .arg(quoted(line))
                            .arg(lookalike);
        findings.append(whole);
    }
    if (sameName == 0)
        typeLines.insert(section.name, finding.line);
    if (lookalike == 0)
        trimmedTypeLines.insert(trimmed, finding.line);
}

void ListCheck::readLine(const QString &line, const DefinitionLineRef &recognised, Finding &finding, bool diagnosed)
{
    const bool unnamed = !section.preamble && section.name.isEmpty();
    // A header the window ignores leaves the lines below it where they were.
    if (diagnosed && finding.effect == Finding::Ignored && startsAsHeader(line)) {
        finding.message += section.preamble
            ? tr("; the lines below it stand before the first section")
            : unnamed ? tr("; the lines below it belong to the section without a name at line %1")
                            .arg(section.headerLine)
                      : tr("; the lines below it belong to '%1' at line %2")
                            .arg(section.name)
                            .arg(section.headerLine);
        findings.append(finding);
        return;
    }
    // Where nothing is shown, that is what matters about a line that looks meant.
    const bool meant = recognised.kind != DefinitionLine::Ignored || diagnosed;
    if (meant && (section.preamble || unnamed)) {
        finding.effect = Finding::Ignored;
        finding.column = 1;
        finding.message = section.preamble
            ? tr("%1 is never shown: it stands before the first section").arg(quoted(line))
            : tr("%1 is never shown: it belongs to the section without a name at line %2")
                  .arg(quoted(line))
                  .arg(section.headerLine);
        findings.append(finding);
        return;
    }
    if (diagnosed)
        findings.append(finding);
    noteSetting(line, recognised, finding.line);
}

// Within a section the later line for an output or CV wins.
void ListCheck::noteSetting(const QString &line, const DefinitionLineRef &recognised, int number)
{
    const bool output = recognised.kind == DefinitionLine::OutputName;
    if (!output && recognised.kind != DefinitionLine::CvValue)
        return;
    int &setBy = output ? section.outputLines[recognised.number - 1] : section.cvLines[recognised.number - FirstCv];
    if (setBy != 0) {
        Finding again;
        again.line = number;
        again.overridesLine = setBy;
        again.column = output ? 2 : 3;
        again.message = output ? tr("%1 names output %2 again: it overrides line %3, since the later line wins")
                                     .arg(quoted(line))
                                     .arg(recognised.number)
                                     .arg(setBy)
                               : tr("%1 sets CV%2 again: it overrides line %3, since the later line wins")
                                     .arg(quoted(line))
                                     .arg(recognised.number)
                                     .arg(setBy);
        findings.append(again);
    }
    setBy = number;
}
