// Building scheme texts for the reader tests: rows are written with "|" standing for TAB.
#pragma once

#include "files/scheme_writer.h"
#include "platform/picture_loader.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace lumeris::test {

inline std::string tabbed(std::string row) {
    std::replace(row.begin(), row.end(), '|', '\t');
    return row;
}

// A whole text; the header values default to the counts of the rows given, view 0, 0, 1.
inline std::vector<std::string> schemeText(const std::vector<std::string>& items,
                                           const std::vector<std::string>& links = {},
                                           const std::vector<std::string>& views = {},
                                           std::string headerValues = {}) {
    if (headerValues.empty()) {
        const auto groups = std::count_if(views.begin(), views.end(),
                                          [](const std::string& row) { return row[0] == ' '; });
        headerValues = std::to_string(items.size()) + "|" + std::to_string(links.size()) + "|" +
                       std::to_string(groups) + "|0|0|1.0000|none";
    }
    std::vector<std::string> lines = {VersionLine, HeaderCaption, tabbed(headerValues),
                                      ItemCaption};
    for (const auto& row : items)
        lines.push_back(tabbed(row));
    lines.push_back(LinkCaption);
    for (const auto& row : links)
        lines.push_back(tabbed(row));
    lines.push_back(ViewsCaption);
    for (const auto& row : views)
        lines.push_back(tabbed(row));
    return lines;
}

// An item row with the usual defaults.
inline std::string itemRow(int id, int x, int y, const std::string& name, int type = 1) {
    return std::to_string(id) + "|" + std::to_string(x) + "|" + std::to_string(y) + "|" +
           std::to_string(type) + "|0.0000|1.0000|0.0000|0|1|" + name + "|||";
}

// Records what the readers ask it to load; pictures load unless `failing` is set.
struct RecordingLoader : PictureLoader {
    std::vector<std::string> photos;
    std::vector<std::string> backgrounds;
    bool failing = false;

    std::unique_ptr<Picture> loadPhoto(const std::string& photo,
                                       const std::string& schemeFile) override {
        photos.push_back(pictureFilePath(photo, schemeFile));
        return failing ? nullptr : std::make_unique<Picture>();
    }
    void loadBackground(const Document& doc) override {
        backgrounds.push_back(doc.BackGroundImage);
    }
};

} // namespace lumeris::test
