#include "import/favorites.h"

#include "text/utf8_cp1251.h"

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <utility>
#include <vector>

namespace lumeris {

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t Step = 32;

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

struct Entry {
    std::string Name; // as the file system gives it
    fs::path Path;
    bool RealFolder; // a folder that is not reached through a symbolic link
    bool LinkedFolder;
};

class FavoritesWalk {
  public:
    FavoritesWalk(Scheme& scheme, std::int32_t x, std::int32_t y) : scheme_(scheme), x_(x), y_(y) {}

    void walk(const fs::path& path, const std::string& name, CPoint* parent, bool enter) {
        CPoint* folder = place("* " + name, parent);
        y_ += Step;
        std::vector<Entry> entries;
        if (!enter || !firstVisit(path) || !list(path, entries))
            return;
        x_ += Step;
        for (const Entry& entry : entries) {
            const std::string name1251 = utf8ToCp1251(entry.Name);
            if (entry.RealFolder || entry.LinkedFolder) {
                walk(entry.Path, name1251, folder, entry.RealFolder);
                continue;
            }
            const std::size_t kept = name1251.size() > 3 ? name1251.size() - 3 : 0;
            CPoint* file = place(name1251.substr(0, kept), folder);
            file->url = utf8ToCp1251(shortcutUrl(entry.Path)); // text, as the names are
            y_ += Step;
        }
        x_ -= Step;
    }

  private:
    CPoint* place(std::string name, CPoint* parent) {
        CPoint* item = scheme_.createItem(std::move(name), x_, y_);
        if (parent)
            scheme_.createLink(item, parent)->Value = 0;
        return item;
    }

    // Records the folder by device and node, so that a folder mounted inside itself is not
    // walked forever.
    bool firstVisit(const fs::path& path) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0)
            return false;
        return visited_.emplace(info.st_dev, info.st_ino).second;
    }

    static bool list(const fs::path& path, std::vector<Entry>& entries) {
        std::error_code error;
        fs::directory_iterator it(path, error);
        if (error)
            return false;
        for (; it != fs::directory_iterator(); it.increment(error)) {
            const fs::file_status own = it->symlink_status(error);
            const bool linked = fs::is_symlink(own) && fs::is_directory(it->status(error));
            entries.push_back(
                {it->path().filename().string(), it->path(), fs::is_directory(own), linked});
        }
        if (error)
            return false;
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.Name < b.Name; });
        return true;
    }

    static std::string shortcutUrl(const fs::path& path) {
        std::error_code error;
        if (!fs::is_regular_file(path, error))
            return "ERROR";
        std::ifstream file(path, std::ios::binary);
        return readShortcutUrl(file).value_or("ERROR");
    }

    Scheme& scheme_;
    std::int32_t x_;
    std::int32_t y_;
    std::set<std::pair<dev_t, ino_t>> visited_;
};

} // namespace

void importFavorites(Scheme& scheme, const fs::path& folder, std::int32_t x, std::int32_t y) {
    FavoritesWalk(scheme, x, y).walk(folder, utf8ToCp1251("Избранное"), nullptr, true);
}

std::optional<std::string> readShortcutUrl(std::istream& file) {
    bool inSection = false;
    std::string line;
    for (bool first = true; std::getline(file, line); first = false) {
        std::string_view text = line;
        if (first && text.starts_with("\xEF\xBB\xBF")) // a UTF-8 file may begin with its mark
            text.remove_prefix(3);
        text = trim(text);
        if (text.starts_with('[')) {
            const std::size_t close = text.find(']');
            inSection = close != std::string_view::npos &&
                        sameName(trim(text.substr(1, close - 1)), "InternetShortcut");
            continue;
        }
        const std::size_t equals = text.find('=');
        if (!inSection || equals == std::string_view::npos ||
            !sameName(trim(text.substr(0, equals)), "URL"))
            continue;
        std::string_view value = trim(text.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return std::nullopt;
}

} // namespace lumeris
