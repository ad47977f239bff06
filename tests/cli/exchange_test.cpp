#include "support/paths.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

using test::cliStatus;
using test::readFile;
using test::ScratchDir;
using test::writeFile;

// A generated net with random values and coefficients goes out and comes back byte for byte:
// its items have ids 1, 2, ... in creation order, which the import hands out again.
TEST(CliExchange, GraphmlRoundTripGivesTheSameSchemeFile) {
    ScratchDir dir;
    const std::string net = (dir / "net.txt").string();
    ASSERT_EQ(cliStatus("generate --rows 3 --cols 4 --random --seed 5 -o " + net), 0);
    ASSERT_EQ(cliStatus("export " + net + " -o " + (dir / "net.graphml").string()), 0);
    ASSERT_EQ(cliStatus("import " + (dir / "net.graphml").string() + " -o " +
                        (dir / "back.txt").string()),
              0);
    EXPECT_EQ(readFile(dir / "back.txt"), readFile(net));
}

// Out, in and out again gives the same list; --into adds to the scheme read.
TEST(CliExchange, CsvRoundTripKeepsTheConnectionList) {
    ScratchDir dir;
    const std::string net = (dir / "net.txt").string();
    ASSERT_EQ(cliStatus("generate --rows 2 --cols 3 --random --seed 9 -o " + net), 0);
    ASSERT_EQ(cliStatus("export " + net + " -o " + (dir / "a.CSV").string()), 0);
    ASSERT_EQ(cliStatus("import " + (dir / "a.CSV").string() + " -o " + (dir / "b.txt").string()),
              0);
    ASSERT_EQ(cliStatus("export " + (dir / "b.txt").string() + " -o " + (dir / "b.csv").string()),
              0);
    EXPECT_EQ(readFile(dir / "b.csv"), readFile(dir / "a.CSV"));

    ASSERT_EQ(cliStatus("import " + (dir / "a.CSV").string() + " --into " + net + " -o " +
                        (dir / "joined.txt").string()),
              0);
    EXPECT_NE(readFile(dir / "joined.txt").find("\r\n12\t18\t0\t"), std::string::npos);
}

TEST(CliExchange, StatusesAndMessages) {
    ScratchDir dir;
    const std::string net = (dir / "net.txt").string();
    ASSERT_EQ(cliStatus("generate --rows 1 --cols 2 -o " + net), 0);
    writeFile(dir / "bad.graphml", "<graphml>\n  <graph><node id='a'/><edge source='a' target='b'/>"
                                   "</graph></graphml>");
    writeFile(dir / "bad.csv", "From,To\na,\"b\n");
    const std::string out = " -o " + (dir / "out.txt").string();
    const std::string err = " 2>" + (dir / "err.txt").string();
    struct Case {
        std::string words;
        int status;
        std::string message; // the start of what stderr says
    } cases[] = {
        {"export " + net, 1, "usage: "},
        {"export " + net + " -o x.txt", 1, "usage: "},
        {"import " + (dir / "a.dot").string(), 1, "usage: "},
        {"export " + (dir / "none.txt").string() + " -o x.csv", 3, "Invalid data file"},
        {"import " + (dir / "none.csv").string() + out, 4, "Can not read"},
        {"import " + (dir / "bad.csv").string() + " --into " + (dir / "none.txt").string() + out, 3,
         "Invalid data file"},
        {"import " + (dir / "bad.graphml").string() + out, 2,
         "Error in data, line 2, column 52: an edge names the node \"b\""},
        {"import " + (dir / "bad.csv").string() + " --into " + net + out, 2,
         "Error in data, line 2: a quoted field is never closed"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cliStatus(c.words + err), c.status) << c.words;
        EXPECT_EQ(readFile(dir / "err.txt").rfind(c.message, 0), 0u) << readFile(dir / "err.txt");
        EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
    }
}

TEST(CliExchange, ImportTellsWhatItChanged) {
    ScratchDir dir;
    writeFile(dir / "big.csv", "From,To,Weight\na,b,5\nb,a,-2\n");
    ASSERT_EQ(cliStatus("import " + (dir / "big.csv").string() + " -o " +
                        (dir / "out.txt").string() + " 2>" + (dir / "err.txt").string()),
              0);
    EXPECT_EQ(readFile(dir / "err.txt"), "2 numbers outside their range were clamped\n");
}

} // namespace
} // namespace lumeris
