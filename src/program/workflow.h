// The document workflow: open, save, jump and new scheme, and the actions built on them.
// Every step that leaves a scheme saves it first; every save keeps the replaced file as its
// ".bak". The user is reached only through UserDialogs, the window only through the hooks.
#pragma once

#include "platform/picture_loader.h"
#include "platform/user_dialogs.h"
#include "program/world.h"

#include <functional>
#include <string>

namespace lumeris {

// What the workflow needs from the window around it. Every member may be left empty.
struct WorkflowHooks {
    std::function<void(const UserText&)> setTitle;            // the main window's title
    std::function<void(const std::string&)> setCurrentFolder; // the process's current folder
    std::function<void()> pointerNudge; // the canvas handles a move to (LastMouseX + 1, LastMouseY)
    std::function<void()> repaintNow;   // Repaint at once
    std::function<void(int)> endProgram;    // after a data error
    std::function<std::string()> logonName; // the user's logon name (UTF-8)
    std::function<std::string()> shortDate; // today in the user's short date format (UTF-8)
    std::function<int()> windowWidth;       // the main window's outer size
    std::function<int()> windowHeight;
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

    // Reads doc.FileName into the empty scheme; a failure shows up as an empty scheme.
    void Open();
    // Writes the scheme to doc.FileName, asking for a file when there is none. False when the
    // user cancelled the dialog or the file could not be written (the error box said why).
    bool Save();
    // Saves, empties the scheme and opens target; goes back when target yields no items.
    void Jump(const std::string& target);

    void aNew();
    void aOpen();
    void aSave();
    void aSaveAs();
    // Saves; true when the window may close now.
    bool aExit();
    // Closing the window: saves unless there is neither a file name nor any item. True when
    // the window may close.
    bool closeQuery();

    // The initial folder of the file dialogs: the folder of the last file saved.
    std::string DialogFolder;
    UserText Title = "Lumeris";

  private:
    void jump(const std::string& target, bool mayReturn);
    void openFailedOnData(const UserText& message);
    void setTitle(const UserText& title);
    void followSavedFolder();
    bool writeFile();
    void repaintNow();

    World& world_;
    UserDialogs& dialogs_;
    WorkflowHooks hooks_;
    PictureLoader* pictures_;
};

} // namespace lumeris
