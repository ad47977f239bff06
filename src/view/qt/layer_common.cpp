// Small questions about the scheme that several layers ask.
#include "view/qt/layers.h"

namespace lumeris {

bool isLisp(const CPoint* item) {
    return item->Type == TypeLispAtom || item->Type == TypeLispList || item->Type == TypeLispVector;
}

bool startsWithStar(const std::string& name) {
    return !name.empty() && name.front() == '*';
}

WorldPoint linkHandle(const CLink* link) {
    return {int((2 * std::int64_t(link->From->X) + link->To->X) / 3),
            int((2 * std::int64_t(link->From->Y) + link->To->Y) / 3)};
}

CPoint* selectedItem(const Scheme& scheme) {
    return scheme.EditState == EditItemSelected ? scheme.Selected.item : nullptr;
}

CPoint* hoveredItem(const Scheme& scheme) {
    return scheme.HoverKind == HoverItem ? scheme.Hovered.item : nullptr;
}

CLink* linkInFocus(const Scheme& scheme) {
    if (scheme.EditState == EditLinkSelected)
        return scheme.Selected.link;
    return scheme.HoverKind == HoverLink ? scheme.Hovered.link : nullptr;
}

} // namespace lumeris
