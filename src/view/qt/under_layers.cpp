#include "view/qt/under_layers.h"

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

} // namespace

std::uint64_t underLayerKey(const World& world, const UnderLayerInputs& inputs) {
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
    // Items: where they are, whether they show, their names (labels, bold, the view's plate),
    // whether a name is underlined and what decides their links' look and their photo. The
    // name colours follow from the focus and the links.
    for (const CPoint* item = scheme.ItemList; item; item = item->Next) {
        f.add(item);
        f.add((std::uint64_t(std::uint32_t(item->X)) << 32) | std::uint32_t(item->Y));
        f.add(std::uint64_t(item->Vis) | std::uint64_t(item->Type) << 8 |
              std::uint64_t(item->url.empty()) << 16);
        f.add(item->Name);
        f.add(item->PhotoImage.get());
    }
    for (const CLink* link = scheme.LinkList; link; link = link->Next) {
        f.add(link->From);
        f.add(link->To);
        f.add(link->Value);
        if (!link->Name.empty())
            f.add(link->Name);
    }
    return f.value();
}

void UnderLayers::paint(QImage& back, std::uint64_t key, const std::function<void()>& draw) {
    if (key == key_ && kept_.size() == back.size() && kept_.format() == back.format()) {
        std::memcpy(back.bits(), kept_.constBits(), std::size_t(back.sizeInBytes()));
        return;
    }
    draw();
    if (kept_.size() != back.size() || kept_.format() != back.format())
        kept_ = QImage(back.size(), back.format());
    std::memcpy(kept_.bits(), back.constBits(), std::size_t(back.sizeInBytes()));
    key_ = key;
}

} // namespace lumeris
