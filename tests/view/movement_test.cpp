#include "view/movement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace lumeris {
namespace {

// One step as run from inside a frame: the repaint entry holds BusyDepth at 1.
void stepInFrame(Scheme& scheme, float scale = 1.0f, std::int32_t width = 1000) {
    BusyGuard frame(scheme);
    MovementStep().run(scheme, scale, width);
}

TEST(MovementStep, LoneItemDriftsTowardTheOrigin) {
    Scheme scheme;
    CPoint* p = scheme.createItem("p", 300, -600);
    p->VelX = 3;
    stepInFrame(scheme);
    const float velX = (0.0f - 0.03f * 300.0f + 2.0f * 3.0f) / 3.0f;
    const float velY = (0.0f - 0.03f * -600.0f) / 3.0f;
    EXPECT_EQ(p->VelX, velX);
    EXPECT_EQ(p->VelY, velY);
    EXPECT_EQ(p->X, 300 + static_cast<int>(velX));
    EXPECT_EQ(p->Y, -600 + static_cast<int>(velY));
}

TEST(MovementStep, ZeroCoefficientLinkGivesOnlyTheBias) {
    // A tiny scale makes the preferred length short and the repulsion weak, so that a spring
    // would dominate if the zero coefficient let it act.
    const float scale = 0.0001f;
    auto build = [](Scheme& s, bool link, float coefficient) {
        CPoint* target = s.createItem("target", 0, 500);
        CPoint* source = s.createItem("source", 0, 0); // newest: moved first
        if (link)
            s.createLink(source, target)->Value = coefficient;
        return std::pair{source, target};
    };
    Scheme plain, zero, unit;
    auto [ps, pt] = build(plain, false, 0);
    auto [zs, zt] = build(zero, true, 0);
    auto [us, ut] = build(unit, true, 1);
    stepInFrame(plain, scale);
    stepInFrame(zero, scale);
    stepInFrame(unit, scale);

    EXPECT_NEAR(zs->VelY - ps->VelY, 1.0f / 3, 1e-5);
    // The target, moved second, also takes a share (1/n) of the source's new velocity.
    EXPECT_NEAR(zt->VelY - pt->VelY, (-2.0f + zs->VelY / 3.0f) / 3.0f, 1e-5);
    EXPECT_EQ(zs->VelX, 0);
    EXPECT_EQ(zt->VelX, 0);
    EXPECT_EQ(zs->Y, ps->Y);
    // With coefficient 1 the long link pulls the source toward the target.
    EXPECT_GT(us->VelY, zs->VelY + 1);
    EXPECT_LT(ut->VelY, zt->VelY - 1);
}

TEST(MovementStep, CloseItemsArePushedApartNoFasterThanTheLimit) {
    Scheme scheme;
    CPoint* a = scheme.createItem("a", 0, 0);
    CPoint* b = scheme.createItem("b", 1, 0);
    stepInFrame(scheme);
    const float L = std::sqrt(1.0f) * (1000.0f / std::sqrt(3.0f + 10.0f)) * 2.0f;
    const float vmax = std::trunc(10.0f * L);
    EXPECT_EQ(b->VelX, vmax / 3.0f);
    EXPECT_GE(a->VelX, -vmax / 3.0f);
    EXPECT_LT(a->VelX, 0);
    EXPECT_GT(b->X - a->X, 1000);
}

TEST(MovementStep, ItemsAtOnePointExertNoForceOnEachOtherNearOrFarFromTheOrigin) {
    for (const int at : {5, 100000, -150000}) {
        Scheme scheme;
        CPoint* a = scheme.createItem("a", at, at);
        CPoint* b = scheme.createItem("b", at, at);
        a->Value = b->Value = 1;
        stepInFrame(scheme);
        const float drift = (0.0f - 0.03f * static_cast<float>(at)) / 3.0f;
        for (const CPoint* p : {a, b}) {
            EXPECT_FALSE(std::isnan(p->VelX)) << at;
            EXPECT_FALSE(std::isnan(p->VelY)) << at;
        }
        // b moves first and feels only the origin pull; a then sees b's new place.
        EXPECT_EQ(b->VelX, drift) << at;
        EXPECT_EQ(b->VelY, drift) << at;
    }
}

TEST(MovementStep, SelfLinkAddsOnlyItsBiasAndOwnVelocityShare) {
    Scheme scheme;
    CPoint* p = scheme.createItem("p", 0, 0);
    scheme.createLink(p, p);
    p->VelX = 3;
    stepInFrame(scheme);
    EXPECT_EQ(p->VelX, (3.0f / 2.0f + 2.0f * 3.0f) / 3.0f);
    EXPECT_EQ(p->VelY, 1.0f / 3.0f);
}

TEST(MovementStep, PinnedItemsStayPut) {
    Scheme scheme;
    CPoint* selected = scheme.createItem("s", 400, 400);
    CPoint* member = scheme.createItem("m", -400, 400);
    CPoint* free = scheme.createItem("f", 400, -400);
    selected->VelX = 7;
    member->Mark = 2;
    scheme.Selected.item = selected;
    scheme.EditState = EditGroupChosen;
    stepInFrame(scheme);
    EXPECT_EQ(selected->X, 400);
    EXPECT_EQ(selected->VelX, 7);
    EXPECT_EQ(member->X, -400);
    EXPECT_EQ(member->VelY, 0);
    EXPECT_NE(free->X, 400);

    scheme.EditState = EditItemSelected; // Mark 2 pins only while the group is chosen
    stepInFrame(scheme);
    EXPECT_NE(member->X, -400);
}

TEST(MovementStep, RunsOnlyFromInsideAFrame) {
    Scheme scheme;
    CPoint* p = scheme.createItem("p", 300, 300);
    scheme.BusyDepth = 2;
    MovementStep().run(scheme, 1.0f, 1000);
    EXPECT_EQ(p->X, 300);
    EXPECT_EQ(p->VelX, 0);
    EXPECT_EQ(scheme.RedrawRequests, 0);
    EXPECT_EQ(scheme.BusyDepth, 2);

    scheme.BusyDepth = 1;
    MovementStep().run(scheme, 1.0f, 1000);
    EXPECT_NE(p->X, 300);
    EXPECT_EQ(scheme.RedrawRequests, 1);
    EXPECT_EQ(scheme.BusyDepth, 1);
}

TEST(MovementStep, DegenerateCanvasMovesNothingAndStaysFinite) {
    Scheme scheme;
    CPoint* a = scheme.createItem("a", 10, 10);
    CPoint* b = scheme.createItem("b", 50, 10);
    scheme.createLink(a, b);
    stepInFrame(scheme, 1.0f, 0);
    EXPECT_EQ(a->X, 10);
    EXPECT_EQ(b->X, 50);
    EXPECT_FALSE(std::isnan(a->VelX) || std::isnan(b->VelX));
}

// The link term as written: a scan of the whole link list for every item.
void referenceStep(Scheme& scheme, float scale, std::int32_t width) {
    const float n = static_cast<float>(1 + scheme.ItemCount);
    const float L = std::sqrt(scale) * (static_cast<float>(width) / std::sqrt(n + 10.0f)) * 2.0f;
    const float vmax = std::trunc(10.0f * L);
    for (CPoint* p = scheme.ItemList; p; p = p->Next) {
        const float px = static_cast<float>(p->X), py = static_cast<float>(p->Y);
        float fx = 0, fy = 0;
        for (const CLink* k = scheme.LinkList; k; k = k->Next) {
            const CPoint* q = k->From == p ? k->To : (k->To == p ? k->From : nullptr);
            if (!q)
                continue;
            const float bias = k->From == p ? 1.0f : -2.0f;
            const float qx = static_cast<float>(q->X), qy = static_cast<float>(q->Y);
            const float dx = px + 0.001f - qx, dy = py + 0.001f - qy;
            const float d = std::sqrt(dx * dx + dy * dy);
            const float s = d - L > 0 ? 1.0f : (d - L < 0 ? -1.0f : 0.0f);
            const float N = std::fabs(k->Value) * std::sqrt(std::fabs(d - L)) * s / L * 0.2f;
            fx = fx + (qx - px) * N + q->VelX / n;
            fy = fy + (qy - py) * N + q->VelY / n + bias;
        }
        fx = fx - 0.03f * px;
        fy = fy - 0.03f * py;
        for (const CPoint* r = scheme.ItemList; r; r = r->Next) {
            if (r == p)
                continue;
            const float rx = static_cast<float>(r->X), ry = static_cast<float>(r->Y);
            const float ex = rx + 0.0001f - px, ey = ry + 0.0001f - py;
            const float e = std::sqrt(ex * ex + ey * ey);
            const float push = 2.0f * L / e;
            const float M = (std::fabs(r->Value + p->Value) + 1.0f) * (push * push) / n;
            fx = fx - (rx - px) * M;
            fy = fy - (ry - py) * M;
        }
        p->VelX = (std::clamp(fx, -vmax, vmax) + 2.0f * p->VelX) / 3.0f;
        p->VelY = (std::clamp(fy, -vmax, vmax) + 2.0f * p->VelY) / 3.0f;
        p->X += static_cast<std::int32_t>(p->VelX);
        p->Y += static_cast<std::int32_t>(p->VelY);
    }
}

void buildRandomScheme(Scheme& scheme, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<CPoint*> items;
    for (int i = 0; i < 60; ++i) {
        items.push_back(scheme.createItem("", static_cast<int>(rng() % 2000) - 1000,
                                          static_cast<int>(rng() % 2000) - 1000));
        items.back()->Value = static_cast<float>(rng() % 201) / 100.0f - 1.0f;
    }
    for (int i = 0; i < 300; ++i) {
        CLink* k = scheme.createLink(items[rng() % 60], items[rng() % 60]);
        k->Value = static_cast<float>(rng() % 201) / 100.0f - 1.0f;
    }
    scheme.reverseLinks();
    for (int i = 0; i < 40; ++i)
        scheme.destroyLink(scheme.LinkList->Next->Next);
    scheme.destroyItem(items[17]);
}

TEST(MovementStep, SameResultAsScanningEveryLinkForEveryItem) {
    Scheme fast, slow;
    buildRandomScheme(fast, 7);
    buildRandomScheme(slow, 7);
    MovementStep step;
    for (int i = 0; i < 25; ++i) {
        {
            BusyGuard frame(fast);
            step.run(fast, 0.5f, 800);
        }
        referenceStep(slow, 0.5f, 800);
    }
    for (CPoint *a = fast.ItemList, *b = slow.ItemList; a && b; a = a->Next, b = b->Next) {
        ASSERT_EQ(a->X, b->X);
        ASSERT_EQ(a->Y, b->Y);
        ASSERT_EQ(a->VelX, b->VelX);
        ASSERT_EQ(a->VelY, b->VelY);
    }
}

} // namespace
} // namespace lumeris
