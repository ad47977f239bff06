// TfrmAbout: the program's name, its one-line description and the maker's address, which
// opens a new mail message through the shell.
#pragma once

#include "platform/shell_launcher.h"

#include <QDialog>
#include <string>

namespace lumeris {

inline constexpr const char* ContactAddress = "lumeris@example.org";

class TfrmAbout : public QDialog {
    Q_OBJECT
  public:
    TfrmAbout(ShellLauncher& shell, QWidget* parent = nullptr);

    // The mailto address the link opens.
    static std::string mailAddress();
    // Clicking the address.
    void addressClicked();

  private:
    ShellLauncher& shell_;
};

} // namespace lumeris
