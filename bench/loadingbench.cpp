#include "loadingbench.h"

#include "catalogueloader.h"
#include "console.h"
#include "listcheck.h"
#include "decoderlists.h"
#include "mainwindow.h"
#include "timing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

#include <cstdio>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace fmbench {
namespace {

const char ChildFlag[] = "--load-child";

// The process's resident-set high-water mark, in kB.
long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Gives freed memory back to the system, as at a fresh start (glibc only).
void settleHeap()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

// The floor of loading: every line of the file read, nothing done with it.
long readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail("cannot read a decoder list");
    QTextStream stream(&file);
    QString line;
    long characters = 0;
    while (stream.readLineInto(&line))
        characters += line.size();
    return characters;
}

// What function-mapping-check does with a list: open it as the window does,
// read it with the window's reader and look at every line and the whole.
int checkList(const QString &path)
{
    DefinitionFile file(path);
    if (file.state() != DefinitionFile::Opened)
        fail("cannot check a decoder list");
    const CheckResult result = ListCheck::check(file, path);
    if (!result.findings.isEmpty())
        fail("the generated decoder list gives findings");
    return result.shownTypes();
}

// Prints: loaded-window and empty-window start, catalogue read alone and the
// floor (ns); peak kB at the empty start, after the floor, after loading; debug
// messages; the list checked (ns).
int loadChild(const QString &emptyDirectory, const QString &listDirectory, int repetitions)
{
    const QString listFile = decoderListIn(listDirectory);
    QDir::setCurrent(emptyDirectory);
    delete new MainWindow;
    const long emptyPeak = peakResidentKb();
    readLines(listFile);
    const long floorPeak = peakResidentKb();
    QDir::setCurrent(listDirectory);
    const long messagesBefore = debugMessagesDropped();
    delete new MainWindow;
    const long loadedPeak = peakResidentKb();
    const long messages = debugMessagesDropped() - messagesBefore;

    // Interleaved so that drift touches all alike; only construction is
    // timed. The program loads once, at start-up, into a fresh heap: before
    // each run the heap is settled again, or that run would pay for sorting
    // out the many small blocks the one before it freed.
    std::vector<double> loaded, empty, read, floor, checked;
    MainWindow *window = nullptr;
    QVector<DecoderType> catalogue;
    for (int k = 0; k < repetitions; ++k) {
        QDir::setCurrent(emptyDirectory);
        settleHeap();
        empty.push_back(timeOnce([&] { window = new MainWindow; }));
        delete window;
        QDir::setCurrent(listDirectory);
        settleHeap();
        loaded.push_back(timeOnce([&] { window = new MainWindow; }));
        delete window;
        settleHeap();
        read.push_back(timeOnce([&] { catalogue = readCatalogueFile(listFile); }));
        catalogue.clear();
        settleHeap();
        floor.push_back(timeOnce([&] { readLines(listFile); }));
        settleHeap();
        checked.push_back(timeOnce([&] { checkList(listFile); }));
    }
    std::printf("%.0f %.0f %.0f %.0f %ld %ld %ld %ld %.0f\n", median(loaded), median(empty), median(read),
                median(floor), emptyPeak, floorPeak, loadedPeak, messages, median(checked));
    return 0;
}

} // namespace

LoadingRun measureLoading(const QString &emptyDirectory, const QString &directory, int types)
{
    writeDecoderList(directory, generatedDecoderList(types));
    const int repetitions = types <= 100 ? 41 : types <= 1000 ? 21 : types <= 10000 ? 9 : 5;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QLatin1String(ChildFlag), emptyDirectory, directory, QString::number(repetitions)});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        fail("a loading run failed");
    const QList<QByteArray> fields = child.readAllStandardOutput().simplified().split(' ');
    if (fields.size() != 9)
        fail("a loading run printed no result");
    if (fields.at(7).toLong() != 14L * types)
        fail("loading did not write one debug message per CV line");
    LoadingRun result;
    result.types = types;
    result.fileBytes = QFileInfo(decoderListIn(directory)).size();
    result.load = fields.at(0).toDouble() - fields.at(1).toDouble();
    result.read = fields.at(2).toDouble();
    result.floor = fields.at(3).toDouble();
    result.check = fields.at(8).toDouble();
    result.floorPeakBytes = (fields.at(5).toDouble() - fields.at(4).toDouble()) * 1024;
    result.peakBytes = (fields.at(6).toDouble() - fields.at(4).toDouble()) * 1024;
    return result;
}

bool isLoadingChild(const QStringList &arguments)
{
    return arguments.value(1) == QLatin1String(ChildFlag);
}

int runLoadingChild(const QStringList &arguments)
{
    return loadChild(arguments.value(2), arguments.value(3), arguments.value(4).toInt());
}

} // namespace fmbench
