// The propagation step on three generated nets, each beside a floor measured in the same run:
// a plain CSR sparse matrix-vector product with clamp over the same links (for the fuzzy
// chain also over the same link-trace pairs, which is the work the rules require).
#include "allocation_count.h"
#include "engine/step.h"
#include "layered_net.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <random>
#include <string>
#include <vector>

using namespace lumeris;

namespace {

using Clock = std::chrono::steady_clock;

// CPU time of this thread, so that other processes on a busy machine do not count.
double cpuMs() {
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

// y = clamp(A x) with one matrix entry per (link, passed trace) pair, rows in target order.
struct Csr {
    std::vector<int> rowStart{0};
    std::vector<int> column;
    std::vector<float> coefficient;
    std::vector<float> x, y;

    void multiply() {
        const int rows = static_cast<int>(rowStart.size()) - 1;
        for (int r = 0; r < rows; ++r) {
            float sum = 0.0f;
            for (int e = rowStart[r]; e < rowStart[r + 1]; ++e)
                sum = sum + x[column[e]] * coefficient[e];
            y[r] = sum > 1.0f ? 1.0f : (sum < -1.0f ? -1.0f : sum);
        }
    }
};

// The links of the scheme as a CSR matrix over item indexes; with perTrace, one entry for
// every trace its From item holds (what a fuzzy item passes on).
Csr floorOf(const Scheme& s, bool perTrace) {
    std::vector<const CPoint*> items;
    for (const CPoint* p = s.ItemList; p; p = p->Next)
        items.push_back(p);
    std::vector<int> indexOf;
    for (std::size_t i = 0; i < items.size(); ++i)
        const_cast<CPoint*>(items[i])->Mark = static_cast<int>(i);
    Csr m;
    for (const CPoint* to : items) {
        for (const CLink* l = to->InLinks; l; l = l->NextIn) {
            int repeat = 1;
            if (perTrace) {
                repeat = 0;
                for ([[maybe_unused]] const CVolume& v : l->From->Traces)
                    ++repeat;
            }
            for (int k = 0; k < repeat; ++k) {
                m.column.push_back(l->From->Mark);
                m.coefficient.push_back(l->Value);
            }
        }
        m.rowStart.push_back(static_cast<int>(m.column.size()));
    }
    for (const CPoint* p : items) {
        m.x.push_back(p->Value);
        const_cast<CPoint*>(p)->Mark = 0;
    }
    m.y.resize(items.size());
    return m;
}

void stepOnce(Scheme& s, Evaluation& e) {
    s.SchemeChanged = true;
    propagationStep(s, e, false, true);
}

void report(const char* name, Scheme& s, int warmSteps, int runs, bool perTraceFloor) {
    Evaluation eval;
    const auto warmStart = Clock::now();
    for (int i = 0; i < warmSteps; ++i)
        stepOnce(s, eval);
    std::printf("%-28s %d warm-up steps (traces made): %.0f ms\n", name, warmSteps,
                std::chrono::duration<double, std::milli>(Clock::now() - warmStart).count());
    long traces = 0;
    for (const CPoint* p = s.ItemList; p; p = p->Next)
        for ([[maybe_unused]] const CVolume& v : p->Traces)
            ++traces;
    const long before = allocations;
    for (int i = 0; i < 3; ++i)
        stepOnce(s, eval);
    const long allocated = allocations - before;
    const double stepMs = medianMs(runs, [&] { stepOnce(s, eval); });

    Csr floor = floorOf(s, false);
    const double floorMs = medianMs(runs * 5, [&] { floor.multiply(); });
    std::printf("%-28s items %7d links %7d traces %8ld | step %8.3f ms | CSR floor %7.3f ms | "
                "ratio %6.2f | allocations in 3 steps: %ld\n",
                name, s.ItemCount, s.LinkCount, traces, stepMs, floorMs, stepMs / floorMs,
                allocated);
    if (perTraceFloor) {
        Csr pairs = floorOf(s, true);
        const double pairsMs = medianMs(runs * 5, [&] { pairs.multiply(); });
        std::printf("%-28s CSR floor over the %zu link-trace pairs %7.3f ms | ratio %6.2f\n", "",
                    pairs.column.size(), pairsMs, stepMs / pairsMs);
    }
}

void sparseNet(Scheme& s, int items, int outLinks, std::mt19937& rng) {
    std::uniform_real_distribution<float> coefficient(-0.5f, 0.5f), value(-1.0f, 1.0f);
    std::vector<CPoint*> all;
    for (int i = 0; i < items; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "s%d", i);
        CPoint* p = s.createItem(name, i, 0);
        if (i % 10 == 0) {
            p->IsCust = 1;
            p->Custom = value(rng);
        }
        all.push_back(p);
    }
    std::uniform_int_distribution<int> pick(0, items - 1);
    for (CPoint* from : all)
        for (int k = 0; k < outLinks; ++k)
            s.createLink(from, all[pick(rng)])->Value = coefficient(rng);
}

// Every item of the chain already holds a trace of each item before it, as after as many
// steps as the chain is long; the traces are made newest name first, so each insert is at
// the head of its list.
void fuzzyChain(Scheme& s, int length) {
    std::vector<CPoint*> chain;
    char name[16];
    for (int i = 0; i < length; ++i) {
        std::snprintf(name, sizeof name, "c%05d", i);
        CPoint* p = s.createItem(name, i, 0);
        p->Type = i == 0 ? TypeReal : TypeFuzzy;
        if (i > 0)
            s.createLink(chain.back(), p)->Value = 0.9f;
        chain.push_back(p);
    }
    chain.front()->IsCust = 1;
    chain.front()->Custom = 0.5f;
    for (int i = 1; i < length; ++i)
        for (int j = i - 1; j >= 0; --j)
            assign(s, chain[i], chain[j], 0.5f);
}

} // namespace

// With an argument (layered, sparse or chain) only that workload runs.
int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    std::mt19937 rng(7);
    if (only.empty() || only == "layered") {
        Scheme s;
        layeredNet(s, 10, 320, rng);
        report("layered 10 x 320", s, 12, 15, false);
    }
    if (only.empty() || only == "sparse") {
        Scheme s;
        sparseNet(s, 100000, 3, rng);
        report("sparse 100000 x 3", s, 30, 15, false);
    }
    if (only.empty() || only == "chain") {
        Scheme s;
        fuzzyChain(s, 1500);
        report("fuzzy chain 1500", s, 3, 15, true);
    }
    std::printf("target: ratio within 4; the layered net well inside the 50 ms tick\n");
}
