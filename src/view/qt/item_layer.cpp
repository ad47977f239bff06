// The item layers: name colours, names of hidden items, names and values, and the items
// themselves (dots at overview levels, sprites above them).
#include "view/label_text.h"
#include "view/qt/layers.h"

#include <QLocale>
#include <cmath>

namespace lumeris {
namespace {

QRgb nameColour(const CPoint* item) {
    return 0xFF000000 | item->NameColor;
}

bool sameHoveredAtom(const Scheme& scheme, const CPoint* item) {
    const CPoint* hovered = hoveredItem(scheme);
    return item->Type == TypeLispAtom && hovered && hovered->Type == TypeLispAtom &&
           hovered->Name == item->Name;
}

// The sprite of a visible item above the overview levels; null for a Lisp atom.
const QImage* spriteFor(const CPoint* item, Sprites& sprites, int red, int blue) {
    const float v = item->Value;
    if (startsWithStar(item->Name))
        return &sprites.iGroup;
    switch (item->Type) {
    case TypeBoolean:
        return v >= 0.00005f ? &sprites.iBool1 : &sprites.iBool0;
    case TypeReal:
        if (std::fabs(v) < 0.0001f)
            return &sprites.iBall0;
        tintSprite(sprites.iBall, sprites.iBall0, red, blue);
        return &sprites.iBall;
    case TypeFlag:
        return &sprites.iFlag;
    case TypeFuzzy:
        tintSprite(sprites.iFuz, sprites.iFuz0, red, blue);
        return &sprites.iFuz;
    case TypeProjection:
        return &sprites.iProjection;
    case TypeLispList:
        return &sprites.iLispBraces;
    case TypeLispVector:
        return &sprites.iLispBrakets;
    default:
        return nullptr;
    }
}

void paintMarksOfItem(PaintFrame& frame, const CPoint* item, ScreenPoint s,
                      const Sprites& sprites) {
    if (item->AndOr < 0.5f)
        frame.shapes.blit(s.x - 3, s.y - 3, sprites.iAnd);
    if (!item->text.empty())
        frame.shapes.blit(s.x - 3, s.y + 3, sprites.iSmallText);
    if (item->IsCust == 1)
        frame.shapes.blit(s.x - 1, s.y + 1, sprites.iSmallBox);
    if (!item->url.empty() && item->Name.empty())
        frame.shapes.blit(s.x + 2, s.y - 5, sprites.iSmallUrl);
}

void paintItem(PaintFrame& frame, const CPoint* item, Sprites& sprites) {
    const ScreenPoint s = frame.screenOf(item);
    if (!item->Vis) {
        frame.shapes.fillRect(s.x - 2, s.y - 2, s.x + 2, s.y + 2, qRgb(0xE0, 0xE0, 0xE0));
        return;
    }
    const float v = item->Value;
    const int red = v >= 0 ? std::min(255, int(255 * v)) : 0;
    const int blue = v >= 0 ? 0 : std::min(255, int(-255 * v));
    if (frame.view.ZoomLevel <= 3) {
        frame.shapes.fillRect(s.x, s.y, s.x + 2, s.y + 1, qRgb(red, 0, blue)); // two pixels
        return;
    }
    const QImage* sprite = spriteFor(item, sprites, red, blue);
    if (sprite)
        frame.shapes.blit(s.x - 6, s.y - 6, *sprite);
    else
        frame.shapes.fillRect(s.x - 1, s.y - 1, s.x + 2, s.y + 2, qRgb(0xA0, 0xA0, 0xF0));
    paintMarksOfItem(frame, item, s, sprites);
}

} // namespace

void updateNameColours(Scheme& scheme) {
    const CPoint* hovered = hoveredItem(scheme);
    if (hovered && isLisp(hovered))
        return;
    for (CPoint* item = scheme.ItemList; item; item = item->Next)
        item->NameColor = 0;
    const CPoint* selected = selectedItem(scheme);
    if (!selected && !hovered)
        return;
    for (const CLink* link = scheme.LinkList; link; link = link->Next) {
        if (link->To == selected || link->To == hovered)
            link->From->NameColor = (link->From->NameColor & 0xFFFF00) | 0xB0;
        if (link->From == selected || link->From == hovered)
            link->To->NameColor = (link->To->NameColor & 0x00FFFF) | 0xB00000;
    }
}

void paintHiddenNames(PaintFrame& frame, ItemsOnScreen items) {
    if (!frame.view.ShowNames)
        return;
    const int rise = nameRise(frame.view.Scale);
    for (const CPoint* item : items)
        if (!item->Vis) {
            const ScreenPoint s = frame.screenOf(item);
            frame.labelWriter(s.x + 8, s.y - rise, item->Name, false, qRgb(0xE0, 0xE4, 0xE4));
        }
}

void paintLabels(PaintFrame& frame, ItemsOnScreen items) {
    const int rise = nameRise(frame.view.Scale), drop = valueDrop(frame.view.Scale);
    const char decimalPoint = char(QLocale().decimalPoint().front().unicode());
    for (const CPoint* item : items) {
        if (!item->Vis)
            continue;
        const ScreenPoint s = frame.screenOf(item);
        if (frame.view.ShowNames) {
            if (sameHoveredAtom(frame.scheme, item))
                frame.labelWriter(s.x + 8, s.y - rise, item->Name, false, qRgb(0, 0, 0xF0));
            else
                frame.labelWriter(s.x + 8, s.y - rise, item->Name, !item->url.empty(),
                                  nameColour(item));
        }
        if (frame.eval.ShowValues && item->Value != 0)
            frame.labelWriter(s.x + 8, s.y + drop, valueText(item->Value, 3, decimalPoint), false,
                              nameColour(item));
    }
}

void paintItems(PaintFrame& frame, ItemsOnScreen items, Sprites& sprites) {
    for (const CPoint* item : items)
        paintItem(frame, item, sprites);
}

} // namespace lumeris
