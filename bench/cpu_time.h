// CPU time of the measuring thread, so that other processes on a busy machine do not count,
// and the median of several runs of a piece of work.
#pragma once

#include <algorithm>
#include <ctime>
#include <vector>

inline double cpuMs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

template <class F> double medianMs(int runs, F&& f) {
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const double start = cpuMs();
        f();
        times.push_back(cpuMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
