// The spread phase's plan: every contribution of a step, in the order the links make them,
// with the traces it reads and writes resolved. Built and used by src/engine; kept with the
// scheme because its pointers are only good for this scheme's traces.
#pragma once

#include "objects.h"

#include <cstdint>
#include <vector>

namespace lumeris {

struct PlannedContribution {
    enum Rules : std::uint8_t { Bare, Magnitude, Fuzzy, Own };
    enum Accumulations : std::uint8_t { Nothing, Largest, Smallest, Sum };

    CVolume* Target;       // the To item's trace; null while it does not exist
    const CVolume* Source; // the From item's trace passed on (unused by Bare)
    float Coefficient;
    std::uint8_t Rule;
    std::uint8_t Accumulation; // of the To item's type
    bool SkipZero;             // Own rule: a zero is not contributed (the To item's AndOr > 0.5)
};

struct SpreadPlan {
    std::vector<PlannedContribution> Contributions;
    std::vector<std::uint32_t> LinkStart; // per link of the step's list: its first contribution
    // The counters the plan was built at; the plan is used only while all still match.
    struct Key {
        std::uint64_t Structure = ~std::uint64_t{0};
        std::uint64_t Traces = 0;
        std::uint64_t Coefficients = 0;
        std::uint64_t Attributes = 0;
        bool operator==(const Key&) const = default;
    };
    Key BuiltFor;
    Key LastStepEnd;               // the counters after the last step
    std::uint64_t Attributes = 0;  // bumped when an item's Type, IsCust or AndOr changes
};

} // namespace lumeris
