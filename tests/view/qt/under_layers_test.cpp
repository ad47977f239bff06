// Frames that reuse the layers kept from the frame before must show exactly what a painter
// that keeps nothing draws, on random scenes and after every change those layers show.
#include "paint_fixture.h"

#include <functional>
#include <random>
#include <vector>

namespace lumeris::test {
namespace {

class UnderLayersTest : public PaintTest {
  protected:
    UnderLayersTest() {
        painter.MovementStepHook = [this] { nudge(); };
    }

    // Items around the canvas (some off it), links between them, one projection with a view.
    void scene(unsigned seed) {
        random.seed(seed);
        std::vector<CPoint*> items;
        for (int i = 0; i < 40; ++i) {
            const std::uint8_t types[] = {TypeBoolean, TypeReal,  TypeReal,
                                          TypeFlag,    TypeFuzzy, TypeLispAtom};
            items.push_back(item(i % 7 ? "n" + std::to_string(i) : "*g" + std::to_string(i),
                                 pick(300) - 30, pick(220) - 30, types[pick(6)], value()));
        }
        for (int i = 0; i < 120; ++i)
            world.scheme.createLink(items[pick(40)], items[pick(40)])->Value = value();
        view = item("view", 100, 80, TypeProjection);
        world.scheme.findOrAddViewEntry(view, items[0])->DX = 40;
    }
    // What a running step changes: values only.
    void runValues() {
        for (CPoint* p = world.scheme.ItemList; p; p = p->Next)
            p->Value = value();
    }
    void nudge() {
        for (CPoint* p = world.scheme.ItemList; p; p = p->Next)
            p->X += 1;
    }
    // The frame drawn over the kept layers against one drawn by a painter that keeps none.
    void expectSameAsFresh(const char* what) {
        frame();
        Surface freshSurface;
        freshSurface.resize(surface.Back.width(), surface.Back.height());
        ScenePainter fresh(world, freshSurface);
        // The movement step runs before both frames; the fresh one must see the same places.
        const bool movement = world.eval.MovementOn;
        world.eval.MovementOn = false;
        world.scheme.RedrawRequests = 1;
        fresh.Repaint(false);
        world.eval.MovementOn = movement;
        EXPECT_TRUE(surface.Front == freshSurface.Front) << what;
    }

    CPoint* itemAt(int index) {
        CPoint* p = world.scheme.ItemList;
        while (index-- > 0)
            p = p->Next;
        return p;
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    float value() { return std::uniform_real_distribution<float>(-1, 1)(random); }

    std::mt19937 random;
    CPoint* view = nullptr;
};

TEST_F(UnderLayersTest, RunningFramesAndEveryVisibleChangeMatchAFreshFrame) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        world.scheme.empty();
        scene(seed);
        setLevel(seed % 2 ? 7 : 3);
        Scheme& s = world.scheme;
        auto anItem = [&] { return itemAt(pick(s.ItemCount)); };
        auto offCanvas = [&](const CPoint* p) {
            return p->X < world.view.ScreenX || p->Y < world.view.ScreenY ||
                   p->X > world.view.ScreenX + world.view.CanvasWidth / world.view.Scale ||
                   p->Y > world.view.ScreenY + world.view.CanvasHeight / world.view.Scale;
        };
        CPoint* far = nullptr;
        const std::vector<std::pair<const char*, std::function<void()>>> changes = {
            {"values only", [] {}},
            {"coefficient", [&] { s.setCoefficient(s.LinkList, -s.LinkList->Value); }},
            {"link made", [&] { s.createLink(anItem(), anItem()); }},
            {"link destroyed", [&] { s.destroyLink(s.LinkList->Next); }},
            {"item moved", [&] { anItem()->Y += 9; }},
            {"item hidden", [&] { anItem()->Vis = false; }},
            {"item renamed", [&] { anItem()->Name = "*renamed"; }},
            // Direct writes to objects off the canvas whose links cross it or label it.
            {"item sent far off", [&] { far = anItem(), far->X += 4000, far->Y -= 3000; }},
            {"far item back", [&] { far->X -= 4000, far->Y += 3000; }},
            {"off-canvas names",
             [&] {
                 for (CPoint* p = s.ItemList; p; p = p->Next)
                     if (offCanvas(p))
                         p->Name += "'";
             }},
            {"off-canvas items hidden and shown",
             [&] {
                 for (CPoint* p = s.ItemList; p; p = p->Next)
                     if (offCanvas(p))
                         p->Vis = !p->Vis;
             }},
            {"coefficients written",
             [&] {
                 for (CLink* l = s.LinkList; l; l = l->Next)
                     l->Value = -l->Value;
             }},
            {"link named", [&] { s.LinkList->Name = "cause"; }},
            {"view moved", [&] { world.view.ScreenX += 5; }},
            {"zoom step", [&] { setLevel(world.view.ZoomLevel == 7 ? 6 : 4); }},
            {"movement mode", [&] { world.eval.MovementOn = true; }},
            {"movement off", [&] { world.eval.MovementOn = false; }},
            {"viewpoint", [&] { s.switchViewpoint(view), s.completeViewSwitch(); }},
            {"names toggle", [&] { world.view.ShowNames = !world.view.ShowNames; }},
            {"lines toggle", [&] { world.view.ShowLinks = !world.view.ShowLinks; }},
            {"lines back", [&] { world.view.ShowLinks = true; }},
            {"values toggle", [&] { world.eval.ShowValues = !world.eval.ShowValues; }},
            {"hover item", [&] { s.Hovered.item = anItem(), s.HoverKind = HoverItem; }},
            {"hover link",
             [&] {
                 s.Hovered = {nullptr, s.LinkList}, s.HoverKind = HoverLink;
             }},
            {"hovered atom",
             [&] {
                 s.Hovered = {anItem(), nullptr}, s.HoverKind = HoverItem;
                 s.Hovered.item->Type = TypeLispAtom;
             }},
            {"hovered atom renamed", [&] { s.Hovered.item->Name = itemAt(1)->Name; }},
            {"hovered atom no more", [&] { s.Hovered.item->Type = TypeReal; }},
            {"hover gone", [&] { s.Hovered.clear(), s.HoverKind = HoverNothing; }},
            {"select item", [&] { s.Selected.item = anItem(), s.EditState = EditItemSelected; }},
            {"select link",
             [&] {
                 s.Selected = {nullptr, s.LinkList}, s.EditState = EditLinkSelected;
             }},
            {"selection gone", [&] { s.Selected.clear(), s.EditState = EditIdle; }},
        };
        expectSameAsFresh("first frame");
        for (const auto& [what, change] : changes) {
            change();
            runValues();
            expectSameAsFresh(what);
            runValues();
            expectSameAsFresh(what);
        }
    }
}

} // namespace
} // namespace lumeris::test
