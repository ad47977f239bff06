// New item, delete, clone, split, unite and typing on the canvas.
#include "edit/edit_commands.h"

#include "edit/navigation.h"
#include "view/transform.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace lumeris {

namespace {

// Positions wrap around like the 32-bit arithmetic they come from.
std::int32_t wrapped(std::int64_t position) {
    return static_cast<std::int32_t>(position);
}

// The item clone and split work on: the selected item, else the hovered one.
CPoint* workItem(const Scheme& scheme) {
    if (scheme.EditState == EditItemSelected)
        return scheme.Selected.item;
    if (scheme.HoverKind == HoverItem)
        return scheme.Hovered.item;
    return nullptr;
}

// Delete's target: the selection by EditState, else the hover by HoverKind; an invisible
// hovered item is no target.
ObjectRef deleteTarget(const Scheme& scheme) {
    const bool selected = !scheme.Selected.empty() && scheme.EditState != EditIdle;
    const ObjectRef& object = selected ? scheme.Selected : scheme.Hovered;
    const int kind = selected ? scheme.EditState : scheme.HoverKind;
    if (kind == EditLinkSelected)
        return {nullptr, object.link};
    if (kind != EditItemSelected && kind != EditNameEditing)
        return {};
    if (!selected && object.item && !object.item->Vis)
        return {};
    return {object.item, nullptr};
}

// sign(v) × trunc(ln |v + 0.1| + 16): 16 units and a little more for a far summed offset.
std::int64_t splitOffset(std::int64_t v) {
    const auto length = static_cast<std::int64_t>(std::log(std::fabs(v + 0.1L)) + 16);
    const int sign = (v > 0) - (v < 0);
    return sign * length;
}

void splitItem(Scheme& scheme, CPoint* item) {
    CPoint* output = scheme.cloneItem(item);
    scheme.setAndOr(output, 1);
    std::int64_t a = 1, b = -1;
    for (const CLink* l = item->OutLinks; l; l = l->NextOut) {
        a += std::int64_t{l->To->X} - item->X;
        b += std::int64_t{l->To->Y} - item->Y;
    }
    while (item->OutLinks)
        scheme.destroyLink(item->OutLinks);
    while (output->InLinks)
        scheme.destroyLink(output->InLinks);
    scheme.createLink(item, output);
    output->X = wrapped(item->X + splitOffset(a));
    output->Y = wrapped(item->Y + splitOffset(b));
}

} // namespace

void aNewItemExecute(Editor& editor) {
    Scheme& scheme = editor.scheme;
    scheme.EditState = EditNameEditing;
    {
        BusyGuard busy(scheme);
        scheme.Selected = {scheme.createItem({}, ToWorldX(editor.view, editor.input.LastMouseX),
                                             ToWorldY(editor.view, editor.input.LastMouseY)),
                           nullptr};
    }
    editor.window.refreshPropertiesPanel();
    ++scheme.RedrawRequests;
    editor.window.openNameEditor(0);
}

void destroyGroup(Scheme& scheme) {
    BusyGuard busy(scheme);
    std::vector<CPoint*> ordinary, projections;
    for (CPoint* p = scheme.ItemList; p; p = p->Next)
        if (p->Mark == 2)
            (p->Type == TypeProjection ? projections : ordinary).push_back(p);
    for (CPoint* p : ordinary)
        scheme.destroyItem(p);
    for (CPoint* p : projections)
        scheme.destroyItem(p);
}

void aDeleteExecute(Editor& editor) {
    Scheme& scheme = editor.scheme;
    {
        BusyGuard busy(scheme);
        if (scheme.EditState == EditGroupChosen) {
            destroyGroup(scheme);
        } else if (const ObjectRef target = deleteTarget(scheme); target.item) {
            scheme.destroyItem(target.item);
        } else if (target.link) {
            scheme.destroyLink(target.link);
            scheme.SchemeChanged = true;
        }
        scheme.Selected.clear();
        scheme.EditState = EditIdle;
        scheme.Hovered.clear();
        scheme.HoverKind = HoverNothing;
    }
    editor.window.hidePropertiesPanel();
    editor.window.hideNameEditor();
    ++scheme.RedrawRequests;
    // After the guard: the repaint draws nothing while BusyDepth is raised.
    editor.window.repaintNow();
}

void aCloneExecute(Editor& editor) {
    Scheme& scheme = editor.scheme;
    CPoint* source = workItem(scheme);
    if (!source)
        return;
    BusyGuard busy(scheme);
    scheme.cloneItem(source);
    ++scheme.RedrawRequests;
}

void aSplitExecute(Editor& editor) {
    Scheme& scheme = editor.scheme;
    if (CPoint* item = workItem(scheme)) {
        BusyGuard busy(scheme);
        splitItem(scheme, item);
    }
    ++scheme.RedrawRequests;
}

void aUniteExecute(Editor& editor) {
    Scheme& scheme = editor.scheme;
    CLink* joint = scheme.Selected.link;
    // A link from an item to itself joins nothing to unite (and the item must survive).
    if (!joint || joint->From == joint->To)
        return;
    BusyGuard busy(scheme);
    CPoint* input = joint->From;
    CPoint* output = joint->To;
    std::vector<CLink*> others;
    for (CLink* l = scheme.LinkList; l; l = l->Next)
        if (l != joint)
            others.push_back(l);
    for (CLink* m : others) {
        CLink* moved = nullptr;
        if (m->From == output)
            moved = scheme.createLink(input, m->To);
        else if (m->To == output)
            moved = scheme.createLink(m->From, input);
        else
            continue;
        scheme.setCoefficient(moved, m->Value);
        scheme.destroyLink(m);
    }
    scheme.destroyItem(output);
    scheme.Hovered.clear();
    scheme.HoverKind = HoverNothing;
    scheme.Selected = {input, nullptr};
    scheme.EditState = EditItemSelected;
    ++scheme.RedrawRequests;
}

void typeOnCanvas(Editor& editor, char key) {
    // Every key first anchors the zoom at the pointer.
    zoomKey(editor.view, editor.input, key);
    if (key != '+' && key != '-' && key != '\r' && key != '\n') {
        aNewItemExecute(editor);
        editor.window.typeIntoNameEditor(key);
    }
    editor.window.refreshPropertiesPanel();
    ++editor.scheme.RedrawRequests;
}

} // namespace lumeris
