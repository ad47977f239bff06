// The layers under the items (white, grid, background picture, photos, links, and the names
// while no value labels show), kept as the last full frame drew them. A running scheme changes
// values, which these layers do not show, so its frames copy them back instead of drawing every
// link again; any change of what they do show (the view, the toggles, the items' places, names and
// looks, the links, the focus) draws them afresh.
//
// Checking that nothing they show has changed must cost far less than drawing them, and must
// catch the places, names and coefficients that the model's users write directly. So the check
// reads little of the scheme: the change stamp for its shape, every item's place and visibility
// (which decide what comes onto the screen), and everything else only of the objects that can
// show: the items on screen and the links that can reach it, with their ends.
#pragma once

#include "view/qt/paint_frame.h"

#include <QImage>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace lumeris {

// What the layers read besides the world.
struct UnderLayerInputs {
    qint64 background; // the background picture's cache key
    bool printing;     // no grid
    char decimalPoint; // of the link value labels
};

class UnderLayers {
  public:
    // Copies the kept layers onto the frame's back buffer when nothing they show has changed
    // since they were drawn, or else draws them there with `draw` and keeps them.
    void paint(const PaintFrame& frame, QImage& back, const UnderLayerInputs& inputs,
               const std::function<void()>& draw);
    // The items on screen at the last paint, in ItemList order.
    std::span<const CPoint* const> onScreen() const { return onScreen_; }

  private:
    struct Place {
        const CPoint* item;
        std::int32_t X, Y;
        bool Vis;
    };
    bool unchanged(const PaintFrame& frame, std::uint64_t settings) const;
    void watch(const PaintFrame& frame, std::uint64_t settings);
    std::uint64_t details() const;

    QImage kept_;
    // What the kept layers were drawn from. The pointers are read only while the stamp shows
    // that no object has left the scheme since.
    std::uint64_t settings_ = 0; // the view, the toggles, the focus and the inputs
    std::uint64_t stamp_ = 0;
    std::vector<Place> places_; // every item
    std::vector<const CPoint*> onScreen_;
    std::vector<const CLink*> links_;    // the links whose box reaches the screen
    std::vector<const CPoint*> watched_; // the items on screen, those links' ends off it
    std::uint64_t details_ = 0;          // what the layers read of those items and links
};

// The items on the frame's screen, in ItemList order.
void findItemsOnScreen(const PaintFrame& frame, std::vector<const CPoint*>& items);

} // namespace lumeris
