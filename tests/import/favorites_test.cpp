#include "import/favorites.h"
#include "support/paths.h"
#include "text/utf8_cp1251.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace lumeris {
namespace {

namespace fs = std::filesystem;
using test::ScratchDir;
using test::writeFile;

struct Placed {
    std::string Name;
    std::int32_t X, Y;
    std::string Url;
    std::string Parent; // name of the item it links to
    bool operator==(const Placed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Placed& p) {
    return out << "{" << p.Name << " " << p.X << "," << p.Y << " " << p.Url << " ->" << p.Parent
               << "}";
}

std::vector<Placed> import(const fs::path& folder) {
    Scheme scheme;
    importFavorites(scheme, folder, 10, 20);
    std::vector<Placed> result;
    for (const CPoint* p = scheme.ItemTail; p; p = p->Prev) {
        std::string parent;
        if (p->OutLinks) {
            EXPECT_EQ(p->OutLinks->Value, 0.0f);
            parent = p->OutLinks->To->Name;
        }
        result.push_back({p->Name, p->X, p->Y, p->url, parent});
    }
    return result;
}

std::string shortcut(const std::string& url) {
    return "[InternetShortcut]\r\nURL=" + url + "\r\n";
}

const std::string Root = utf8ToCp1251("* Избранное");

TEST(FavoritesImport, FoldersAndShortcutsFormAnIndentedListing) {
    ScratchDir dir;
    writeFile(dir / "b.url", shortcut("http://b"));
    writeFile(dir / "a.url", shortcut("http://a"));
    fs::create_directory(dir / "sub");
    writeFile(dir / "sub" / "c.url", shortcut("http://c"));
    EXPECT_EQ(import(dir.path()), (std::vector<Placed>{
                                      {Root, 10, 20, "", ""},
                                      {"a.", 42, 52, "http://a", Root},
                                      {"b.", 42, 84, "http://b", Root},
                                      {"* sub", 42, 116, "", Root},
                                      {"c.", 74, 148, "http://c", "* sub"},
                                  }));
}

TEST(FavoritesImport, EmptyFoldersOddFilesAndCyrillicNamesAndAddresses) {
    ScratchDir dir;
    fs::create_directory(dir / "empty");
    writeFile(dir / "News.url", shortcut("http://news"));
    writeFile(dir / "ab", "no shortcut here");
    writeFile(dir / "Новости.url", "\xEF\xBB\xBF" + shortcut("http://сайт.рф/€\xFF"));
    EXPECT_EQ(import(dir.path()), (std::vector<Placed>{
                                      {Root, 10, 20, "", ""},
                                      {"News.", 42, 52, "http://news", Root},
                                      {"", 42, 84, "ERROR", Root},
                                      {"* empty", 42, 116, "", Root},
                                      {utf8ToCp1251("Новости."), 42, 148,
                                       "http://\xF1\xE0\xE9\xF2.\xF0\xF4/\x88?", Root},
                                  }));
}

TEST(FavoritesImport, LinksBackToAnAncestorAreNotEntered) {
    ScratchDir dir;
    fs::create_directories(dir / "sub");
    writeFile(dir / "sub" / "x.url", shortcut("http://x"));
    fs::create_directory_symlink(dir.path(), dir / "sub" / "loop");
    fs::create_symlink(dir / "sub" / "x.url", dir / "y.url");
    EXPECT_EQ(import(dir.path()), (std::vector<Placed>{
                                      {Root, 10, 20, "", ""},
                                      {"* sub", 42, 52, "", Root},
                                      {"* loop", 74, 84, "", "* sub"},
                                      {"x.", 74, 116, "http://x", "* sub"},
                                      {"y.", 42, 148, "http://x", Root},
                                  }));
}

TEST(FavoritesImport, UnreadableFolderGivesItsItemOnly) {
    Scheme scheme;
    importFavorites(scheme, "/nonexistent/favorites", 0, 0);
    ASSERT_EQ(scheme.ItemCount, 1);
    EXPECT_EQ(scheme.ItemList->Name, Root);
}

TEST(FavoritesImport, ShortcutAddressIsReadLikeAnInitialisationFile) {
    auto url = [](const std::string& text) {
        std::istringstream in(text);
        return readShortcutUrl(in).value_or("<none>");
    };
    EXPECT_EQ(url("[InternetShortcut]\nURL=http://a\n"), "http://a");
    EXPECT_EQ(url("[DEFAULT]\r\nBASEURL=x\r\n[ internetshortcut ]\r\n  url = \"http://q\" \r\n"),
              "http://q");
    EXPECT_EQ(url("[Other]\nURL=http://no\n[InternetShortcut]\nIconIndex=0\n"), "<none>");
    EXPECT_EQ(url("URL=http://outside\n"), "<none>");
    EXPECT_EQ(url("[InternetShortcut]\nURL=\n"), "");
    EXPECT_EQ(url(""), "<none>");
}

TEST(FavoritesNames, Utf8BecomesWindows1251WithQuestionMarks) {
    EXPECT_EQ(utf8ToCp1251("plain"), "plain");
    EXPECT_EQ(utf8ToCp1251("АЯая"), "\xC0\xDF\xE0\xFF");
    EXPECT_EQ(utf8ToCp1251("Ёё№€"), "\xA8\xB8\xB9\x88");
    EXPECT_EQ(utf8ToCp1251("日x😀"), "?x?");
    EXPECT_EQ(utf8ToCp1251("\xFF\xC0\xAF\xD0"), "????");
    EXPECT_EQ(utf8ToCp1251("\xED\xA0\x80"), "???"); // an encoded surrogate
}

} // namespace
} // namespace lumeris
