// One keystroke in the find bar over 100,000 items: the query's words found in every item's
// name, text and address. Beside it, the floor: a plain case-sensitive search of the same
// fields for the same words, which is the least any find must do.
#include "find/find_matcher.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

using namespace lumeris;

namespace {

double cpuMs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

template <class F> double medianMs(int runs, F&& f) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = cpuMs();
        f();
        times.push_back(cpuMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Names "Item 1" to "Item 100000"; every tenth has a text of a sentence, every hundredth an
// address.
void fill(Scheme& scheme) {
    for (int i = 1; i <= 100000; ++i) {
        CPoint* item = scheme.createItem("Item " + std::to_string(i), i % 400, i / 400);
        if (i % 10 == 0)
            item->text = "A note on item " + std::to_string(i) + ", written for the class.";
        if (i % 100 == 0)
            item->url = "http://example.org/items/" + std::to_string(i) + ".html";
    }
}

std::size_t floorSearch(const Scheme& scheme, const std::vector<std::string>& words) {
    std::size_t found = 0;
    for (const CPoint* item = scheme.ItemTail; item; item = item->Prev)
        found += std::all_of(words.begin(), words.end(), [item](const std::string& w) {
            return item->Name.find(w) != std::string::npos ||
                   item->text.find(w) != std::string::npos ||
                   item->url.find(w) != std::string::npos;
        });
    return found;
}

} // namespace

int main() {
    Scheme scheme;
    fill(scheme);
    const struct {
        const char* typed;
        std::vector<std::string> words;
    } queries[] = {
        {"item 4242", {"Item", "4242"}}, {"NOTE class", {"note", "class"}}, {"zzz", {"zzz"}}};
    for (const auto& q : queries) {
        std::size_t matches = 0, floorMatches = 0;
        const double find =
            medianMs(15, [&] { matches = findItems(scheme, FindQuery(q.typed)).size(); });
        const double floor = medianMs(15, [&] { floorMatches = floorSearch(scheme, q.words); });
        std::printf("find \"%s\" over 100000 items: %.2f ms (%zu matches); floor %.2f ms (%zu); "
                    "ratio %.1f\n",
                    q.typed, find, matches, floor, floorMatches, find / floor);
    }
    std::printf("target: a keystroke well inside the 50 ms tick\n");
}
