// lumeris-cli --help, COMMAND --help and --version answer on standard output with status 0,
// and never run a command; other words keep their usage errors.
#include "support/cli_run.h"
#include "support/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace lumeris {
namespace {

using test::CliRun;
using test::runCli;

const char* const Commands[] = {"convert",  "run",       "layout", "lisp",
                                "generate", "favorites", "loops"};

TEST(Help, TheGeneralHelpAndTheVersion) {
    test::ScratchDir dir;
    for (const char* words : {"--help", "-h"}) {
        const CliRun run = runCli(dir, words);
        EXPECT_EQ(run.status, 0) << words;
        EXPECT_TRUE(run.out.starts_with("usage: lumeris-cli COMMAND")) << words;
        EXPECT_EQ(run.err, "");
        for (const char* command : Commands)
            EXPECT_NE(run.out.find("\n  " + std::string(command) + " "), std::string::npos)
                << command;
    }
    const CliRun version = runCli(dir, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "lumeris-cli " LUMERIS_VERSION "\n");
}

TEST(Help, EveryCommandAnswersItsHelpWithoutRunning) {
    test::ScratchDir dir;
    test::writeFile(dir / "in.txt", "Lumeris 1.5\n");
    for (const char* command : Commands) {
        const CliRun run = runCli(dir, std::string(command) + " in.txt -o out.txt --help");
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_TRUE(run.out.starts_with("usage: lumeris-cli " + std::string(command) + " "))
            << command;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.txt")) << command;
    }
}

TEST(Help, OtherWordsAreStillWrongUsage) {
    test::ScratchDir dir;
    for (const char* words : {"frobnicate --help", "--bogus", "--help-me", "convert"}) {
        const CliRun run = runCli(dir, words);
        EXPECT_EQ(run.status, 1) << words;
        EXPECT_TRUE(run.err.starts_with("usage: lumeris-cli")) << words;
        EXPECT_EQ(run.out, "") << words;
    }
}

} // namespace
} // namespace lumeris
