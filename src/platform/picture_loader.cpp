#include "picture_loader.h"

namespace lumeris {

bool hasFolderPart(std::string_view name) {
    return name.find_first_of("/\\") != std::string_view::npos;
}

std::string pictureFilePath(std::string_view name, std::string_view schemeFile) {
    if (hasFolderPart(name))
        return std::string(name);
    const std::size_t slash = schemeFile.find_last_of("/\\");
    const std::string_view folder =
        slash == std::string_view::npos ? std::string_view() : schemeFile.substr(0, slash + 1);
    return std::string(folder) + std::string(name);
}

} // namespace lumeris
