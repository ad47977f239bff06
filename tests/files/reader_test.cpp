#include "files/scheme_reader.h"
#include "text/lines.h"

#include "scheme_text.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

using test::itemRow;
using test::schemeText;
using test::tabbed;

struct Loaded {
    Scheme scheme;
    ViewState view;
    Document doc;
    test::RecordingLoader pictures;
    ReadResult result;

    explicit Loaded(const std::vector<std::string>& lines) {
        doc.FileName = "/schemes/demo.txt";
        result = readScheme(lines, ReadMode::load(), scheme, view, doc, &pictures);
    }
};

TEST(SplitLines, LinesEndAtCrLfLfOrCr) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitLines("\n\r\r\n"), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(splitLines("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(firstLine("Lumeris 1.5\rrest"), "Lumeris 1.5");
}

TEST(Reader, LoadsTheExampleScheme) {
    Loaded in(schemeText({itemRow(1, 0, 0, "Rain"),
                          "2|120|40|1|0.0000|1.0000|0.0000|0|1|Wet road|||Slippery\\nwhen cold"},
                         {"1|2|1.0000|0.0000|"}, {}, "2|1|0|-300|-200|0.5000|none"));
    ASSERT_TRUE(in.result) << in.result.message;
    EXPECT_EQ(in.scheme.ItemCount, 2);
    const CPoint* road = in.scheme.ItemList;
    EXPECT_EQ(road->Name, "Wet road");
    EXPECT_EQ(road->text, "Slippery\r\nwhen cold");
    EXPECT_EQ(road->X, 120);
    EXPECT_EQ(road->Next->Name, "Rain");
    ASSERT_EQ(in.scheme.LinkCount, 1);
    EXPECT_EQ(in.scheme.LinkList->From, road->Next);
    EXPECT_EQ(in.scheme.LinkList->To, road);
    EXPECT_EQ(in.view.ScreenX, -300);
    EXPECT_EQ(in.view.ScreenY, -200);
    EXPECT_EQ(in.view.Scale, 0.5f);
    EXPECT_EQ(in.view.ZoomLevel, 6);
    EXPECT_EQ(in.scheme.LastId, 2);
    EXPECT_EQ(in.scheme.BusyDepth, 0);
    EXPECT_TRUE(in.pictures.backgrounds.empty());
}

TEST(Reader, FieldsTypesVisibilityAndIds) {
    Loaded in(schemeText({"40|-5|7|260|0.5|0.25|-1|1|0|n|u|p|t", "-3|0|0|-1|0|0|0|0|1|||||",
                          "9|0|0|1|0|0|0|0|2||||", "-2147483648|0|0|1|0|0|0|0|1||||"}));
    ASSERT_TRUE(in.result) << in.result.message;
    const CPoint* first = in.scheme.ItemTail;
    EXPECT_EQ(first->id, 40);
    EXPECT_EQ(first->Type, 4); // the low 8 bits of 260
    EXPECT_EQ(first->Value, 0.5f);
    EXPECT_EQ(first->AndOr, 0.25f);
    EXPECT_EQ(first->Custom, -1.0f);
    EXPECT_EQ(first->IsCust, 1);
    EXPECT_FALSE(first->Vis);
    EXPECT_EQ(first->url, "u");
    EXPECT_EQ(first->photo, "p");
    EXPECT_EQ(first->Prev->Type, 255);
    EXPECT_FALSE(in.scheme.ItemList->Next->Vis); // only 1 means visible
    EXPECT_EQ(in.scheme.findById(INT32_MIN), in.scheme.ItemList);
    EXPECT_EQ(in.scheme.LastId, 40);
    EXPECT_EQ(in.scheme.findById(-3), first->Prev);
}

TEST(Reader, ZoomLevelFollowsTheStoredScale) {
    auto zoomFor = [](const std::string& scale) {
        Loaded in(schemeText({}, {}, {}, "0|0|0|1|2|" + scale + "|none"));
        EXPECT_TRUE(in.result) << scale;
        return std::pair(in.view.Scale, in.view.ZoomLevel);
    };
    EXPECT_EQ(zoomFor("0.0078"), std::pair(0.0078f, 0));
    EXPECT_EQ(zoomFor("0.7"), std::pair(0.7f, 6));
    EXPECT_EQ(zoomFor("4"), std::pair(4.0f, 9));
    EXPECT_EQ(zoomFor("1.4142"), std::pair(1.4142f, 7)); // log2 0.49996 rounds down
    // A scale that cannot be divided by leaves the view at 1:1.
    EXPECT_EQ(zoomFor("0"), std::pair(1.0f, 7));
    EXPECT_EQ(zoomFor("-2"), std::pair(1.0f, 7));
}

TEST(Reader, BackgroundAndPhotosGoThroughTheLoader) {
    Loaded in(schemeText({"1|0|0|1|0|1|0|0|1|a||lamp.bmp|", "2|0|0|1|0|1|0|0|1|b||/abs/x.bmp|",
                          "3|0|0|1|0|1|0|0|1|c|||"},
                         {}, {}, "3|0|0|0|0|1|back.bmp"));
    ASSERT_TRUE(in.result) << in.result.message;
    EXPECT_EQ(in.doc.BackGroundImage, "back.bmp");
    EXPECT_EQ(in.pictures.backgrounds, std::vector<std::string>{"back.bmp"});
    EXPECT_EQ(in.pictures.photos, (std::vector<std::string>{"/schemes/lamp.bmp", "/abs/x.bmp"}));
    EXPECT_TRUE(in.scheme.ItemTail->PhotoImage);
    EXPECT_FALSE(in.scheme.ItemList->PhotoImage);
}

TEST(Reader, UnloadablePhotoKeepsItsNameAndReadingGoesOn) {
    Scheme scheme;
    ViewState view;
    Document doc;
    test::RecordingLoader pictures;
    pictures.failing = true;
    const auto result = readScheme(schemeText({"1|0|0|1|0|1|0|0|1|a||gone.bmp|"}), ReadMode::load(),
                                   scheme, view, doc, &pictures);
    ASSERT_TRUE(result);
    EXPECT_EQ(scheme.ItemList->photo, "gone.bmp");
    EXPECT_FALSE(scheme.ItemList->PhotoImage);
}

TEST(Reader, BlanksBeforeNumbersAreSkippedButTextsNeedTheirTab) {
    Loaded good(schemeText({" 1| 5|  6|1| 0.5|1|0|0|1|a|||"}));
    ASSERT_TRUE(good.result) << good.result.message;
    EXPECT_EQ(good.scheme.ItemList->X, 5);
    EXPECT_EQ(good.scheme.ItemList->Value, 0.5f);
    // A space before the TAB of Name.
    Loaded bad(schemeText({"1|5|6|1|0.5|1|0|0|1 |a|||"}));
    EXPECT_EQ(bad.result.message, "Error in data, line 5");
}

// Each broken text stops with "Error in data, line " and the line's number (from 1).
TEST(Reader, DataAndConversionErrorsReportTheLineNumber) {
    auto lineOf = [](const std::vector<std::string>& lines) {
        Loaded in(lines);
        EXPECT_FALSE(in.result);
        EXPECT_EQ(in.result.message, "Error in data, line " + std::to_string(in.result.line));
        EXPECT_EQ(in.scheme.BusyDepth, 0);
        return in.result.line;
    };
    const std::string a = itemRow(1, 0, 0, "a"), b = itemRow(2, 0, 0, "b");
    // The header promises 3 items: the link caption line is read as one.
    EXPECT_EQ(lineOf(schemeText({a, b}, {}, {}, "3|0|0|0|0|1|none")), 7);
    EXPECT_EQ(lineOf(schemeText({a, b}, {"1|99|1|0|"})), 8); // no item 99
    EXPECT_EQ(lineOf(schemeText({a, "2|0|0|1|1,5|1|0|0|1|b|||"})), 6);
    EXPECT_EQ(lineOf(schemeText({"1|0|0|1|0|1|0|0|1"})), 5);     // ends before Name's TAB
    EXPECT_EQ(lineOf(schemeText({"1|0|0|1|0|1|0|0|1|a||"})), 5); // no TAB before text
    EXPECT_EQ(lineOf(schemeText({"1|0|0|1|1.2.3|1|0|0|1|a|||"})), 5);
    EXPECT_EQ(lineOf(schemeText({"1|0|0|1|-|1|0|0|1|a|||"})), 5);
    EXPECT_EQ(lineOf(schemeText({"1|0|0|4294967297|0|1|0|0|1|a|||"})), 5);
    EXPECT_EQ(lineOf(schemeText({"2147483648|0|0|1|0|1|0|0|1|a|||"})), 5);
    EXPECT_EQ(lineOf({"Lumeris 1.5", "caption"}), 3); // no header values line
    EXPECT_EQ(lineOf(schemeText({}, {}, {}, "0|0|0|0|0|x|none")), 3);
    EXPECT_EQ(lineOf(schemeText({}, {}, {}, "0|0|0|0|0|1")), 3); // no BackGroundImage
    // Counts far beyond the lines that follow are data errors, not allocations.
    EXPECT_EQ(lineOf(schemeText({a}, {}, {}, "2000000000|0|0|0|0|1|none")), 6);
    EXPECT_EQ(lineOf(schemeText({a}, {}, {}, "1|2000000000|0|0|0|1|none")), 7);
    EXPECT_EQ(lineOf(schemeText({a}, {}, {}, "1|0|2000000000|0|0|1|none")), 8);
}

TEST(Reader, ViewGroupsFillProjectionItemsInReverseOrder) {
    Loaded in(schemeText({itemRow(1, 0, 0, "a"), itemRow(2, 0, 0, "b"), itemRow(7, 0, 0, "p", 4)},
                         {}, {" 7|2", "1|10|-20|1", "2|3|4|0"}));
    ASSERT_TRUE(in.result) << in.result.message;
    const CPoint* p = in.scheme.ItemList;
    ASSERT_TRUE(p->ViewEntries);
    const ViewEntry* first = p->ViewEntries;
    EXPECT_EQ(first->Item->id, 2);
    EXPECT_EQ(first->DX, 3);
    EXPECT_FALSE(first->Vis);
    ASSERT_TRUE(first->Next);
    EXPECT_EQ(first->Next->Item->id, 1);
    EXPECT_EQ(first->Next->DY, -20);
    EXPECT_TRUE(first->Next->Vis);
    EXPECT_FALSE(first->Next->Next);
    EXPECT_FALSE(in.scheme.CurrentView);
}

TEST(Reader, AGroupOfAnItemThatIsNoProjectionIsReadAndDropped) {
    Loaded in(schemeText({itemRow(1, 0, 0, "a"), itemRow(2, 0, 0, "b")}, {},
                         {" 2|1", "1|10|-20|1", " 1|0"}));
    ASSERT_TRUE(in.result) << in.result.message;
    EXPECT_FALSE(in.scheme.ItemList->ViewEntries);
    EXPECT_FALSE(in.scheme.ItemTail->ViewEntries);
}

TEST(Reader, ViewGroupErrorsAndTheirLines) {
    auto lineOf = [](const std::vector<std::string>& views) {
        Loaded in(schemeText({itemRow(1, 0, 0, "a"), itemRow(7, 0, 0, "p", 4)}, {}, views,
                             "2|0|1|0|0|1|none"));
        EXPECT_FALSE(in.result);
        return in.result.line;
    };
    // Lines: 5, 6 items; 7 link caption; 8 "Views"; 9 the group line.
    EXPECT_EQ(lineOf({" 99|0"}), 10); // the reader has moved on when it looks the item up
    EXPECT_EQ(lineOf({" 7|1", "99|0|0|1"}), 10);
    EXPECT_EQ(lineOf({" 7|2", "1|0|0|1"}), 11);
    EXPECT_EQ(lineOf({" 7|1", "1|0|0"}), 10);
    EXPECT_EQ(lineOf({"x7|1"}), 9);
}

} // namespace
} // namespace lumeris

namespace lumeris {
namespace {

// Found by the round-trip fuzzer: a link between items near the 32-bit limits.
TEST(Reader, ExtremePositionsAndIdsReadWithoutOverflow) {
    Loaded in(test::schemeText({"2147483647|2147483647|-2147483648|1|0|1|0|0|1|a|||",
                                "-2147483648|2147483647|-2147483648|1|0|1|0|0|1|b|||"},
                               {"2147483647|-2147483648|1|0|"}));
    ASSERT_TRUE(in.result) << in.result.message;
    EXPECT_EQ(in.scheme.LinkHandleX, INT32_MAX);
    EXPECT_EQ(in.scheme.LinkHandleY, INT32_MIN);
    EXPECT_EQ(in.scheme.LastId, INT32_MAX);
    EXPECT_EQ(in.scheme.LinkList->To, in.scheme.ItemList);
}

} // namespace
} // namespace lumeris
