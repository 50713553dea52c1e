#ifndef JMRIFAMILY_H
#define JMRIFAMILY_H

#include "functionmap.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// What one of JMRI's decoder definition files (a family file with the files
// it brings in by xi:include) says that a function-mapping view needs: the
// family, its models, the outputs' labels and the bits of the function map.

// The reader's sentences, translated along with the list checker's.
class JmriText
{
    Q_DECLARE_TR_FUNCTIONS(JmriLibrary)
};

// The include and exclude lists of a variable or of a group of them.
struct JmriFilter
{
    QStringList include, exclude;
};

struct JmriOutput
{
    QString name;  // as JMRI names it: "1", or "Ra", "3,1"
    QString label; // in the reader's language where the file gives it
};

// One variable (or constant) whose item names a function and an output.
struct JmriMapBit
{
    int cv = 0;          // 0 for a constant: a mapping the decoder cannot change
    QString item;
    MapItem mapItem; // the item read, once for all models
    int bits = 0;        // the CV's bits the variable covers
    int defaultValue = -1; // none given
    int minOut = 0, minFn = 0;
    QVector<JmriFilter> filters; // its groups' and its own
};

// An include that could not be brought in, where it stands.
struct JmriMissingInclude
{
    enum Where { Outputs, Variables, Elsewhere };
    Where where = Elsewhere;
    QString href;
    QString reason;
    int model = -1;              // the model whose outputs it stands in, or -1
    QVector<JmriFilter> filters; // the groups of variables it stands in
};

struct JmriModel
{
    QString name, productId;
    int numOuts = -1, numFns = -1; // -1 where not given
    bool shown = true;
    QVector<JmriOutput> outputs;
};

struct JmriFamily
{
    QString file;
    QString manufacturer, name;
    QVector<JmriModel> models;
    QVector<JmriOutput> outputs; // the family's, for every model
    QVector<JmriMapBit> map;
    QVector<JmriMissingInclude> missingIncludes;
    // Why the file could not be read, empty if it could.
    QString error;
};

// Where JMRI's xml/decoders folder holds the files that includes name, and
// the files already read, so that fragments shared by many families are
// read from disk once.
class JmriFileCache
{
public:
    // Fragments, which many families include, are kept where `keep`.
    QByteArray contents(const QString &path, bool keep, QString &error);

private:
    QHash<QString, QByteArray> files;
    QHash<QString, QString> errors;
};

// Reads the family file at `path`; includes of http://jmri.org/xml/decoders/
// are looked for under `decodersRoot`. Labels are taken in `language`
// ("de") where the file gives them in it.
JmriFamily readJmriFamily(const QString &path, const QString &decodersRoot, const QString &language,
                          JmriFileCache &cache);

#endif // JMRIFAMILY_H
