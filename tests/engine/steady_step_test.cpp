// Steps of a scheme that has kept its shape for a while, and edits made to it then: the
// results must be those of the rules, whatever the step keeps from earlier steps.
#include "engine/step.h"

#include <gtest/gtest.h>

using namespace lumeris;

namespace {

struct SteadyNet {
    Scheme s;
    Evaluation e;
    CPoint* a = s.createItem("A", 0, 0);
    CPoint* b = s.createItem("B", 0, 0);
    CPoint* c = s.createItem("C", 0, 0);
    CLink* ab = s.createLink(a, b);
    CLink* bc = s.createLink(b, c);

    SteadyNet() {
        a->IsCust = 1;
        a->Custom = 0.5f;
        ab->Value = 0.8f;
        bc->Value = 0.5f;
        steps(4); // long enough for the scheme to be called steady
    }
    void steps(int n) {
        for (int i = 0; i < n; ++i) {
            s.SchemeChanged = true;
            ASSERT_TRUE(propagationStep(s, e, false, true));
        }
    }
    float traceValue(CPoint* owner, CPoint* source) {
        const CVolume* v = s.findTrace(owner, source);
        return v ? v->Value : -99.0f;
    }
};

TEST(SteadyStep, ChainSettlesAndFollowsEveryKindOfEdit) {
    SteadyNet n;
    EXPECT_EQ(n.b->Value, 0.4f);
    EXPECT_EQ(n.c->Value, 0.4f * 0.5f);

    // A new coefficient is used by the next step.
    n.s.setCoefficient(n.ab, -0.5f);
    n.steps(1);
    EXPECT_EQ(n.b->Value, 0.5f * -0.5f);

    // AndOr 0 (AND): B takes its smallest input, min(-0.25, 1) blended with nothing summed.
    n.s.setAndOr(n.b, 0.0f);
    n.steps(1);
    EXPECT_EQ(n.b->Value, -0.25f);

    // A boolean B takes the sign of its OR of inputs.
    n.s.setAndOr(n.b, 1.0f);
    n.s.changeType(n.b, TypeBoolean);
    n.steps(1);
    EXPECT_EQ(n.b->Value, -1.0f);

    // Turning the links round: C feeds B, B feeds A; A keeps its fixed value.
    n.s.changeType(n.b, TypeReal);
    n.s.reverseLinks();
    n.steps(3);
    EXPECT_EQ(n.a->Value, 0.5f);
    EXPECT_EQ(n.traceValue(n.a, n.b), n.b->Value * -0.5f);
}

TEST(SteadyStep, ZeroThatWasSkippedStartsATraceWhenItTurnsNonZero) {
    SteadyNet n;
    CPoint* quiet = n.s.createItem("Q", 0, 0);
    quiet->IsCust = 1;
    quiet->Custom = 0.0f;
    n.s.createLink(quiet, n.c)->Value = 1.0f;
    n.steps(4);
    // A zero into an item with AndOr above 0.5 is skipped: no trace of Q yet.
    EXPECT_EQ(n.s.findTrace(n.c, quiet), nullptr);

    // Only the fixed value changes; the scheme keeps its shape.
    quiet->Custom = 0.25f;
    n.steps(1);
    EXPECT_EQ(n.traceValue(n.c, quiet), 0.25f);
    EXPECT_EQ(n.c->Value, 0.25f + 0.2f);
}

TEST(SteadyStep, TeachingAfterSteadyStepsWorksInPlace) {
    SteadyNet n;
    CPoint* d = n.s.createItem("D", 0, 0);
    d->IsCust = 1;
    d->Custom = 1.0f;
    n.s.createLink(d, n.b)->Value = 0.1f;
    n.steps(4);
    ASSERT_EQ(n.b->Value, 0.5f);
    n.e.TeachPending = true;
    n.steps(1);
    EXPECT_FALSE(n.e.TeachPending);
    // B has three traces (A, B, D): k = 2. Every link into B moved toward r / k / F.Value.
    EXPECT_NE(n.ab->Value, 0.8f);
    n.steps(1);
    EXPECT_EQ(n.b->Value, n.traceValue(n.b, n.a) + n.traceValue(n.b, d));
}

TEST(SteadyStep, DestroyingItemsBetweenSteadyStepsLeavesNoTraceBehind) {
    SteadyNet n;
    n.s.destroyItem(n.b);
    n.steps(2);
    EXPECT_EQ(n.c->Traces.size(), 1u); // its own; B's trace went with B
    EXPECT_EQ(n.c->Value, 0.0f);
    // The owner went first here: its sources must not keep pointing at it.
    n.s.destroyItem(n.c);
    n.s.destroyItem(n.a);
    n.steps(1);
    EXPECT_EQ(n.s.ItemCount, 0);
}

// A type seen only between two steps must not outlast them: here x is a flag while y's
// trace list changes and y's value is set, and a real item again when the step runs.
TEST(SteadyStep, FlagTypeSeenOnlyBetweenStepsLeavesNoMark) {
    Scheme s;
    Evaluation e;
    CPoint* x = s.createItem("x", 0, 0);
    CPoint* y = s.createItem("y", 0, 0);
    CPoint* z = s.createItem("z", 0, 0);
    CPoint* w = s.createItem("w", 0, 0);
    CPoint* u = s.createItem("u", 0, 0);
    x->IsCust = 1, x->Custom = 0.5f;
    z->IsCust = 1, z->Custom = 0.25f;
    s.createLink(x, y);
    s.createLink(z, y);
    s.createLink(y, w);
    s.createLink(w, u);
    for (int i = 0; i < 3; ++i) {
        s.SchemeChanged = true;
        propagationStep(s, e, false, true);
    }
    s.changeType(x, TypeFlag);
    s.destroyItem(z);
    assign(s, y, y, 0.125f); // as the mouse wheel does
    assign(s, w, x, 0.25f);  // a trace made while x is a flag
    s.changeType(x, TypeReal);
    s.setIsCust(x, 1), x->Custom = 0.5f;
    s.SchemeChanged = true;
    propagationStep(s, e, false, true);
    EXPECT_EQ(y->Value, 0.5f);       // x's trace counts as an input of y
    EXPECT_EQ(w->Value, 0.125f);     // y passes on only its own value of the step before
    EXPECT_EQ(w->Traces.size(), 3u); // its own, y's and the one assigned for x
    EXPECT_EQ(u->Traces.size(), 2u); // w passes on no trace of x: x is no flag
}

} // namespace
