// The spread phase's plan: every contribution of a step with the traces it reads and writes
// resolved, grouped by the item it reaches. Built and used by src/engine; kept with the
// scheme because its pointers are only good for this scheme's traces.
#pragma once

#include "objects.h"

#include <cstdint>
#include <vector>

namespace lumeris {

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

    // The counters the plan was built at; the plan is used only while all still match.
    struct Key {
        std::uint64_t Structure = ~std::uint64_t{0};
        std::uint64_t Traces = 0;
        std::uint64_t Coefficients = 0;
        std::uint64_t Attributes = 0;
        bool operator==(const Key&) const = default;
    };
    Key BuiltFor;
    Key LastStepEnd;              // the counters after the last step, if it changed none of them
    std::uint64_t Attributes = 0; // bumped when an item's Type, IsCust or AndOr changes
};

} // namespace lumeris
