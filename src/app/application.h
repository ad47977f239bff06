// Start-up: the application's title, the six windows in their order with their parents and
// places, and the services they reach the system through. The windows live as long as this
// object; a test builds one with scripted services.
#pragma once

#include "app/about_box.h"
#include "app/main_window.h"
#include "import/qt/matrix_dialog.h"
#include "program/world.h"
#include "props/qt/prop_panel.h"
#include "props/qt/text_windows.h"

#include <memory>
#include <random>
#include <string>

namespace lumeris {

// The scheme file to open: the first argument, else "lumeris.txt" in the program's folder.
std::string startupFileName(int argc, const char* const* argv, const std::string& programFolder);

// The operating system's name of the current user; empty when it cannot be found.
std::string osLogonName();
// Today in the user's short date format.
std::string localShortDate();

class Application {
  public:
    // Creates the windows (the main window opens the start-up scheme); nothing is shown yet.
    // `createMissing`: the name was given on the command line, and a file that does not exist
    // yet starts an empty scheme under it.
    Application(World& world, MainServices services, const std::string& fileName,
                bool createMissing = false);

    // Shows the main window where the settings left it, else maximised.
    void show();

    TfrmMain frmMain;
    TfrmProp2 frmProp2;
    TfrmProp frmProp;
    TfrmAbout frmAbout;
    TfrmText frmText;

  private:
    std::mt19937 random_; // the network generator's random values

  public:
    MatrixDialog frmMatrix;
};

} // namespace lumeris
