#include "support/paths.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

using test::readFile;
using test::ScratchDir;
using test::writeFile;

int favoritesCli(const std::string& arguments) {
    return test::cliStatus("favorites " + arguments);
}

std::string itemLine(int id, int x, int y, const std::string& name, const std::string& url) {
    return std::to_string(id) + "\t" + std::to_string(x) + "\t" + std::to_string(y) +
           "\t1\t0.0000\t1.0000\t0.0000\t0\t1\t" + name + "\t" + url + "\t\t\r\n";
}

TEST(CliFavorites, WalksTheFolderSortedWithWindows1251Names) {
    ScratchDir dir;
    const auto tree = dir / "tree";
    std::filesystem::create_directories(tree / "Папка");
    writeFile(tree / "b.url", "[InternetShortcut]\r\nURL=http://b/\r\n");
    writeFile(tree / "a.url", "[InternetShortcut]\r\nURL=http://a/\r\n");
    writeFile(tree / "Папка" / "News.url", "[InternetShortcut]\r\nURL=http://news/\r\n");
    const std::string out = (dir / "out.txt").string();
    ASSERT_EQ(favoritesCli(tree.string() + " -o " + out), 0);

    const std::string root = "* \xC8\xE7\xE1\xF0\xE0\xED\xED\xEE\xE5"; // "* Избранное"
    const std::string folder = "* \xCF\xE0\xEF\xEA\xE0";               // "* Папка"
    const std::string text = readFile(out);
    EXPECT_NE(text.find("\r\n5\t4\t0\t0\t0\t1.0000\tnone\r\n"), std::string::npos);
    const std::string items = itemLine(1, 0, 0, root, "") + itemLine(2, 32, 32, "a.", "http://a/") +
                              itemLine(3, 32, 64, "b.", "http://b/") +
                              itemLine(4, 32, 96, folder, "") +
                              itemLine(5, 64, 128, "News.", "http://news/") +
                              "LinkFrom To\tValue\tAndOr\tName\r\n"
                              "2\t1\t0.0000\t0.0000\t\r\n"
                              "3\t1\t0.0000\t0.0000\t\r\n"
                              "4\t1\t0.0000\t0.0000\t\r\n"
                              "5\t4\t0.0000\t0.0000\t\r\n";
    EXPECT_NE(text.find(items), std::string::npos) << text;
}

TEST(CliFavorites, CyclesEndAndMissingFoldersGiveTheRootOnly) {
    ScratchDir dir;
    std::filesystem::create_directories(dir / "t" / "s");
    std::filesystem::create_directory_symlink(dir / "t", dir / "t" / "s" / "up");
    const std::string out = (dir / "out.txt").string();
    ASSERT_EQ(favoritesCli((dir / "t").string() + " -o " + out), 0);
    EXPECT_NE(readFile(out).find("\r\n3\t2\t0\t0\t0\t1.0000\tnone\r\n"), std::string::npos);

    ASSERT_EQ(favoritesCli((dir / "absent").string() + " -o " + out), 0);
    EXPECT_NE(readFile(out).find("\r\n1\t0\t0\t0\t0\t1.0000\tnone\r\n"), std::string::npos);
    EXPECT_EQ(favoritesCli("2>/dev/null"), 1);
}

} // namespace
} // namespace lumeris
