// The operator's run-control commands as core operations, ready for the window's actions.
// Where a command also repaints at once, the window does that after calling it.
#pragma once

#include "engine/evaluation.h"
#include "engine/step.h"
#include "model/scheme.h"

namespace lumeris {

// aRun: flips the run toggle; the scheme is due for a step and a repaint is requested.
void toggleRunning(Scheme& scheme, Evaluation& eval);

// aStep: a step with repaint-after and force, then SchemeChanged so that the next Step (or
// tick) steps even when this one found nothing due; a repaint is requested.
void stepCommand(Scheme& scheme, Evaluation& eval, const StepHooks& hooks);

// aTeach: like Step, but the step also teaches. When no step runs, the teaching waits for the
// next step that does.
void teachCommand(Scheme& scheme, Evaluation& eval, const StepHooks& hooks);

// aReset: stops running and sets every item's and every trace's value to 0. Fixed values,
// coefficients and the traces themselves stay; SchemeChanged is left as it is.
void resetValues(Scheme& scheme, Evaluation& eval);

// aResetPoint: zeroes the object under the pointer (Hovered, as HoverKind tells), else the
// item or link selected last (a press on empty canvas, such as the right click that opens
// the menu, keeps it as Selected): an item's Custom, IsCust and Value, or a link's
// coefficient. The window repaints at once after it.
void zeroPointed(Scheme& scheme);

// The hidden "Значения" entries: the logic type that new items get.
enum class DefaultLogic { Boolean, Fuzzy, Real };
void chooseDefaultLogic(Scheme& scheme, DefaultLogic logic);

// aAlign: movement mode on or off. What the mode moved since it was switched on (or since the
// last edit) becomes one undo step.
void toggleMovement(Scheme& scheme, Evaluation& eval);
// aShowValues: the painter's number display; a repaint is requested (and the window
// repaints at once).
void toggleShowValues(Scheme& scheme, Evaluation& eval);
// aShowVolumes: the painter's trace display; no repaint of its own.
void toggleShowVolumes(Evaluation& eval);

} // namespace lumeris
