// The document around the scheme: its file and its background picture's name.
#pragma once

#include <string>

namespace lumeris {

struct Document {
    std::string FileName;                 // full path of the scheme file in use; empty: none
    std::string BackGroundImage = "none"; // background picture file name, or "none"
};

} // namespace lumeris
