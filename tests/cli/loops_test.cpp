// lumeris-cli loops: the lines, their order, the last line, and the usage and reading errors.
#include "support/cli_run.h"
#include "support/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace lumeris {
namespace {

using test::CliRun;
using test::runCli;

// Ids 7, 3, 5, 9 in file order: 3 -> 7 -> 5 -> 3 with one negative link, 7 <-> 9 twice over
// from 9, and 5 linked to itself.
const std::string Scheme = "Lumeris 1.5\n"
                           "Items\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\n"
                           "4\t7\t0\t0\t0\t1\tnone\n"
                           "caption\n"
                           "7\t0\t0\t1\t0\t1\t0\t0\t1\ta\t\t\t\n"
                           "3\t10\t0\t1\t0\t1\t0\t0\t1\tb\t\t\t\n"
                           "5\t20\t0\t1\t0\t1\t0\t0\t1\tc\t\t\t\n"
                           "9\t30\t0\t1\t0\t1\t0\t0\t1\td\t\t\t\n"
                           "caption\n"
                           "3\t7\t1\t0\t\n"
                           "7\t5\t-0.5\t0\t\n"
                           "5\t3\t1\t0\t\n"
                           "7\t9\t1\t0\t\n"
                           "9\t7\t1\t0\t\n"
                           "9\t7\t-1\t0\t\n"
                           "5\t5\t0.3\t0\t\n";

TEST(CliLoops, ListsTheLoopsShortestFirst) {
    test::ScratchDir dir;
    test::writeFile(dir / "in.txt", Scheme);
    const CliRun all = runCli(dir, "loops in.txt");
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, "R\t1\t5\n"
                       "0\t2\t7 9\n"
                       "B\t3\t3 7 5\n"
                       "3 loops\n");
    EXPECT_EQ(runCli(dir, "loops in.txt --max-length 2").out, "R\t1\t5\n0\t2\t7 9\n2 loops\n");
    const CliRun cut = runCli(dir, "loops in.txt --limit 2");
    EXPECT_EQ(cut.status, 0);
    EXPECT_TRUE(cut.out.ends_with("\nmore than 2 loops\n")) << cut.out;
}

TEST(CliLoops, UsageAndReadingErrors) {
    test::ScratchDir dir;
    test::writeFile(dir / "in.txt", Scheme);
    for (const char* words : {"loops", "loops in.txt --limit -1", "loops in.txt --limit x",
                              "loops in.txt --max-length", "loops in.txt -o out.txt"}) {
        const CliRun run = runCli(dir, words);
        EXPECT_EQ(run.status, 1) << words;
        EXPECT_TRUE(run.err.starts_with("usage: lumeris-cli")) << words;
    }
    test::writeFile(dir / "bad.txt", "not a scheme\n");
    EXPECT_EQ(runCli(dir, "loops bad.txt").status, 3);
    EXPECT_EQ(runCli(dir, "loops missing.txt").err, "Invalid data file\n");
}

} // namespace
} // namespace lumeris
