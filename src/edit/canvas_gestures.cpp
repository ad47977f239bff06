#include "edit/canvas_gestures.h"

#include "edit/edit_commands.h"
#include "edit/hit_tests.h"
#include "edit/move_items.h"
#include "view/transform.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace lumeris {

namespace {

std::int32_t plusOne(std::int32_t value) {
    return value == std::numeric_limits<std::int32_t>::max() ? value : value + 1;
}

bool isHubName(const std::string& name) {
    return !name.empty() && name[0] == '*';
}

// The band's corners as canvas pixels; the visible items strictly inside become the group.
void recomputeBand(Editor& e) {
    Interaction& in = e.input;
    in.BandActive = true;
    e.scheme.EditState = EditGroupChosen;
    e.scheme.Selected.clear();
    in.BandLeft = ToScreenX(e.view, float(std::min(in.BandWorldX1, in.BandWorldX2)));
    in.BandTop = ToScreenY(e.view, float(std::min(in.BandWorldY1, in.BandWorldY2)));
    in.BandRight = ToScreenX(e.view, float(std::max(in.BandWorldX1, in.BandWorldX2)));
    in.BandBottom = ToScreenY(e.view, float(std::max(in.BandWorldY1, in.BandWorldY2)));
    for (CPoint* p = e.scheme.ItemList; p; p = p->Next) {
        const int sx = ToScreenX(e.view, float(p->X)), sy = ToScreenY(e.view, float(p->Y));
        const bool inside =
            in.BandLeft < sx && sx < in.BandRight && in.BandTop < sy && sy < in.BandBottom;
        p->Mark = p->Vis && inside ? 2 : 0;
    }
}

// Hiding an item hides it in the current view, or, with none, in every view; showing it
// changes no other view.
void toggleVisibility(Scheme& scheme, CPoint* item) {
    scheme.touch(item);
    item->Vis = !item->Vis;
    if (scheme.CurrentView) {
        ViewEntry* entry = item->EntriesNaming;
        while (entry && entry->Owner != scheme.CurrentView)
            entry = entry->ItemNext;
        if (entry)
            scheme.touch(entry), entry->Vis = !entry->Vis;
        else
            scheme.findOrAddViewEntry(scheme.CurrentView, item); // takes the new Vis
        return;
    }
    for (ViewEntry* entry = item->EntriesNaming; entry; entry = entry->ItemNext)
        if (entry->Owner->Type == TypeProjection)
            scheme.touch(entry), entry->Vis = item->Vis && entry->Vis;
}

// Step 8 of the press: a link handle, an item or an item's label under the pointer. Returns
// false when the press ends here (a viewpoint switch or an address opened).
bool pressOnObject(Editor& e, const PointerEvent& ev, float& itemDistance) {
    Scheme& s = e.scheme;
    const LinkHit link = linkHitTest(s, e.view, ev.x, ev.y);
    if (link.distance < 7) {
        s.Selected = {nullptr, link.link};
        s.EditState = EditLinkSelected;
        e.input.PressedObject = link.link;
        s.LinkHandleX = link.handleX;
        s.LinkHandleY = link.handleY;
    }
    const ItemHit item = itemHitTest(s, e.view, ev.x, ev.y);
    itemDistance = item.distance;
    if (item.distance < link.distance + 5 && item.distance < 10) {
        if (ev.button == ButtonLeft && ev.ctrl) {
            toggleVisibility(s, item.item);
        } else if (item.item->Vis) {
            s.Selected = {item.item, nullptr};
            s.EditState = EditItemSelected;
            e.input.PressedObject = item.item;
            // Pressed where the pointer rests since the last move: a drag moves it, not the view.
            s.Hovered = {item.item, nullptr};
            s.HoverKind = HoverItem;
        }
        return true;
    }
    if (link.distance <= 5 || ev.button != ButtonLeft)
        return true;
    CPoint* named = labelHitTest(s, e.view, ev.x, ev.y);
    if (!named || !named->Vis)
        return true;
    e.input.LabelActed = true;
    if (named->Type == TypeProjection) {
        s.switchViewpoint(named == s.CurrentView ? nullptr : named);
        return false;
    }
    if (!named->url.empty()) {
        s.EditState = EditItemSelected;
        s.Selected = {named, nullptr};
        s.HoverKind = HoverNothing;
        s.Hovered.clear();
        e.window.openAddress(named);
        return false;
    }
    s.Selected = {named, nullptr};
    s.EditState = EditNameEditing;
    e.window.openNameEditor(ev.x);
    return true;
}

// The dragged item jumps to the snapped pointer, unless that would put it on another item.
bool dragItem(Editor& e, const PointerEvent& ev) {
    CPoint* item = e.scheme.Selected.item;
    if (!item)
        return false;
    const std::int32_t grid = snapGrid(e.view);
    const std::int32_t wx = ToWorldX(e.view, ev.x), wy = ToWorldY(e.view, ev.y);
    const ItemHit near =
        itemHitTest(e.scheme, e.view, ToScreenX(e.view, float(wx)), ToScreenY(e.view, float(wy)));
    if (near.item && near.item != item && near.distance <= 6)
        return false;
    MoveItems(e.scheme, item, std::int64_t(snapToGrid(wx, grid)) - item->X,
              std::int64_t(snapToGrid(wy, grid)) - item->Y, ev.alt);
    ++e.scheme.RedrawRequests;
    return true;
}

void trackLinkTarget(Editor& e, const PointerEvent& ev) {
    const ItemHit hit = itemHitTest(e.scheme, e.view, ev.x, ev.y);
    const bool target = hit.distance < 20 && hit.item->Vis && hit.item != e.scheme.Selected.item;
    e.input.LinkTarget = target ? hit.item : nullptr;
}

// The anchor lands on the snapped pointer and the group moves with it.
void dragGroup(Editor& e, const PointerEvent& ev) {
    CPoint* anchor = e.scheme.Hovered.item;
    if (!anchor)
        return;
    const std::int32_t grid = snapGrid(e.view);
    const std::int64_t dx = std::int64_t(snapToGrid(ToWorldX(e.view, ev.x), grid)) - anchor->X;
    const std::int64_t dy = std::int64_t(snapToGrid(ToWorldY(e.view, ev.y), grid)) - anchor->Y;
    const std::int64_t members = MoveItems(e.scheme, anchor, dx, dy, false);
    halveGroupVelocities(e.scheme, members - 1);
    ++e.scheme.RedrawRequests;
}

// An item within 10 pixels beats everything; a handle counts within 5, a label when neither.
bool detectHover(Editor& e, const PointerEvent& ev) {
    Scheme& s = e.scheme;
    s.Hovered.clear();
    s.HoverKind = HoverNothing;
    const HoverHits hits = hoverHitTest(s, e.view, ev.x, ev.y);
    const bool nearHandle = hits.link.distance < 7;
    if (hits.item.distance < 10) {
        s.Hovered = {hits.item.item, nullptr};
        s.HoverKind = HoverItem;
        return true;
    }
    if (hits.link.distance > 5 && hits.label) {
        s.Hovered = {hits.label, nullptr};
        s.HoverKind = HoverItemName;
        return true;
    }
    if (nearHandle && hits.link.distance <= 5) {
        s.Hovered = {nullptr, hits.link.link};
        s.HoverKind = HoverLink;
    }
    return nearHandle;
}

// Pans by the pointer's movement; a small pan of a populated scheme shifts the picture on
// the screen instead of drawing it again. True when a full repaint is owed.
bool pan(Editor& e, const PointerEvent& ev) {
    ViewState& view = e.view;
    const std::int32_t oldX = view.ScreenX, oldY = view.ScreenY;
    const long double scale = view.Scale;
    view.ScreenX = truncToInt(view.ScreenX - std::trunc((ev.x - e.input.LastMouseX) / scale));
    view.ScreenY = truncToInt(view.ScreenY - std::trunc((ev.y - e.input.LastMouseY) / scale));
    ++e.input.PanSteps;
    const std::int64_t shift = std::llabs(std::int64_t(view.ScreenX) - oldX) +
                               std::llabs(std::int64_t(view.ScreenY) - oldY);
    const bool fast = e.scheme.ItemCount > 5 && e.scheme.EditState != EditGroupChosen &&
                      e.window.surfaceCanDraw() && shift < 250 && e.input.PanSteps % 50 != 0;
    if (!fast) {
        e.input.PanSteps = 0;
        return true;
    }
    BusyGuard busy(e.scheme);
    e.window.hidePropertiesPanel();
    e.window.hideNameEditor();
    e.scheme.EditState = EditIdle;
    e.window.scrollPicture(ToScreenX(view, float(oldX)), ToScreenY(view, float(oldY)));
    e.scheme.RedrawRequests = 0;
    return false;
}

} // namespace

void DXDraw1MouseDown(Editor& e, const PointerEvent& ev) {
    Scheme& s = e.scheme;
    Interaction& in = e.input;
    e.window.hidePropertiesPanel();
    if (s.MouseButtonState == MouseButtonSwallow) {
        s.MouseButtonState = MouseButtonNone;
        return;
    }
    e.window.processMessages();
    e.window.hideNameEditor();
    s.MouseButtonState = ev.button;
    in.LabelActed = false;
    in.LastMouseX = ev.x;
    in.LastMouseY = ev.y;
    float itemDistance = 2147483648.0f;
    if (s.EditState == EditGroupChosen && ev.button == ButtonLeft) {
        const ItemHit hit = itemHitTest(s, e.view, ev.x, ev.y);
        if (hit.distance < 10 && hit.item->Mark == 2) {
            s.Hovered = {hit.item, nullptr};
            return;
        }
    }
    s.EditState = EditIdle;
    s.HoverKind = HoverNothing;
    if (ev.button == ButtonLeft && ev.shift && s.ViewSwitchFrame == 0) {
        in.BandWorldX1 = ToWorldX(e.view, ev.x);
        in.BandWorldY1 = ToWorldY(e.view, ev.y);
        in.BandWorldX2 = plusOne(in.BandWorldX1);
        in.BandWorldY2 = plusOne(in.BandWorldY1);
        recomputeBand(e);
    } else if (!pressOnObject(e, ev, itemDistance)) {
        return;
    }
    in.LinkDragging =
        ev.button == ButtonRight && s.EditState == EditItemSelected && itemDistance < 10;
    in.PointerMoved = false;
    ++s.RedrawRequests;
}

void DXDraw1MouseMove(Editor& e, const PointerEvent& ev) {
    Scheme& s = e.scheme;
    Interaction& in = e.input;
    in.PasteOffset = 64;
    e.window.focusFollowsPointer();
    if (e.eval && e.eval->StepInProgress)
        return;
    const ObjectRef selected = s.Selected, hovered = s.Hovered;
    in.HoverDwell = 0;
    bool redraw = false;
    const bool buttonHeld = s.MouseButtonState == ButtonLeft || s.MouseButtonState == ButtonRight;
    if (in.BandActive) {
        in.BandWorldX2 = ToWorldX(e.view, ev.x);
        in.BandWorldY2 = ToWorldY(e.view, ev.y);
        recomputeBand(e);
        redraw = true;
    } else if (buttonHeld && s.Hovered.empty() && !in.LinkDragging) {
        redraw = pan(e, ev);
    } else if (s.EditState == EditItemSelected) {
        const bool moved = std::abs(in.LastMouseX - ev.x) > 1 || std::abs(in.LastMouseY - ev.y) > 1;
        if (in.PressedObject && in.PressedObject == s.Selected.item && moved)
            in.PressedObject = nullptr;
        if (!in.PressedObject && s.MouseButtonState == ButtonLeft) {
            redraw = dragItem(e, ev);
        } else if (in.LinkDragging) {
            trackLinkTarget(e, ev);
            redraw = true;
        }
    } else if (s.EditState == EditGroupChosen) {
        if (s.MouseButtonState == ButtonLeft && s.Hovered.item) {
            dragGroup(e, ev);
            redraw = true;
        }
    } else {
        redraw = detectHover(e, ev);
    }
    in.PointerMoved = in.PointerMoved || (!in.LinkDragging && (std::abs(in.LastMouseX - ev.x) > 2 ||
                                                               std::abs(in.LastMouseY - ev.y) > 2));
    in.LastMouseX = ev.x;
    in.LastMouseY = ev.y;
    if (s.Selected != selected || s.Hovered != hovered || redraw) {
        ++s.RedrawRequests;
        e.window.repaintNow();
    }
}

void DXDraw1MouseUp(Editor& e, const PointerEvent& ev) {
    Scheme& s = e.scheme;
    Interaction& in = e.input;
    s.MouseButtonState = MouseButtonNone;
    in.PressedObject = nullptr;
    in.PopupShown = false;
    in.BandActive = false;
    if (in.LinkDragging) {
        CPoint* source = s.Selected.item;
        const std::int32_t wx = ToWorldX(e.view, in.LastMouseX);
        const std::int32_t wy = ToWorldY(e.view, in.LastMouseY);
        if (source && (in.LinkTarget || std::llabs(std::int64_t(source->X) - wx) > 10 ||
                       std::llabs(std::int64_t(source->Y) - wy) > 10)) {
            CPoint* target = in.LinkTarget ? in.LinkTarget : s.createItem({}, wx, wy);
            CLink* link = s.createLink(source, target);
            s.setCoefficient(link, isHubName(target->Name) ? 0.0f : 1.0f);
            s.SchemeChanged = true;
            s.Selected.clear();
            s.EditState = EditIdle;
        }
    } else if (ev.button == ButtonRight && !in.PointerMoved && s.EditState == EditIdle) {
        e.window.popupMenu(ev.x, ev.y);
    }
    in.LinkDragging = false;
    in.LinkTarget = nullptr;
    if (in.PointerMoved && s.EditState != EditGroupChosen) {
        s.EditState = EditIdle;
        s.Selected.clear();
        s.Hovered.clear();
        s.HoverKind = HoverNothing;
    }
    in.PointerMoved = false;
    s.MouseButtonState = MouseButtonNone;
    ++s.RedrawRequests;
    e.window.refreshPropertiesPanel();
}

void DXDraw1DblClick(Editor& e, int button) {
    Scheme& s = e.scheme;
    if (button != ButtonLeft)
        return; // the press that comes with it is an ordinary press
    s.MouseButtonState = MouseButtonSwallow;
    if (e.input.LabelActed)
        return; // the first press did what a click on the label does
    if (s.EditState == EditItemSelected && s.Selected.item) {
        e.window.openAddress(s.Selected.item);
        return;
    }
    aNewItemExecute(e);
    ++s.RedrawRequests;
}

} // namespace lumeris
