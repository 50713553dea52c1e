// The window as the user meets it: starting up, choosing a decoder type,
// ticking a box, typing a value, pasting values -- each timed next to its floor
// -- and the longest the window waits while reading a slow command station.
#pragma once

#include "timing.h"

#include <QString>

namespace fmbench {

struct WindowTimes
{
    TimeAndFloor startUp;
    TimeAndFloor choosing;
    TimeAndFloor ticking;
    TimeAndFloor typing;
    TimeAndFloor pastingValues;
    TimeAndFloor pastingText;
    TimeAndFloor pastingLines;
    TimeAndFloor pastingTable;
    TimeAndFloor pastingRoster;
    // The longest gap between a 1 ms timer's ticks during the read; floor:
    // the same while idle.
    TimeAndFloor stationStall;
};

// Times the window on the decoder list in `listDirectory`, which becomes
// the working directory.
WindowTimes measureWindow(const QString &listDirectory);

} // namespace fmbench
