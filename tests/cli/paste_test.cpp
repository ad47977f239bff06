#include "support/paths.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

using test::readFile;
using test::ScratchDir;
using test::writeFile;

int pasteCli(const std::string& arguments) {
    return test::cliStatus("paste " + arguments);
}

const char* const Header = "Lumeris 1.5\r\n"
                           "Items\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\r\n";
const char* const ItemColumns =
    "Item.id\tX\tY\tType\tValue\tAndOr\tCustom\tIsCust\tVis\tName\turl\tphoto\ttext\r\n";

TEST(CliPaste, PlainUtf8LinesWithoutAByteOrderMarkPasteIntoAnEmptyScheme) {
    ScratchDir dir;
    // "Я" is 0xDF in Windows-1251; a stray byte and a character it lacks become "?".
    writeFile(dir / "src.txt", "\xEF\xBB\xBF"
                               "a\r\n\t\xD0\xAF\xFF\xE2\x82\xBF\n");
    ASSERT_EQ(pasteCli((dir / "src.txt").string() + " -o " + (dir / "out.txt").string()), 0);
    EXPECT_EQ(readFile(dir / "out.txt"),
              std::string(Header) + "2\t0\t0\t0\t0\t1.0000\tnone\r\n" + ItemColumns +
                  "1\t0\t0\t1\t0.0000\t1.0000\t0.0000\t0\t1\ta\t\t\t\r\n"
                  "2\t16\t32\t1\t0.0000\t1.0000\t0.0000\t0\t1\t\xDF??\t\t\t\r\n"
                  "LinkFrom To\tValue\tAndOr\tName\r\n"
                  "Views\r\n"
                  "\r\n");
}

TEST(CliPaste, IntoASchemeKeepsItsViewAndPlacesThePasteAtTheOrigin) {
    ScratchDir dir;
    writeFile(dir / "in.txt", std::string(Header) + "1\t0\t0\t-300\t40\t0.5\told.bmp\r\n" +
                                  ItemColumns +
                                  "5\t7\t7\t1\t0\t1\t0\t0\t1\tkept\t\t\t\r\n"
                                  "LinkFrom To\tValue\tAndOr\tName\r\nViews\r\n");
    writeFile(dir / "lines.txt", "one\ntwo\nthree\nwww.four.ru\n");
    ASSERT_EQ(pasteCli((dir / "lines.txt").string() + " --into " + (dir / "in.txt").string() +
                       " -o " + (dir / "out.txt").string()),
              0);
    const std::string out = readFile(dir / "out.txt");
    EXPECT_NE(out.find("\r\n6\t4\t0\t-300\t40\t0.5000\told.bmp\r\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\r\n6\t0\t0\t1\t0.0000\t1.0000\t0.0000\t0\t1\t*\t"), std::string::npos);
    // PasteOffset 64 after the pointer move, plus the paste's own 64.
    EXPECT_NE(out.find("\r\n7\t128\t128\t1\t"), std::string::npos);
    EXPECT_NE(out.find("\r\n10\t128\t224\t1\t0.0000\t1.0000\t0.0000\t0\t1\twww.four.ru\t"
                       "www.four.ru\t\t\r\n"),
              std::string::npos);
    EXPECT_NE(out.find("\r\n10\t6\t0.0000\t0.0000\t\r\n"), std::string::npos);

    // A fragment lands under the pointer and hands over its background picture's name.
    writeFile(dir / "fragment.txt",
              std::string(Header) + "2\t0\t0\t9\t9\t2\tnew.bmp\r\n" + ItemColumns +
                  "1\t50\t60\t1\t0\t1\t0\t0\t1\tx\t\t\t\r\n2\t60\t80\t1\t0\t1\t0\t0\t1\ty\t\t\t\r\n"
                  "LinkFrom To\tValue\tAndOr\tName\r\nViews\r\n");
    ASSERT_EQ(pasteCli((dir / "fragment.txt").string() + " --into " + (dir / "in.txt").string() +
                       " -o " + (dir / "out.txt").string()),
              0);
    const std::string pasted = readFile(dir / "out.txt");
    EXPECT_NE(pasted.find("\r\n3\t0\t0\t-300\t40\t0.5000\tnew.bmp\r\n"), std::string::npos);
    EXPECT_NE(pasted.find("\r\n6\t0\t0\t1\t"), std::string::npos);
    EXPECT_NE(pasted.find("\r\n7\t10\t20\t1\t"), std::string::npos);
}

TEST(CliPaste, ErrorsWriteNothingAndEndWithTheirStatus) {
    ScratchDir dir;
    writeFile(dir / "broken.txt", std::string(Header) + "1\t1\t0\t0\t0\t1\tnone\r\n" + ItemColumns +
                                      "1\t0\t0\t1\t0\t1\t0\t0\t1\tx\t\t\t\r\n" +
                                      "LinkFrom To\tValue\tAndOr\tName\r\n1\t99\t1\t0\t\r\n");
    writeFile(dir / "plain.txt", "x");
    const std::string out = " -o " + (dir / "out.txt").string();
    const std::string err = " 2>" + (dir / "err.txt").string();
    EXPECT_EQ(pasteCli((dir / "broken.txt").string() + out + err), 2);
    EXPECT_EQ(readFile(dir / "err.txt"), "Error in data, line 7\n");
    EXPECT_EQ(pasteCli((dir / "plain.txt").string() + " --into " + (dir / "none.txt").string() +
                       out + err),
              3);
    EXPECT_EQ(readFile(dir / "err.txt"), "Invalid data file\n");
    EXPECT_EQ(pasteCli((dir / "missing.txt").string() + out + err), 4);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
    EXPECT_EQ(pasteCli((dir / "plain.txt").string() + " --into" + err), 1);
    EXPECT_EQ(pasteCli(err), 1);
}

} // namespace
} // namespace lumeris
