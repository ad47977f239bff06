// lumeris-cli run: N steps or teach steps, the dump, the output and the usage errors.
#include "support/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace lumeris {
namespace {

using test::readFile;
using test::ScratchDir;
using test::writeFile;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the real lumeris-cli inside the scratch folder, so that NS.csv is looked for there.
CliRun runCli(const ScratchDir& dir, const std::string& words) {
    const std::string command = "cd '" + dir.path().string() + "' && '" + test::cliPath().string() +
                                "' " + words + " >stdout 2>stderr";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "stdout"),
            readFile(dir / "stderr")};
}

// A (fixed 0.5) -> B with coefficient 0.8 and -> D with 0.5; C reads cell R1C1 and D writes
// cell R1C2.
const std::string Header = "Lumeris 1.5\n"
                           "Items\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\n"
                           "4\t2\t0\t0\t0\t1\tnone\n"
                           "caption\n";
const std::string Scheme = Header + "1\t0\t0\t1\t0\t1\t0.5\t1\t1\ta\t\t\t\n"
                                    "2\t10\t0\t1\t0\t1\t0\t0\t1\tb\t\t\t\n"
                                    "3\t20\t0\t1\t0\t1\t0.9\t1\t1\tc\tDDE:R1C1\t\t\n"
                                    "4\t30\t0\t1\t0.25\t1\t0\t0\t1\td\tDDE:R1C2\t\t\n"
                                    "caption\n"
                                    "1\t2\t0.8\t0\tl\n"
                                    "1\t4\t0.5\t0\tm\n";

TEST(CliRun, StepsAndDumpsEveryFloatInFull) {
    ScratchDir dir;
    writeFile(dir / "in.txt", Scheme);
    writeFile(dir / "NS.csv", "-0.125\r\n");
    const CliRun run = runCli(dir, "run in.txt -n 1 --dump dump.txt -o out.txt");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(readFile(dir / "dump.txt"), "I 1 0 0 0 0 0.5 1 1 0.5\n"
                                          "I 2 10 0 0 0 0.400000006 2 1 0.400000006 2 "
                                          "0.400000006\n"
                                          "I 3 20 0 0 0 -0.125 1 3 -0.125\n"
                                          "I 4 30 0 0 0 0.25 2 1 0.25 4 0.25\n"
                                          "L 1 2 0.800000012\n"
                                          "L 1 4 0.5\n");
    const std::string saved = readFile(dir / "out.txt");
    EXPECT_NE(saved.find("\r\n2\t10\t0\t1\t0.4000\t1.0000\t0.0000\t0\t1\tb\t\t\t\r\n"),
              std::string::npos)
        << saved;
    EXPECT_TRUE(saved.ends_with("\r\n\r\n"));
    // D stands before C in the item list: in the first step the link was not open yet when
    // D poked. In the second, D pokes its value as it stood when the step began.
    EXPECT_EQ(readFile(dir / "NS.csv"), "-0.125\r\n");
    ASSERT_EQ(runCli(dir, "run in.txt -n 2").status, 0);
    EXPECT_EQ(readFile(dir / "NS.csv"), "-0.125,0.2500\r\n");
}

TEST(CliRun, TeachMovesTheCoefficients) {
    ScratchDir dir;
    // A (fixed 0.5) -> B (fixed 0.3): teaching makes the coefficient 0.3 / 0.5.
    writeFile(dir / "in.txt", Header.substr(0, Header.find("4\t2")) +
                                  "2\t1\t0\t0\t0\t1\tnone\ncaption\n"
                                  "1\t0\t0\t1\t0\t1\t0.5\t1\t1\ta\t\t\t\n"
                                  "2\t10\t0\t1\t0\t1\t0.3\t1\t1\tb\t\t\t\n"
                                  "caption\n"
                                  "1\t2\t0.8\t0\tl\n");
    ASSERT_EQ(runCli(dir, "run in.txt -n 1 --dump plain.txt").status, 0);
    ASSERT_EQ(runCli(dir, "run in.txt -n 1 --teach --dump taught.txt").status, 0);
    EXPECT_NE(readFile(dir / "plain.txt").find("L 1 2 0.800000012\n"), std::string::npos);
    EXPECT_NE(readFile(dir / "taught.txt").find("L 1 2 0.600000024\n"), std::string::npos);

    // Without NS.csv the reading item has never had a text: it reads 0.
    writeFile(dir / "in.txt", Scheme);
    ASSERT_EQ(runCli(dir, "run in.txt -n 1 --dump dump.txt").status, 0);
    EXPECT_NE(readFile(dir / "dump.txt").find("I 3 20 0 0 0 0 1 3 0\n"), std::string::npos);
}

TEST(CliRun, ZeroStepsWriteTheSchemeAsSaved) {
    ScratchDir dir;
    writeFile(dir / "in.txt", Scheme);
    const CliRun run = runCli(dir, "run in.txt -n 0");
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("Lumeris 1.5\r\n"));
    EXPECT_NE(run.out.find("\tc\tDDE:R1C1\t\t\r\n"), std::string::npos);
}

TEST(CliRun, ErrorsAndUsage) {
    ScratchDir dir;
    writeFile(dir / "bad.txt", "Lumeris 1.3\n");
    CliRun run = runCli(dir, "run bad.txt -n 2 -o out.txt --dump dump.txt");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "Invalid data file\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "dump.txt"));
    EXPECT_EQ(runCli(dir, "run missing.txt -n 1").status, 3);

    writeFile(dir / "in.txt", Scheme);
    for (const char* words : {"run in.txt", "run in.txt -n -1", "run in.txt -n x",
                              "run in.txt -n 1 --fast", "run -n 1", "run in.txt in.txt -n 1"}) {
        run = runCli(dir, words);
        EXPECT_EQ(run.status, 1) << words;
        EXPECT_TRUE(run.err.starts_with("usage: lumeris-cli")) << words;
    }
}

} // namespace
} // namespace lumeris
