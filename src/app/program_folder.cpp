#include "app/program_folder.h"

namespace lumeris {

namespace fs = std::filesystem;

namespace {

void fillFromInstalledData(const fs::path& data, const fs::path& userFolder) {
    std::error_code ignored;
    fs::create_directories(userFolder, ignored);
    // increment(ec) rather than a range loop, which would throw on a folder read error.
    for (fs::directory_iterator it(data / "examples", ignored), end; it != end;
         it.increment(ignored))
        if (it->is_regular_file(ignored))
            fs::copy_file(it->path(), userFolder / it->path().filename(),
                          fs::copy_options::skip_existing, ignored);
    fs::copy_file(data / "lumeris.txt", userFolder / "lumeris.txt", fs::copy_options::skip_existing,
                  ignored);
}

} // namespace

std::string programFolder(const fs::path& binaryFolder, const fs::path& userFolder) {
    const fs::path data = binaryFolder.parent_path() / "share" / "lumeris";
    std::error_code ignored;
    if (userFolder.empty() || !fs::is_regular_file(data / "lumeris.txt", ignored))
        return binaryFolder.string();
    if (!fs::exists(userFolder / "lumeris.txt", ignored))
        fillFromInstalledData(data, userFolder);
    return userFolder.string();
}

} // namespace lumeris
