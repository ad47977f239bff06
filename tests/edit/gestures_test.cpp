#include "edit/canvas_gestures.h"
#include "edit/hit_tests.h"
#include "edit/move_items.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace lumeris {
namespace {

// A canvas at Scale 1 with the world's origin in its corner: screen positions are world
// positions. Labels are 7 pixels a character.
struct GestureTest : ::testing::Test {
    Scheme scheme;
    ViewState view;
    Interaction input;
    Document doc;
    test::RecordingWindow window;
    Evaluation eval;
    Editor editor{scheme, view, input, doc, window, nullptr, &eval};

    GestureTest() {
        view.CanvasWidth = 800;
        view.CanvasHeight = 600;
        view.NameSampleWidth = 70;
    }

    static PointerEvent at(int x, int y, int button = ButtonLeft) {
        PointerEvent e;
        e.button = button;
        e.x = x;
        e.y = y;
        return e;
    }
    void press(int x, int y, int button = ButtonLeft) {
        DXDraw1MouseDown(editor, at(x, y, button));
    }
    void move(int x, int y) { DXDraw1MouseMove(editor, at(x, y)); }
    void release(int x, int y, int button = ButtonLeft) {
        DXDraw1MouseUp(editor, at(x, y, button));
    }
    // As a user drags: the pointer comes to rest on the start (hovering what is there) first.
    void drag(std::initializer_list<std::pair<int, int>> path, int button = ButtonLeft) {
        auto p = path.begin();
        move(p->first, p->second);
        press(p->first, p->second, button);
        for (++p; p != path.end(); ++p)
            move(p->first, p->second);
        release(std::prev(path.end())->first, std::prev(path.end())->second, button);
    }
};

// A link from (0, 0) to (300, 0) has its handle at (100, 0); an item stands near it.
TEST_F(GestureTest, PressWeighsTheNearestItemAgainstTheNearestHandle) {
    struct Case {
        int handleDistance, itemDistance;
        int expectState;
    } cases[] = {{2, 6, EditItemSelected},
                 {2, 8, EditLinkSelected},
                 {4, 8, EditItemSelected},
                 {8, 12, EditIdle}};
    for (const Case& c : cases) {
        Scheme fresh;
        CPoint* a = fresh.createItem("a", 0, 0);
        CPoint* b = fresh.createItem("b", 300, 0);
        fresh.createLink(a, b);
        fresh.createItem("", 100, c.handleDistance + c.itemDistance);
        Editor e{fresh, view, input, doc, window};
        DXDraw1MouseDown(e, at(100, c.handleDistance));
        EXPECT_EQ(fresh.EditState, c.expectState) << c.handleDistance << " " << c.itemDistance;
        if (c.expectState == EditLinkSelected) {
            EXPECT_EQ(fresh.LinkHandleX, 100);
            EXPECT_EQ(fresh.LinkHandleY, 0);
        }
    }
}

TEST_F(GestureTest, HoverTakesAHandleOnlyWithinFivePixelsAndAnItemWithinTen) {
    CPoint* a = scheme.createItem("", 0, 0);
    CPoint* b = scheme.createItem("", 300, 0);
    CLink* link = scheme.createLink(a, b);
    struct Case {
        int x, y;
        int kind;
    } cases[] = {
        {100, 6, HoverNothing}, {100, 5, HoverLink}, {300, 9, HoverItem}, {300, 11, HoverNothing}};
    for (const Case& c : cases) {
        move(c.x, c.y);
        EXPECT_EQ(scheme.HoverKind, c.kind) << c.x << "," << c.y;
        if (c.kind == HoverLink) {
            EXPECT_EQ(scheme.Hovered.link, link);
        }
        if (c.kind == HoverNothing) {
            EXPECT_TRUE(scheme.Hovered.empty());
        }
    }
}

TEST_F(GestureTest, HitTestsOnAnEmptySchemeFindNothingAndTiesGoToTheEarlierItem) {
    EXPECT_EQ(itemHitTest(scheme, view, 5, 5).item, nullptr);
    EXPECT_EQ(itemHitTest(scheme, view, 5, 5).distance, NoHitDistance);
    EXPECT_EQ(linkHitTest(scheme, view, 5, 5).link, nullptr);
    EXPECT_EQ(labelHitTest(scheme, view, 5, 5), nullptr);
    scheme.createItem("older", 40, 40);
    CPoint* newer = scheme.createItem("newer", 40, 40);
    EXPECT_EQ(itemHitTest(scheme, view, 40, 40).item, newer); // the list runs newest first
}

TEST_F(GestureTest, LabelBoxFollowsTheSampleWidthAndExcludesItsEdges) {
    CPoint* item = scheme.createItem("abcd", 100, 100); // 4 characters: 28 pixels from x 108
    EXPECT_EQ(labelHitTest(scheme, view, 109, 100), item);
    EXPECT_EQ(labelHitTest(scheme, view, 108, 100), nullptr);
    EXPECT_EQ(labelHitTest(scheme, view, 135, 100), item);
    EXPECT_EQ(labelHitTest(scheme, view, 136, 100), nullptr);
    EXPECT_EQ(labelHitTest(scheme, view, 120, 104), nullptr); // below sy + 4
    EXPECT_EQ(labelHitTest(scheme, view, 120, 90), nullptr);  // above sy - 12 + 2
    EXPECT_EQ(labelHitTest(scheme, view, 120, 91), item);
}

TEST_F(GestureTest, TheGridSnapsTowardZero) {
    EXPECT_EQ(snapGrid(view), 4);
    for (auto [world, snapped] : {std::pair{-5, -4}, {5, 4}, {9, 8}, {-3, 0}})
        EXPECT_EQ(snapToGrid(world, 4), snapped);
    view.Scale = 1.0f / 128;
    EXPECT_EQ(snapGrid(view), 512);
    view.Scale = 4;
    EXPECT_EQ(snapGrid(view), 1);
    view.Scale = 0; // from a damaged file
    EXPECT_EQ(snapGrid(view), 1 << 30);
}

TEST_F(GestureTest, SmallStepsNeitherMoveTheItemNorLoseTheSelection) {
    CPoint* item = scheme.createItem("", 100, 100);
    move(100, 100);
    press(100, 100);
    for (int i = 1; i <= 20; ++i)
        move(100 + i, 100); // one pixel per event
    EXPECT_EQ(item->X, 100);
    release(120, 100);
    EXPECT_EQ(scheme.EditState, EditItemSelected); // no step was over 2 pixels

    move(100, 100);
    press(100, 100);
    input.PressedObject = nullptr; // past the dead zone
    for (int i = 1; i <= 5; ++i)
        move(100 + 2 * i, 100); // two pixels per event: PointerMoved stays clear
    EXPECT_EQ(item->X, 108);
    release(110, 100);
    EXPECT_EQ(scheme.EditState, EditItemSelected);
    EXPECT_EQ(scheme.Selected.item, item);
    EXPECT_EQ(window.count("refreshPropertiesPanel"), 2);
}

TEST_F(GestureTest, AnItemIsNotDraggedOntoAnother) {
    CPoint* item = scheme.createItem("", 100, 100);
    scheme.createItem("", 140, 100);
    drag({{100, 100}, {110, 100}, {136, 100}, {150, 100}});
    EXPECT_EQ(item->X, 148);      // 136 lies within 6 pixels of the other: that step was skipped
    EXPECT_EQ(item->VelX, 22.0f); // moved by 8, then by 40: (40 + 8 / 2) / 2
}

TEST_F(GestureTest, RightDragMakesALinkOrNothing) {
    struct Case {
        int toX, toY;
        const char* targetName; // an item stands there with this name; null: empty canvas
        int items, links;
        float value;
    } cases[] = {{300, 300, nullptr, 2, 1, 1.0f},
                 {300, 300, "*hub", 2, 1, 0.0f},
                 {300, 300, "plain", 2, 1, 1.0f},
                 {110, 108, nullptr, 1, 0, 0.0f},
                 {111, 100, nullptr, 2, 1, 1.0f}};
    for (const Case& c : cases) {
        Scheme fresh;
        CPoint* source = fresh.createItem("s", 100, 100);
        if (c.targetName)
            fresh.createItem(c.targetName, c.toX, c.toY);
        Editor e{fresh, view, input, doc, window};
        DXDraw1MouseDown(e, at(100, 100, ButtonRight));
        EXPECT_TRUE(input.LinkDragging);
        DXDraw1MouseMove(e, at(c.toX, c.toY));
        DXDraw1MouseUp(e, at(c.toX, c.toY, ButtonRight));
        EXPECT_EQ(fresh.ItemCount, c.items) << c.toX << " " << (c.targetName ? c.targetName : "");
        ASSERT_EQ(fresh.LinkCount, c.links);
        if (c.links) {
            EXPECT_EQ(fresh.LinkList->From, source);
            EXPECT_EQ(fresh.LinkList->Value, c.value);
            EXPECT_EQ(fresh.LinkList->To->X, c.toX);
            EXPECT_EQ(fresh.EditState, EditIdle);
        } else {
            EXPECT_EQ(fresh.EditState, EditItemSelected); // the source stays selected
        }
        EXPECT_FALSE(input.LinkDragging);
    }
    EXPECT_EQ(window.count("popupMenu 300 300"), 0);
}

TEST_F(GestureTest, TheMenuOpensOnlyForARightClickOnEmptyCanvas) {
    CPoint* a = scheme.createItem("", 100, 100);
    scheme.createLink(a, scheme.createItem("", 400, 100));
    press(50, 300, ButtonRight);
    release(50, 300, ButtonRight);
    EXPECT_EQ(window.calls.back(), "refreshPropertiesPanel");
    EXPECT_EQ(window.count("popupMenu 50 300"), 1);
    for (auto [x, y] : {std::pair{100, 100}, {200, 100}}) { // an item, a link handle
        press(x, y, ButtonRight);
        release(x, y, ButtonRight);
    }
    drag({{50, 300}, {80, 320}, {120, 340}}, ButtonRight); // a pan
    EXPECT_EQ(view.ScreenX, -70);
    EXPECT_EQ(window.count("popupMenu 50 300") + window.count("popupMenu 120 340") +
                  window.count("popupMenu 100 100") + window.count("popupMenu 200 100"),
              1);
}

TEST_F(GestureTest, ADoubleClickOnEmptyCanvasMakesExactlyOneItem) {
    // The toolkit's order: press, release, double click, the second press, the second release.
    press(60, 70);
    release(60, 70);
    DXDraw1DblClick(editor, ButtonLeft);
    press(60, 70);
    release(60, 70);
    ASSERT_EQ(scheme.ItemCount, 1);
    EXPECT_EQ(scheme.ItemList->X, 60);
    EXPECT_EQ(scheme.ItemList->Y, 70);
    EXPECT_EQ(window.count("openNameEditor 0"), 1);
    EXPECT_EQ(scheme.MouseButtonState, MouseButtonNone);

    press(60, 70);
    release(60, 70);
    DXDraw1DblClick(editor, ButtonLeft); // on the selected item: its address, no new item
    EXPECT_EQ(scheme.ItemCount, 1);
    EXPECT_EQ(window.count("openAddress"), 1);
}

// The toolkit's order: press, release, double click, the second press, the second release.
// Only the left button's double click acts, and a double click on a label does the label's
// action once.
TEST_F(GestureTest, ADoubleClickActsOnceAndOnlyForTheLeftButton) {
    struct Case {
        const char* what;
        int button;
        int x, y; // (100, 100) is the item, (120, 100) its label
        const char* url;
        int items, nameEditors, addresses;
    };
    for (const Case c : {Case{"right on empty canvas", ButtonRight, 400, 400, "", 1, 0, 0},
                         {"middle on the item", ButtonMiddle, 100, 100, "www.a.ru", 1, 0, 0},
                         {"left on the label", ButtonLeft, 120, 100, "", 1, 1, 0},
                         {"left on an address's label", ButtonLeft, 120, 100, "www.a.ru", 1, 0, 1},
                         {"left on the item", ButtonLeft, 100, 100, "www.a.ru", 1, 0, 1}}) {
        scheme.empty();
        scheme.EditState = EditIdle;
        window.calls.clear();
        scheme.createItem("Item", 100, 100)->url = c.url;
        move(c.x, c.y);
        press(c.x, c.y, c.button);
        release(c.x, c.y, c.button);
        DXDraw1DblClick(editor, c.button);
        press(c.x, c.y, c.button);
        release(c.x, c.y, c.button);
        EXPECT_EQ(scheme.ItemCount, c.items) << c.what;
        EXPECT_EQ(window.count("openNameEditor 120"), c.nameEditors) << c.what;
        EXPECT_EQ(window.count("openAddress"), c.addresses) << c.what;
    }
}

// Double click, type a name, Enter, then drag from where the pointer rests: the item moves.
TEST_F(GestureTest, APressWithoutAMoveDragsTheItemNotTheView) {
    CPoint* item = scheme.createItem("", 100, 100);
    press(100, 100);
    move(150, 100);
    move(200, 120);
    release(200, 120);
    EXPECT_EQ(std::pair(item->X, item->Y), std::pair(200, 120));
    EXPECT_EQ(std::pair(view.ScreenX, view.ScreenY), std::pair(0, 0));
}

TEST_F(GestureTest, CtrlPressTogglesVisibilityInTheViews) {
    CPoint* item = scheme.createItem("", 100, 100);
    CPoint* view1 = scheme.createItem("v1", 500, 500);
    CPoint* view2 = scheme.createItem("v2", 500, 400);
    view1->Type = view2->Type = TypeProjection;
    ViewEntry* e1 = scheme.findOrAddViewEntry(view1, item);
    ViewEntry* e2 = scheme.findOrAddViewEntry(view2, item);
    e2->Vis = false;
    PointerEvent ctrl = at(100, 100);
    ctrl.ctrl = true;

    DXDraw1MouseDown(editor, ctrl); // no current view: hiding hides it in every view
    EXPECT_FALSE(item->Vis);
    EXPECT_FALSE(e1->Vis);
    EXPECT_EQ(scheme.EditState, EditIdle); // the selection is not changed
    DXDraw1MouseDown(editor, ctrl);        // showing changes no view
    EXPECT_TRUE(item->Vis);
    EXPECT_FALSE(e1->Vis);

    scheme.CurrentView = view2;
    DXDraw1MouseDown(editor, ctrl); // the current view's entry follows
    EXPECT_FALSE(item->Vis);
    EXPECT_TRUE(e2->Vis);
    scheme.CurrentView = view1;
    CPoint* other = scheme.createItem("", 200, 200);
    PointerEvent ctrlOther = at(200, 200);
    ctrlOther.ctrl = true;
    DXDraw1MouseDown(editor, ctrlOther); // a new entry takes the toggled visibility
    EXPECT_FALSE(other->Vis);
    EXPECT_FALSE(scheme.findOrAddViewEntry(view1, other)->Vis);
    scheme.CurrentView = nullptr;
}

TEST_F(GestureTest, ShiftBandChoosesTheVisibleItemsInsideAndTheGroupMovesTogether) {
    CPoint* a = scheme.createItem("", 100, 100);
    CPoint* b = scheme.createItem("", 140, 120);
    CPoint* hidden = scheme.createItem("", 120, 110);
    CPoint* outside = scheme.createItem("", 300, 300);
    hidden->Vis = false;
    PointerEvent shift = at(90, 90);
    shift.shift = true;
    DXDraw1MouseDown(editor, shift);
    move(150, 130);
    release(150, 130);
    EXPECT_EQ(scheme.EditState, EditGroupChosen);
    EXPECT_EQ(a->Mark + b->Mark + hidden->Mark + outside->Mark, 4);

    window.calls.clear();
    drag({{100, 100}, {110, 104}, {121, 108}}); // a is the anchor
    EXPECT_EQ(window.count("repaintNow"), 2);   // every move of the group shows at once
    EXPECT_EQ(a->X, 120);
    EXPECT_EQ(a->Y, 108);
    EXPECT_EQ(b->X, 160);
    EXPECT_EQ(b->Y, 128);
    EXPECT_EQ(outside->X, 300);
    EXPECT_EQ(scheme.EditState, EditGroupChosen); // a group survives its drags
}

TEST_F(GestureTest, AFollowDragCarriesTheTargetsAndAHubCarriesItsSources) {
    CPoint* item = scheme.createItem("a", 100, 100);
    CPoint* target = scheme.createItem("t", 200, 100);
    CPoint* hubTarget = scheme.createItem("*h", 300, 100);
    CPoint* source = scheme.createItem("s", 0, 100);
    scheme.createLink(item, target);
    scheme.createLink(item, hubTarget);
    scheme.createLink(source, item);
    MoveItems(scheme, item, 10, 0, true);
    EXPECT_EQ(item->X, 110);
    EXPECT_EQ(target->X, 210);
    EXPECT_EQ(hubTarget->X, 300);
    EXPECT_EQ(source->X, 0);
    MoveItems(scheme, hubTarget, 0, 5, false); // a hub: its sources come along
    EXPECT_EQ(item->Y, 105);
    EXPECT_EQ(hubTarget->Y, 105);
    EXPECT_EQ(target->Y, 100);
    MoveItems(scheme, item, 0, 5, false); // no follow, no hub: alone
    EXPECT_EQ(item->Y, 110);
    EXPECT_EQ(target->Y, 100);
}

// The group drag as written step by step: one MoveItems per member, the displacement
// recomputed before each call.
void plainGroupDrag(Scheme& scheme, CPoint* anchor, std::int32_t toX, std::int32_t toY) {
    for (CPoint* p = scheme.ItemList; p; p = p->Next)
        if (p->Mark == 2)
            MoveItems(scheme, p, std::int64_t(toX) - anchor->X, std::int64_t(toY) - anchor->Y,
                      false);
}

TEST_F(GestureTest, TheGroupDragLeavesWhatOneMoveItemsPerMemberLeavesBitForBit) {
    std::mt19937 random(7);
    Scheme plain, fast;
    for (Scheme* s : {&plain, &fast}) {
        random.seed(7);
        s->EditState = EditGroupChosen;
        // Over 300 members, so that velocities halve down to +0; some are not finite.
        for (int i = 0; i < 1200; ++i) {
            CPoint* p = s->createItem("", int(random() % 1000), int(random() % 1000));
            p->Mark = random() % 3 == 0 ? 2 : 0;
            p->VelX = std::ldexp(float(int(random() % 200) - 100), -int(random() % 140));
            p->VelY = i % 7 == 0 ? -0.0f : float(int(random() % 50)) / 3;
            if (i % 101 == 0)
                p->VelX = i % 2 ? INFINITY : NAN;
        }
    }
    CPoint* anchorPlain = plain.ItemTail;
    CPoint* anchorFast = fast.ItemTail;
    anchorPlain->Mark = anchorFast->Mark = 2;
    Editor e{fast, view, input, doc, window};
    fast.Hovered = {anchorFast, nullptr};
    fast.MouseButtonState = ButtonLeft;
    for (auto [x, y] : {std::pair{500, 500}, {520, 497}, {523, 497}, {-40, 13}}) {
        plainGroupDrag(plain, anchorPlain, snapToGrid(x, 4), snapToGrid(y, 4));
        DXDraw1MouseMove(e, at(x, y));
        for (CPoint *p = plain.ItemList, *q = fast.ItemList; p; p = p->Next, q = q->Next) {
            ASSERT_EQ(p->X, q->X);
            ASSERT_EQ(p->Y, q->Y);
            ASSERT_EQ(std::memcmp(&p->VelX, &q->VelX, sizeof(float)), 0) << p->VelX;
            ASSERT_EQ(std::memcmp(&p->VelY, &q->VelY, sizeof(float)), 0) << p->VelY;
        }
    }
}

TEST_F(GestureTest, APanOfAPopulatedSchemeShiftsThePictureUntilEveryFiftiethStep) {
    for (int i = 0; i < 6; ++i)
        scheme.createItem("", 1000 + i * 30, 1000);
    press(10, 10);
    move(14, 13);
    EXPECT_EQ(view.ScreenX, -4);
    EXPECT_EQ(view.ScreenY, -3);
    EXPECT_EQ(window.calls.back(), "scrollPicture 4 3");
    EXPECT_EQ(scheme.RedrawRequests, 0);
    input.PanSteps = 49;
    move(15, 13);
    EXPECT_EQ(input.PanSteps, 0); // the fiftieth step repaints in full
    EXPECT_EQ(window.calls.back(), "repaintNow");
    move(400, 13); // 385 units: too far to shift
    EXPECT_EQ(window.calls.back(), "repaintNow");
    release(400, 13);
}

} // namespace
} // namespace lumeris
