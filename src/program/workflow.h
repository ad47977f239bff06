// The document workflow: open, save, jump and new scheme, and the actions built on them.
// Every step that leaves a scheme saves it first when it was edited since it was read or last
// saved, and stays when that save fails; every save keeps the replaced file as its ".bak".
// The user is reached only through UserDialogs, the window only through the hooks.
#pragma once

#include "platform/picture_loader.h"
#include "platform/user_dialogs.h"
#include "program/world.h"

#include <cstdint>
#include <functional>
#include <string>

namespace lumeris {

// What the workflow needs from the window around it. Every member may be left empty.
struct WorkflowHooks {
    std::function<void(const UserText&)> setTitle;            // the main window's title
    std::function<void(const std::string&)> setCurrentFolder; // the process's current folder
    std::function<void()> pointerNudge; // the canvas handles a move to (LastMouseX + 1, LastMouseY)
    std::function<void()> repaintNow;   // Repaint at once
    std::function<std::string()> logonName; // the user's logon name (UTF-8)
    std::function<std::string()> shortDate; // today in the user's short date format (UTF-8)
    std::function<int()> windowWidth;       // the main window's outer size
    std::function<int()> windowHeight;
    std::function<void(const std::string&)> fileShown; // a scheme was read or written: its path
};

// "notes.txt" -> "notes - Lumeris": the name without folder and without its last four
// characters (whatever they are).
UserText titleFor(const std::string& fileName);
// The title of a scheme that has no file.
UserText newFileTitle();

class Workflow {
  public:
    Workflow(World& world, UserDialogs& dialogs, WorkflowHooks hooks,
             PictureLoader* pictures = nullptr);

    // Reads doc.FileName into the empty scheme; a failure shows up as an empty scheme. A data
    // error leaves it untitled, so that no save writes over the broken file.
    void Open();
    // The start-up scheme named on the command line: a file that does not exist yet starts an
    // empty scheme under that name, which the first save creates.
    void OpenOrStart();
    // Writes the scheme to doc.FileName, asking for a file with the save dialog when there is
    // none. False when the user cancelled the dialog or the file could not be written (the
    // error box said why).
    bool Save();
    // Saves when an edit happened since the scheme was read or last saved. False when that
    // save failed: whoever was leaving the scheme stays.
    bool saveIfEdited();
    // Saves if edited, empties the scheme and opens target; goes back when target yields no
    // items. False when the save failed: the scheme stays as it was.
    bool Jump(const std::string& target);

    void aNew();
    void aOpen();
    void aSave();
    void aSaveAs();
    // Saves if edited; true when the window may close now (closing then saves nothing more).
    bool aExit();
    // Closing the window: saves if edited, unless there is neither a file name nor any item
    // or aExit has just saved. True when the window may close.
    bool closeQuery();

    // The initial folder of the file dialogs: the folder of the last file saved.
    std::string DialogFolder;
    UserText Title = "Lumeris";

  private:
    bool jump(const std::string& target, bool mayReturn);
    static std::string addressFrom(const std::string& schemeFile, const std::string& target);
    void dropItem(CPoint* item);
    void openFailedOnData(const UserText& message);
    void markSaved();
    void setTitle(const UserText& title);
    // The title of the file in use, which the window also remembers among the recent files.
    void showFileTitle();
    void followSavedFolder();
    bool writeFile();
    void repaintNow();

    World& world_;
    UserDialogs& dialogs_;
    WorkflowHooks hooks_;
    PictureLoader* pictures_;
    std::uint64_t savedEdits_ = 0; // the journal's edit count when the scheme was read or saved
    bool exitSaved_ = false;
};

} // namespace lumeris
