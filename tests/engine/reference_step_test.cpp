// The optimised step against a straightforward reading of the rules, bit for bit, on random
// schemes that are edited between steps (types, links, deletions, reversal, held values and
// the properties panel's edits).
#include "edit/interaction.h"
#include "engine/dump.h"
#include "engine/step.h"
#include "props/panel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

using namespace lumeris;

namespace {

// The random edits select items as the panel does; the panel stays shown.
StepHooks panelShown() {
    StepHooks hooks;
    hooks.panelVisible = [] { return true; };
    return hooks;
}

// The rules as written: eager resets and a linear search for every trace.
namespace reference {

float clampUnit(float x) {
    return x > 1.0f ? 1.0f : (x < -1.0f ? -1.0f : x);
}

float identityOf(const CPoint* p) {
    return p->Type != TypeBoolean ? 0.0f : (p->AndOr >= 0.5f ? -1.0f : 1.0f);
}

CVolume* traceFor(Scheme& s, CPoint* owner, CPoint* source) {
    CVolume* v = s.findTrace(owner, source);
    return v ? v : s.addTrace(owner, source);
}

void assign(Scheme& s, CPoint* item, CPoint* source, float x) {
    CVolume* v = traceFor(s, item, source);
    x = item->Type == TypeBoolean ? (x > 0.0f ? 1.0f : -1.0f) : clampUnit(x);
    if (v->Value != x)
        s.SchemeChanged = true;
    v->Value = x;
    if (source == item)
        item->Value = x;
}

void contribute(Scheme& s, CPoint* item, CPoint* source, float x) {
    CVolume* v = traceFor(s, item, source);
    if (item->Type == TypeBoolean) {
        if (item->AndOr >= 0.5f)
            v->Accum = x > v->Accum ? x : v->Accum;
        else
            v->Accum = x < v->Accum ? x : v->Accum;
    } else if (item->Type == TypeReal || item->Type == TypeFlag || item->Type == TypeFuzzy) {
        v->MinInput = x < v->MinInput ? x : v->MinInput;
        v->Accum = v->Accum + x;
    }
}

void spreadLink(Scheme& s, CLink* l) {
    CPoint* f = l->From;
    CPoint* t = l->To;
    const float c = l->Value;
    for (CVolume& v : f->Traces) {
        CPoint* src = v.Source;
        if (t->Type == TypeFuzzy && t->IsCust == 1) {
            contribute(s, t, src, c);
        } else if (src->Type == TypeFlag) {
            contribute(s, t, src, std::fabs(v.Value) * c);
        } else if (f->Type == TypeFuzzy) {
            contribute(s, t, src, v.Value * c);
        } else if (src == f) {
            const float x = v.Value * c;
            if (!(x == 0.0f && t->AndOr > 0.5f))
                contribute(s, t, src, x);
        }
    }
}

void combine(Scheme& s, CPoint* p, bool teach) {
    float m = 1.0f, sum = identityOf(p), t = 0.0f;
    int n = 0;
    for (CVolume& v : p->Traces) {
        ++n;
        if (v.Source != p && v.Source->Type != TypeFlag) {
            if (p->Type == TypeBoolean) {
                if (p->AndOr >= 0.5f)
                    sum = v.Accum > sum ? v.Accum : sum;
                else
                    sum = v.Accum < sum ? v.Accum : sum;
            } else if (p->Type >= TypeReal && p->Type <= TypeFuzzy) {
                m = v.MinInput < m ? v.MinInput : m;
                sum = sum + v.Accum;
            }
        }
        if (p->Type == TypeBoolean) {
            t = v.Accum >= 0.0f ? 1.0f : -1.0f;
        } else {
            v.Accum = clampUnit(v.Accum);
            t = (1.0f - p->AndOr) * v.MinInput + p->AndOr * v.Accum;
        }
        if (v.Value != t && v.Source != p)
            s.SchemeChanged = true;
        v.Value = t;
    }
    float r;
    if (p->Type == TypeBoolean)
        r = sum > 0.0f ? 1.0f : -1.0f;
    else if (p->Type == TypeReal || p->Type == TypeFlag)
        r = clampUnit((1.0f - p->AndOr) * m + p->AndOr * clampUnit(sum));
    else if (p->Type == TypeFuzzy || p->Type == TypeProjection)
        r = 0.0f;
    else
        r = t;
    if (p->IsCust == 1)
        r = p->Custom;
    if (teach && n >= 2) {
        const float k = static_cast<float>(n - 1);
        for (CLink* l = s.LinkList; l; l = l->Next) {
            if (l->To != p)
                continue;
            CPoint* f = l->From;
            if (std::fabs(f->Value) > 0.0001f)
                l->Value = ((k - 1.0f) * l->Value + (r / k) / f->Value) / k;
            l->Value = clampUnit(l->Value);
            f->Value = (k * f->Value + r / k) / (k + 1.0f);
        }
    }
    if (p->Value != r)
        s.SchemeChanged = true;
    p->Value = r;
    reference::assign(s, p, p, r);
}

void step(Scheme& s, const Evaluation& e) {
    s.SchemeChanged = false;
    for (CPoint* p = s.ItemList; p; p = p->Next) {
        for (CVolume& v : p->Traces) {
            v.MinInput = 1.0f;
            v.Accum = identityOf(p);
        }
        if (p->IsCust == 1)
            reference::assign(s, p, p, p->Custom);
    }
    for (CLink* l = s.LinkList; l; l = l->Next)
        spreadLink(s, l);
    for (CPoint* p = s.ItemList; p; p = p->Next)
        combine(s, p, e.TeachPending);
    CPoint* sel = s.Selected.item;
    if (s.EditState == EditItemSelected && sel && e.HeldValue != 0.0f)
        reference::assign(s, sel, sel, e.HeldValue);
}

} // namespace reference

// Every float of the state, as bits, so that -0 and 0 differ too.
std::string exactState(const Scheme& s) {
    std::string out = dumpScheme(s);
    auto bits = [&](float f) {
        std::uint32_t b;
        std::memcpy(&b, &f, 4);
        out += std::to_string(b) + ' ';
    };
    for (const CPoint* p = s.ItemList; p; p = p->Next)
        for (const CVolume& v : p->Traces) {
            bits(v.Value);
            bits(v.MinInput);
            bits(v.Accum);
        }
    for (const CPoint* p = s.ItemList; p; p = p->Next)
        bits(p->Value);
    out += s.SchemeChanged ? "changed" : "idle";
    return out;
}

CPoint* itemAt(Scheme& s, int index) {
    CPoint* p = s.ItemList;
    for (int i = 0; p && i < index; ++i)
        p = p->Next;
    return p;
}

CLink* linkAt(Scheme& s, int index) {
    CLink* l = s.LinkList;
    for (int i = 0; l && i < index; ++i)
        l = l->Next;
    return l;
}

// Builds and edits two schemes identically from one seed.
class RandomWorld {
  public:
    explicit RandomWorld(unsigned seed) : rng_(seed) {}

    void build(Scheme& s, int items, int links) {
        for (int i = 0; i < items; ++i) {
            CPoint* p = s.createItem(std::string(1, static_cast<char>('a' + pick(4))), 0, 0);
            if (pick(3) == 0)
                p->Name += "\xE0"; // a byte above 127 must sort after the ASCII letters
            p->Type = static_cast<std::uint8_t>(pickType());
            p->AndOr = pickAndOr();
            p->Value = pickValue();
            p->IsCust = pick(4) == 0 ? 1 : 0;
            p->Custom = pickValue();
        }
        for (int i = 0; i < links; ++i)
            addLink(s, items);
    }

    // One random edit of the kinds the program makes between steps.
    // A few random edits of the kinds the program makes between steps (sometimes none, so
    // that the scheme can settle).
    void edit(Scheme& s, Evaluation& e, bool referenceSide) {
        for (int n = pick(3); n > 0; --n)
            editOnce(s, e, referenceSide);
        e.TeachPending = pick(3) == 0;
        s.SchemeChanged = true;
    }

  private:
    void editOnce(Scheme& s, Evaluation& e, bool referenceSide) {
        const int items = s.ItemCount;
        switch (pick(16)) {
        case 0:
            s.setType(itemAt(s, pick(items)), static_cast<std::uint8_t>(pickType()));
            break;
        case 1:
            if (items > 2)
                s.destroyItem(itemAt(s, pick(items)));
            break;
        case 2:
            addLink(s, items);
            break;
        case 3:
            s.reverseLinks();
            break;
        case 4:
            setValue(s, referenceSide);
            break;
        case 5:
            s.Selected.item = itemAt(s, pick(items));
            s.EditState = EditItemSelected;
            e.HeldValue = pick(2) ? pickValue() : 0.0f;
            break;
        case 6:
            s.setIsCust(itemAt(s, pick(items)), pick(2));
            break;
        case 7:
            s.setAndOr(itemAt(s, pick(items)), pickAndOr());
            break;
        case 8:
            if (s.LinkCount > 0)
                s.setCoefficient(linkAt(s, pick(s.LinkCount)), pickValue());
            break;
        case 9:
            if (s.LinkCount > 0)
                s.destroyLink(linkAt(s, pick(s.LinkCount)));
            break;
        case 10:
            s.cloneItem(itemAt(s, pick(items)));
            break;
        case 11:
            s.changeType(itemAt(s, pick(items)), static_cast<std::uint8_t>(pickType()));
            break;
        case 12: { // an item is a flag only while values are set
            CPoint* p = itemAt(s, pick(items));
            const std::uint8_t type = p->Type;
            s.setType(p, TypeFlag);
            setValue(s, referenceSide);
            s.setType(p, type);
            break;
        }
        case 13:
            panelEdit(s, e);
            break;
        default:
            itemAt(s, pick(items))->Custom = pickValue();
            break;
        }
    }

  public:
    // What the properties panel does to the selected item or link; both sides run the same
    // handlers, so the step's caches must follow every write they make.
    void panelEdit(Scheme& s, Evaluation& e) {
        ViewState view;
        Interaction input;
        Document doc;
        PanelState panel;
        Props p{s, view, input, e, doc, panel, {}};
        p.env.DecimalPoint = pick(2) ? ',' : '.';
        if (pick(4) == 0 && s.LinkCount > 0) {
            s.Selected = {nullptr, linkAt(s, pick(s.LinkCount))};
            s.EditState = EditLinkSelected;
        } else {
            s.Selected = {itemAt(s, pick(s.ItemCount)), nullptr};
            s.EditState = EditItemSelected;
        }
        RefreshPropertiesPanel(p);
        static const char* const typed[] = {"0.5", "0,25", "abc", "3", "-0.75", "0"};
        switch (pick(6)) {
        case 0:
            iRunnerBar1MouseDown(p, pick(3), pick(70) - 5);
            iRunnerBar1MouseMove(p, pick(3), pick(70) - 5);
            iRunnerBar1MouseUp(p);
            break;
        case 1:
            ePropCustomChange(p, typed[pick(6)]);
            break;
        case 2:
            FormMouseWheel(p, pick(2) ? 120 : -240);
            break;
        case 3: {
            static const std::uint8_t types[] = {0, 1, 3, 2, 4};
            SetLogicType(p, types[pick(5)]);
            break;
        }
        case 4:
            tbConvertLinkToItemClick(p);
            break;
        default:
            iCbMouseDown(p);
            iCbMouseUp(p);
            break;
        }
        RefreshPropertiesPanel(p);
    }

  private:
    // Sets a value as the program's panel and wheel do: assign on any item, for itself or
    // for another source.
    void setValue(Scheme& s, bool referenceSide) {
        CPoint* p = itemAt(s, pick(s.ItemCount));
        CPoint* src = pick(2) ? p : itemAt(s, pick(s.ItemCount));
        const float x = pickValue();
        if (referenceSide)
            reference::assign(s, p, src, x);
        else
            assign(s, p, src, x);
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    int pickType() {
        static const int types[] = {0, 1, 1, 1, 2, 3, 3, 4, 5, 6, 9};
        return types[pick(11)];
    }
    float pickAndOr() {
        static const float choices[] = {0.0f, 0.3f, 0.5f, 0.7f, 1.0f, 1.0f};
        return choices[pick(6)];
    }
    float pickValue() {
        if (pick(5) == 0)
            return 0.0f;
        return std::uniform_real_distribution<float>(-1.2f, 1.2f)(rng_);
    }
    void addLink(Scheme& s, int items) {
        CLink* l = s.createLink(itemAt(s, pick(items)), itemAt(s, pick(items)));
        l->Value = pick(6) == 0 ? 0.0f : std::uniform_real_distribution<float>(-1, 1)(rng_);
    }

    std::mt19937 rng_;
};

TEST(ReferenceStep, OptimisedStepMatchesTheRulesBitForBit) {
    for (unsigned seed = 1; seed <= 400; ++seed) {
        Scheme fast, slow;
        Evaluation fastEval, slowEval;
        RandomWorld fastRng(seed), slowRng(seed);
        fastRng.build(fast, 4 + seed % 20, static_cast<int>(seed % 50));
        slowRng.build(slow, 4 + seed % 20, static_cast<int>(seed % 50));
        ASSERT_EQ(exactState(fast), exactState(slow));
        for (int step = 0; step < 25; ++step) {
            fastRng.edit(fast, fastEval, false);
            slowRng.edit(slow, slowEval, true);
            ASSERT_TRUE(propagationStep(fast, fastEval, false, true, panelShown()));
            reference::step(slow, slowEval);
            ASSERT_EQ(exactState(fast), exactState(slow)) << "seed " << seed << " step " << step;
        }
    }
}

// Items with many sources, most of them sharing a name, so that new traces are placed by
// searching long lists as well as by walking short ones.
TEST(ReferenceStep, LongTraceListsMatchTheRulesBitForBit) {
    for (unsigned seed = 200; seed < 206; ++seed) {
        Scheme fast, slow;
        Evaluation fastEval, slowEval;
        RandomWorld fastRng(seed), slowRng(seed);
        fastRng.build(fast, 120, 700);
        slowRng.build(slow, 120, 700);
        for (int step = 0; step < 12; ++step) {
            fastRng.edit(fast, fastEval, false);
            slowRng.edit(slow, slowEval, true);
            ASSERT_TRUE(propagationStep(fast, fastEval, false, true, panelShown()));
            reference::step(slow, slowEval);
            ASSERT_EQ(exactState(fast), exactState(slow)) << "seed " << seed << " step " << step;
        }
    }
}

// A renamed item leaves the lists holding its traces out of name order; the traces made
// after go where a walk of such a list puts them.
TEST(ReferenceStep, TracesMadeAfterRenamesMatchTheRulesBitForBit) {
    for (unsigned seed = 600; seed < 700; ++seed) {
        Scheme fast, slow;
        Evaluation fastEval, slowEval;
        RandomWorld fastRng(seed), slowRng(seed);
        fastRng.build(fast, 4 + seed % 12, static_cast<int>(seed % 40));
        slowRng.build(slow, 4 + seed % 12, static_cast<int>(seed % 40));
        std::mt19937 rng(seed);
        for (int step = 0; step < 25; ++step) {
            fastRng.edit(fast, fastEval, false);
            slowRng.edit(slow, slowEval, true);
            const int k = std::uniform_int_distribution<int>(0, fast.ItemCount - 1)(rng);
            const std::string name(
                1, static_cast<char>(std::uniform_int_distribution<int>('a', 'e')(rng)));
            fast.setText(itemAt(fast, k)->Name, name);
            slow.setText(itemAt(slow, k)->Name, name);
            ASSERT_TRUE(propagationStep(fast, fastEval, false, true, panelShown()));
            reference::step(slow, slowEval);
            ASSERT_EQ(exactState(fast), exactState(slow)) << "seed " << seed << " step " << step;
        }
    }
}

// The panel's edits land on a scheme whose step has settled into its plan.
TEST(ReferenceStep, PanelEditsBetweenSteadyStepsMatchTheRules) {
    for (unsigned seed = 500; seed < 560; ++seed) {
        Scheme fast, slow;
        Evaluation fastEval, slowEval;
        RandomWorld fastRng(seed), slowRng(seed);
        fastRng.build(fast, 6 + seed % 15, static_cast<int>(10 + seed % 30));
        slowRng.build(slow, 6 + seed % 15, static_cast<int>(10 + seed % 30));
        for (int round = 0; round < 8; ++round) {
            for (int step = 0; step < 5; ++step) {
                fast.SchemeChanged = slow.SchemeChanged = true;
                ASSERT_TRUE(propagationStep(fast, fastEval, false, true, panelShown()));
                reference::step(slow, slowEval);
                ASSERT_EQ(exactState(fast), exactState(slow)) << "seed " << seed;
            }
            fastRng.panelEdit(fast, fastEval);
            slowRng.panelEdit(slow, slowEval);
        }
    }
}

TEST(ReferenceStep, RunningWithoutEditsStaysIdenticalOverManySteps) {
    Scheme fast, slow;
    Evaluation eval;
    RandomWorld a(99), b(99);
    a.build(fast, 40, 120);
    b.build(slow, 40, 120);
    for (int step = 0; step < 60; ++step) {
        fast.SchemeChanged = slow.SchemeChanged = true;
        propagationStep(fast, eval, false, true);
        reference::step(slow, eval);
        ASSERT_EQ(exactState(fast), exactState(slow)) << "step " << step;
    }
}

} // namespace
