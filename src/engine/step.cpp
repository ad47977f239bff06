// The step's order of phases and guards, the prepare and hold phases, and assign.
#include "engine/step.h"

#include "engine/spread_plan.h"
#include "engine/trace_ops.h"
#include "platform/cell_text.h"
#include "platform/spreadsheet_link.h"
#include "text/numbers.h"

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

bool isCellAddress(const std::string& url) {
    return url.size() > 3 && url.compare(0, 4, "DDE:") == 0;
}

// Feeds the fixed and spreadsheet values in.
void feedItem(Scheme& scheme, CPoint* item, SpreadsheetLink* sheet) {
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

// Resets every trace's accumulators and feeds the fixed values in, item by item. On the fast
// path the resets are left to the plan, which makes them at each item's turn.
void prepare(Scheme& scheme, const StepCache& cache, SpreadsheetLink* sheet, bool reset) {
    const std::vector<CPoint*>& items = cache.Items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i + 8 < items.size()) { // items lie scattered in memory
            __builtin_prefetch(items[i + 8]);
            __builtin_prefetch(reinterpret_cast<const char*>(items[i + 8]) + 64);
        }
        if (reset)
            step::resetTraces(items[i]);
        feedItem(scheme, items[i], sheet);
    }
}

void resetAll(const StepCache& cache) {
    for (CPoint* item : cache.Items)
        step::resetTraces(item);
}

void combineAll(Scheme& scheme, StepCache& cache, bool teaching) {
    for (std::uint32_t place = 0; place < cache.Items.size(); ++place)
        step::combine(scheme, cache, place, teaching);
}

// Spread and combine. The fast path serves a scheme that kept its shape since the last step;
// otherwise every link spreads in link order, making the traces it reaches, and then every
// item is combined.
void spreadAndCombine(Scheme& scheme, StepCache& cache, bool planned, bool teaching) {
    if (planned && step::spreadAndCombineByPlan(scheme, cache))
        return;
    if (planned)
        resetAll(cache);
    step::spread(scheme, cache);
    combineAll(scheme, cache, teaching);
}

// Re-applies the value the user holds on the properties panel's slider.
void hold(Scheme& scheme, const Evaluation& eval, const StepHooks& hooks) {
    CPoint* const selected = scheme.Selected.item;
    if (scheme.EditState == EditItemSelected && selected && hooks.panelVisible &&
        hooks.panelVisible() && eval.HeldValue != 0.0f)
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
        StepCache& cache = eval.Cache;
        step::refreshCache(cache, scheme);
        const std::uint64_t shape = scheme.changeStamp();
        const bool planned = step::planFits(cache, eval.TeachPending);
        prepare(scheme, cache, hooks.spreadsheet, !planned);
        // Feeding makes no trace once every item has its own, as after any step; should it
        // make one, the plan's trace pointers are not to be trusted.
        const bool shapeKept = scheme.changeStamp() == shape;
        if (!shapeKept)
            cache.PlanBuilt = false;
        spreadAndCombine(scheme, cache, planned && shapeKept, eval.TeachPending);
        hold(scheme, eval, hooks);
        if (hooks.spreadsheet)
            hooks.spreadsheet->endStep();
        // The step's own changes (traces made, coefficients taught) keep the record good but
        // not its plan; a plan pays only for a scheme that goes through whole steps unchanged.
        cache.Steady = scheme.changeStamp() == shape && !eval.TeachPending;
        if (eval.TeachPending)
            step::reloadCoefficients(cache);
        cache.PlanBuilt = cache.PlanBuilt && cache.Steady;
        cache.Stamp = scheme.changeStamp();
    }
    ++eval.StepsRun;
    if (hooks.stepped)
        hooks.stepped();
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
    step::assignAt(scheme, item, step::findOrCreateSlot(scheme, item, source), source == item, x);
}

} // namespace lumeris
