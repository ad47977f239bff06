// The painter's small pictures, drawn by code at start-up. Each is Format_RGB32; its
// bottom-left pixel is its transparent colour (white or magenta).
#pragma once

#include <QImage>

namespace lumeris {

struct Sprites {
    Sprites();

    QImage iBall0, iBall; // real item: the template and its tinted copy
    QImage iFuz0, iFuz;   // fuzzy item
    QImage iBool1, iBool0;
    QImage iFlag;
    QImage iProjection;
    QImage iGroup;
    QImage iLispBraces, iLispBrakets;
    QImage iAnd, iSmallText, iSmallBox, iSmallUrl;
};

// Rewrites target's pixels from the template, adding red and blue to every channel's value
// and saturating at 255; the white or magenta surroundings stay as they are.
void tintSprite(QImage& target, const QImage& templ, int red, int blue);

} // namespace lumeris
