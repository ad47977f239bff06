#include "model/scheme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <set>
#include <vector>

using namespace lumeris;

namespace {

std::vector<CLink*> linksInListOrder(const Scheme& s) {
    std::vector<CLink*> all;
    for (CLink* l = s.LinkList; l; l = l->Next)
        all.push_back(l);
    return all;
}

// Checks every chain against the lists: what any operation must leave behind.
void expectConsistent(const Scheme& s) {
    std::set<const CPoint*> items;
    int count = 0;
    const CPoint* newer = nullptr;
    for (CPoint* p = s.ItemList; p; p = p->Next, ++count) {
        EXPECT_EQ(p->Prev, newer);
        newer = p;
        items.insert(p);
    }
    EXPECT_EQ(newer, s.ItemTail);
    EXPECT_EQ(count, s.ItemCount);

    const std::vector<CLink*> links = linksInListOrder(s);
    EXPECT_EQ(static_cast<int>(links.size()), s.LinkCount);
    for (CPoint* p = s.ItemList; p; p = p->Next) {
        std::vector<CLink*> out, in, expectedOut, expectedIn;
        for (CLink* l = p->OutLinks; l; l = l->NextOut)
            out.push_back(l);
        for (CLink* l = p->InLinks; l; l = l->NextIn)
            in.push_back(l);
        for (CLink* l : links) {
            if (l->From == p)
                expectedOut.push_back(l);
            if (l->To == p)
                expectedIn.push_back(l);
        }
        EXPECT_EQ(out, expectedOut);
        EXPECT_EQ(in, expectedIn);
        for (CVolume& v : p->Traces)
            EXPECT_TRUE(items.count(v.Source));
        for (ViewEntry* e = p->ViewEntries; e; e = e->Next) {
            EXPECT_EQ(p->Type, TypeProjection);
            EXPECT_TRUE(items.count(e->Item));
        }
    }
    for (CLink* l : links) {
        EXPECT_TRUE(items.count(l->From));
        EXPECT_TRUE(items.count(l->To));
    }
    if (s.CurrentView) {
        EXPECT_TRUE(items.count(s.CurrentView));
    }
    EXPECT_EQ(s.BusyDepth, 0);
}

CPoint* projection(Scheme& s, const char* name) {
    CPoint* p = s.createItem(name, 0, 0);
    p->Type = TypeProjection;
    return p;
}

} // namespace

TEST(Items, CreationGivesDefaultsAndFreshIds) {
    Scheme s;
    s.DefaultItemType = TypeFuzzy;
    CPoint* a = s.createItem("A", 10, -20);
    CPoint* b = s.createItem("B", 0, 0);
    EXPECT_EQ(a->id, 1);
    EXPECT_EQ(b->id, 2);
    EXPECT_EQ(s.ItemList, b);
    EXPECT_EQ(s.ItemTail, a);
    EXPECT_EQ(a->Type, TypeFuzzy);
    EXPECT_EQ(a->AndOr, 1.0f);
    EXPECT_TRUE(a->Vis);
    EXPECT_TRUE(s.SchemeChanged);
    expectConsistent(s);
}

// Every change the propagation step's record depends on moves the stamp on; values do not.
TEST(Items, ShapeChangesAdvanceTheChangeStampAndValuesDoNot) {
    Scheme s;
    CPoint* a = s.createItem("A", 0, 0);
    CPoint* b = s.createItem("B", 0, 0);
    CLink* ab = s.createLink(a, b);
    const std::vector<std::pair<const char*, std::function<void()>>> shapeChanges = {
        {"item made", [&] { s.createItem("C", 0, 0); }},
        {"link made", [&] { s.createLink(b, a); }},
        {"coefficient", [&] { s.setCoefficient(ab, 0.5f); }},
        {"Type", [&] { s.setType(a, TypeFuzzy); }},
        {"IsCust", [&] { s.setIsCust(a, 1); }},
        {"AndOr", [&] { s.setAndOr(a, 0.0f); }},
        {"type command", [&] { s.changeType(b, TypeFlag); }},
        {"trace made", [&] { s.addTrace(b, a); }},
        {"links reversed", [&] { s.reverseLinks(); }},
        {"link destroyed", [&] { s.destroyLink(s.LinkList); }},
        {"item destroyed", [&] { s.destroyItem(s.ItemList); }},
    };
    for (const auto& [what, change] : shapeChanges) {
        const std::uint64_t before = s.changeStamp();
        change();
        EXPECT_NE(s.changeStamp(), before) << what;
    }
    const std::uint64_t before = s.changeStamp();
    a->Value = 0.25f;
    s.findTrace(b, a)->Value = 0.5f;
    b->X = 7;
    EXPECT_EQ(s.changeStamp(), before);
}

TEST(Items, IdsWrapAroundAfterTheLargestOne) {
    Scheme s;
    s.LastId = 2147483647;
    EXPECT_EQ(s.createItem("A", 0, 0)->id, -2147483647 - 1);
}

TEST(Items, CloneIsNamedAfterItsIdAndPlacedBesideTheSource) {
    Scheme s;
    s.LastId = 40;
    CPoint* a = s.createItem("A", 100, 200);
    a->Value = 0.5f;
    a->AndOr = 0.25f;
    a->Custom = -0.75f;
    a->IsCust = 1;
    a->Type = TypeFuzzy;
    a->url = "http://x";
    a->text = "t";
    a->photo = "p.bmp";
    a->Vis = false;
    CPoint* clone = s.cloneItem(a);
    EXPECT_EQ(clone->Name, "A 42");
    EXPECT_EQ(clone->X, 116);
    EXPECT_EQ(clone->Y, 184);
    EXPECT_EQ(clone->Value, 0.5f);
    EXPECT_EQ(clone->AndOr, 0.25f);
    EXPECT_EQ(clone->Custom, -0.75f);
    EXPECT_EQ(clone->IsCust, 1);
    EXPECT_EQ(clone->Type, TypeFuzzy);
    EXPECT_TRUE(clone->url.empty() && clone->text.empty() && clone->photo.empty());
    EXPECT_TRUE(clone->Vis);

    CPoint* unnamed = s.createItem("", 0, 0);
    EXPECT_EQ(s.cloneItem(unnamed)->Name, "");
}

TEST(Items, CloneCopiesLinksAndTurnsASelfLinkIntoALinkToTheSource) {
    Scheme s;
    CPoint* a = s.createItem("A", 0, 0);
    CPoint* b = s.createItem("B", 0, 0);
    CPoint* c = s.createItem("C", 0, 0);
    CLink* out = s.createLink(a, b);
    out->Name = "out";
    out->Value = -0.5f;
    out->AndOr = 0.75f;
    s.createLink(c, a);
    s.createLink(a, a);
    CPoint* clone = s.cloneItem(a);

    std::vector<std::pair<CPoint*, CPoint*>> made;
    for (CLink* l = s.LinkList; l && (l->From == clone || l->To == clone); l = l->Next)
        made.emplace_back(l->From, l->To);
    // Made while walking the old links newest first, so the oldest link's copy is newest.
    const std::vector<std::pair<CPoint*, CPoint*>> expected = {{clone, b}, {c, clone}, {clone, a}};
    EXPECT_EQ(made, expected);
    CLink* copy = s.LinkList;
    EXPECT_EQ(copy->Name, "out");
    EXPECT_EQ(copy->Value, -0.5f);
    EXPECT_EQ(copy->AndOr, 0.75f);
    expectConsistent(s);
}

TEST(Items, DestroyRemovesEverythingThatRefersToTheItem) {
    Scheme s;
    CPoint* victim = s.createItem("V", 0, 0);
    CPoint* others[5];
    for (int i = 0; i < 5; ++i)
        others[i] = s.createItem("O", i, i);
    for (int i = 0; i < 3; ++i)
        s.createLink(others[i], victim);
    for (int i = 3; i < 5; ++i)
        s.createLink(victim, others[i]);
    CLink* survivor = s.createLink(others[0], others[1]);
    s.addTrace(others[0], victim);
    s.addTrace(others[0], others[1]);
    s.addTrace(victim, others[2]);
    CPoint* view = projection(s, "P");
    s.findOrAddViewEntry(view, victim);
    s.findOrAddViewEntry(view, others[1]);
    s.Selected.item = victim;
    s.EditState = EditItemSelected;
    s.Hovered.item = victim;
    s.HoverKind = HoverItem;

    s.destroyItem(victim);
    EXPECT_EQ(s.LinkList, survivor);
    EXPECT_EQ(s.LinkCount, 1);
    EXPECT_EQ(s.findTrace(others[0], victim), nullptr);
    EXPECT_NE(s.findTrace(others[0], others[1]), nullptr);
    ASSERT_NE(view->ViewEntries, nullptr);
    EXPECT_EQ(view->ViewEntries->Item, others[1]);
    EXPECT_EQ(view->ViewEntries->Next, nullptr);
    EXPECT_TRUE(s.Selected.empty());
    EXPECT_EQ(s.EditState, EditIdle);
    EXPECT_TRUE(s.Hovered.empty());
    EXPECT_EQ(s.HoverKind, HoverNothing);
    expectConsistent(s);
}

TEST(Items, DestroyingALinkClearsItsSelection) {
    Scheme s;
    CPoint* a = s.createItem("A", 0, 0);
    CLink* l = s.createLink(a, a);
    s.Selected.link = l;
    s.EditState = EditLinkSelected;
    s.destroyLink(l);
    EXPECT_TRUE(s.Selected.empty());
    EXPECT_EQ(s.EditState, EditIdle);
    EXPECT_EQ(a->OutLinks, nullptr);
    expectConsistent(s);
}

TEST(Items, LinkHandleIsTheOneThirdPointTruncatedTowardZero) {
    Scheme s;
    CPoint* a = s.createItem("A", -1, 10);
    CPoint* b = s.createItem("B", -2, -31);
    s.createLink(a, b);
    EXPECT_EQ(s.LinkHandleX, -1); // (-2 - 2) / 3 = -4 / 3
    EXPECT_EQ(s.LinkHandleY, -3); // (20 - 31) / 3 = -11 / 3
    EXPECT_EQ(s.createLink(a, nullptr), nullptr);
    EXPECT_EQ(s.LinkCount, 1);
}

TEST(Scheme, EmptyingKeepsLastIdAndLeavesNothingBehind) {
    Scheme s;
    for (int i = 0; i < 10; ++i)
        s.createItem("x", i, i);
    CPoint* p = projection(s, "P");
    s.findOrAddViewEntry(p, s.ItemTail);
    s.switchViewpoint(p);
    s.createLink(s.ItemList, s.ItemTail);
    s.empty();
    EXPECT_EQ(s.ItemList, nullptr);
    EXPECT_EQ(s.LinkList, nullptr);
    EXPECT_EQ(s.ItemCount, 0);
    EXPECT_EQ(s.CurrentView, nullptr);
    EXPECT_EQ(s.ViewSwitchFrame, 0);
    EXPECT_EQ(s.findById(3), nullptr);
    EXPECT_EQ(s.createItem("y", 0, 0)->id, 12);
    expectConsistent(s);
}

TEST(Scheme, FindByIdGivesTheNewestItemWithThatId) {
    Scheme s;
    CPoint* older = s.createItem("old", 0, 0);
    s.setId(older, 5);
    CPoint* newer = s.createItem("new", 0, 0);
    s.setId(newer, 5);
    s.createItem("other", 0, 0);
    EXPECT_EQ(s.findById(5), newer);
    s.setId(older, 5); // renumbering an older item keeps the newer one in front
    EXPECT_EQ(s.findById(5), newer);
    s.destroyItem(newer);
    EXPECT_EQ(s.findById(5), older);
    s.destroyItem(older);
    EXPECT_EQ(s.findById(5), nullptr);
}

TEST(Scheme, ChangeTypeSetsTheFixedValueAndDropsAView) {
    Scheme s;
    CPoint* a = s.createItem("A", 0, 0);
    s.changeType(a, TypeFlag);
    EXPECT_EQ(a->Custom, 1.0f);
    EXPECT_EQ(a->IsCust, 1);
    s.changeType(a, TypeLispAtom);
    EXPECT_EQ(a->IsCust, 1);
    s.changeType(a, TypeProjection);
    EXPECT_EQ(a->IsCust, 0);
    EXPECT_EQ(a->Custom, 0.0f);
    CPoint* b = s.createItem("B", 0, 0);
    s.findOrAddViewEntry(a, b)->DX = 10;
    s.switchViewpoint(a);
    s.completeViewSwitch();
    EXPECT_EQ(b->X, 10);
    s.changeType(a, TypeReal);
    EXPECT_EQ(a->ViewEntries, nullptr);
    EXPECT_EQ(s.CurrentView, nullptr);
    EXPECT_EQ(b->X, 0);
    expectConsistent(s);
}

TEST(Scheme, ReversingLinksTwiceRestoresEveryChain) {
    Scheme s;
    CPoint* a = s.createItem("A", 0, 0);
    CPoint* b = s.createItem("B", 0, 0);
    CPoint* c = s.createItem("C", 0, 0);
    CLink* ab = s.createLink(a, b);
    CLink* ac = s.createLink(a, c);
    CLink* cb = s.createLink(c, b);
    s.SchemeChanged = false;
    s.reverseLinks();
    EXPECT_EQ(ab->From, b);
    EXPECT_EQ(b->OutLinks, cb);
    EXPECT_EQ(cb->NextOut, ab);
    EXPECT_EQ(c->OutLinks, ac);
    EXPECT_FALSE(s.SchemeChanged);
    expectConsistent(s);
    s.reverseLinks();
    EXPECT_EQ(a->OutLinks, ac);
    EXPECT_EQ(ac->NextOut, ab);
    EXPECT_EQ(c->OutLinks, cb);
    EXPECT_EQ(b->OutLinks, nullptr);
    expectConsistent(s);
}

TEST(Traces, StaySortedByUnsignedNameBytesWithTheNewestFirstAmongEquals) {
    Scheme s;
    CPoint* owner = s.createItem("O", 0, 0);
    CPoint* cyr = s.createItem("\xC0", 0, 0); // a Cyrillic letter sorts after Latin ones
    CPoint* b1 = s.createItem("b", 0, 0);
    CPoint* a = s.createItem("a", 0, 0);
    CPoint* b2 = s.createItem("b", 0, 0);
    CPoint* empty = s.createItem("", 0, 0);
    for (CPoint* src : {cyr, b1, a, b2, empty})
        s.addTrace(owner, src);
    std::vector<CPoint*> order;
    for (CVolume& v : owner->Traces)
        order.push_back(v.Source);
    EXPECT_EQ(order, (std::vector<CPoint*>{empty, a, b2, b1, cyr}));
    EXPECT_EQ(s.findTrace(owner, b1)->Source, b1);
    CVolume* fresh = s.findTrace(owner, a);
    EXPECT_EQ(fresh->Value, 0.0f);
    EXPECT_EQ(fresh->MinInput, 1.0f);
    EXPECT_EQ(fresh->Accum, 0.0f);
}

TEST(Views, FindOrAddViewEntryKeepsOneEntryPerItemNewestFirst) {
    Scheme s;
    CPoint* p = projection(s, "P");
    CPoint* a = s.createItem("A", 0, 0);
    CPoint* b = s.createItem("B", 0, 0);
    b->Vis = false;
    EXPECT_EQ(s.findOrAddViewEntry(nullptr, a), nullptr);
    ViewEntry* ea = s.findOrAddViewEntry(p, a);
    ViewEntry* eb = s.findOrAddViewEntry(p, b);
    EXPECT_EQ(s.findOrAddViewEntry(p, a), ea);
    EXPECT_EQ(p->ViewEntries, eb);
    EXPECT_EQ(eb->Next, ea);
    EXPECT_FALSE(eb->Vis);
    EXPECT_EQ(ea->DX, 0);
}

namespace {

float switchFraction(int frame) {
    return 0.5f - std::cos(static_cast<float>(frame) / 7.0f * std::numbers::pi_v<float>) / 2.0f;
}

} // namespace

TEST(Views, SwitchGlidesOverSevenFramesToTheNewOffsets) {
    Scheme s;
    CPoint* oldView = projection(s, "old");
    CPoint* newView = projection(s, "new");
    CPoint* onlyOld = s.createItem("1", 100, 100);
    CPoint* onlyNew = s.createItem("2", 200, 200);
    CPoint* both = s.createItem("3", 300, 300);
    s.findOrAddViewEntry(oldView, onlyOld)->DX = 50;
    s.findOrAddViewEntry(oldView, both)->DY = -40;
    ViewEntry* hidden = s.findOrAddViewEntry(newView, onlyNew);
    hidden->DX = 70;
    hidden->DY = -70;
    hidden->Vis = false;
    s.findOrAddViewEntry(newView, both)->DX = 30;

    s.switchViewpoint(oldView);
    s.completeViewSwitch();
    EXPECT_EQ(onlyOld->X, 150);
    EXPECT_EQ(both->Y, 260);

    s.switchViewpoint(newView);
    EXPECT_EQ(s.CurrentView, newView);
    EXPECT_EQ(s.ViewSwitchFrame, 1);
    EXPECT_FALSE(onlyNew->Vis);
    s.switchViewpoint(nullptr); // refused while the switch runs
    EXPECT_EQ(s.CurrentView, newView);

    s.MouseButtonState = 0;
    s.stepViewSwitch();
    EXPECT_EQ(s.MouseButtonState, MouseButtonNone);
    const float c1 = switchFraction(1);
    EXPECT_EQ(onlyOld->X, 100 + static_cast<int>(std::trunc((1.0f - c1) * 50.0f)));
    EXPECT_EQ(onlyNew->X, 200 + static_cast<int>(std::trunc(c1 * 70.0f)));
    EXPECT_EQ(onlyNew->Y, 200 + static_cast<int>(std::trunc(c1 * -70.0f)));
    for (int frame = 2; frame <= 7; ++frame)
        s.stepViewSwitch();
    EXPECT_EQ(s.ViewSwitchFrame, 0);
    EXPECT_TRUE(s.ViewSwitchMoves.empty());
    EXPECT_EQ(onlyOld->X, 100);
    EXPECT_EQ(onlyNew->X, 270);
    EXPECT_EQ(onlyNew->Y, 130);
    EXPECT_EQ(both->X, 330);
    EXPECT_EQ(both->Y, 300);
    EXPECT_GT(s.RedrawRequests, 6);

    // Back to no view: everything returns to its base position and visibility.
    s.switchViewpoint(nullptr);
    s.completeViewSwitch();
    EXPECT_EQ(onlyNew->X, 200);
    EXPECT_EQ(both->X, 300);
    EXPECT_TRUE(onlyNew->Vis);
    expectConsistent(s);
}

TEST(Views, SwitchingToAnEmptyViewStartsNoAnimation) {
    Scheme s;
    CPoint* p = projection(s, "P");
    s.switchViewpoint(p);
    EXPECT_EQ(s.ViewSwitchFrame, 0);
    EXPECT_EQ(s.CurrentView, p);
    EXPECT_EQ(s.BusyDepth, 0);
}

TEST(Views, DestroyingTheActiveViewMidSwitchLeavesItemsAtTheirBase) {
    Scheme s;
    CPoint* p = projection(s, "P");
    CPoint* a = s.createItem("A", 10, 10);
    CPoint* b = s.createItem("B", 20, 20);
    s.findOrAddViewEntry(p, a)->DX = 100;
    s.findOrAddViewEntry(p, b)->DY = 100;
    s.switchViewpoint(p);
    s.stepViewSwitch();
    s.stepViewSwitch();
    s.destroyItem(p);
    EXPECT_EQ(s.CurrentView, nullptr);
    EXPECT_EQ(s.ViewSwitchFrame, 0);
    EXPECT_EQ(a->X, 10);
    EXPECT_EQ(b->Y, 20);
    expectConsistent(s);
}

TEST(Views, AnItemDestroyedDuringASwitchIsNotMovedAfterwards) {
    Scheme s;
    CPoint* p = projection(s, "P");
    CPoint* a = s.createItem("A", 0, 0);
    CPoint* b = s.createItem("B", 0, 0);
    s.findOrAddViewEntry(p, a)->DX = 100;
    s.findOrAddViewEntry(p, b)->DX = 100;
    s.switchViewpoint(p);
    s.stepViewSwitch();
    s.destroyItem(a);
    s.completeViewSwitch();
    EXPECT_EQ(b->X, 100);
    EXPECT_EQ(p->ViewEntries->Item, b);
    expectConsistent(s);
}
