// The layers under the items (white, grid, background picture, photos, links, and the names
// while no value labels show), kept as the last full frame drew them. A running scheme changes
// values, which these layers do not show, so its frames copy them back instead of drawing every
// link again; any change of what they do show (the view, the toggles, the items' places, names and
// looks, the links, the focus) gives another key and draws them afresh.
#pragma once

#include "program/world.h"

#include <QImage>
#include <cstdint>
#include <functional>

namespace lumeris {

class UnderLayers {
  public:
    // Draws the layers onto back with `draw`, or copies them as kept when `key` is the
    // kept one.
    void paint(QImage& back, std::uint64_t key, const std::function<void()>& draw);

  private:
    QImage kept_;
    std::uint64_t key_ = 0;
};

// Everything the layers under the items read, folded into one number.
struct UnderLayerInputs {
    qint64 background; // the background picture's cache key
    bool printing;     // no grid
    char decimalPoint; // of the link value labels
};
std::uint64_t underLayerKey(const World& world, const UnderLayerInputs& inputs);

} // namespace lumeris
