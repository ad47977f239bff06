// The propagation step's own record of the scheme's shape: the lists as arrays, where each
// item keeps the traces it passes on, where each link's contributions land, and the plan of
// the spread phase. The step rebuilds it whenever the scheme's change stamp has moved on
// since the step last saw it, so that no writer of the model has to know about it.
#pragma once

#include "model/objects.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace lumeris {

class Scheme;

// A position in an item's trace list that holds no trace.
constexpr std::uint32_t NoSlot = 0xFFFFFFFFu;

// One item, at its place in StepCache::Items.
struct ItemSteps {
    std::uint32_t OwnSlot = NoSlot;      // position of the trace whose Source is the item
    std::uint32_t BuiltForSize = NoSlot; // trace count PassOn was built for; lists only grow
                                         // between rebuilds of the record
    std::vector<std::uint32_t> PassOn;   // positions of the own and flag-sourced traces
    std::uint32_t FirstMade = NoSlot;    // its chain in StepCache::Made, oldest first
    std::uint32_t LastMade = NoSlot;
};

// One link, at its place in StepCache::Links: its ends' places, its coefficient, and the
// positions in its To item's list of the traces its contributions reach, in the order it
// passes its From item's traces. The positions are hints, checked against the trace's Source
// before use. The phases read the link through this record only: links lie scattered in
// memory, and fetching one per contribution would cost more than the rest of the work.
struct LinkSteps {
    std::uint32_t FromPlace = 0;
    std::uint32_t ToPlace = 0;
    float Coefficient = 0; // the link's Value as the record last saw it
    std::uint32_t First = NoSlot;
    std::uint32_t Rest = NoSlot; // index in StepCache::Rests, for a link passing several traces
};

// x = SpreadPlan::Values[Source & ~OwnRule] * Coefficient, added into *Target.
struct PlannedContribution {
    static constexpr std::uint32_t OwnRule = 0x80000000u; // x == 0 is skipped for some targets

    CVolume* Target; // the To item's trace; null while it does not exist
    std::uint32_t Source;
    float Coefficient;
};

// A trace whose value links pass on, and what they make of it.
struct PassedTrace {
    enum Kinds : std::uint8_t { Coefficient, Magnitude, Signed };

    const CVolume* Trace; // null for Coefficient
    std::uint8_t Kind;
};

// Every contribution of a step with the traces it reads and writes resolved, grouped by the
// item it reaches. Its pointers are good while the scheme's change stamp stands still.
struct SpreadPlan {
    // Grouped by To item in the order of the step's item list; within a group, in link order,
    // which is the order every trace receives its contributions in.
    std::vector<PlannedContribution> Contributions;
    std::vector<std::uint32_t> GroupStart; // per item, and one past the last group
    std::vector<PassedTrace> Passed;
    std::vector<float> Values; // this step's values of Passed, taken before any changes
    // Contributions whose target trace does not exist yet: (contribution, To item's place).
    std::vector<std::pair<std::uint32_t, std::uint32_t>> Unmade;
    // Kept between builds so that building again reuses the memory.
    std::vector<std::uint32_t> Cursor;   // per item: where its group's next contribution goes
    std::vector<std::uint32_t> OwnEntry; // per item: its own trace's entry in Passed, if any
};

// A trace the spread phase has made and not yet put into its owner's list. Putting each one in
// at once would move and search the list once per trace; an owner's new traces go in together
// instead, before anything reads its list in order.
struct MadeTrace {
    CVolume Trace;
    std::uint32_t Owner; // the owner's place
    std::uint32_t Next;  // the owner's next made trace, or NoSlot
    std::uint32_t Link;  // the place of the link that made it, and the contribution's position
    std::uint32_t Position;
    std::uint32_t Slot; // its place in the owner's list once it has joined it
};

// One of an owner's made traces while they are put in, and the first bytes of its source's
// name, which order most names without reading them.
struct MadeOrder {
    std::uint64_t NameKey;
    std::uint32_t Made; // index in MadeTraces::Traces
};

struct MadeTraces {
    std::vector<MadeTrace> Traces;    // in the order they were made
    std::vector<std::uint32_t> Table; // (owner, source) to index in Traces + 1; 0 is free
    std::vector<MadeOrder> Order;     // one owner's made traces, while they are put in
};

struct StepCache {
    const Scheme* For = nullptr;
    std::uint64_t Stamp = 0; // the scheme's change stamp the record was last brought up to
    std::vector<CPoint*> Items;
    std::vector<CLink*> Links;
    std::vector<ItemSteps> ItemIndex;
    std::vector<LinkSteps> LinkIndex;
    std::vector<std::vector<std::uint32_t>> Rests;
    SpreadPlan Plan;
    MadeTraces Made;
    bool PlanBuilt = false; // Plan matches the scheme as it stands
    bool Steady = false;    // the last step kept the scheme's shape, so a plan would pay
};

} // namespace lumeris
