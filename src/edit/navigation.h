// Navigation around the view transform: the wheel, the zoom keys, the eased zoom that keeps
// a chosen world point under the pointer, and centring. Each raises RedrawRequests where the
// view changes; refreshing the properties panel is left to the window that called.
#pragma once

#include "edit/interaction.h"
#include "model/scheme.h"
#include "view/view_state.h"

namespace lumeris {

constexpr int WheelZoomMin = 0, WheelZoomMax = 9;
constexpr int KeyZoomMin = 2, KeyZoomMax = 7;
// Above this many ids handed out, the zoom jumps to its target instead of easing.
constexpr int EaseZoomIdLimit = 5000;

// 2^level / 128 as a 32-bit float: level 7 is 1:1.
float zoomTarget(int level);

// FormMouseWheel with the wheel delta (positive away from the user, 120 per notch). With Ctrl
// over a hovered item or link it changes the item's Custom value or the link's coefficient
// by delta / 600; otherwise it anchors the pointer's world point and changes the zoom level.
// A delta of 0 does nothing.
void FormMouseWheel(Scheme& scheme, ViewState& view, const Interaction& input, int delta,
                    bool ctrl);

// The "+" and "-" keys: anchor at the pointer, then one level within 2..7.
void zoomKey(ViewState& view, const Interaction& input, char key);

// One run-timer step of the scale toward the target of ZoomLevel.
void EaseZoom(Scheme& scheme, ViewState& view, const Interaction& input);

// aCenterScreen: the newest item to the middle of the canvas; an empty scheme stays put.
void CenterScreen(const Scheme& scheme, ViewState& view);

} // namespace lumeris
