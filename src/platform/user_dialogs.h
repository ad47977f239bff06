// The one door through which the program talks to the user: message boxes, the yes/no
// question and the file, picture and print dialogs. The window implements it with Qt's
// modal dialogs; tests implement it with a script, so that no test ever blocks on a window.
// Every text is UTF-8; the window shows texts in the user's language (wording/user_text.h); file
// names are the file system's own (UTF-8) paths.
#pragma once

#include "wording/user_text.h"

#include <optional>
#include <string>

namespace lumeris {

enum class MessageIcon { None, Warning, Error };

// The open dialogs of the main window.
enum class OpenDialogKind {
    Scheme, // OpenDialog1: "Lumeris files (*.txt)", default "lumeris.txt", must exist
    Photo,  // OpenDialog2: any file, an item's photo
};

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // A message box with an OK button.
    virtual void message(const UserText& text, const UserText& caption, MessageIcon icon) = 0;
    // A question with the warning icon and the buttons Yes and No; true for Yes.
    virtual bool askYesNo(const UserText& text, const UserText& caption) = 0;
    // The chosen file's full path, or nothing when the user cancelled. `folder` is the
    // initial folder (empty: the dialog's own default).
    virtual std::optional<std::string> openFile(OpenDialogKind kind, const std::string& folder) = 0;
    // SaveDialog1: default "Схема.txt", asks before overwriting.
    virtual std::optional<std::string> saveFile(const std::string& folder) = 0;
    // OpenPictureDialog1: a background picture.
    virtual std::optional<std::string> pickPicture(const std::string& folder) = 0;
    // PrintDialog1: true when the user confirmed printing.
    virtual bool printDialog() = 0;
};

} // namespace lumeris
