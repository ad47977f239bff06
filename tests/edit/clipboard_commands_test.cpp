#include "edit/edit_commands.h"
#include "edit/plain_lines.h"
#include "edit/web_address.h"
#include "text/cp1251_case.h"

#include "editor_fixture.h"

namespace lumeris {
namespace {

using Strings = std::vector<std::string>;

struct ClipboardCommands : test::EditorTest {
    void SetUp() override {
        world.view.ScreenX = 1000;
        world.view.ScreenY = 2000;
    }
    std::pair<int, int> at(const CPoint* p) const { return {p->X, p->Y}; }
    // The items oldest first.
    std::vector<CPoint*> items() const {
        std::vector<CPoint*> all;
        for (CPoint* p = scheme.ItemTail; p; p = p->Prev)
            all.push_back(p);
        return all;
    }
};

TEST_F(ClipboardCommands, ThreeLinesMakeItemsAndFourAlsoAHubLinkedByZeroCoefficients) {
    ASSERT_TRUE(aPasteExecute(editor, "a\r\nb\nc"));
    EXPECT_EQ(names(), (Strings{"a", "b", "c"}));
    EXPECT_EQ(at(items()[0]), std::pair(1000, 2000));
    EXPECT_EQ(at(items()[2]), std::pair(1000, 2064));
    EXPECT_EQ(scheme.LinkCount, 0);

    World four;
    Editor on{four.scheme, four.view, four.input, four.doc, window};
    ASSERT_TRUE(aPasteExecute(on, "a\rb\r\n\r\nd\r\n"));
    std::vector<CPoint*> made;
    for (CPoint* p = four.scheme.ItemTail; p; p = p->Prev)
        made.push_back(p);
    ASSERT_EQ(made.size(), 4u); // the empty line makes no item but takes its place
    EXPECT_EQ(made[0]->Name, "*");
    EXPECT_EQ(at(made[0]), std::pair(0, 0));
    EXPECT_EQ(at(made[1]), std::pair(128, 128)); // PasteOffset 64 + 64
    EXPECT_EQ(at(made[3]), std::pair(128, 224));
    for (const CLink* l = four.scheme.LinkList; l; l = l->Next) {
        EXPECT_EQ(l->To, made[0]);
        EXPECT_EQ(l->Value, 0.0f);
    }
    EXPECT_EQ(four.scheme.LinkCount, 3);
    EXPECT_EQ(window.count("repaintNow"), 2);
    EXPECT_EQ(four.scheme.RedrawRequests, 1);
}

TEST_F(ClipboardCommands, LeadingTabsAndSpacesIndentSixteenUnitsEach) {
    ASSERT_TRUE(aPasteExecute(editor, "x\n\t\tx\n \ty"));
    EXPECT_EQ(names(), (Strings{"x", "x", "y"}));
    EXPECT_EQ(at(items()[1]).first - at(items()[0]).first, 32);
    EXPECT_EQ(at(items()[2]), std::pair(1032, 2064));
}

TEST_F(ClipboardCommands, LongLinesAreNamedUpToABreakAndKeptWholeInTheText) {
    const std::string noBreak = std::string(39, 'a') + "." + std::string(110, 'b');
    const std::string spaceAt80 =
        std::string(59, 'a') + "," + std::string(19, 'c') + " " + std::string(70, 'd');
    const struct {
        std::string line;
        std::string name;
    } cases[] = {
        {noBreak, noBreak.substr(0, 100) + "..."},
        {spaceAt80, spaceAt80.substr(0, 80) + "..."},
        {std::string(100, 'e'), std::string(100, 'e')},
        {"a\x01z\x1F", "a z "},
        // Character 51 is the last place a break is looked for.
        {std::string(50, 'f') + "?" + std::string(60, 'g'), std::string(50, 'f') + "?..."},
        {std::string(49, 'f') + "?" + std::string(61, '\x02'),
         std::string(49, 'f') + "?" + std::string(50, ' ') + "..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pastedName(c.line), c.name) << c.line;
    ASSERT_TRUE(aPasteExecute(editor, spaceAt80 + "\nshort"));
    EXPECT_EQ(items()[0]->text, spaceAt80);
    EXPECT_EQ(items()[1]->text, "");
}

TEST_F(ClipboardCommands, WebAddressesInAnyLetterCaseBecomeTheUrl) {
    for (const char* yes :
         {"www.a.ru", "wWw.", "HTTP://x", "https://x", "Ftp://x", "file://x", "MailTo:me"})
        EXPECT_TRUE(isWebAddress(yes)) << yes;
    for (const char* no : {"", "ww.x", "http:/x", "https:x", " www.x", "mailto", "\xF7www."})
        EXPECT_FALSE(isWebAddress(no)) << no;
    // Cyrillic letters, Latin ones and the rest, whatever the process locale.
    EXPECT_EQ(upperPrefixCp1251("\xFF\xB8\xE0\x9A\xB5q1", 99), "\xDF\xA8\xC0\x8A\xB5Q1");

    ASSERT_TRUE(aPasteExecute(editor, "\tWwW.site.ru\nsite.ru"));
    EXPECT_EQ(items()[0]->url, "WwW.site.ru");
    EXPECT_EQ(items()[1]->url, "");
}

TEST_F(ClipboardCommands, CopyWritesTheGroupOrTheHoveredItemAloneAndNothingWithoutEither) {
    CPoint* a = scheme.createItem("a", 0, 0);
    CPoint* b = scheme.createItem("b", 0, 0);
    scheme.createLink(a, b);
    world.input.PasteOffset = 192;
    EXPECT_EQ(aCopyExecute(editor), std::nullopt);
    EXPECT_EQ(world.input.PasteOffset, 64);
    hover(b, HoverItemName);
    EXPECT_EQ(aCopyExecute(editor), std::nullopt);

    a->Mark = 2; // left by an earlier drag: not part of a copy of the hovered item
    hover(b);
    const auto one = aCopyExecute(editor);
    ASSERT_TRUE(one);
    EXPECT_NE(one->find("\r\n1\t0\t0\t1000\t2000\t"), std::string::npos) << *one;
    EXPECT_NE(one->find("\tb\t"), std::string::npos);
    EXPECT_EQ(one->find("\ta\t"), std::string::npos);
    EXPECT_EQ(std::pair(a->Mark, b->Mark), std::pair(2, 0));

    choose({a, b});
    const auto both = aCopyExecute(editor);
    ASSERT_TRUE(both);
    const std::string whole = saved();
    EXPECT_EQ(*both + "\r\n", whole); // Save's bytes are the copy's and one more CR LF
}

TEST_F(ClipboardCommands, CutRemovesAGroupButOnlyCopiesAHoveredItem) {
    CPoint* a = scheme.createItem("a", 0, 40);
    CPoint* b = scheme.createItem("b", 30, 70);
    CPoint* c = scheme.createItem("c", 0, 0);
    b->Mark = 2;
    hover(c);
    EXPECT_TRUE(aCutExecute(editor));
    EXPECT_EQ(scheme.ItemCount, 3);

    choose({a, b});
    const auto text = aCutExecute(editor);
    ASSERT_TRUE(text);
    EXPECT_EQ(names(), Strings{"c"});
    EXPECT_TRUE(scheme.Hovered.item == c);

    // What was cut pastes back as the new group, its first item (at x 0) under the pointer
    // and the other at the same distance.
    c->Mark = 2;
    world.input.LastMouseX = 5;
    ASSERT_TRUE(aPasteExecute(editor, *text));
    EXPECT_EQ(names(), (Strings{"c", "a", "b"}));
    EXPECT_EQ(at(items()[1]), std::pair(1005, 2000));
    EXPECT_EQ(at(items()[2]), std::pair(1035, 2030));
    EXPECT_EQ(std::pair(c->Mark, items()[1]->Mark), std::pair(0, 2));
}

// The program goes on after a fragment that stops with a data error, with the scheme, the
// marks and the next id as they were.
TEST_F(ClipboardCommands, AFragmentWithADataErrorLeavesTheSchemeAndReturnsTheMessage) {
    CPoint* a = scheme.createItem("a", 3, 4);
    CPoint* b = scheme.createItem("b", 5, 6);
    scheme.createLink(a, b);
    a->Mark = 2;
    const std::string before = saved();
    a->Mark = 2; // Save clears the marks
    const std::string broken = "Lumeris 1.5\r\nItems\r\n2\t1\t0\t0\t0\t1\tnone\r\ncaption\r\n"
                               "7\t0\t0\t1\t0\t1\t0\t0\t1\tx\t\t\t\r\n"
                               "8\t9\t9\t1\t0\t1\t0\t0\t1\ty\t\t\t\r\n"
                               "caption\r\n7\t99\t1\t0\t\r\nViews\r\n";
    const ReadResult result = aPasteExecute(editor, broken);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "Error in data, line 8");
    EXPECT_EQ(a->Mark, 2);
    EXPECT_EQ(saved(), before);
    EXPECT_EQ(scheme.createItem("next", 0, 0)->id, 3);
}

} // namespace
} // namespace lumeris
