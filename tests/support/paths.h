// Where tests find the project's files and programs, and a scratch folder per test.
#pragma once

#include <filesystem>
#include <string>

namespace lumeris::test {

inline std::filesystem::path sourceDir() {
    return LUMERIS_SOURCE_DIR;
}
inline std::filesystem::path cliPath() {
    return LUMERIS_CLI;
}

// A fresh, empty folder under the system's temporary folder, removed when the object dies.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// Runs lumeris-cli with the given words (a shell command line after the program's name) and
// returns its exit status, or -1 when it did not exit normally.
int cliStatus(const std::string& words);

std::string readFile(const std::filesystem::path& path);
// What a shell command line writes on standard output.
std::string commandOutput(const std::string& command);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

} // namespace lumeris::test
