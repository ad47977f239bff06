#include "support/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace lumeris {
namespace {

using test::readFile;
using test::writeFile;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the real lumeris-cli with the words given (already quoted where needed).
CliRun runCli(const test::ScratchDir& dir, const std::string& words) {
    const std::string command = "'" + test::cliPath().string() + "' " + words + " >'" +
                                (dir / "stdout").string() + "' 2>'" + (dir / "stderr").string() +
                                "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "stdout"),
            readFile(dir / "stderr")};
}

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

const std::string Scheme = "Lumeris 1.5\n"
                           "Items\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\n"
                           "2\t1\t1\t-3\t4\t.5\tbg.bmp\n"
                           "caption\n"
                           "1\t0\t0\t4\t0.12345\t1\t0\t0\t1\tview\t\t\t\n"
                           "2\t9\t8\t1\t-0.00001\t1\t0\t0\t1\tb\t\t\tx\\ny\n"
                           "caption\n"
                           "1\t2\t1.5\t0\tl\n"
                           "Views\n"
                           " 1\t2\n"
                           "1\t1\t1\t1\n"
                           "2\t5\t5\t0\n";

const std::string Converted = "Lumeris 1.5\r\n"
                              "Items\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\r\n"
                              "2\t1\t1\t-3\t4\t0.5000\tbg.bmp\r\n"
                              "Item.id\tX\tY\tType\tValue\tAndOr\tCustom\tIsCust\tVis\tName\turl"
                              "\tphoto\ttext\r\n"
                              "1\t0\t0\t4\t0.1235\t1.0000\t0.0000\t0\t1\tview\t\t\t\r\n"
                              "2\t9\t8\t1\t0.0000\t1.0000\t0.0000\t0\t1\tb\t\t\tx\\ny\r\n"
                              "LinkFrom To\tValue\tAndOr\tName\r\n"
                              "1\t2\t1.5000\t0.0000\tl\r\n"
                              "Views\r\n"
                              " 1\t2\r\n"
                              "2\t5\t5\t0\r\n"
                              "1\t1\t1\t1\r\n"
                              "\r\n";

TEST(Convert, WritesWhatSaveWritesToOutOrToStandardOutput) {
    test::ScratchDir dir;
    writeFile(dir / "in.txt", Scheme);
    const CliRun toFile =
        runCli(dir, "convert " + quoted(dir / "in.txt") + " -o " + quoted(dir / "out.txt"));
    EXPECT_EQ(toFile.status, 0);
    EXPECT_EQ(toFile.err, "");
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(readFile(dir / "out.txt"), Converted);
    const CliRun toStdout = runCli(dir, "convert " + quoted(dir / "in.txt"));
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_EQ(toStdout.out, Converted);
    EXPECT_EQ(readFile(dir / "in.txt"), Scheme); // IN itself is never rewritten
}

TEST(Convert, LegacyFilesComeOutInTheCurrentLayout) {
    test::ScratchDir dir;
    writeFile(dir / "old.txt", "Lumeris 1.4\r\nc\r\n1\t0\t0\t1\tnone\r\nc\r\n"
                               "5\t1\t2\t0\t-1\t0\t\t0\tname\r\nc\r\n5\t5\t\t\t1\t1\tself\r\n");
    const CliRun run = runCli(dir, "convert " + quoted(dir / "old.txt"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.starts_with("Lumeris 1.5\r\n"));
    EXPECT_NE(run.out.find("\r\n5\t1\t2\t1\t0.0000\t0.0000\t0.0000\t0\t1\tname\t\t\t\r\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("\r\n5\t5\t1.0000\t1.0000\tself\r\n"), std::string::npos);
}

TEST(Convert, ReadingErrorsExitWithTheirStatusAndWriteNoOutput) {
    test::ScratchDir dir;
    writeFile(dir / "broken.txt", Scheme.substr(0, Scheme.find("caption\n1\t2")));
    writeFile(dir / "badlegacy.txt", "Lumeris 1.4\r\nc\r\nx\r\n");
    writeFile(dir / "other.txt", "Lumeris 1.5 \r\n");
    const auto out = quoted(dir / "out.txt");
    const CliRun broken = runCli(dir, "convert " + quoted(dir / "broken.txt") + " -o " + out);
    EXPECT_EQ(broken.status, 2);
    EXPECT_EQ(broken.err, "Error in data, line 8\n"); // the link caption is skipped unread
    const CliRun legacy = runCli(dir, "convert " + quoted(dir / "badlegacy.txt") + " -o " + out);
    EXPECT_EQ(legacy.status, 2);
    EXPECT_EQ(legacy.err, "Error in data, line 4\n");
    const CliRun other = runCli(dir, "convert " + quoted(dir / "other.txt") + " -o " + out);
    EXPECT_EQ(other.status, 3);
    EXPECT_EQ(other.err, "Invalid data file\n");
    const CliRun missing = runCli(dir, "convert " + quoted(dir / "none.txt") + " -o " + out);
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.err, "Invalid data file\n");
    EXPECT_EQ(missing.out, "");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
}

TEST(Convert, WrongUsagePrintsTheUsageLine) {
    test::ScratchDir dir;
    writeFile(dir / "in.txt", Scheme);
    const auto in = quoted(dir / "in.txt");
    for (const std::string& words :
         {std::string(""), std::string("convert"), std::string("frobnicate ") + in,
          "convert " + in + " -o", "convert " + in + " --bogus", "convert " + in + " " + in}) {
        const CliRun run = runCli(dir, words);
        EXPECT_EQ(run.status, 1) << words;
        EXPECT_TRUE(run.err.starts_with("usage: lumeris-cli")) << words;
        EXPECT_EQ(run.out, "");
    }
}

TEST(Convert, TheDemoSchemesConvertAndConvertingAgainGivesTheOriginal) {
    test::ScratchDir dir;
    for (const char* name : {"demo.txt", "second.txt"}) {
        const auto source = test::sourceDir() / "examples" / name;
        const CliRun once = runCli(dir, "convert " + quoted(source) + " -o " + quoted(dir / name));
        ASSERT_EQ(once.status, 0) << name << once.err;
        const CliRun twice = runCli(dir, "convert " + quoted(dir / name));
        EXPECT_EQ(twice.status, 0);
        EXPECT_EQ(twice.out, readFile(source)) << name;
    }
}

} // namespace
} // namespace lumeris
