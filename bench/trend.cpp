// The cost of keeping the values of the last steps: a step of the layered 10 x 320 net with
// and without recording its row, measured alternately in the same run (target: at most 5%
// more), and the allocations of steady recorded steps (target: none).
#include "allocation_count.h"
#include "engine/step.h"
#include "layered_net.h"
#include "trend/value_trend.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace lumeris;

namespace {

// CPU time of this thread, so that other processes on a busy machine do not count.
double cpuMs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double timedStep(Scheme& s, Evaluation& e, const StepHooks& hooks) {
    s.SchemeChanged = true;
    const double start = cpuMs();
    propagationStep(s, e, false, true, hooks);
    return cpuMs() - start;
}

} // namespace

int main() {
    std::mt19937 rng(7);
    Scheme s;
    layeredNet(s, 10, 320, rng);
    Evaluation eval;
    ValueTrend trend;
    trend.restart(s);
    StepHooks plain, recorded;
    recorded.stepped = [&] { trend.record(s); };
    for (int i = 0; i < 12; ++i) // every trace made, the step's plan built
        timedStep(s, eval, recorded);

    const long before = allocations;
    for (int i = 0; i < 3; ++i)
        timedStep(s, eval, recorded);
    const long allocated = allocations - before;

    std::vector<double> without, with;
    for (int i = 0; i < 41; ++i) {
        without.push_back(timedStep(s, eval, plain));
        with.push_back(timedStep(s, eval, recorded));
    }
    const double recordMs = median([&] {
        std::vector<double> times;
        for (int i = 0; i < 201; ++i) {
            const double start = cpuMs();
            trend.record(s);
            times.push_back(cpuMs() - start);
        }
        return times;
    }());
    const double plainMs = median(without), withMs = median(with);
    std::printf("layered 10 x 320 (%d items) | step %8.3f ms | with history %8.3f ms | ratio "
                "%5.3f | a row alone %6.4f ms (%4.2f%% of a step) | allocations in 3 recorded "
                "steps: %ld\n",
                s.ItemCount, plainMs, withMs, withMs / plainMs, recordMs, 100 * recordMs / plainMs,
                allocated);
    std::printf("target: ratio at most 1.05, no allocation\n");
}
