#include "props/panel.h"

#include "edit/interaction.h"
#include "edit/web_address.h"
#include "engine/step.h"
#include "props/name_editor.h"
#include "text/numbers.h"
#include "view/transform.h"

#include <algorithm>
#include <cmath>

namespace lumeris {

namespace {

// A write of a value the step caches goes through the setter only when it changes, so that
// an unchanged refresh on every tick leaves the step's plan alone.
void setAndOr(Scheme& scheme, CPoint* item, float andOr) {
    if (item->AndOr != andOr)
        scheme.setAndOr(item, andOr);
}

void setIsCust(Scheme& scheme, CPoint* item, std::int32_t isCust) {
    if (item->IsCust != isCust)
        scheme.setIsCust(item, isCust);
}

int knobLeft(float r) {
    return BarLeft + 1 + int(std::trunc(r * float(BarWidth - KnobWidth - 2)));
}

// Placing the panel at its default spot (x, y) plus the user's offsets, within the window.
void place(Props& p, int x, int y) {
    PanelState& panel = p.panel;
    x += panel.PanelOffsetX;
    y += panel.PanelOffsetY;
    x = std::max(x, 2);
    y = std::max(y, 2);
    if (x + PanelWidth > p.env.WindowWidth)
        x = p.env.WindowWidth - PanelWidth;
    if (y + panel.Height > p.env.WindowHeight)
        y = p.env.WindowHeight - panel.Height;
    if (x + PanelWidth > p.env.ClientWidth)
        x = p.env.ClientWidth - PanelWidth - 2;
    if (y + panel.Height > p.env.ClientHeight)
        y = p.env.ClientHeight - panel.Height - 2;
    panel.Left = x;
    panel.Top = y;
}

// ePropName := name: its change handler writes the same name back. The name is saved for Esc
// when the panel is filled for an object, not on every tick's refresh, which would save
// what the user is typing.
void showName(Props& p, const void* object, const std::string& name) {
    PanelState& panel = p.panel;
    if (panel.Name != name)
        ePropNameChange(p, name);
    if (!panel.Visible || panel.FilledFor != object) {
        panel.SavedName = name;
        p.scheme.journal().seal(); // what is typed for another object is another edit
    }
    panel.FilledFor = object;
}

void showOnce(Props& p) {
    if (p.panel.Visible)
        return;
    showPanel(p);
    // The memo keeps typing while the text window is the active window.
    if (!p.env.TextWindowActive)
        p.panel.Focus = FocusRequest::Name;
}

void refreshItem(Props& p, CPoint* item) {
    PanelState& panel = p.panel;
    panel.LogicType = item->Type <= TypeProjection ? item->Type : -1;
    place(p, ToScreenX(p.view, float(item->X)) + 8, ToScreenY(p.view, float(item->Y)) + 10);
    panel.KnobLeft = {knobLeft((item->Value + 1) / 2), knobLeft(item->AndOr),
                      knobLeft((item->Custom + 1) / 2)};
    showName(p, item, item->Name);
    panel.ValueText = formatPanelNumber(item->Value, p.env.DecimalPoint);
    panel.AndOrText = formatPanelNumber(item->AndOr, p.env.DecimalPoint);
    // Only shown: reading it back as typed would change IsCust by merely selecting the item.
    if (!p.env.CustomFocused)
        panel.CustomText = formatPanelNumber(item->Custom, p.env.DecimalPoint);
    panel.CheckLook = item->IsCust == 1 ? PanelState::Check::Ticked : PanelState::Check::Unticked;
    panel.Www = item->url;
    panel.OpenUrlEnabled = !panel.Www.empty();
    panel.ItemMode = true;
    panel.Height = ItemPanelHeight;
    panel.StayOnTop = !panel.TextVisible;
    showOnce(p);
    panel.Memo = item->text;
    panel.MemoFor = item;
    panel.PhotoDown = item->PhotoImage != nullptr;
}

void refreshLink(Props& p, CLink* link) {
    PanelState& panel = p.panel;
    place(p, ToScreenX(p.view, float(p.scheme.LinkHandleX)) + 9,
          ToScreenY(p.view, float(p.scheme.LinkHandleY)) + 10);
    panel.KnobLeft[0] = knobLeft((link->Value + 1) / 2);
    showName(p, link, link->Name);
    panel.ValueText = formatPanelNumber(link->Value, p.env.DecimalPoint);
    panel.ItemMode = false;
    panel.Height = LinkPanelHeight;
    showOnce(p);
    if (!p.env.TextWindowActive)
        panel.Focus = FocusRequest::Name;
    hideTextWindow(p);
}

// The locale's reading of a number: its decimal point stands where the file format has ".".
std::optional<float> readInLocale(std::string text, char decimalPoint) {
    if (decimalPoint != '.') {
        if (text.find('.') != std::string::npos)
            return std::nullopt;
        std::replace(text.begin(), text.end(), decimalPoint, '.');
    }
    return parseReal(text);
}

} // namespace

void normaliseBoolean(Scheme& scheme, CPoint* item) {
    if (item->Type != TypeBoolean)
        return;
    const float custom = item->Custom >= 0 ? 1.0f : -1.0f;
    if (item->Custom != custom)
        scheme.touch(item), item->Custom = custom;
    setAndOr(scheme, item, item->AndOr >= 0.5f ? 1.0f : 0.0f);
}

bool memoHasReceiver(const Props& p) {
    const Scheme& scheme = p.scheme;
    return scheme.EditState == EditItemSelected && scheme.Selected.item &&
           scheme.Selected.item == p.panel.MemoFor;
}

void followSelectionInMemo(Props& p) {
    const Scheme& scheme = p.scheme;
    if (scheme.EditState == EditItemSelected && scheme.Selected.item) {
        p.panel.Memo = scheme.Selected.item->text;
        p.panel.MemoFor = scheme.Selected.item;
    } else {
        hideTextWindow(p);
    }
}

std::string formatPanelNumber(float value, char decimalPoint) {
    std::string text = formatReal(value);
    std::replace(text.begin(), text.end(), '.', decimalPoint);
    return text;
}

float readTypedValue(const std::string& text, char decimalPoint) {
    std::optional<float> value = readInLocale(text, decimalPoint);
    if (const auto point = text.find('.'); !value && point != std::string::npos) {
        std::string retry = text;
        retry[point] = ',';
        value = readInLocale(retry, decimalPoint);
    }
    return std::clamp(value.value_or(0.0f), -1.0f, 1.0f);
}

void RefreshPropertiesPanel(Props& p) {
    const Scheme& scheme = p.scheme;
    if (scheme.MouseButtonState == 0 || p.input.PopupShown || p.input.LinkDragging ||
        scheme.Selected.empty()) {
        hidePanel(p);
        followSelectionInMemo(p);
        return;
    }
    if (scheme.BusyDepth > 0)
        return;
    if (p.panel.EditorVisible)
        followItem(p);
    if (scheme.EditState == EditItemSelected && scheme.Selected.item)
        refreshItem(p, scheme.Selected.item);
    else if (scheme.EditState == EditLinkSelected && scheme.Selected.link)
        refreshLink(p, scheme.Selected.link);
    else {
        hidePanel(p);
        hideTextWindow(p);
    }
}

void iCbMouseDown(Props& p) {
    p.panel.CheckLook = PanelState::Check::Pressed;
}

void iCbMouseUp(Props& p) {
    CPoint* const item = p.scheme.Selected.item;
    if (!item)
        return;
    setIsCust(p.scheme, item, (item->IsCust + 1) % 2);
    if (item->IsCust == 1)
        p.panel.CheckLook = PanelState::Check::Ticked;
    else {
        p.panel.CheckLook = PanelState::Check::Unticked;
        item->Custom = 0;
    }
    normaliseBoolean(p.scheme, item);
    p.scheme.SchemeChanged = true;
    ++p.scheme.RedrawRequests;
}

void ePropCustomChange(Props& p, const std::string& text) {
    p.panel.CustomText = text;
    CPoint* const item = p.scheme.Selected.item;
    if (!item)
        return;
    p.scheme.touch(item);
    item->Custom = readTypedValue(text, p.env.DecimalPoint);
    if (item->Custom == 0)
        setIsCust(p.scheme, item, 0);
    else if (item->Type != TypeBoolean)
        setIsCust(p.scheme, item, 1);
    normaliseBoolean(p.scheme, item);
}

void FormMouseWheel(Props& p, int delta) {
    Scheme& scheme = p.scheme;
    const float step = float(delta) / 600;
    if (CPoint* const item = scheme.Selected.item) {
        scheme.touchValue(item);
        setIsCust(scheme, item, 1);
        item->Custom = std::clamp(item->Custom + step, -1.0f, 1.0f);
        normaliseBoolean(scheme, item);
        assign(scheme, item, item, item->Custom);
    } else if (CLink* const link = scheme.Selected.link) {
        scheme.setCoefficient(link, std::clamp(link->Value + step, -1.0f, 1.0f));
        scheme.SchemeChanged = true;
    }
    ++scheme.RedrawRequests;
}

void ePropWwwChange(Props& p, const std::string& text) {
    if (!p.scheme.Selected.item)
        return;
    setSelectedUrl(p.scheme, text);
    p.panel.Www = text;
    p.panel.OpenUrlEnabled = !text.empty();
}

void ePropNameChange(Props& p, const std::string& text) {
    p.panel.Name = text;
    if (CPoint* const item = p.scheme.Selected.item)
        p.scheme.setText(item->Name, text);
    else if (CLink* const link = p.scheme.Selected.link)
        p.scheme.setText(link->Name, text);
    ++p.scheme.RedrawRequests;
}

void ePropNameEnter(Props& p) {
    p.scheme.EditState = EditIdle;
    p.scheme.Selected.clear();
    ++p.scheme.RedrawRequests;
}

void ePropNameEscape(Props& p) {
    if (CPoint* const item = p.scheme.Selected.item)
        p.scheme.setText(item->Name, p.panel.SavedName);
    else if (CLink* const link = p.scheme.Selected.link)
        p.scheme.setText(link->Name, p.panel.SavedName);
    hidePanel(p);
    ePropNameEnter(p);
}

void SetLogicType(Props& p, std::uint8_t type) {
    CPoint* const item = p.scheme.Selected.item;
    if (!item)
        return;
    p.scheme.changeType(item, type); // drops the view when a projection stops being one
    normaliseBoolean(p.scheme, item);
    showPanel(p);
}

void tbTextClick(Props& p) {
    showTextWindow(p);
    followSelectionInMemo(p);
    p.panel.Focus = FocusRequest::Memo;
}

void tbConvertLinkToItemClick(Props& p) {
    Scheme& scheme = p.scheme;
    CLink* const link = scheme.Selected.link;
    if (!link)
        return;
    {
        BusyGuard busy(scheme);
        scheme.Hovered.clear();
        scheme.HoverKind = HoverNothing;
        CPoint* const middle = scheme.createItem({}, scheme.LinkHandleX, scheme.LinkHandleY);
        scheme.setCoefficient(scheme.createLink(link->From, middle), link->Value);
        scheme.setCoefficient(scheme.createLink(middle, link->To), link->Value);
        scheme.destroyLink(link);
    }
    ++scheme.RedrawRequests;
}

void iDragMouseDown(Props& p, int x, int y) {
    p.panel.PanelDragging = true;
    p.panel.DragPressX = x;
    p.panel.DragPressY = y;
}

void iDragMouseMove(Props& p, int x, int y) {
    if (!p.panel.PanelDragging)
        return;
    p.panel.PanelOffsetX += x - p.panel.DragPressX;
    p.panel.PanelOffsetY += y - p.panel.DragPressY;
    RefreshPropertiesPanel(p);
}

void iDragMouseUp(Props& p) {
    p.panel.PanelDragging = false;
    p.panel.DragPressX = p.panel.DragPressY = 0;
}

} // namespace lumeris
