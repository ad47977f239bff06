#include "program/workflow.h"

#include "files/open_file.h"
#include "files/safe_replace.h"
#include "files/scheme_writer.h"
#include "text/utf8_cp1251.h"
#include "view/transform.h"

#include <filesystem>

namespace lumeris {

namespace {

std::string baseName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string folderOf(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

// Every name that becomes FileName is taken against the current folder once, at that moment:
// saving moves the current folder, after which a relative name would point elsewhere.
std::string fullName(const std::string& name) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(name, error);
    return name.empty() || error ? name : full.string();
}

// The start of the last `count` UTF-8 characters (continuation bytes do not start one).
std::size_t lastCharacters(const std::string& text, int count) {
    std::size_t at = text.size();
    while (count > 0 && at > 0) {
        --at;
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
            --count;
    }
    return at;
}

// Every item at its base position and visibility; the remembered view comes back after.
void showBaseView(Scheme& scheme) {
    scheme.completeViewSwitch();
    scheme.switchViewpoint(nullptr);
    scheme.completeViewSwitch();
}

void showView(Scheme& scheme, CPoint* view) {
    scheme.switchViewpoint(view);
    scheme.completeViewSwitch();
}

std::string call(const std::function<std::string()>& hook) {
    return hook ? hook() : std::string();
}

} // namespace

UserText titleFor(const std::string& fileName) {
    const std::string name = baseName(fileName);
    return userText("Workflow", "%1 - Lumeris").arg(name.substr(0, lastCharacters(name, 4)));
}

UserText newFileTitle() {
    return userText("Workflow", "New file - Lumeris");
}

Workflow::Workflow(World& world, UserDialogs& dialogs, WorkflowHooks hooks, PictureLoader* pictures)
    : world_(world), dialogs_(dialogs), hooks_(std::move(hooks)), pictures_(pictures) {}

void Workflow::Open() {
    world_.eval.Running = false;
    world_.eval.StepsRun = 0;
    world_.eval.MovementOn = false;
    const OpenResult opened = openSchemeFile(fullName(world_.doc.FileName), world_.scheme,
                                             world_.view, world_.doc, pictures_);
    markSaved();
    if (!opened.read && opened.which != OpenCase::Invalid)
        return openFailedOnData(opened.message);
    world_.trend.restart(world_.scheme);
    switch (opened.which) {
    case OpenCase::Legacy:
        showFileTitle();
        world_.eval.Running = true;
        ++world_.scheme.RedrawRequests;
        dialogs_.message(opened.message, "Lumeris", MessageIcon::Warning);
        break;
    case OpenCase::Invalid:
        dialogs_.message(opened.message, "Lumeris", MessageIcon::Warning);
        setTitle(newFileTitle());
        break;
    case OpenCase::Current:
        showFileTitle();
        world_.eval.Running = true;
        if (hooks_.pointerNudge)
            hooks_.pointerNudge();
        ++world_.scheme.RedrawRequests;
        break;
    }
}

// What the reader got before the error is dropped, and without a name no save can write over
// the broken file: the user may fix it and open it again.
void Workflow::openFailedOnData(const UserText& message) {
    {
        const Journal::Quiet quiet(world_.scheme.journal());
        world_.scheme.empty();
    }
    world_.doc.FileName.clear();
    setTitle(newFileTitle());
    ++world_.scheme.RedrawRequests;
    dialogs_.message(message, "", MessageIcon::None);
}

void Workflow::OpenOrStart() {
    std::error_code error;
    const std::string& name = world_.doc.FileName;
    if (name.empty() || std::filesystem::exists(name, error))
        return Open();
    world_.doc.FileName = fullName(name);
    setTitle(titleFor(world_.doc.FileName));
    world_.eval.Running = true;
    markSaved();
    ++world_.scheme.RedrawRequests;
}

void Workflow::markSaved() {
    savedEdits_ = world_.scheme.journal().edits();
}

bool Workflow::Save() {
    Scheme& scheme = world_.scheme;
    BusyGuard busy(scheme);
    CPoint* remembered = scheme.CurrentView;
    showBaseView(scheme);
    if (world_.doc.FileName.empty()) {
        const auto chosen = dialogs_.saveFile(DialogFolder);
        if (!chosen) {
            showView(scheme, remembered);
            return false;
        }
        world_.doc.FileName = fullName(*chosen);
    }
    const bool written = writeFile();
    if (written) {
        markSaved();
        showFileTitle();
        followSavedFolder();
    }
    showView(scheme, remembered);
    if (written)
        ++scheme.RedrawRequests;
    return written;
}

// The new text goes to a temporary file first, so that a failed write leaves the previous
// file and its backup as they were.
bool Workflow::writeFile() {
    Scheme& scheme = world_.scheme;
    const std::string bytes = saveBytes(scheme, world_.view, world_.doc);
    const std::string& path = world_.doc.FileName;
    UserText error;
    if (!replaceKeepingBackup(path, path + ".bak", bytes, error)) {
        dialogs_.message(error, "Lumeris", MessageIcon::Error);
        return false;
    }
    scheme.Selected.clear();
    scheme.EditState = EditIdle;
    return true;
}

void Workflow::followSavedFolder() {
    DialogFolder = folderOf(world_.doc.FileName);
    if (hooks_.setCurrentFolder && !DialogFolder.empty())
        hooks_.setCurrentFolder(DialogFolder);
}

bool Workflow::saveIfEdited() {
    return !world_.scheme.journal().changedSince(savedEdits_) || Save();
}

bool Workflow::Jump(const std::string& target) {
    return jump(fullName(target), true);
}

bool Workflow::jump(const std::string& target, bool mayReturn) {
    const bool wasRunning = world_.eval.Running;
    world_.eval.Running = false;
    {
        BusyGuard busy(world_.scheme);
        if (!saveIfEdited()) {
            world_.eval.Running = wasRunning;
            return false;
        }
        const std::string previous = world_.doc.FileName; // an untitled scheme was just named
        world_.scheme.empty();
        world_.doc.FileName = target;
        Open();
        if (!world_.scheme.ItemList && mayReturn) {
            jump(previous, false);
            dialogs_.message(userText("Workflow", "Can not jump to %1").arg(target),
                             userText("Workflow", "Error"), MessageIcon::None);
        }
    }
    ++world_.scheme.RedrawRequests;
    repaintNow();
    return true;
}

// The address of a file in the scheme's folder or below is written relative to that folder,
// so that the two schemes still find each other when the folder moves.
std::string Workflow::addressFrom(const std::string& schemeFile, const std::string& target) {
    if (schemeFile.empty())
        return target;
    const std::filesystem::path relative =
        std::filesystem::path(target).lexically_relative(folderOf(schemeFile));
    if (relative.empty() || *relative.begin() == "..")
        return target;
    return relative.string();
}

void Workflow::aNew() {
    const std::string logon = call(hooks_.logonName);
    const auto chosen = dialogs_.saveFile(DialogFolder);
    if (!chosen)
        return;
    const std::string next = fullName(*chosen);
    Scheme& scheme = world_.scheme;
    ViewState& view = world_.view;

    scheme.journal().endStep(); // a failed save takes back the way forward alone
    CPoint* forward =
        scheme.createItem(utf8ToCp1251(baseName(next)), ToWorldX(view, world_.input.LastMouseX),
                          ToWorldY(view, world_.input.LastMouseY));
    forward->url = utf8ToCp1251(addressFrom(world_.doc.FileName, next));
    if (!Save()) {
        dropItem(forward);
        return;
    }
    const std::string previous = world_.doc.FileName;
    scheme.empty();
    world_.eval.StepsRun = 0;
    const Journal::Quiet quiet(scheme.journal()); // the new scheme's start is no edit
    world_.doc.FileName = next;

    CPoint* back = scheme.createItem(utf8ToCp1251(baseName(previous)), 0, 0);
    back->url = utf8ToCp1251(addressFrom(next, previous));
    CPoint* created = scheme.createItem(utf8ToCp1251(baseName(next)), 256, 64);
    scheme.Selected = {created, nullptr};
    scheme.EditState = EditItemSelected;
    created->text = utf8ToCp1251("Created " + call(hooks_.shortDate) + " by " + logon);
    world_.trend.restart(scheme);

    view.ZoomLevel = 6;
    view.Scale = 0.5f;
    view.ScreenX = -((hooks_.windowWidth ? hooks_.windowWidth() : 0) / 2);
    view.ScreenY = -((hooks_.windowHeight ? hooks_.windowHeight() : 0) / 2);
    Save();
    ++scheme.RedrawRequests;
    repaintNow();
}

// Takes an item the current action made back out, leaving no undo step behind.
void Workflow::dropItem(CPoint* item) {
    Scheme& scheme = world_.scheme;
    if (scheme.journal().recording()) {
        scheme.journal().rollback(scheme);
        return;
    }
    scheme.destroyItem(item);
}

void Workflow::aOpen() {
    if (const auto chosen = dialogs_.openFile(OpenDialogKind::Scheme, DialogFolder))
        Jump(*chosen);
    ++world_.scheme.RedrawRequests;
}

void Workflow::aSave() {
    Save();
    ++world_.scheme.RedrawRequests;
}

void Workflow::aSaveAs() {
    if (const auto chosen = dialogs_.saveFile(DialogFolder)) {
        world_.doc.FileName = fullName(*chosen);
        Save();
    }
    ++world_.scheme.RedrawRequests;
}

bool Workflow::aExit() {
    exitSaved_ = saveIfEdited();
    world_.scheme.RedrawRequests = 0;
    return exitSaved_;
}

bool Workflow::closeQuery() {
    if (exitSaved_ || (world_.doc.FileName.empty() && !world_.scheme.ItemList))
        return true;
    return saveIfEdited();
}

void Workflow::setTitle(const UserText& title) {
    Title = title;
    if (hooks_.setTitle)
        hooks_.setTitle(title);
}

void Workflow::showFileTitle() {
    setTitle(titleFor(world_.doc.FileName));
    if (hooks_.fileShown)
        hooks_.fileShown(world_.doc.FileName);
}

void Workflow::repaintNow() {
    if (hooks_.repaintNow)
        hooks_.repaintNow();
}

} // namespace lumeris
