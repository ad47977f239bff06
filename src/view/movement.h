// The force-directed layout step of movement mode: links pull their ends toward a preferred
// length, every item pushes every other away, a weak pull draws all toward the origin and a
// bias lifts link targets above their sources.
#pragma once

#include "model/scheme.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace lumeris {

class MovementStep {
  public:
    // One layout step over the whole scheme, on a canvas `width` pixels wide at `scale`
    // pixels per world unit. Does nothing when BusyDepth is already 2 or more (the step runs
    // only from inside a frame). Every quantity is a 32-bit float, rounded after each
    // operation, so that the motion is the same on every machine.
    void run(Scheme& scheme, float scale, std::int32_t width);

  private:
    // An incident link of an item; FromSide tells whether the item is the link's source.
    struct Incident {
        const CLink* Link;
        bool FromSide;
    };

    void collectIncidentLinks(const Scheme& scheme);
    std::size_t indexOf(const CPoint* item) const;
    void moveItem(Scheme& scheme, CPoint* p, std::size_t index);
    void repulsionTerms(std::size_t index);
    static bool pinned(const Scheme& scheme, const CPoint* p);

    // Scratch kept between steps so that a step allocates nothing once warmed up.
    std::vector<std::pair<const CPoint*, std::size_t>> itemIndex_; // sorted by address
    std::vector<std::size_t> firstIncident_;                       // per item, into incident_
    std::vector<Incident> incident_; // grouped per item, each group in LinkList order
    std::vector<std::size_t> fill_;
    std::vector<float> xs_, ys_, values_; // every item's place and value, in ItemList order
    std::vector<float> pushX_, pushY_;    // one item's repulsion term from each other item

    float n_ = 1;        // 1 + the number of items
    float length_ = 0;   // the preferred link length L
    float maxSpeed_ = 0; // vmax
};

} // namespace lumeris
