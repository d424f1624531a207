// Timing the platform against its reference side by side in one run: each
// iteration times both on the thread's CPU clock, one right after the
// other, so a machine busy with other work slows both alike. The counters
// give each one's median in microseconds and the ratio of the medians.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline double ThreadMicroseconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// Runs the benchmark's loop (register it with UseManualTime) over both;
// `prepare` runs untimed before each pair (putting back what the last one
// changed).
template <class Platform, class Reference, class Prepare = void (*)()>
void TimeSideBySide(benchmark::State& state, Platform platform, Reference reference, Prepare prepare = [] {}) {
    std::vector<double> ours, theirs;
    for (auto _ : state) {
        prepare();
        const double start = ThreadMicroseconds();
        platform();
        const double middle = ThreadMicroseconds();
        reference();
        const double end = ThreadMicroseconds();
        ours.push_back(middle - start);
        theirs.push_back(end - middle);
        state.SetIterationTime((end - start) / 1e6);
    }
    if (ours.empty()) return;
    state.counters["platform_us"] = Median(ours);
    state.counters["reference_us"] = Median(theirs);
    state.counters["ratio"] = Median(ours) / Median(theirs);
}
