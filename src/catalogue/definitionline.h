#ifndef DEFINITIONLINE_H
#define DEFINITIONLINE_H

#include <QString>

// One line of a decoder definition file, recognised by how it starts.
struct DefinitionLine
{
    enum Kind { Ignored, SectionHeader, OutputName, CvValue };

    Kind kind = Ignored;
    int number = 0;   // output 1..14, or CV 33..46
    QString text;     // section name, output name, or the CV's value text
    qint32 value = 0; // the CV's value; 0 when its text is not a whole number
};

DefinitionLine parseDefinitionLine(const QString &line);

// The same with the text left where it stands: it refers into the line and
// holds only while that line is kept unchanged. Reading a whole file this
// way copies only the texts that are kept.
struct DefinitionLineRef
{
    DefinitionLine::Kind kind = DefinitionLine::Ignored;
    int number = 0;
    QStringRef text;
    qint32 value = 0;
};

DefinitionLineRef parseDefinitionLineInPlace(const QString &line);

struct DecoderType;

// The lines of a section that reads back as `type`: its header, the names of
// all 14 outputs and the values of all 14 CVs, each line ending in "\n".
QString definitionLines(const DecoderType &type);

#endif // DEFINITIONLINE_H
