#include "program/open_address.h"

#include "edit/web_address.h"
#include "text/cp1251_case.h"
#include "text/utf8_cp1251.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace lumeris {

namespace {

bool endsInTxt(const std::string& url) {
    const std::size_t from = url.size() < 4 ? 0 : url.size() - 4;
    return upperPrefixCp1251(std::string_view(url).substr(from), 4) == ".TXT";
}

bool exists(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(name, error);
}

// The first line's first eight characters, or false with the system's reason.
bool readFileStart(const std::string& name, std::string& start, UserText& error) {
    errno = 0;
    std::ifstream file(name, std::ios::binary);
    char bytes[8];
    if (file)
        file.read(bytes, sizeof bytes);
    if (!file && !file.eof()) {
        error = userText("Addresses", "Cannot read %1: %2")
                    .arg(name)
                    .arg(std::strerror(errno ? errno : EIO));
        return false;
    }
    start.assign(bytes, static_cast<std::size_t>(file.gcount()));
    return true;
}

UserText failureText(const HttpOutcome& outcome) {
    if (outcome.status < 400)
        return outcome.error;
    return userText("Addresses", "%1 (HTTP %2)").arg(outcome.error).arg(outcome.status);
}

} // namespace

std::string fetchedSchemeFile(const std::string& name) {
    std::string safe = name;
    for (char& c : safe)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32 || c == 127)
            c = '_';
    if (safe.empty() || safe == "." || safe == "..")
        safe = "scheme";
    return cp1251ToUtf8(safe) + "-tmp.txt";
}

AddressOpener::AddressOpener(World& world, Workflow& workflow, AddressServices services)
    : world_(world), workflow_(workflow), services_(std::move(services)) {}

void AddressOpener::openAddress() {
    if (fetching_ || cancelled_)
        return;
    Scheme& scheme = world_.scheme;
    scheme.MouseButtonState = MouseButtonNone;
    const CPoint* item = scheme.Selected.item;
    if (!item || item->url.empty())
        return;
    world_.eval.Running = false;
    // Copies: the scheme may change while a fetch lets messages through.
    const std::string url = item->url;
    const std::string name = item->Name;
    const bool opened = isWebAddress(url) ? openWebAddress(url, name) : openFile(url);
    if (!opened)
        return;
    world_.eval.Running = true;
    scheme.MouseButtonState = MouseButtonNone;
}

bool AddressOpener::openWebAddress(const std::string& url, const std::string& name) {
    world_.eval.TickCount = 0;
    if (endsInTxt(url))
        return fetchScheme(url, name);
    const std::string address = cp1251ToUtf8(url);
    services_.shell.open(address, reportFailure(address));
    return true;
}

// The file is named against the current folder now: a save during the wait moves that folder.
bool AddressOpener::fetchScheme(const std::string& url, const std::string& name) {
    std::error_code error;
    const std::string file = std::filesystem::absolute(fetchedSchemeFile(name), error).string();
    fetching_ = true;
    pendingFile_ = file;
    RequestFinished_ = false;
    services_.http.get(cp1251ToUtf8(url), file,
                       [this](const HttpOutcome& outcome) { IdHTTP1WorkEnd(outcome); });
    while (!RequestFinished_ && !cancelled_)
        services_.processMessages();
    fetching_ = false;
    if (cancelled_ || !outcome_.ok) {
        // A half-written file must not be opened later by mistake.
        std::filesystem::remove(file, error);
        if (!cancelled_)
            services_.dialogs.message(failureText(outcome_), "Lumeris", MessageIcon::Error);
        return false;
    }
    return workflow_.Jump(file);
}

void AddressOpener::IdHTTP1WorkEnd(const HttpOutcome& outcome) {
    outcome_ = outcome;
    RequestFinished_ = true;
}

bool AddressOpener::openFile(const std::string& url) {
    const std::string file = fileNamed(cp1251ToUtf8(url));
    if (!endsInTxt(url)) {
        toShell(file);
        return true;
    }
    std::string start;
    UserText error;
    if (!readFileStart(file, start, error)) {
        services_.dialogs.message(error, "Lumeris", MessageIcon::Error);
        return false;
    }
    if (start == "Lumeris ")
        return workflow_.Jump(file);
    toShell(file);
    return true;
}

// A relative name is the scheme's own first (schemes link to their neighbours), then the
// current folder's, then the program's.
std::string AddressOpener::fileNamed(const std::string& name) const {
    const std::filesystem::path given(name);
    if (given.is_relative() && !world_.doc.FileName.empty()) {
        const std::filesystem::path beside =
            std::filesystem::path(world_.doc.FileName).parent_path() / given;
        if (exists(beside.string()))
            return beside.string();
    }
    if (!exists(name) && !services_.programFolder.empty())
        return services_.programFolder + "/" + name;
    return name;
}

void AddressOpener::toShell(const std::string& file) {
    world_.eval.TickCount = 0;
    services_.shell.openFile(file, reportFailure(file));
}

// The failure may come after this opener returned, when the scheme has changed: the message
// names the address it was given.
ShellFailure AddressOpener::reportFailure(const std::string& address) {
    return [this, address](const std::string& reason) {
        services_.dialogs.message(
            userText("Addresses", "Cannot open %1: %2").arg(address).arg(reason), "Lumeris",
            MessageIcon::Error);
    };
}

void AddressOpener::cancel() {
    cancelled_ = true;
    if (!fetching_)
        return;
    services_.http.abort();
    std::error_code error;
    std::filesystem::remove(pendingFile_, error);
}

} // namespace lumeris
