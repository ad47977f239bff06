// The step's rules on small schemes whose values are worked out by hand.
#include "engine/step.h"

#include <gtest/gtest.h>

using namespace lumeris;

namespace {

// A small world with helpers to build items and run forced steps.
struct Net {
    Scheme s;
    Evaluation e;

    CPoint* item(const char* name, std::uint8_t type = TypeReal, float andOr = 1.0f) {
        CPoint* p = s.createItem(name, 0, 0);
        p->Type = type;
        p->AndOr = andOr;
        return p;
    }
    CPoint* fixed(const char* name, float custom, std::uint8_t type = TypeReal) {
        CPoint* p = item(name, type);
        p->IsCust = 1;
        p->Custom = custom;
        return p;
    }
    CLink* link(CPoint* from, CPoint* to, float c) {
        CLink* l = s.createLink(from, to);
        l->Value = c;
        return l;
    }
    bool panelVisible = false;
    bool step() {
        s.SchemeChanged = true;
        StepHooks hooks;
        hooks.panelVisible = [this] { return panelVisible; };
        return propagationStep(s, e, false, true, hooks);
    }
    const CVolume* trace(CPoint* owner, CPoint* source) { return s.findTrace(owner, source); }
};

TEST(Step, LoneFixedItemKeepsTheSchemeDue) {
    Net n;
    CPoint* a = n.fixed("A", 0.5f);
    for (int i = 0; i < 3; ++i) {
        n.s.SchemeChanged = true;
        ASSERT_TRUE(propagationStep(n.s, n.e, false, false));
        // Own trace: 0 from the trace loop, then 0.5 again from the final assign.
        EXPECT_TRUE(n.s.SchemeChanged);
        EXPECT_EQ(a->Value, 0.5f);
        EXPECT_EQ(n.trace(a, a)->Value, 0.5f);
    }
}

TEST(Step, AllZeroSchemeIdlesAfterOneStep) {
    Net n;
    CPoint* a = n.item("A");
    CPoint* b = n.item("B");
    n.link(a, b, 0.7f);
    ASSERT_TRUE(propagationStep(n.s, n.e, false, false));
    EXPECT_FALSE(n.s.SchemeChanged);
    const int redraws = n.s.RedrawRequests;
    EXPECT_FALSE(propagationStep(n.s, n.e, false, false));
    EXPECT_EQ(n.s.RedrawRequests, redraws);
    EXPECT_EQ(a->Value, 0.0f);
    EXPECT_EQ(b->Value, 0.0f);
}

TEST(Step, FixedValueTimesCoefficientReachesTarget) {
    Net n;
    CPoint* a = n.fixed("A", 0.5f);
    CPoint* b = n.item("B");
    n.link(a, b, 0.8f);
    n.step();
    EXPECT_EQ(n.trace(b, a)->Value, 0.4f);
    EXPECT_EQ(b->Value, 0.4f);
    EXPECT_EQ(n.s.RedrawRequests, 1);
}

TEST(Step, ZeroInputKeptOnlyUpToAndOrOneHalf) {
    Net n;
    CPoint* a = n.fixed("A", 0.5f);
    CPoint* keeps = n.item("K", TypeReal, 0.5f);
    CPoint* skips = n.item("S", TypeReal, 0.7f);
    n.link(a, keeps, 0.0f);
    n.link(a, skips, 0.0f);
    n.step();
    ASSERT_NE(n.trace(keeps, a), nullptr);
    EXPECT_EQ(n.trace(keeps, a)->MinInput, 0.0f);
    // m = 0, s = 0: the AND half drags the value to 0 instead of the empty-input 1.
    EXPECT_EQ(keeps->Value, 0.0f);
    EXPECT_EQ(n.trace(skips, a), nullptr);
    EXPECT_EQ(skips->Value, 0.3f); // (1 - 0.7) * m with m = 1: no input at all
}

TEST(Step, BooleanItemsAndTheFreshTraceQuirk) {
    Net n;
    CPoint* a = n.fixed("A", -1.0f, TypeBoolean);
    CPoint* orItem = n.item("O", TypeBoolean, 1.0f);
    n.link(a, orItem, 1.0f);
    n.step();
    // A trace made in the spread phase starts at 0, not at the OR identity -1.
    EXPECT_EQ(n.trace(orItem, a)->Value, 1.0f);
    EXPECT_EQ(orItem->Value, -1.0f);
    n.step();
    EXPECT_EQ(n.trace(orItem, a)->Value, -1.0f);
    EXPECT_EQ(orItem->Value, -1.0f);

    Net m;
    CPoint* yes = m.fixed("Y", 1.0f, TypeBoolean);
    CPoint* no = m.fixed("N", -1.0f, TypeBoolean);
    CPoint* andItem = m.item("AND", TypeBoolean, 0.0f);
    CPoint* orItem2 = m.item("OR", TypeBoolean, 1.0f);
    CPoint* lonely = m.item("L", TypeBoolean, 0.0f);
    for (CPoint* target : {andItem, orItem2}) {
        m.link(yes, target, 1.0f);
        m.link(no, target, 1.0f);
    }
    m.step();
    m.step();
    EXPECT_EQ(andItem->Value, -1.0f);
    EXPECT_EQ(orItem2->Value, 1.0f);
    EXPECT_EQ(lonely->Value, 1.0f); // an AND item with no inputs is +1
}

TEST(Step, FixedFuzzyItemReceivesBareCoefficients) {
    Net n;
    CPoint* a = n.fixed("A", 0.5f);
    CPoint* f = n.fixed("F", 0.3f, TypeFuzzy);
    n.link(a, f, 0.6f);
    n.step();
    EXPECT_EQ(n.trace(f, a)->Value, 0.6f);
    EXPECT_EQ(f->Value, 0.3f);
}

TEST(Step, ChainMovesOneLinkPerStepAndFuzzyItemsCarrySources) {
    Net n;
    CPoint* a = n.fixed("A", 0.5f);
    CPoint* b = n.item("B");
    CPoint* c = n.item("C");
    n.link(a, b, 0.5f);
    n.link(b, c, 0.5f);
    n.step();
    EXPECT_EQ(b->Value, 0.25f);
    EXPECT_EQ(c->Value, 0.0f);
    EXPECT_EQ(n.trace(c, b), nullptr); // B's 0 was skipped by C's AndOr 1
    n.step();
    EXPECT_EQ(c->Value, 0.125f);
    EXPECT_NE(n.trace(c, b), nullptr);
    EXPECT_EQ(n.trace(c, a), nullptr);

    Net f;
    CPoint* fa = f.fixed("A", 0.5f);
    CPoint* fb = f.item("B", TypeFuzzy);
    CPoint* fc = f.item("C");
    f.link(fa, fb, 0.5f);
    f.link(fb, fc, 0.5f);
    f.step();
    EXPECT_EQ(f.trace(fb, fa)->Value, 0.25f);
    EXPECT_EQ(fb->Value, 0.0f);
    f.step();
    // The fuzzy item passes A's trace on, still tagged with A, and its own 0.
    EXPECT_EQ(f.trace(fc, fa)->Value, 0.125f);
    EXPECT_EQ(f.trace(fc, fb)->Value, 0.0f);
    EXPECT_EQ(fc->Value, 0.125f);
}

TEST(Step, FlagTracesPassThroughEveryItemWithoutCountingAsInput) {
    Net n;
    CPoint* flag = n.fixed("F", 1.0f, TypeFlag);
    CPoint* x = n.item("X");
    CPoint* y = n.item("Y");
    n.link(flag, x, -0.5f);
    n.link(x, y, 0.5f);
    n.step();
    EXPECT_EQ(n.trace(x, flag)->Value, -0.5f);
    EXPECT_EQ(x->Value, 0.0f);
    n.step();
    EXPECT_EQ(n.trace(y, flag)->Value, 0.25f); // |-0.5| * 0.5
    EXPECT_EQ(y->Value, 0.0f);
    // Making X a flag too changes what passes at once.
    n.s.changeType(x, TypeFlag);
    n.step();
    EXPECT_EQ(x->Value, 1.0f);
}

TEST(Step, LispItemsTakeTheirLastTraceValue) {
    Net n;
    CPoint* atom = n.item("atom", TypeLispAtom, 0.25f);
    n.step();
    EXPECT_EQ(atom->Value, 0.0f); // no trace yet in the trace loop
    n.step();
    // The own trace accumulates nothing: t = (1 - 0.25) * 1 + 0.25 * 0.
    EXPECT_EQ(atom->Value, 0.75f);
}

TEST(Step, TeachingMovesCoefficientsAndSources) {
    Net single;
    CPoint* lone = single.fixed("L", 0.5f);
    single.e.TeachPending = true;
    single.step();
    EXPECT_FALSE(single.e.TeachPending);
    EXPECT_EQ(lone->Value, 0.5f);

    // Z feeds A, so A is a plain item holding 0.5; B holds the fixed result 0.3. Items
    // combine newest first: Z, A, then B, whose teaching moves A in place.
    Net n;
    CPoint* b = n.fixed("B", 0.3f);
    CPoint* a = n.item("A");
    CPoint* z = n.fixed("Z", 0.5f);
    n.link(z, a, 1.0f);
    CLink* ab = n.link(a, b, 0.8f);
    n.step();
    n.step(); // B now holds traces {A, B}: k = 1
    n.e.TeachPending = true;
    n.step();
    EXPECT_EQ(ab->Value, 0.3f / 0.5f);
    EXPECT_EQ(a->Value, (0.5f + 0.3f) / 2.0f);
    EXPECT_EQ(n.trace(a, a)->Value, 0.5f); // only the value moves, not the traces

    // A source at 0 leaves the coefficient alone except for the clamp, and still moves.
    Net zero;
    CPoint* target = zero.fixed("T", 0.6f);
    CPoint* source = zero.item("S");
    CPoint* other = zero.fixed("O", 0.2f);
    CLink* big = zero.link(source, target, 1.5f);
    zero.link(other, target, 1.0f);
    zero.step(); // T gains a trace of O; S's 0 is skipped by T's AndOr 1
    zero.e.TeachPending = true;
    zero.step();
    EXPECT_EQ(big->Value, 1.0f);
    EXPECT_EQ(source->Value, (0.0f + 0.6f) / 2.0f);
}

TEST(Step, HeldValueIsReappliedUnlessZero) {
    Net n;
    CPoint* a = n.item("A");
    CPoint* b = n.item("B");
    n.link(b, a, 0.5f);
    n.s.Selected.item = a;
    n.s.EditState = EditItemSelected;
    n.panelVisible = true;
    n.e.HeldValue = 0.7f;
    n.step();
    EXPECT_EQ(a->Value, 0.7f);
    n.e.HeldValue = 0.0f;
    n.step();
    EXPECT_EQ(a->Value, 0.0f);
    n.e.HeldValue = 0.7f;
    n.panelVisible = false;
    n.step();
    EXPECT_EQ(a->Value, 0.0f);
}

TEST(Step, GuardsAndSignals) {
    Net n;
    CPoint* a = n.fixed("A", 0.5f);
    n.e.TeachPending = true;
    n.s.MouseButtonState = 0;
    EXPECT_FALSE(n.step());
    n.s.MouseButtonState = MouseButtonNone;
    n.e.Running = false;
    n.s.SchemeChanged = true;
    EXPECT_FALSE(propagationStep(n.s, n.e, false, false));
    n.e.StepInProgress = true;
    EXPECT_FALSE(n.step());
    n.e.StepInProgress = false;
    n.s.SchemeChanged = false;
    EXPECT_FALSE(propagationStep(n.s, n.e, true, true));
    EXPECT_TRUE(n.e.TeachPending);
    EXPECT_EQ(a->Value, 0.0f);

    // A running step: busy and in progress throughout, the hooks after both are cleared.
    int repaints = 0, messages = 0;
    StepHooks hooks;
    hooks.repaintItems = [&] {
        EXPECT_EQ(n.s.BusyDepth, 0);
        EXPECT_FALSE(n.e.StepInProgress);
        ++repaints;
    };
    hooks.processMessages = [&] {
        EXPECT_FALSE(n.e.TeachPending);
        ++messages;
    };
    n.s.SchemeChanged = true;
    EXPECT_TRUE(propagationStep(n.s, n.e, true, true, hooks));
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(n.s.BusyDepth, 0);
    EXPECT_EQ(n.s.RedrawRequests, 1);
    n.s.SchemeChanged = true;
    EXPECT_TRUE(propagationStep(n.s, n.e, false, true, hooks));
    EXPECT_EQ(repaints, 1); // no repaint-after asked
}

TEST(Step, AssignNormalisesByType) {
    Scheme s;
    CPoint* boolean = s.createItem("B", 0, 0);
    boolean->Type = TypeBoolean;
    CPoint* real = s.createItem("R", 0, 0);
    assign(s, boolean, boolean, 0.0f);
    EXPECT_EQ(boolean->Value, -1.0f);
    assign(s, boolean, boolean, 0.1f);
    EXPECT_EQ(boolean->Value, 1.0f);
    assign(s, real, real, 3.0f);
    EXPECT_EQ(real->Value, 1.0f);
    s.SchemeChanged = false;
    assign(s, real, boolean, -2.0f);
    EXPECT_EQ(s.findTrace(real, boolean)->Value, -1.0f);
    EXPECT_EQ(real->Value, 1.0f); // a foreign trace leaves the item's value alone
    EXPECT_TRUE(s.SchemeChanged);
    s.SchemeChanged = false;
    assign(s, real, boolean, -1.0f);
    EXPECT_FALSE(s.SchemeChanged);
}

} // namespace
