#include "catalogueloader.h"

#include "definitionline.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

QVector<DecoderType> readCatalogue(QTextStream &stream)
{
    QVector<DecoderType> catalogue;
    DecoderType pending; // the preamble, until the first section header
    bool inPreamble = true;
    QString line;
    while (!stream.atEnd()) {
        stream.readLineInto(&line);
        const DefinitionLine parsed = parseDefinitionLine(line);
        switch (parsed.kind) {
        case DefinitionLine::SectionHeader:
            // An unnamed section gets no combo entry, so keeping its record
            // would pair every later entry with the wrong decoder type.
            if (inPreamble || !pending.name.isEmpty())
                catalogue.append(pending);
            inPreamble = false;
            pending.name = parsed.text;
            pending.outputNames = defaultOutputNames();
            pending.cvValues.fill(0);
            break;
        case DefinitionLine::OutputName:
            // The preamble has no labels to name.
            if (parsed.number <= pending.outputNames.size())
                pending.outputNames[parsed.number - 1] = parsed.text;
            break;
        case DefinitionLine::CvValue:
            qDebug() << parsed.number - FirstCv << parsed.text;
            pending.cvValues[parsed.number - FirstCv] = parsed.value;
            break;
        case DefinitionLine::Ignored:
            break;
        }
    }
    if (!pending.name.isEmpty())
        catalogue.append(pending);
    return catalogue;
}

QVector<DecoderType> readCatalogueFile(const QString &path)
{
    // A pipe or a device would block start-up or never end.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream stream(&file);
    return readCatalogue(stream);
}
