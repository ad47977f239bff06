#include "open_file.h"

#include "files/legacy_reader.h"
#include "files/scheme_reader.h"
#include "files/scheme_writer.h"
#include "text/lines.h"

#include <fstream>
#include <sstream>

namespace lumeris {

namespace {

// A missing or unreadable file reads as no bytes, so its first line is empty.
std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

void resetView(ViewState& view) {
    view.ScreenX = 0;
    view.ScreenY = 0;
    view.Scale = 1;
    view.ZoomLevel = 7;
}

} // namespace

UserText legacyFormatNotice(const std::string& fileName) {
    return userText(
               "Reader",
               "Файл \"%1\" в формате 1.4, чтобы сохранить старый формат выйдите без сохранения")
        .arg(fileName);
}

OpenResult openSchemeFile(const std::string& path, Scheme& scheme, ViewState& view, Document& doc,
                          PictureLoader* pictures) {
    BusyGuard busy(scheme);
    resetView(view);
    if (scheme.ItemList)
        scheme.empty();
    // Another file: the history of the edits ends, and reading it is no edit.
    scheme.journal().clear();
    Journal::Quiet quiet(scheme.journal());
    doc.FileName = path;
    const std::string bytes = fileBytes(path);
    const std::string_view version = firstLine(bytes);
    if (version == LegacyVersionLine) {
        scheme.LastId = 0;
        ReadResult read = readLegacy(bytes, scheme, view, doc, pictures);
        UserText message = read ? legacyFormatNotice(path) : read.message;
        return {OpenCase::Legacy, std::move(read), std::move(message)};
    }
    if (version != VersionLine) {
        doc.FileName.clear();
        const UserText invalid = userText("Reader", "Invalid data file");
        return {OpenCase::Invalid, ReadResult{false, 0, invalid}, invalid};
    }
    scheme.LastId = 0;
    ReadResult read = readScheme(splitLines(bytes), ReadMode::load(), scheme, view, doc, pictures);
    UserText message = read.message;
    return {OpenCase::Current, std::move(read), std::move(message)};
}

} // namespace lumeris
