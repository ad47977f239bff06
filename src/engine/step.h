// The propagation step: one call moves every value one link further (prepare, spread,
// combine, hold), and the assign operation through which values are set.
#pragma once

#include "engine/evaluation.h"
#include "model/scheme.h"

#include <functional>

namespace lumeris {

class SpreadsheetLink;

// What a step needs from outside the core. Every member may be left empty.
struct StepHooks {
    SpreadsheetLink* spreadsheet = nullptr; // the link of items with a "DDE:" address
    std::function<void()> repaintItems;     // Repaint with ItemsOnly set, for repaint-after
    std::function<void()> processMessages;  // let the window system process pending messages
    std::function<bool()> panelVisible;     // the properties panel is shown (empty: it is not)
    std::function<void()> stepped; // after a step that ran, its values final, before its repaint
};

// Runs one step when it is due: SchemeChanged set, no mouse button held, no step in
// progress, and force or the run toggle. Returns whether a step ran; when none runs nothing
// changes (TeachPending in particular stays set).
bool propagationStep(Scheme& scheme, Evaluation& eval, bool repaintAfter, bool force,
                     const StepHooks& hooks = {});

// Sets the item's trace for source to x, normalised by the item's type (sign for boolean
// items, clamp to [-1, 1] otherwise); the item's own trace also sets its Value. Sets
// SchemeChanged when the trace's value really changes.
void assign(Scheme& scheme, CPoint* item, CPoint* source, float x);

} // namespace lumeris
