#ifndef LISTCHECK_H
#define LISTCHECK_H

#include "decodertype.h"
#include "finding.h"

#include <QCoreApplication>
#include <QHash>
#include <QVector>

#include <array>

class DefinitionFile;
struct DefinitionEncoding;
struct DefinitionLineRef;
class QString;
class QTextStream;

struct CheckResult
{
    Findings findings; // in line order
    // The decoder types exactly as the window reads them.
    QVector<DecoderType> catalogue;

    // The types the window's choice lists: all but the preamble record.
    int shownTypes() const { return qMax(0, int(catalogue.size()) - 1); }
    // Those types as a decoders.ini that reads back to them, in their order.
    QString listing() const;
};

// Reads a decoder list with the window's own reader and says, for every line
// the window ignores although it looks meant and every line it reads
// otherwise than it looks, what happens and why. Also looks at the whole:
// lines before the first section, sections without a name, outputs and CVs
// set twice in a section, decoder types named alike.
class ListCheck
{
    Q_DECLARE_TR_FUNCTIONS(ListCheck)

public:
    // `stream` is decoded as `encoding` says from `bytes`, the file's.
    static CheckResult check(QTextStream &stream, const DefinitionEncoding &encoding, const char *bytes,
                             qint64 size);
    // The same for the list file at `path`, opened as `file`.
    static CheckResult check(DefinitionFile &file, const QString &path);

private:
    // The section the lines being read belong to.
    struct Section
    {
        bool preamble = true;
        QString name;
        int headerLine = 0;
        // The line that last set each output and CV, or 0.
        std::array<int, OutputCount> outputLines{};
        std::array<int, CvCount> cvLines{};
    };

    void readHeader(const QString &line, const DefinitionLineRef &recognised, Finding &finding, bool diagnosed);
    void readLine(const QString &line, const DefinitionLineRef &recognised, Finding &finding, bool diagnosed);
    void noteSetting(const QString &line, const DefinitionLineRef &recognised, int number);

    Section section;
    // Decoder type names, exact and without their outer blanks, with their lines.
    QHash<QString, int> typeLines;
    QHash<QString, int> trimmedTypeLines;
    Findings findings;
};

#endif // LISTCHECK_H
