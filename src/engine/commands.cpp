#include "engine/commands.h"

namespace lumeris {

void toggleRunning(Scheme& scheme, Evaluation& eval) {
    eval.Running = !eval.Running;
    scheme.SchemeChanged = true;
    ++scheme.RedrawRequests;
}

void stepCommand(Scheme& scheme, Evaluation& eval, const StepHooks& hooks) {
    propagationStep(scheme, eval, true, true, hooks);
    scheme.SchemeChanged = true;
    ++scheme.RedrawRequests;
}

void teachCommand(Scheme& scheme, Evaluation& eval, const StepHooks& hooks) {
    eval.TeachPending = true;
    propagationStep(scheme, eval, true, true, hooks);
    scheme.SchemeChanged = true;
}

void resetValues(Scheme& scheme, Evaluation& eval) {
    eval.Running = false;
    for (CPoint* item = scheme.ItemList; item; item = item->Next) {
        item->Value = 0;
        for (CVolume& v : item->Traces)
            v.Value = 0;
    }
    ++scheme.RedrawRequests;
}

void zeroPointed(Scheme& scheme) {
    const bool onItem = scheme.HoverKind == HoverItem || scheme.HoverKind == HoverItemName;
    CPoint* item = onItem ? scheme.Hovered.item : nullptr;
    CLink* link = scheme.HoverKind == HoverLink ? scheme.Hovered.link : nullptr;
    // The menu is opened on empty canvas, which hovers nothing: then the selection is meant.
    if (!item && !link && scheme.EditState != EditGroupChosen) {
        item = scheme.Selected.item;
        link = scheme.Selected.link;
    }
    if (item) {
        scheme.touchValue(item);
        item->Custom = 0;
        scheme.setIsCust(item, 0);
        item->Value = 0;
    } else if (link) {
        scheme.setCoefficient(link, 0);
    }
    scheme.SchemeChanged = true;
    ++scheme.RedrawRequests;
}

void chooseDefaultLogic(Scheme& scheme, DefaultLogic logic) {
    switch (logic) {
    case DefaultLogic::Boolean:
        scheme.DefaultItemType = TypeBoolean;
        break;
    case DefaultLogic::Fuzzy:
        scheme.DefaultItemType = TypeFuzzy;
        break;
    case DefaultLogic::Real:
        scheme.DefaultItemType = TypeReal;
        break;
    }
}

void toggleMovement(Scheme& scheme, Evaluation& eval) {
    scheme.journal().endDrift();
    eval.MovementOn = !eval.MovementOn;
}

void toggleShowValues(Scheme& scheme, Evaluation& eval) {
    eval.ShowValues = !eval.ShowValues;
    ++scheme.RedrawRequests;
}

void toggleShowVolumes(Evaluation& eval) {
    eval.ShowVolumes = !eval.ShowVolumes;
}

} // namespace lumeris
