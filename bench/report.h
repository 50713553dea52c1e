// The benchmark's table: every figure next to its floor, ratio and target.
#pragma once

#include "loadingbench.h"
#include "windowbench.h"

#include <vector>

namespace fmbench {

void printWindowTable(const WindowTimes &times);
void printLoadingTable(const std::vector<LoadingRun> &runs);

} // namespace fmbench
