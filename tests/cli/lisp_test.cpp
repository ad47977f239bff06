#include "support/paths.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

using test::readFile;
using test::ScratchDir;
using test::writeFile;

int lispCli(const std::string& arguments) {
    return test::cliStatus("lisp " + arguments);
}

const char* const Header = "Lumeris 1.5\r\n"
                           "Items\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\r\n";
const char* const ItemColumns =
    "Item.id\tX\tY\tType\tValue\tAndOr\tCustom\tIsCust\tVis\tName\turl\tphoto\ttext\r\n";

TEST(CliLisp, WritesTheImportedSourceAsSaveWould) {
    ScratchDir dir;
    writeFile(dir / "src.el", "(a b) ;; c\n");
    ASSERT_EQ(lispCli((dir / "src.el").string() + " -o " + (dir / "out.txt").string()), 0);
    EXPECT_EQ(readFile(dir / "out.txt"),
              std::string(Header) + "4\t3\t0\t0\t0\t1.0000\tnone\r\n" + ItemColumns +
                  "1\t0\t0\t6\t0.0000\t1.0000\t0.0000\t0\t1\t\t\t\t\r\n"
                  "2\t32\t0\t5\t0.0000\t1.0000\t0.0000\t0\t1\ta\t\t\t\r\n"
                  "3\t32\t32\t5\t0.0000\t1.0000\t0.0000\t0\t1\tb\t\t\t\r\n"
                  "4\t0\t64\t5\t0.0000\t1.0000\t0.0000\t0\t1\t;; c\t\t\t\r\n"
                  "LinkFrom To\tValue\tAndOr\tName\r\n"
                  "2\t1\t1.0000\t0.0000\t\r\n"
                  "3\t2\t1.0000\t0.0000\t\r\n"
                  "4\t1\t1.0000\t0.0000\t\r\n"
                  "Views\r\n"
                  "\r\n");
}

TEST(CliLisp, DeepSourcesImportAndBadArgumentsFail) {
    ScratchDir dir;
    writeFile(dir / "deep.el", std::string(100000, '(') + "x");
    ASSERT_EQ(lispCli((dir / "deep.el").string() + " -o " + (dir / "deep.txt").string()), 0);
    EXPECT_NE(readFile(dir / "deep.txt").find("100001\t100000\t0\t"), std::string::npos);

    EXPECT_EQ(lispCli((dir / "missing.el").string() + " -o " + (dir / "none.txt").string() +
                      " 2>/dev/null"),
              4);
    EXPECT_FALSE(std::filesystem::exists(dir / "none.txt"));
    EXPECT_EQ(lispCli((dir / "deep.el").string() + " --bogus 2>/dev/null"), 1);
    EXPECT_EQ(lispCli("2>/dev/null"), 1);
}

} // namespace
} // namespace lumeris
