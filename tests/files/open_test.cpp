#include "files/open_file.h"

#include "scheme_text.h"
#include "support/paths.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

struct Opening {
    Scheme scheme;
    ViewState view;
    Document doc;

    Opening() {
        // What a previous file left behind.
        scheme.createItem("old", 0, 0);
        scheme.LastId = 500;
        view.ScreenX = 77;
        view.Scale = 2;
        view.ZoomLevel = 8;
    }
    OpenResult open(const std::filesystem::path& path) {
        return openSchemeFile(path.string(), scheme, view, doc, nullptr);
    }
};

TEST(Open, CurrentLayoutIsReadInLoadMode) {
    test::ScratchDir dir;
    test::writeFile(dir / "a.txt", "Lumeris 1.5\n" + test::tabbed("x\n0|0|0|5|6|1|none\nx\nx\nV"));
    Opening o;
    const OpenResult result = o.open(dir / "a.txt");
    EXPECT_EQ(result.which, OpenCase::Current);
    EXPECT_TRUE(result.read);
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(o.scheme.ItemCount, 0);
    EXPECT_EQ(o.scheme.LastId, 0);
    EXPECT_EQ(o.view.ScreenX, 5);
    EXPECT_EQ(o.view.Scale, 1.0f);
    EXPECT_EQ(o.view.ZoomLevel, 7);
    EXPECT_EQ(o.doc.FileName, (dir / "a.txt").string());
    EXPECT_EQ(o.scheme.BusyDepth, 0);
}

TEST(Open, LegacyLayoutGoesToTheLegacyReaderWithItsNotice) {
    test::ScratchDir dir;
    const auto path = dir / "old.txt";
    test::writeFile(path, "Lumeris 1.4\r\nc\r\n0\t0\t0\t1\tnone\r\nc\r\nc\r\n");
    Opening o;
    const OpenResult result = o.open(path);
    EXPECT_EQ(result.which, OpenCase::Legacy);
    EXPECT_TRUE(result.read);
    EXPECT_EQ(result.message, "Файл \"" + path.string() +
                                  "\" в формате 1.4, чтобы сохранить старый формат выйдите без "
                                  "сохранения");
    EXPECT_EQ(o.scheme.LastId, 0);
}

TEST(Open, AnythingElseIsInvalidAndLeavesAnEmptySchemeWithoutFileName) {
    test::ScratchDir dir;
    for (const std::string& bytes : {std::string("Lumeris 1.5 \r\n"), std::string(""),
                                     std::string("lumeris 1.5\r\n"), std::string("Lumeris 1.3")}) {
        test::writeFile(dir / "bad.txt", bytes);
        Opening o;
        const OpenResult result = o.open(dir / "bad.txt");
        EXPECT_EQ(result.which, OpenCase::Invalid) << bytes;
        EXPECT_EQ(result.message, "Invalid data file");
        EXPECT_FALSE(result.read);
        EXPECT_EQ(o.scheme.ItemCount, 0);
        EXPECT_TRUE(o.doc.FileName.empty());
        EXPECT_EQ(o.view.ScreenX, 0);
        EXPECT_EQ(o.view.ZoomLevel, 7);
    }
    Opening missing;
    EXPECT_EQ(missing.open(dir / "none.txt").which, OpenCase::Invalid);
}

TEST(Open, DataErrorsComeBackWithTheirMessage) {
    test::ScratchDir dir;
    test::writeFile(dir / "a.txt", "Lumeris 1.5\r\nx\r\n1\t0\t0\t0\t0\t1\tnone\r\nx\r\nbad\r\n");
    test::writeFile(dir / "b.txt", "Lumeris 1.4\r\nx\r\n1\t0\t0\t1\tnone\r\nx\r\nbad\r\n");
    Opening current, legacy;
    const OpenResult a = current.open(dir / "a.txt");
    const OpenResult b = legacy.open(dir / "b.txt");
    EXPECT_EQ(a.which, OpenCase::Current);
    EXPECT_EQ(a.message, "Error in data, line 5");
    EXPECT_EQ(b.which, OpenCase::Legacy);
    EXPECT_EQ(b.message, "Error in data, line 5");
}

} // namespace
} // namespace lumeris
