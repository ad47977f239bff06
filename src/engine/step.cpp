// The step's order of phases and guards, the prepare and hold phases, and assign.
#include "engine/step.h"

#include "engine/spread_plan.h"
#include "engine/trace_ops.h"
#include "platform/cell_text.h"
#include "platform/spreadsheet_link.h"
#include "text/numbers.h"

#include <bit>

namespace lumeris {

namespace {

// Clears StepInProgress on every way out of the step.
class InProgress {
  public:
    explicit InProgress(Evaluation& eval) : eval_(eval) { eval_.StepInProgress = true; }
    ~InProgress() { eval_.StepInProgress = false; }
    InProgress(const InProgress&) = delete;
    InProgress& operator=(const InProgress&) = delete;

  private:
    Evaluation& eval_;
};

bool stepIsDue(const Scheme& scheme, const Evaluation& eval, bool force) {
    return scheme.SchemeChanged && scheme.MouseButtonState == MouseButtonNone &&
           !eval.StepInProgress && (force || eval.Running);
}

// A new stamp for the traces this step resets. When the counter wraps, every stamp goes
// back to 0 so that no old stamp can pass for the new step's.
void startStamp(Scheme& scheme) {
    if (++scheme.StepCount != 0)
        return;
    for (CPoint* item = scheme.ItemList; item; item = item->Next)
        for (CVolume& v : item->Traces)
            v.StepStamp = 0;
    scheme.StepCount = 1;
}

bool isCellAddress(const std::string& url) {
    return url.size() > 3 && url.compare(0, 4, "DDE:") == 0;
}

// Feeds the fixed and spreadsheet values in. Resetting the traces is left to the first
// touch of each trace (see step::touch), which gives the same accumulators.
void prepareItem(Scheme& scheme, CPoint* item, SpreadsheetLink* sheet) {
    if (isCellAddress(item->url)) {
        const std::string cell = item->url.substr(4, 100);
        if (item->IsCust == 1) {
            // The old link's client text framed the cell's text (the rule kept characters 2 to
            // 101 and dropped the closing three); a cell of the stand-in has no framing, so
            // its whole text is the number. No text, or no number, reads as 0.
            const std::string text = sheet ? sheet->readCell(cell) : std::string();
            item->Custom = parseCellNumber(text).value_or(0.0f);
            assign(scheme, item, item, item->Custom);
        } else if (sheet) {
            sheet->pokeCell(cell, formatReal(item->Value));
        }
    } else if (item->IsCust == 1) {
        assign(scheme, item, item, item->Custom);
    }
}

// Whether the item's type, fixed-value switch or AndOr, which the rules of its links follow,
// changed since the last step.
bool attributesChanged(CPoint* item) {
    ItemStepIndex& index = item->StepIndex;
    if (item->Type == index.PlannedType && item->IsCust == index.PlannedIsCust &&
        std::bit_cast<std::uint32_t>(item->AndOr) ==
            std::bit_cast<std::uint32_t>(index.PlannedAndOr))
        return false;
    index.PlannedType = item->Type;
    index.PlannedIsCust = item->IsCust;
    index.PlannedAndOr = item->AndOr;
    return true;
}

// Also notes the changes that make the plan and the trace indexes stale: a change of any
// item's flag type changes which traces every item passes on.
void prepare(Scheme& scheme, SpreadsheetLink* sheet) {
    const std::vector<CPoint*>& items = scheme.StepLists.Items;
    bool flagChanged = false;
    bool changed = false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i + 8 < items.size()) { // items lie scattered in memory
            __builtin_prefetch(items[i + 8]);
            __builtin_prefetch(reinterpret_cast<const char*>(items[i + 8]) + 64);
        }
        CPoint* const item = items[i];
        const bool flag = item->Type == TypeFlag;
        flagChanged = flagChanged || flag != item->StepIndex.WasFlag;
        item->StepIndex.WasFlag = flag;
        changed = attributesChanged(item) || changed;
        prepareItem(scheme, item, sheet);
    }
    if (flagChanged)
        for (CPoint* item : items)
            item->StepIndex.Valid = false;
    if (changed)
        ++scheme.StepPlan.Attributes;
}

void combineAll(Scheme& scheme, bool teaching) {
    for (CPoint* item : scheme.StepLists.Items)
        step::combine(scheme, item, teaching);
}

// Re-applies the value the user holds on the properties panel's slider.
void hold(Scheme& scheme, const Evaluation& eval) {
    CPoint* const selected = scheme.Selected.item;
    if (scheme.EditState == EditItemSelected && selected && eval.PanelVisible &&
        eval.HeldValue != 0.0f)
        assign(scheme, selected, selected, eval.HeldValue);
}

} // namespace

bool propagationStep(Scheme& scheme, Evaluation& eval, bool repaintAfter, bool force,
                     const StepHooks& hooks) {
    if (!stepIsDue(scheme, eval, force))
        return false;
    {
        BusyGuard busy(scheme);
        scheme.SchemeChanged = false;
        InProgress inProgress(eval);
        startStamp(scheme);
        step::refreshLists(scheme);
        prepare(scheme, hooks.spreadsheet);
        const SpreadPlan::Key before = step::planKey(scheme);
        if (!step::spreadAndCombineByPlan(scheme, eval.TeachPending)) {
            step::spread(scheme);
            combineAll(scheme, eval.TeachPending);
        }
        hold(scheme, eval);
        if (hooks.spreadsheet)
            hooks.spreadsheet->endStep();
        // A plan pays only for a scheme that goes through whole steps without changing.
        const SpreadPlan::Key after = step::planKey(scheme);
        scheme.StepPlan.LastStepEnd = after == before ? after : SpreadPlan::Key{};
    }
    if (scheme.SchemeChanged)
        ++scheme.RedrawRequests;
    if (repaintAfter && hooks.repaintItems)
        hooks.repaintItems();
    eval.TeachPending = false;
    if (hooks.processMessages)
        hooks.processMessages();
    return true;
}

void assign(Scheme& scheme, CPoint* item, CPoint* source, float x) {
    CVolume& trace = item->Traces[step::findOrCreateSlot(scheme, item, source)];
    x = item->Type == TypeBoolean ? (x > 0.0f ? 1.0f : -1.0f) : step::clampUnit(x);
    if (trace.Value != x)
        scheme.SchemeChanged = true;
    trace.Value = x;
    if (source == item)
        item->Value = x;
}

} // namespace lumeris
