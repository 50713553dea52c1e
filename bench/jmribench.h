// Listing a made-up JMRI decoder library of 2,500 family files, as
// function-mapping-check --from-jmri does, next to its floor.
#pragma once

#include "timing.h"

#include <QString>

namespace fmbench {

struct JmriRun
{
    int files = 0;
    int types = 0;
    TimeAndFloor times; // ns
};

// Writes the library under `directory` and times its listing.
JmriRun measureJmriLibrary(const QString &directory, int files);
void printJmriTable(const JmriRun &run);

} // namespace fmbench
