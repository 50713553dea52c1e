#include "jmribench.h"

#include "console.h"
#include "jmrilibrary.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

#include <cstdio>

namespace fmbench {
namespace {

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        fail("cannot write a JMRI family file");
}

// The NMRA function map as variables, one for each bit, with a default on
// one bit of each CV where `defaults`.
QByteArray functionMap(bool defaults)
{
    QByteArray xml = "<variables>\n";
    for (int column = 0; column < 14; ++column) {
        const int start = column <= 4 ? 0 : column <= 9 ? 3 : 6;
        const QByteArray function = column < 2 ? QByteArray(column == 0 ? "FL(f)" : "FL(r)")
                                               : "F" + QByteArray::number(column - 1);
        for (int bit = 0; bit < 8; ++bit) {
            QByteArray mask(8, 'X');
            mask[7 - bit] = 'V';
            xml += "<variable CV=\"" + QByteArray::number(33 + column) + "\" mask=\"" + mask + "\" item=\"" + function +
                   " controls output " + QByteArray::number(start + bit + 1) + "\"" +
                   (defaults && bit == column % 8 ? " default=\"1\"" : "") + " minOut=\"" +
                   QByteArray::number(start + bit + 1) + "\"/>\n";
        }
    }
    return xml + "</variables>\n";
}

// A family of about 15 kB: three models with their labels in two languages,
// the whole function map with defaults (every other family brings in a shared
// one without), and sixty variables on other CVs.
QByteArray family(int number)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<decoder-config xmlns:xi=\"http://www.w3.org/2001/XInclude\">\n<decoder>\n"
                     "<family name=\"Family " + QByteArray::number(number) + "\" mfg=\"Maker " +
                     QByteArray::number(number % 40) + "\">\n";
    for (int model = 1; model <= 3; ++model) {
        xml += "<model model=\"M" + QByteArray::number(model) + "\" numOuts=\"" + QByteArray::number(4 + model * 3) +
               "\" numFns=\"28\" productID=\"" + QByteArray::number(number * 10 + model) + "\">\n";
        for (int output = 1; output <= 4 + model * 3; ++output)
            xml += "<output name=\"" + QByteArray::number(output) + "\" label=\"Light " + QByteArray::number(output) +
                   "\"><label xml:lang=\"de\">Licht " + QByteArray::number(output) + "</label></output>\n";
        xml += "</model>\n";
    }
    xml += "</family>\n<variables>\n";
    xml += number % 2 == 0 ? QByteArray("<xi:include href=\"http://jmri.org/xml/decoders/nmra/functionmap.xml\"/>\n")
                           : functionMap(true);
    for (int cv = 1; cv <= 60; ++cv)
        xml += "<variable CV=\"" + QByteArray::number(100 + cv) + "\" item=\"Setting " + QByteArray::number(cv) +
               "\" default=\"3\"><decVal max=\"255\"/><label xml:lang=\"de\">Einstellung</label></variable>\n";
    return xml + "</variables>\n</decoder>\n</decoder-config>\n";
}

// Every file's XML read to its end, nothing done with it.
void readAllXml(const QStringList &paths)
{
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            fail("cannot read a JMRI family file");
        QXmlStreamReader xml(file.readAll());
        while (!xml.atEnd())
            xml.readNext();
    }
}

} // namespace

JmriRun measureJmriLibrary(const QString &directory, int files)
{
    const QDir decoders(QDir(directory).filePath(QStringLiteral("xml/decoders")));
    decoders.mkpath(QStringLiteral("nmra"));
    writeFile(decoders.filePath(QStringLiteral("nmra/functionmap.xml")), functionMap(false));
    QStringList paths;
    for (int number = 1; number <= files; ++number) {
        paths.append(decoders.filePath(QStringLiteral("family%1.xml").arg(number, 4, 10, QLatin1Char('0'))));
        writeFile(paths.last(), family(number));
    }
    JmriRun run;
    run.files = files;
    const auto times = medianTimes(
        3, [] {},
        [&] {
            const JmriListing listing = listJmriLibrary(decoders.path(), QString(), QStringLiteral("de"));
            if (!listing.troubles.isEmpty())
                fail("the made-up JMRI library could not be read");
            run.types = listing.sections.size();
        },
        [&] { readAllXml(paths); });
    run.times = {times[0], times[1]};
    return run;
}

void printJmriTable(const JmriRun &run)
{
    std::printf("\nJMRI library: function-mapping-check --from-jmri's work on a made-up library of\n"
                "%d family files (%d decoder types), read on every core; floor: every file's\n"
                "XML read with QXmlStreamReader, on one core. Target: < 3 s.\n\n"
                "   listing      floor   ratio\n"
                "%8.0f ms %7.0f ms %6.1fx  %s\n",
                run.files, run.types, run.times.time / 1e6, run.times.floor / 1e6, run.times.time / run.times.floor,
                run.times.time < 3e9 ? "met" : "NOT MET");
}

} // namespace fmbench
