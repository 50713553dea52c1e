#ifndef JMRILIBRARY_H
#define JMRILIBRARY_H

#include <QString>
#include <QStringList>
#include <QVector>

struct JmriFamily;
struct JmriModel;

// Decoder types for decoders.ini from JMRI's decoder library: one section for
// each model, with its outputs' names, and the function map's defaults
// wherever the NMRA layout places them. Files in, sections and sentences out.

struct JmriSection
{
    QString name;
    QString lines; // header, comments, outputs and CVs, each line ending in "\n"
    // What of the model could not be placed, one sentence each.
    QStringList notPlaced;
};

struct JmriListing
{
    QVector<JmriSection> sections;
    // Files that could not be read, or a path that is no library; one sentence each.
    QStringList troubles;
};

// The section for `model` of `family`, named `name`.
JmriSection jmriSection(const JmriFamily &family, const JmriModel &model, const QString &name);

// `path` is a family file, JMRI's xml/decoders folder (or the installation or
// xml folder above it, or xml/decoderIndex.xml beside it). Lists the models
// shown whose manufacturer, family or name contains `filter`, ignoring case.
JmriListing listJmriLibrary(const QString &path, const QString &filter, const QString &language);

// A text as a decoders.ini line can carry it: what would end the line
// becomes a blank, and the ends are trimmed.
QString writableName(const QString &text);

#endif // JMRILIBRARY_H
