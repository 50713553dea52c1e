// Times what the user waits for -- start-up, loading the decoder list,
// choosing a decoder type, ticking a box, typing a value -- and, in the same
// run, the floor each is set against: the least work that shows the same.
// Every figure is a median over repetitions. Arguments, if any, replace the
// list sizes to load.

#include "console.h"
#include "decoderlists.h"
#include "jmribench.h"
#include "loadingbench.h"
#include "report.h"
#include "windowbench.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

using namespace fmbench;

namespace {

QList<int> listSizes(const QStringList &arguments)
{
    if (arguments.size() <= 1)
        return {100, 1000, 10000, 100000};
    QList<int> sizes;
    for (int k = 1; k < arguments.size(); ++k) {
        const int types = arguments.at(k).toInt();
        if (types < 1)
            fail("usage: fm-bench [decoder types per list ...]");
        sizes.append(types);
    }
    return sizes;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    dropDebugMessages();
    const QStringList arguments = application.arguments();
    if (isLoadingChild(arguments))
        return runLoadingChild(arguments);
    const QList<int> sizes = listSizes(arguments);

    QTemporaryDir scratch;
    if (!scratch.isValid())
        fail("cannot make a scratch directory");
    const QString sampleDirectory = scratch.filePath(QStringLiteral("sample"));
    const QString emptyDirectory = scratch.filePath(QStringLiteral("empty"));
    QDir().mkpath(sampleDirectory);
    QDir().mkpath(emptyDirectory);
    QFile sample(QStringLiteral(FM_SAMPLE_FILE));
    if (!sample.open(QIODevice::ReadOnly))
        fail("cannot read the sample decoder list");
    writeDecoderList(sampleDirectory, sample.readAll());

    const WindowTimes windowTimes = measureWindow(sampleDirectory);
    std::vector<LoadingRun> loadingRuns;
    for (int types : sizes) {
        progress(qPrintable(QStringLiteral("loading %1 decoder types (child process)").arg(types)));
        const QString directory = scratch.filePath(QStringLiteral("types-%1").arg(types));
        QDir().mkpath(directory);
        loadingRuns.push_back(measureLoading(emptyDirectory, directory, types));
    }

    progress("listing a made-up JMRI library of 2,500 family files");
    const JmriRun jmriRun = measureJmriLibrary(scratch.filePath(QStringLiteral("jmri")), 2500);

    printWindowTable(windowTimes);
    printLoadingTable(loadingRuns);
    printJmriTable(jmriRun);
    return 0;
}
