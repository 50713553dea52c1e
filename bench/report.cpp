#include "report.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace fmbench {
namespace {

QString duration(double nanoseconds)
{
    if (nanoseconds < 1e3)
        return QStringLiteral("%1 ns").arg(nanoseconds, 0, 'f', 0);
    if (nanoseconds < 1e6)
        return QStringLiteral("%1 us").arg(nanoseconds / 1e3, 0, 'f', nanoseconds < 1e5 ? 1 : 0);
    if (nanoseconds < 1e9)
        return QStringLiteral("%1 ms").arg(nanoseconds / 1e6, 0, 'f', nanoseconds < 1e8 ? 2 : 0);
    return QStringLiteral("%1 s").arg(nanoseconds / 1e9, 0, 'f', 2);
}

QString megabytes(double bytes)
{
    return QStringLiteral("%1 MB").arg(bytes / 1e6, 0, 'f', bytes < 1e7 ? 2 : 1);
}

// Three decimals, so that a ratio just above its target does not print as on it.
QString multiple(double ratio)
{
    return QStringLiteral("%1x").arg(ratio, 0, 'f', 3);
}

// 100000 as "100,000".
QString grouped(int number)
{
    QString digits = QString::number(number);
    for (int k = digits.size() - 3; k > 0; k -= 3)
        digits.insert(k, QLatin1Char(','));
    return digits;
}

QString verdict(bool met)
{
    return met ? QStringLiteral("met") : QStringLiteral("MISSED");
}

void printRow(const QStringList &cells, const QList<int> &widths)
{
    QString line;
    for (int k = 0; k < cells.size(); ++k)
        line += k == 0 ? cells.at(k).leftJustified(widths.at(k)) : ' ' + cells.at(k).rightJustified(widths.at(k));
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    std::printf("%s\n", qPrintable(line));
}

const QList<int> WindowWidths{44, 9, 9, 7, 22, 6};

void printWindowRow(const char *what, const TimeAndFloor &figures, const char *target, bool met)
{
    printRow({QString::fromUtf8(what), duration(figures.time), duration(figures.floor),
              multiple(figures.time / figures.floor), QString::fromUtf8(target), verdict(met)},
             WindowWidths);
}

} // namespace

void printWindowTable(const WindowTimes &times)
{
    std::printf("\nFunction Mapping benchmark: medians, Qt %s, offscreen platform; debug messages\n"
                "are counted and dropped by a message handler (terminal speed is not the program's).\n\n",
                qVersion());
    printRow({QStringLiteral("what"), QStringLiteral("measured"), QStringLiteral("floor"), QStringLiteral("ratio"),
              QStringLiteral("target"), QString()}, WindowWidths);
    const TimeAndFloor &startUp = times.startUp, &choosing = times.choosing;
    printWindowRow("start-up, sample list, until first paint", startUp, "<= 1.10x",
                   startUp.time <= 1.10 * startUp.floor);
    printWindowRow("choosing a decoder type (16 x 14 grid)", choosing, "<= 4x and < 1 ms",
                   choosing.time <= 4 * choosing.floor && choosing.time < 1e6);
    printWindowRow("ticking a box until the value follows", times.ticking, "< 50 us", times.ticking.time < 50e3);
    printWindowRow("typing a value until the boxes follow", times.typing, "< 50 us", times.typing.time < 50e3);
    printWindowRow("pasting 14 values until the boxes follow", times.pastingValues, "< 1 ms",
                   times.pastingValues.time < 1e6);
    printWindowRow("pasting 10 MB of numbers", times.pastingText, "< 100 ms", times.pastingText.time < 100e6);
    printWindowRow("pasting 10 MB of CV lines", times.pastingLines, "< 100 ms", times.pastingLines.time < 100e6);
    printWindowRow("pasting a 10 MB table", times.pastingTable, "< 100 ms", times.pastingTable.time < 100e6);
    printWindowRow("pasting a 10 MB JMRI roster entry", times.pastingRoster, "< 500 ms",
                   times.pastingRoster.time < 500e6);
    printWindowRow("longest wait during a slow station's read", times.stationStall, "< 16 ms (a frame)",
                   times.stationStall.time < 16e6);
}

void printLoadingTable(const std::vector<LoadingRun> &runs)
{
    std::printf("\nLoading: the window's start with the list less its start without one (\"list read\":\n"
                "readCatalogueFile() alone); floor: the same file read line by line with QTextStream.\n"
                "Peak: resident high-water mark above the start without a list, for the loading and\n"
                "for the floor. Targets: <= 2x the floor, <= 11x the time for 10x the types, peak at\n"
                "100,000 types <= 3x the file.\n\n");
    const QList<int> widths{7, 8, 9, 9, 9, 7, 8, 8, 10, 9, 6};
    printRow({QStringLiteral("types"), QStringLiteral("file"), QStringLiteral("loading"), QStringLiteral("floor"),
              QStringLiteral("list read"), QStringLiteral("ratio"), QStringLiteral("growth"), QStringLiteral("peak"),
              QStringLiteral("floor peak"), QStringLiteral("peak/file"), QString()},
             widths);
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const LoadingRun &row = runs[k];
        const double ratio = row.load / row.floor;
        const bool hasPrevious = k > 0 && runs[k - 1].types * 10 == row.types;
        const double growth = hasPrevious ? row.load / runs[k - 1].load : 0;
        const double memory = row.peakBytes / double(row.fileBytes);
        const bool met = ratio <= 2 && (!hasPrevious || growth <= 11) && (row.types != 100000 || memory <= 3);
        printRow({grouped(row.types), megabytes(double(row.fileBytes)), duration(row.load), duration(row.floor),
                  duration(row.read), multiple(ratio), hasPrevious ? multiple(growth) : QStringLiteral("-"),
                  megabytes(row.peakBytes), megabytes(row.floorPeakBytes), multiple(memory), verdict(met)},
                 widths);
    }

    std::printf("\nChecking: function-mapping-check's work on the same list (opening it, reading it\n"
                "with the window's reader, looking at every line and at the whole), against the\n"
                "window's loading of it. Target: <= 2x.\n\n");
    const QList<int> checkWidths{7, 9, 9, 7, 6};
    printRow({QStringLiteral("types"), QStringLiteral("loading"), QStringLiteral("check"), QStringLiteral("ratio"),
              QString()},
             checkWidths);
    for (const LoadingRun &row : runs) {
        const double ratio = row.check / row.load;
        printRow({grouped(row.types), duration(row.load), duration(row.check), multiple(ratio), verdict(ratio <= 2)},
                 checkWidths);
    }
}

} // namespace fmbench
