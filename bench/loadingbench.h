// Loading the decoder list at start-up, timed next to its floor, with the
// peak memory it takes. Each list size is measured in a child process of
// this program, so that the resident high-water mark is that size's alone.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace fmbench {

struct LoadingRun
{
    int types = 0;
    qint64 fileBytes = 0;
    double load = 0, read = 0, floor = 0;        // nanoseconds
    double check = 0;                            // function-mapping-check's work, ns
    double peakBytes = 0, floorPeakBytes = 0;
};

// Generates a list of `types` decoder types in `directory` and measures its
// loading against a start in `emptyDirectory`, which has no list.
LoadingRun measureLoading(const QString &emptyDirectory, const QString &directory, int types);

// Whether this process was started by measureLoading(), and its work if so.
bool isLoadingChild(const QStringList &arguments);
int runLoadingChild(const QStringList &arguments);

} // namespace fmbench
