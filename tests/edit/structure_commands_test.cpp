#include "edit/edit_commands.h"

#include "editor_fixture.h"

namespace lumeris {
namespace {

using Strings = std::vector<std::string>;

struct StructureCommands : test::EditorTest {};

// Which object Delete removes, by the selection and the hover.
TEST_F(StructureCommands, DeleteTakesTheSelectionElseAVisibleHoveredObject) {
    struct Case {
        const char* what;
        int editState;
        bool selectLink;
        int hoverKind;
        bool hoveredVisible;
        Strings left;
        int linksLeft;
    };
    const Case cases[] = {
        {"selected item", EditItemSelected, false, HoverNothing, true, {"b", "h"}, 0},
        {"item being named", EditNameEditing, false, HoverItem, true, {"b", "h"}, 0},
        {"selected link", EditLinkSelected, true, HoverItem, true, {"a", "b", "h"}, 0},
        {"idle: the hovered item", EditIdle, false, HoverItem, true, {"a", "b"}, 1},
        {"idle: a label's item", EditIdle, false, HoverItemName, true, {"a", "b"}, 1},
        {"idle: an invisible hovered item", EditIdle, false, HoverItem, false, {"a", "b", "h"}, 1},
        {"idle: the hover's kind was reset",
         EditIdle,
         false,
         HoverNothing,
         true,
         {"a", "b", "h"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        World fresh;
        test::RecordingWindow window;
        Editor editor{fresh.scheme, fresh.view, fresh.input, fresh.doc, window};
        Scheme& s = fresh.scheme;
        CPoint* a = s.createItem("a", 0, 0);
        CPoint* b = s.createItem("b", 10, 0);
        CPoint* h = s.createItem("h", 20, 0);
        CLink* link = s.createLink(a, b);
        h->Vis = c.hoveredVisible;
        s.Selected = c.selectLink ? ObjectRef{nullptr, link} : ObjectRef{a, nullptr};
        s.EditState = c.editState;
        s.Hovered = {h, nullptr};
        s.HoverKind = c.hoverKind;
        s.SchemeChanged = false;
        aDeleteExecute(editor);
        Strings left;
        for (const CPoint* p = s.ItemTail; p; p = p->Prev)
            left.push_back(p->Name);
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(s.LinkCount, c.linksLeft);
        EXPECT_EQ(s.SchemeChanged, c.left.size() < 3 || c.linksLeft == 0);
        EXPECT_TRUE(s.Selected.empty() && s.Hovered.empty());
        EXPECT_EQ(std::pair(s.EditState, s.HoverKind), std::pair(0, 0));
        EXPECT_EQ(window.calls, (Strings{"hidePropertiesPanel", "hideNameEditor", "repaintNow"}));
        EXPECT_EQ(s.RedrawRequests, 1);
        EXPECT_EQ(s.BusyDepth, 0);
    }
}

// A projection destroyed first would hand its view's items Mark 1 and save them from the
// group: the ordinary items go first.
TEST_F(StructureCommands, DeletingAGroupRemovesItsItemsAlsoThoseItsActiveViewShows) {
    CPoint* outside = scheme.createItem("outside", 0, 0);
    CPoint* shown = scheme.createItem("shown", 0, 0);
    CPoint* projection = scheme.createItem("p", 0, 0);
    projection->Type = TypeProjection;
    scheme.findOrAddViewEntry(projection, shown)->DX = 5;
    scheme.findOrAddViewEntry(projection, outside)->DX = 7;
    scheme.switchViewpoint(projection);
    scheme.completeViewSwitch();
    ASSERT_EQ(outside->X, 7);
    choose({projection, shown});
    aDeleteExecute(editor);
    EXPECT_EQ(names(), Strings{"outside"});
    EXPECT_EQ(outside->X, 0);
    EXPECT_EQ(scheme.CurrentView, nullptr);
}

TEST_F(StructureCommands, CloneTakesTheSelectedElseTheHoveredItemWithItsLinks) {
    CPoint* in = scheme.createItem("in", 0, 0);
    CPoint* a = scheme.createItem("A", 100, 50);
    CPoint* out = scheme.createItem("out", 0, 0);
    scheme.createLink(in, a)->Value = 0.5f;
    scheme.createLink(a, out)->Value = 0.25f;
    scheme.createLink(a, a);
    scheme.LastId = 41;
    aCloneExecute(editor); // no target
    EXPECT_EQ(scheme.ItemCount, 3);
    hover(a);
    aCloneExecute(editor);
    CPoint* clone = scheme.ItemList;
    EXPECT_EQ(clone->Name, "A 42");
    EXPECT_EQ(std::pair(clone->X, clone->Y), std::pair(116, 34));
    EXPECT_EQ(links(), (Strings{"in>A 0.500000", "A>out 0.250000", "A>A 1.000000",
                                "A 42>A 1.000000", "A 42>out 0.250000", "in>A 42 0.500000"}));
    select(out);
    aCloneExecute(editor);
    EXPECT_EQ(scheme.ItemList->Name, "out 43");
    EXPECT_EQ(scheme.RedrawRequests, 2);
}

TEST_F(StructureCommands, SplitPlacesTheOutputItemByTheLogOfTheSummedOffsets) {
    CPoint* lone = scheme.createItem("lone", 10, 20);
    select(lone);
    aSplitExecute(editor);
    CPoint* clone = scheme.ItemList;
    EXPECT_EQ(std::pair(clone->X, clone->Y), std::pair(26, 5)); // (+16, -15)
    EXPECT_EQ(links(), Strings{"lone>lone 2 1.000000"});
    EXPECT_EQ(clone->AndOr, 1.0f);

    CPoint* in = scheme.createItem("in", 0, 0);
    CPoint* item = scheme.createItem("x", 0, 0);
    item->AndOr = 0.25f;
    CPoint* q = scheme.createItem("q", 100, 50);
    scheme.createLink(in, item);
    scheme.createLink(item, q)->Value = 0.5f;
    scheme.Selected.clear();
    scheme.EditState = EditIdle;
    hover(item);
    aSplitExecute(editor);
    clone = scheme.ItemList;
    // a = 1 + 100: trunc(ln 101.1 + 16) = 20; b = -1 + 50: trunc(ln 49.1 + 16) = 19.
    EXPECT_EQ(std::pair(clone->X, clone->Y), std::pair(20, 19));
    EXPECT_EQ(clone->AndOr, 1.0f);
    EXPECT_EQ(item->AndOr, 0.25f);
    EXPECT_EQ(links(), (Strings{"lone>lone 2 1.000000", "in>x 1.000000", "x 6>q 0.500000",
                                "x>x 6 1.000000"}));
    EXPECT_EQ(scheme.RedrawRequests, 2);
}

TEST_F(StructureCommands, UniteMovesTheTargetsLinksToTheSourceAndSelectsIt) {
    CPoint* a = scheme.createItem("A", 0, 0);
    CPoint* b = scheme.createItem("B", 0, 0);
    CPoint* c = scheme.createItem("C", 0, 0);
    CPoint* d = scheme.createItem("D", 0, 0);
    CLink* joint = scheme.createLink(a, b);
    CLink* out = scheme.createLink(b, c);
    scheme.setCoefficient(out, 0.5f);
    out->Name = "dropped";
    scheme.setCoefficient(scheme.createLink(d, b), 0.25f);
    scheme.createLink(c, d);
    scheme.Selected = {nullptr, joint};
    scheme.EditState = EditLinkSelected;
    hover(b);
    aUniteExecute(editor);
    EXPECT_EQ(names(), (Strings{"A", "C", "D"}));
    EXPECT_EQ(links(), (Strings{"C>D 1.000000", "D>A 0.250000", "A>C 0.500000"}));
    EXPECT_EQ(scheme.LinkList->Next->Name, "");
    EXPECT_EQ(scheme.Selected.item, a);
    EXPECT_EQ(scheme.EditState, EditItemSelected);
    EXPECT_TRUE(scheme.Hovered.empty());

    // Without a selected link, or with a link from an item to itself, nothing happens.
    CLink* loop = scheme.createLink(c, c);
    const std::string before = saved();
    aUniteExecute(editor);
    scheme.Selected = {nullptr, loop};
    aUniteExecute(editor);
    EXPECT_EQ(saved(), before);
}

TEST_F(StructureCommands, TypingZoomsOnPlusAndMinusAndStartsANewItemsNameOnOtherKeys) {
    world.view.Scale = 0.5f;
    world.view.ScreenX = 10;
    world.input.LastMouseX = 3;
    world.input.LastMouseY = 4;
    world.view.ZoomLevel = 7;
    typeOnCanvas(editor, '+');
    EXPECT_EQ(world.view.ZoomLevel, 7);
    typeOnCanvas(editor, '-');
    EXPECT_EQ(world.view.ZoomLevel, 6);
    typeOnCanvas(editor, '\r');
    EXPECT_EQ(scheme.ItemCount, 0);

    window.calls.clear();
    world.view.ZoomAnchorX = 0;
    scheme.DefaultItemType = TypeFuzzy;
    typeOnCanvas(editor, '\xDF');
    EXPECT_EQ(world.view.ZoomAnchorX, 16.0f);
    CPoint* item = scheme.ItemList;
    EXPECT_EQ(std::pair(item->X, item->Y), std::pair(16, 8));
    EXPECT_EQ(std::pair(item->Name, item->Type), std::pair(std::string(), std::uint8_t{TypeFuzzy}));
    EXPECT_EQ(scheme.Selected.item, item);
    EXPECT_EQ(scheme.EditState, EditNameEditing);
    EXPECT_EQ(window.calls, (Strings{"refreshPropertiesPanel", "openNameEditor 0",
                                     "typeIntoNameEditor \xDF", "refreshPropertiesPanel"}));
    EXPECT_EQ(scheme.RedrawRequests, 5);
}

} // namespace
} // namespace lumeris
