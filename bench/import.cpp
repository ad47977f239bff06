// The importers at scale: 5 MB of Lisp source (target <= 1 s) and a 10 x 320 network
// (target <= 0.5 s). Each figure is printed with its ratio to the target.
#include "import/lisp.h"
#include "import/network.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <string>

using namespace lumeris;
using Clock = std::chrono::steady_clock;

namespace {

// Source shaped like an Emacs Lisp file: commented definitions with nested forms, strings
// and vectors, about `bytes` long.
std::string lispSource(std::size_t bytes) {
    std::mt19937 rng(3);
    std::string text;
    for (int n = 0; text.size() < bytes; ++n) {
        text += ";; Helper number " + std::to_string(n) + ", kept for the listing.\n";
        text += "(defun helper-" + std::to_string(n) + " (arg &optional flag)\n";
        text += "  \"Return ARG adjusted; FLAG selects the slow path.\"\n";
        const int depth = 1 + static_cast<int>(rng() % 6);
        text += "  (let ((x (car arg)) [v " + std::to_string(rng() % 100) + "])";
        for (int d = 0; d < depth; ++d)
            text += "\n    (when (and flag (> x " + std::to_string(d) + "))";
        text += " (setq x (+ x 1))";
        text += std::string(depth, ')') + "\n    x))\n\n";
    }
    return text;
}

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main() {
    const std::string source = lispSource(5u << 20);
    Scheme lisp;
    const auto t0 = Clock::now();
    importLisp(lisp, source, 0, 0);
    const double lispTime = seconds(Clock::now() - t0);
    std::printf("lisp import, %.1f MB, %d items: %.3f s; ratio to the 1 s target %.2f\n",
                static_cast<double>(source.size()) / (1 << 20), lisp.ItemCount, lispTime,
                lispTime / 1.0);

    Scheme net;
    std::mt19937 random(1);
    const auto t1 = Clock::now();
    generateNetwork(net, NetworkShape{10, 320, 64, 64}, 0, 0, &random);
    const double netTime = seconds(Clock::now() - t1);
    std::printf("network 10 x 320, %d items, %d links: %.3f s; ratio to the 0.5 s target %.2f\n",
                net.ItemCount, net.LinkCount, netTime, netTime / 0.5);
    return 0;
}
