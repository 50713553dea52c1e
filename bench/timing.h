// Timing shared by every benchmark: one timed run, medians, and rounds that
// time several actions in turn.
#pragma once

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <vector>

namespace fmbench {

using Clock = std::chrono::steady_clock;

// A median time next to the median of its floor, the least work that shows
// the same; both in nanoseconds.
struct TimeAndFloor
{
    double time = 0;
    double floor = 0;
};

inline double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 != 0 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// Nanoseconds `action` takes, run once.
template <typename Action>
double timeOnce(Action &&action)
{
    const Clock::time_point start = Clock::now();
    action();
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

// One untimed round first, since the first run pays for fonts, styles and
// caches; then `repetitions` rounds, each timing every action alone and in
// turn, so that drift touches them all alike. `between` runs untimed after
// every action. Returns each action's median, in the order given.
template <typename Between, typename... Actions>
std::array<double, sizeof...(Actions)> medianTimes(int repetitions, Between &&between, Actions &&...actions)
{
    ((actions(), between()), ...);
    std::array<std::vector<double>, sizeof...(Actions)> samples;
    for (std::vector<double> &series : samples)
        series.reserve(std::size_t(repetitions));
    for (int k = 0; k < repetitions; ++k) {
        std::size_t which = 0;
        ((samples[which++].push_back(timeOnce(actions)), between()), ...);
    }
    std::array<double, sizeof...(Actions)> medians{};
    for (std::size_t which = 0; which < medians.size(); ++which)
        medians[which] = median(samples[which]);
    return medians;
}

template <typename Action, typename Between>
double medianTime(int repetitions, Action &&action, Between &&between)
{
    return medianTimes(repetitions, between, action)[0];
}

} // namespace fmbench
