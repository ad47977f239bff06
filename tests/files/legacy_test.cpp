#include "files/legacy_reader.h"
#include "files/scheme_reader.h"
#include "files/scheme_writer.h"
#include "text/lines.h"

#include "scheme_text.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

using test::tabbed;

std::string legacyText(const std::string& header, const std::vector<std::string>& items,
                       const std::vector<std::string>& links = {}) {
    std::string text = "Lumeris 1.4\r\ncaption\r\n" + tabbed(header) + "\r\nitems\r\n";
    for (const auto& row : items)
        text += tabbed(row) + "\r\n";
    text += "links\r\n";
    for (const auto& row : links)
        text += tabbed(row) + "\r\n";
    return text;
}

struct Legacy {
    Scheme scheme;
    ViewState view;
    Document doc;
    test::RecordingLoader pictures;
    ReadResult result;

    explicit Legacy(const std::string& bytes) {
        doc.FileName = "/old/scheme.txt";
        result = readLegacy(bytes, scheme, view, doc, &pictures);
    }
};

TEST(Legacy, ReadsHeaderItemsAndLinks) {
    Legacy in(
        legacyText("2|-10|20|0.25|none",
                   {"3|1|2|0.5|-1|0.1|\t0\tRain", "8|5|6|0|1|0|\t1\tRoad\tu.txt\tp.bmp\ta\\nb"},
                   {"3|8||0.5|0.75|wets", "8|3||1|1|"}));
    ASSERT_TRUE(in.result) << in.result.message;
    EXPECT_EQ(in.view.ScreenX, -10);
    EXPECT_EQ(in.view.ScreenY, 20);
    EXPECT_EQ(in.view.Scale, 0.25f);
    EXPECT_EQ(in.view.ZoomLevel, 5);
    EXPECT_EQ(in.doc.BackGroundImage, "none");
    const CPoint* rain = in.scheme.ItemTail;
    const CPoint* road = in.scheme.ItemList;
    EXPECT_EQ(rain->id, 3);
    EXPECT_EQ(rain->Name, "Rain");
    EXPECT_EQ(rain->AndOr, 0.0f); // -1 in the file
    EXPECT_EQ(rain->Custom, 0.1f);
    EXPECT_EQ(rain->IsCust, 0);
    EXPECT_EQ(rain->Type, in.scheme.DefaultItemType);
    EXPECT_TRUE(rain->Vis);
    EXPECT_EQ(road->AndOr, 1.0f);
    EXPECT_EQ(road->IsCust, 1);
    EXPECT_EQ(road->url, "u.txt");
    EXPECT_EQ(road->photo, "p.bmp");
    EXPECT_EQ(road->text, "a\r\nb");
    EXPECT_EQ(in.pictures.photos, std::vector<std::string>{"/old/p.bmp"});
    ASSERT_EQ(in.scheme.LinkCount, 2);
    const CLink* wets = in.scheme.LinkTail;
    EXPECT_EQ(wets->From, rain);
    EXPECT_EQ(wets->To, road);
    EXPECT_EQ(wets->Value, 0.5f);
    EXPECT_EQ(wets->AndOr, 0.75f); // link AndOr is not converted
    EXPECT_EQ(wets->Name, "wets");
    EXPECT_EQ(in.scheme.LastId, 8);
}

TEST(Legacy, ItemTextsMayStopEarlyAndTextKeepsItsTabs) {
    Legacy in(legacyText("4|0|0|1|none",
                         {"1|0|0|0|0|0|\t0\tonly name", "2|0|0|0|0.5|0|\t0\tn\tu\tpicture.bmp",
                          "3|0|0|0|0|0|\t0\tn\t\t\tone\ttwo\\nthree", "4|0|0|0|0|0|\t0\t"}));
    ASSERT_TRUE(in.result) << in.result.message;
    const CPoint* p = in.scheme.ItemTail;
    EXPECT_EQ(p->Name, "only name");
    EXPECT_TRUE(p->url.empty() && p->photo.empty() && p->text.empty());
    p = p->Prev;
    EXPECT_EQ(p->AndOr, 0.75f);
    EXPECT_EQ(p->photo, "picture.bmp");
    EXPECT_TRUE(in.pictures.photos.empty()); // loaded only when a text follows
    p = p->Prev;
    EXPECT_EQ(p->text, "one\ttwo\r\nthree");
    EXPECT_TRUE(in.scheme.ItemList->Name.empty());
    EXPECT_EQ(in.scheme.LinkCount, 0);

    // After a save the TAB is a space and the text reads back whole.
    const std::string saved = saveBytes(in.scheme, in.view, in.doc);
    Scheme again;
    ViewState view;
    Document doc;
    ASSERT_TRUE(readScheme(splitLines(saved), ReadMode::load(), again, view, doc, nullptr));
    EXPECT_EQ(again.ItemTail->Prev->Prev->text, "one two\r\nthree");
}

TEST(Legacy, ErrorsCountLinesFromOne) {
    auto lineOf = [](const std::string& bytes) {
        Legacy in(bytes);
        EXPECT_FALSE(in.result);
        EXPECT_EQ(in.result.message, "Error in data, line " + std::to_string(in.result.line));
        EXPECT_EQ(in.scheme.BusyDepth, 0);
        return in.result.line;
    };
    const std::string a = "1|0|0|0|0|0|\t0\ta", b = "2|0|0|0|0|0|\t0\tb";
    EXPECT_EQ(lineOf(legacyText("x|0|0|1|none", {})), 4);
    EXPECT_EQ(lineOf(legacyText("1|0|0|1|none", {"1|0|0|0|-|0|\t0\ta"})), 5);
    EXPECT_EQ(lineOf(legacyText("2|0|0|1|none", {a, "2|0|0|zz"})), 6);
    EXPECT_EQ(lineOf(legacyText("2|0|0|1|none", {a, b}, {"1|2||1|0|", "1|99||1|0|"})), 9);
    EXPECT_EQ(lineOf(legacyText("1|0|0|1|none", {"99999999999|0|0|0|0|0|\t0\ta"})), 5);
    EXPECT_EQ(lineOf("Lumeris 1.4\r\ncaption\r\n"), 4); // the file ends in the header
    // The header promises more items than there are: the file ends inside them.
    EXPECT_EQ(lineOf(legacyText("2000000000|0|0|1|none", {a})), 6);
}

TEST(Legacy, BlankLinesAfterTheLinksAndSchemesWithoutItems) {
    Legacy blank(legacyText("1|0|0|1|none", {"1|0|0|0|0|0|\t0\ta"}, {"1|1||1|0|x"}) + "\r\n \r\n");
    ASSERT_TRUE(blank.result) << blank.result.message;
    EXPECT_EQ(blank.scheme.LinkCount, 1);
    // Without items no link line is read at all.
    Legacy empty(legacyText("0|5|6|2|back.bmp", {}, {"garbage"}));
    ASSERT_TRUE(empty.result) << empty.result.message;
    EXPECT_EQ(empty.scheme.ItemCount, 0);
    EXPECT_EQ(empty.doc.BackGroundImage, "back.bmp");
    EXPECT_EQ(empty.pictures.backgrounds, std::vector<std::string>{"back.bmp"});
    EXPECT_EQ(empty.view.ZoomLevel, 8);
}

} // namespace
} // namespace lumeris
