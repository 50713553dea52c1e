#include "checkcommand.h"

#include "console.h"
#include "jmrilibrary.h"

#include <QLocale>

// The sections go to standard output as a decoders.ini's contents, so that
// they can be appended to the user's list; what could not be placed goes to
// standard error, one line for each thing, and a summary last.
CheckCommand::Status CheckCommand::listJmri(const QString &path, const QString &model)
{
    const QString language = QLocale().name().section(QLatin1Char('_'), 0, 0);
    const JmriListing listing = listJmriLibrary(path, model, language);
    for (const QString &trouble : listing.troubles)
        complain(trouble);

    QString sections, report;
    int notWhole = 0;
    for (const JmriSection &section : listing.sections) {
        if (!sections.isEmpty())
            sections += QLatin1Char('\n');
        sections += section.lines;
        for (const QString &sentence : section.notPlaced)
            report += tr("%1: %2").arg(section.name, sentence) + QLatin1Char('\n');
        notWhole += !section.notPlaced.isEmpty();
    }
    Console::printUtf8(sections);

    const int types = listing.sections.size();
    const QString typeCount = types == 1 ? tr("1 decoder type") : tr("%1 decoder types").arg(types);
    const QString whole = notWhole == 0 ? tr("each written whole")
                          : notWhole == 1 ? tr("1 with something not placed")
                                          : tr("%1 with something not placed").arg(notWhole);
    report += (types == 0 ? tr("%1: no decoder types written").arg(path) : tr("%1: %2, %3").arg(path, typeCount, whole))
              + QLatin1Char('\n');
    Console::print(stderr, report);
    if (!listing.troubles.isEmpty())
        return Trouble;
    return notWhole == 0 ? NothingFound : SomethingFound;
}
