// The three bars and their knobs: 50 pixels of travel for r from 0 to 1.
#include "props/panel.h"

#include <algorithm>

namespace lumeris {

namespace {

constexpr int Travel = BarWidth - KnobWidth - 2;

void holdSelectedValue(Props& p) {
    if (CPoint* const item = p.scheme.Selected.item)
        p.eval.HeldValue = item->Value;
}

// The knob's bar x for a knob x: all three bars share the first bar's left and width.
int barX(const Props& p, int knob, int x) {
    return p.panel.KnobLeft[knob] + x - BarLeft;
}

void moveKnob(Props& p, int bar, int x) {
    Scheme& scheme = p.scheme;
    PanelState& panel = p.panel;
    scheme.SchemeChanged = true;
    panel.KnobLeft[bar] = BarLeft + std::clamp(x - KnobWidth / 2, 1, BarWidth - KnobWidth - 1);
    const float r = float(panel.KnobLeft[bar] - BarLeft - 1) / float(Travel);
    if (scheme.EditState == EditItemSelected && scheme.Selected.item) {
        CPoint* const item = scheme.Selected.item;
        scheme.Hovered.clear();
        scheme.touchValue(item);
        if (bar == 0) {
            item->Value = 2 * r - 1;
            panel.ValueText = formatPanelNumber(item->Value, p.env.DecimalPoint);
            p.eval.HeldValue = item->Value;
        } else if (bar == 1) {
            const float andOr = item->Type == TypeBoolean ? (r < 0.5f ? 0.0f : 1.0f) : r;
            if (item->AndOr != andOr)
                scheme.setAndOr(item, andOr);
            panel.AndOrText = formatPanelNumber(item->AndOr, p.env.DecimalPoint);
        } else {
            item->Custom = 2 * r - 1;
            const std::string text = formatPanelNumber(item->Custom, p.env.DecimalPoint);
            if (panel.CustomText != text)
                ePropCustomChange(p, text);
            if ((item->IsCust == 0) != (item->Custom == 0)) {
                iCbMouseDown(p);
                iCbMouseUp(p);
            }
        }
        if (bar != 0)
            normaliseBoolean(scheme, item);
    } else if (scheme.EditState == EditLinkSelected && scheme.Selected.link && bar == 0) {
        scheme.setCoefficient(scheme.Selected.link, 2 * r - 1);
        panel.ValueText = formatPanelNumber(scheme.Selected.link->Value, p.env.DecimalPoint);
    }
    RefreshPropertiesPanel(p);
}

} // namespace

void iRunnerBar1MouseDown(Props& p, int bar, int x) {
    p.panel.RunnerDragging = true;
    iRunnerBar1MouseMove(p, bar, x);
}

void iRunnerBar1MouseMove(Props& p, int bar, int x) {
    if (p.panel.RunnerDragging)
        moveKnob(p, bar, x);
    ++p.scheme.RedrawRequests;
}

void iRunnerBar1MouseUp(Props& p) {
    p.panel.RunnerDragging = false;
    p.eval.HeldValue = 0;
    RefreshPropertiesPanel(p);
}

void iRunner1MouseDown(Props& p, int knob, int x) {
    iRunnerBar1MouseDown(p, knob, barX(p, knob, x));
    holdSelectedValue(p);
}

void iRunner1MouseMove(Props& p, int knob, int x) {
    iRunnerBar1MouseMove(p, knob, barX(p, knob, x));
    if (p.panel.RunnerDragging)
        holdSelectedValue(p);
}

void iRunner1MouseUp(Props& p) {
    iRunnerBar1MouseUp(p); // which also ends the held value
}

} // namespace lumeris
