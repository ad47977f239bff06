#include "view/qt/under_layers.h"

#include "view/qt/layers.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string_view>

namespace lumeris {

namespace {

// A 64-bit fold; each word is mixed in so that neighbouring values spread apart.
class Fold {
  public:
    void add(std::uint64_t v) { h_ = (std::rotl(h_, 23) ^ v) * 0x9E3779B97F4A7C15ull; }
    void add(const void* p) { add(std::uint64_t(reinterpret_cast<std::uintptr_t>(p))); }
    void add(float f) { add(std::uint64_t(std::bit_cast<std::uint32_t>(f))); }
    void add(const std::string& s) {
        add(std::uint64_t(std::hash<std::string_view>{}(s)) ^ (std::uint64_t(s.size()) << 56));
    }
    std::uint64_t value() const { return h_; }

  private:
    std::uint64_t h_ = 0x243F6A8885A308D3ull;
};

// The view, the toggles, the focus and the inputs: everything the layers read besides the
// objects.
std::uint64_t settingsOf(const World& world, const UnderLayerInputs& inputs) {
    const ViewState& view = world.view;
    const Scheme& scheme = world.scheme;
    Fold f;
    for (std::int64_t v :
         {std::int64_t(view.ScreenX), std::int64_t(view.ScreenY), std::int64_t(view.ZoomLevel),
          std::int64_t(view.CanvasWidth), std::int64_t(view.CanvasHeight),
          std::int64_t(view.ShowNames), std::int64_t(view.ShowLinks),
          std::int64_t(world.eval.ShowValues), std::int64_t(inputs.printing),
          std::int64_t(inputs.decimalPoint), std::int64_t(inputs.background),
          std::int64_t(scheme.EditState), std::int64_t(scheme.HoverKind)})
        f.add(std::uint64_t(v));
    f.add(view.Scale);
    f.add(world.doc.BackGroundImage);
    for (const void* p : {static_cast<const void*>(scheme.CurrentView),
                          static_cast<const void*>(scheme.Selected.item),
                          static_cast<const void*>(scheme.Selected.link),
                          static_cast<const void*>(scheme.Hovered.item),
                          static_cast<const void*>(scheme.Hovered.link)})
        f.add(p);
    // A hovered Lisp atom colours the names equal to its own.
    if (const CPoint* hovered = hoveredItem(scheme)) {
        f.add(std::uint64_t(hovered->Type));
        f.add(hovered->Name);
    }
    return f.value();
}

// Whether any pixel of the link can fall on the screen: its lines, its arrowhead and label
// (drawn only while its handle, which lies between its ends, is on screen) stay within its
// ends' box widened by the thick line's extra pixel. The margin also covers the screen bounds
// being tested on world coordinates.
bool reachesScreen(const PaintFrame& frame, const CLink* link) {
    constexpr int margin = 4;
    const ScreenPoint p = frame.screenOf(link->From), q = frame.screenOf(link->To);
    return std::max(p.x, q.x) >= -margin && std::min(p.x, q.x) < frame.shapes.width() + margin &&
           std::max(p.y, q.y) >= -margin && std::min(p.y, q.y) < frame.shapes.height() + margin;
}

} // namespace

void findItemsOnScreen(const PaintFrame& frame, std::vector<const CPoint*>& items) {
    items.clear();
    for (const CPoint* item = frame.scheme.ItemList; item; item = item->Next)
        if (frame.isOnScreen(item))
            items.push_back(item);
}

void UnderLayers::paint(const PaintFrame& frame, QImage& back, const UnderLayerInputs& inputs,
                        const std::function<void()>& draw) {
    const std::uint64_t settings = settingsOf(frame.world, inputs);
    if (kept_.size() == back.size() && kept_.format() == back.format() &&
        unchanged(frame, settings)) {
        std::memcpy(back.bits(), kept_.constBits(), std::size_t(back.sizeInBytes()));
        return;
    }
    watch(frame, settings);
    draw();
    if (kept_.size() != back.size() || kept_.format() != back.format())
        kept_ = QImage(back.size(), back.format());
    std::memcpy(kept_.bits(), back.constBits(), std::size_t(back.sizeInBytes()));
}

// The stamp comes first: while it stands, every kept pointer is still an object of the scheme.
bool UnderLayers::unchanged(const PaintFrame& frame, std::uint64_t settings) const {
    if (settings != settings_ || frame.scheme.changeStamp() != stamp_)
        return false;
    for (const Place& place : places_)
        if (place.item->X != place.X || place.item->Y != place.Y || place.item->Vis != place.Vis)
            return false;
    return details() == details_;
}

void UnderLayers::watch(const PaintFrame& frame, std::uint64_t settings) {
    settings_ = settings;
    stamp_ = frame.scheme.changeStamp();
    places_.clear();
    onScreen_.clear();
    for (const CPoint* item = frame.scheme.ItemList; item; item = item->Next) {
        places_.push_back({item, item->X, item->Y, item->Vis});
        if (frame.isOnScreen(item))
            onScreen_.push_back(item);
    }
    links_.clear();
    watched_.assign(onScreen_.begin(), onScreen_.end());
    // An end off the screen may be watched twice, which costs less than finding out.
    auto watchEnd = [&](const CPoint* end) {
        if (!frame.isOnScreen(end))
            watched_.push_back(end);
    };
    for (const CLink* link = frame.scheme.LinkList; link; link = link->Next)
        if (reachesScreen(frame, link)) {
            links_.push_back(link);
            watchEnd(link->From);
            watchEnd(link->To);
        }
    details_ = details();
}

// What the layers read of the watched objects besides the places: the names with their
// colours and underlines, the types that decide sprites, plates and Lisp lines, the photos,
// and the links' coefficients and names.
std::uint64_t UnderLayers::details() const {
    Fold f;
    for (const CPoint* item : watched_) {
        f.add(std::uint64_t(item->Type) | std::uint64_t(item->url.empty()) << 8 |
              std::uint64_t(item->NameColor) << 16);
        f.add(item->Name);
        f.add(item->PhotoImage.get());
    }
    for (const CLink* link : links_) {
        f.add(link->Value);
        f.add(link->Name);
    }
    return f.value();
}

} // namespace lumeris
