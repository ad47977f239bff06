// Reading, writing and emptying large schemes, beside a floor measured in the same run: split
// the same text into lines and convert its numbers with std::from_chars. Targets: read and
// write within 3x of the floor; empty within 50 ms for 100,000 items.
#include "files/scheme_reader.h"
#include "files/scheme_writer.h"
#include "text/lines.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>

using namespace lumeris;

namespace {

constexpr int Runs = 5;

double bestMilliseconds(int runs, const std::function<void()>& setUp,
                        const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        setUp();
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void randomScheme(Scheme& scheme, int items, int links) {
    std::mt19937 random(7);
    std::vector<CPoint*> all;
    for (int i = 0; i < items; ++i) {
        CPoint* p = scheme.createItem("item " + std::to_string(i), int(random() % 20000) - 10000,
                                      int(random() % 20000) - 10000);
        p->Value = float(random() % 2001) / 1000.0f - 1.0f;
        all.push_back(p);
    }
    for (int i = 0; i < links; ++i) {
        CLink* l = scheme.createLink(all[random() % all.size()], all[random() % all.size()]);
        l->Value = float(random() % 2001) / 1000.0f - 1.0f;
    }
}

void layeredNet(Scheme& scheme, int rows, int columns) {
    std::vector<CPoint*> previous, current;
    for (int r = 0; r < rows; ++r) {
        current.clear();
        for (int c = 0; c < columns; ++c)
            current.push_back(scheme.createItem({}, c * 32, r * 64));
        for (CPoint* from : previous)
            for (CPoint* to : current)
                scheme.createLink(from, to);
        std::swap(previous, current);
    }
}

// The floor: lines, then every TAB-separated number converted.
double floorWork(const std::string& text) {
    double sum = 0;
    for (const std::string& line : splitLines(text)) {
        const char* p = line.data();
        const char* end = p + line.size();
        while (p < end) {
            const char* fieldEnd = std::find(p, end, '\t');
            if (std::find(p, fieldEnd, '.') != fieldEnd) {
                float value = 0;
                std::from_chars(p, fieldEnd, value);
                sum += value;
            } else {
                int value = 0;
                std::from_chars(p, fieldEnd, value);
                sum += value;
            }
            p = fieldEnd + (fieldEnd < end ? 1 : 0);
        }
    }
    return sum;
}

void measure(const char* title, const std::function<void(Scheme&)>& build) {
    Scheme source;
    build(source);
    ViewState view;
    Document doc;
    const std::string text = saveBytes(source, view, doc);

    volatile double sink = 0;
    const double floor = bestMilliseconds(
        Runs, [] {}, [&] { sink = sink + floorWork(text); });

    std::string written;
    const double write = bestMilliseconds(
        Runs, [] {}, [&] { written = saveBytes(source, view, doc); });

    std::unique_ptr<Scheme> target;
    const double read = bestMilliseconds(
        Runs, [&] { target = std::make_unique<Scheme>(); },
        [&] {
            const ReadResult result =
                readScheme(splitLines(text), ReadMode::load(), *target, view, doc, nullptr);
            if (!result)
                std::printf("read failed: %s\n", result.message.plain().c_str());
        });
    const bool same = saveBytes(*target, view, doc) == text;
    const double empty = bestMilliseconds(
        1, [] {}, [&] { target->empty(); });

    std::printf("%s: %d items, %d links, %.1f MB of text\n", title, source.ItemCount,
                source.LinkCount, double(text.size()) / 1e6);
    std::printf("  floor (split + from_chars) %8.1f ms\n", floor);
    std::printf("  read                       %8.1f ms  ratio %.2f (target <= 3)\n", read,
                read / floor);
    std::printf("  write                      %8.1f ms  ratio %.2f (target <= 3)\n", write,
                write / floor);
    std::printf("  empty                      %8.1f ms\n", empty);
    std::printf("  write(read(text)) == text: %s\n", same && written == text ? "yes" : "NO");
}

} // namespace

int main() {
    measure("random", [](Scheme& s) { randomScheme(s, 100000, 300000); });
    measure("layered 10 x 320", [](Scheme& s) { layeredNet(s, 10, 320); });
}
