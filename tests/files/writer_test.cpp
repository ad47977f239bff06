#include "files/scheme_writer.h"

#include "scheme_text.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

using test::tabbed;

std::vector<std::string> writeAll(Scheme& scheme, const ViewState& view = {},
                                  const Document& doc = {}) {
    for (CPoint* p = scheme.ItemList; p; p = p->Next)
        p->Mark = 2;
    return writeScheme(scheme, view, doc);
}

TEST(Writer, EmptySchemeGivesCaptionsAndZeroCounts) {
    Scheme scheme;
    ViewState view;
    view.ScreenX = -300;
    view.ScreenY = -200;
    view.Scale = 0.5f;
    const std::vector<std::string> expected = {
        VersionLine, HeaderCaption, tabbed("0|0|0|-300|-200|0.5000|none"),
        ItemCaption, LinkCaption,   ViewsCaption};
    EXPECT_EQ(writeScheme(scheme, view, Document{}), expected);
}

TEST(Writer, ItemsAndLinksOldestFirstWithTheirFields) {
    Scheme scheme;
    CPoint* rain = scheme.createItem("Rain", 0, 0);
    CPoint* road = scheme.createItem("Wet road", 120, 40);
    road->text = "Slippery\r\nwhen cold";
    road->Type = TypeFuzzy;
    road->Vis = false;
    road->IsCust = 1;
    road->Custom = 0.75f;
    road->url = "second.txt";
    road->photo = "lamp.bmp";
    CLink* first = scheme.createLink(rain, road);
    CLink* second = scheme.createLink(road, rain);
    first->Name = "wets";
    second->Value = -0.5f;
    second->AndOr = 0.25f;
    const auto lines = writeAll(scheme);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[2], tabbed("2|2|0|0|0|1.0000|none"));
    EXPECT_EQ(lines[4], tabbed("1|0|0|1|0.0000|1.0000|0.0000|0|1|Rain|||"));
    EXPECT_EQ(lines[5], tabbed("2|120|40|3|0.0000|1.0000|0.7500|1|0|Wet road|second.txt|lamp.bmp|"
                               "Slippery\\nwhen cold"));
    EXPECT_EQ(lines[7], tabbed("1|2|1.0000|0.0000|wets"));
    EXPECT_EQ(lines[8], tabbed("2|1|-0.5000|0.2500|"));
    EXPECT_EQ(lines[9], ViewsCaption);
}

TEST(Writer, OnlyChosenItemsTheirLinksAndTheirViewEntriesAreWritten) {
    Scheme scheme;
    CPoint* a = scheme.createItem("a", 0, 0);
    CPoint* b = scheme.createItem("b", 10, 0);
    CPoint* view = scheme.createItem("v", 20, 0);
    view->Type = TypeProjection;
    scheme.findOrAddViewEntry(view, a)->DX = 5;
    scheme.findOrAddViewEntry(view, b)->DY = -6;
    scheme.createLink(a, b);
    scheme.createLink(a, view);
    a->Mark = 2;
    view->Mark = 2;
    const auto lines = writeScheme(scheme, ViewState{}, Document{});
    const std::vector<std::string> expected = {VersionLine,
                                               HeaderCaption,
                                               tabbed("2|1|1|0|0|1.0000|none"),
                                               ItemCaption,
                                               tabbed("1|0|0|1|0.0000|1.0000|0.0000|0|1|a|||"),
                                               tabbed("3|20|0|4|0.0000|1.0000|0.0000|0|1|v|||"),
                                               LinkCaption,
                                               tabbed("1|3|1.0000|0.0000|"),
                                               ViewsCaption,
                                               tabbed(" 3|1"),
                                               tabbed("1|5|0|1")};
    EXPECT_EQ(lines, expected);
}

TEST(Writer, ProjectionGroupsNewestFirstEntriesInChainOrderEmptyViewCounted) {
    Scheme scheme;
    CPoint* a = scheme.createItem("a", 0, 0);
    CPoint* b = scheme.createItem("b", 0, 0);
    for (int i = 0; i < 4; ++i)
        scheme.createItem({}, 0, 0);
    CPoint* older = scheme.createItem("p", 0, 0); // id 7
    older->Type = TypeProjection;
    CPoint* newer = scheme.createItem("q", 0, 0); // id 8
    newer->Type = TypeProjection;
    scheme.findOrAddViewEntry(newer, a);
    ViewEntry* entryB = scheme.findOrAddViewEntry(newer, b);
    entryB->Vis = false;
    const auto lines = writeAll(scheme);
    ASSERT_GE(lines.size(), 4u);
    const std::vector<std::string> tail(lines.end() - 4, lines.end());
    const std::vector<std::string> expected = {tabbed(" 8|2"), tabbed("2|0|0|0"), tabbed("1|0|0|1"),
                                               tabbed(" 7|0")};
    EXPECT_EQ(tail, expected);
    EXPECT_EQ(lines[2], tabbed("8|0|2|0|0|1.0000|none"));
}

TEST(Writer, TextsNeverBreakTheLayout) {
    Scheme scheme;
    CPoint* item = scheme.createItem("a\tb\rc\nd", 0, 0);
    item->url = "u\r\nv";
    item->photo = "p\tq";
    item->text = "1\r\n2\r3\n4\t5\n\r6";
    CLink* link = scheme.createLink(item, item);
    link->Name = "l\ti\nnk";
    Document doc;
    doc.BackGroundImage = "back\tground\r\n";
    const auto lines = writeAll(scheme, ViewState{}, doc);
    EXPECT_EQ(lines[2], tabbed("1|1|0|0|0|1.0000|back ground  "));
    EXPECT_EQ(lines[4], tabbed("1|0|0|1|0.0000|1.0000|0.0000|0|1|a b c d|u  v|p q|"
                               "1\\n2\\n3\\n4 5\\n\\n6"));
    EXPECT_EQ(lines[6], tabbed("1|1|1.0000|0.0000|l i nk"));
}

TEST(Writer, SaveBytesEndEveryLineWithCrLfAddOneMoreAndClearTheMarks) {
    Scheme scheme;
    CPoint* a = scheme.createItem("a", 0, 0);
    CPoint* b = scheme.createItem("b", 0, 0);
    b->Mark = 2;
    scheme.createLink(a, b);
    const std::string bytes = saveBytes(scheme, ViewState{}, Document{});
    EXPECT_EQ(a->Mark, 0);
    EXPECT_EQ(b->Mark, 0);
    std::string expected;
    for (const auto& line : writeAll(scheme))
        expected += line + "\r\n";
    expected += "\r\n";
    EXPECT_EQ(bytes, expected);
    EXPECT_TRUE(bytes.starts_with("Lumeris 1.5\r\n"));
    EXPECT_TRUE(bytes.ends_with("Views\r\n\r\n"));
}

} // namespace
} // namespace lumeris
