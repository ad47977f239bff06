// The canvas's interaction state that the painter, the commands and the panel read.
// EditState, Selected, Hovered, HoverKind, MouseButtonState and the link handle live on the
// Scheme, because the model's own operations change them.
#pragma once

#include "model/objects.h"

#include <cstdint>

namespace lumeris {

struct Interaction {
    int LastMouseX = 0; // canvas pixels of the last press or move
    int LastMouseY = 0;
    CVisual* PressedObject = nullptr;
    bool LinkDragging = false;
    CPoint* LinkTarget = nullptr;
    bool PointerMoved = false;
    bool LabelActed = false; // the last press did a label's action
    bool BandActive = false;
    std::int32_t BandWorldX1 = 0, BandWorldY1 = 0, BandWorldX2 = 0, BandWorldY2 = 0;
    int BandLeft = 0, BandTop = 0, BandRight = 0, BandBottom = 0; // canvas pixels
    bool PopupShown = false;
    int HoverDwell = 0;
    int PanSteps = 0;
    int PasteOffset = 64;
};

} // namespace lumeris
