// Opening an item's address: web pages and ordinary files go to the shell, a scheme file
// replaces the one on screen, and a scheme on the web is fetched into a file first.
#pragma once

#include "platform/http_client.h"
#include "platform/shell_launcher.h"
#include "platform/user_dialogs.h"
#include "program/workflow.h"
#include "program/world.h"

#include <functional>
#include <string>

namespace lumeris {

struct AddressServices {
    UserDialogs& dialogs;
    ShellLauncher& shell;
    HttpClient& http;
    std::string programFolder;             // where a name not found as given is looked for
    std::function<void()> processMessages; // lets pending window messages through
};

// The file a scheme fetched for the item named `name` (Windows-1251) is written to, in the
// current folder: the name followed by "-tmp.txt". The name may come from the web, so path
// separators and control characters become "_", and an empty name, "." or ".." is
// "scheme": the file is always a plain file in the current folder.
std::string fetchedSchemeFile(const std::string& name);

class AddressOpener {
  public:
    AddressOpener(World& world, Workflow& workflow, AddressServices services);

    // Opens the address of the Selected item (the panel's open button, the label click and
    // the double click). While a fetch is pending, another open is ignored.
    void openAddress();
    bool fetching() const { return fetching_; }
    // The program is closing: a pending fetch ends at once and its half-written file goes
    // now (the process may end before the wait returns); nothing is opened or reported.
    void cancel();

  private:
    bool openWebAddress(const std::string& url, const std::string& name);
    bool fetchScheme(const std::string& url, const std::string& name);
    bool openFile(const std::string& url);
    std::string fileNamed(const std::string& name) const;
    void toShell(const std::string& file);
    ShellFailure reportFailure(const std::string& address);
    void IdHTTP1WorkEnd(const HttpOutcome& outcome);

    World& world_;
    Workflow& workflow_;
    AddressServices services_;
    bool fetching_ = false;
    bool RequestFinished_ = true;
    bool cancelled_ = false;
    std::string pendingFile_; // the file the pending fetch writes
    HttpOutcome outcome_;
};

} // namespace lumeris
