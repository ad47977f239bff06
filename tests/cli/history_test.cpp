// lumeris-cli run --history: line k of the CSV is what run -n k --dump shows of every item's
// value, on random schemes and the demo, stepping and teaching; --items and its usage errors.
#include "support/paths.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace lumeris {
namespace {

using test::cliStatus;
using test::readFile;
using test::ScratchDir;

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

// "step,<id>,..." from the dump's item lines (id and value, oldest item first), as line k of
// the history should read.
std::string dumpAsCsv(const std::string& dump, int step) {
    std::string header = "step", values = std::to_string(step);
    std::istringstream lines(dump);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string kind, id, x, y, vx, vy, value;
        if (fields >> kind >> id >> x >> y >> vx >> vy >> value && kind == "I") {
            header += "," + id;
            values += "," + value;
        }
    }
    return header + "\n" + values + "\n";
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line + "\n");
    return lines;
}

TEST(CliHistory, EveryLineIsWhatTheDumpShowsAfterThatManySteps) {
    ScratchDir dir;
    const std::string demo = quoted(test::sourceDir() / "examples" / "demo.txt");
    for (int seed : {1, 2})
        ASSERT_EQ(cliStatus("generate --rows 3 --cols 4 --random --seed " + std::to_string(seed) +
                            " -o " + quoted(dir / ("net" + std::to_string(seed) + ".txt"))),
                  0);
    const struct {
        std::string in;
        std::string teach;
    } cases[] = {{quoted(dir / "net1.txt"), ""},
                 {quoted(dir / "net2.txt"), " --teach"},
                 {demo, ""},
                 {demo, " --teach"}};
    const int steps = 5;
    for (const auto& c : cases) {
        const std::string run = "run " + c.in + c.teach + " -o /dev/null";
        ASSERT_EQ(
            cliStatus(run + " -n " + std::to_string(steps) + " --history " + quoted(dir / "h.csv")),
            0);
        const std::vector<std::string> history = linesOf(readFile(dir / "h.csv"));
        ASSERT_EQ(history.size(), std::size_t(steps + 2)) << run;
        for (int k = 0; k <= steps; ++k) {
            ASSERT_EQ(
                cliStatus(run + " -n " + std::to_string(k) + " --dump " + quoted(dir / "d.txt")),
                0);
            EXPECT_EQ(history[0] + history[k + 1], dumpAsCsv(readFile(dir / "d.txt"), k))
                << run << " after " << k;
        }
    }
}

TEST(CliHistory, ItemsChooseTheColumnsAndUnknownOnesAreUsageErrors) {
    ScratchDir dir;
    const std::string demo = quoted(test::sourceDir() / "examples" / "demo.txt");
    const std::string out = " -o /dev/null --history " + quoted(dir / "h.csv");
    ASSERT_EQ(cliStatus("run " + demo + " -n 2 --items 5,2" + out), 0);
    const std::vector<std::string> lines = linesOf(readFile(dir / "h.csv"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "step,5,2\n");
    EXPECT_TRUE(lines[2].starts_with("1,")) << lines[2];

    for (const char* items : {"5,99999", "x", "5,", ""})
        EXPECT_EQ(cliStatus("run " + demo + " -n 2 --items '" + items + "'" + out), 1) << items;
    EXPECT_EQ(cliStatus("run " + demo + " -n 2 --items 5 -o /dev/null"), 1);
    EXPECT_EQ(cliStatus("run " + demo + " -n 2 --history /no/such/folder/h.csv -o /dev/null"), 4);
}

} // namespace
} // namespace lumeris
