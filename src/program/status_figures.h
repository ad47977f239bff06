// What the status bar shows, read from what the program already keeps: the document, the run
// toggle, the counters and the hovered object. Nothing here walks the items, so the bar may
// look as often as it likes.
#pragma once

#include "program/world.h"

#include <cstdint>
#include <string>

namespace lumeris {

struct StatusFigures {
    std::string FileName; // full path, empty for none
    bool Running = false;
    std::uint64_t Steps = 0; // since the scheme was opened
    std::int32_t Items = 0;
    std::int32_t Links = 0;
    float Scale = 1;
    bool Hovering = false;   // an item (or its name) is under the pointer
    std::string HoveredName; // Windows-1251
    float HoveredValue = 0;

    bool operator==(const StatusFigures&) const = default;
};

StatusFigures statusFigures(const World& world);

} // namespace lumeris
