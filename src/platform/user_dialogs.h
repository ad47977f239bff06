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

enum class Answer { Yes, No, Cancel };

// The open dialogs of the main window.
enum class OpenDialogKind {
    Scheme,   // OpenDialog1: "Lumeris files (*.txt)", default "lumeris.txt", must exist
    Photo,    // OpenDialog2: any file, an item's photo
    Lisp,     // a Lisp source file
    Folder,   // a folder, not a file: the bookmarks to import
    Exchange, // a graph from other tools: GraphML or CSV
};

// The answer of the picture export dialog.
struct PictureExportChoice {
    std::string file;  // its ending chooses the format: .png, .svg or .pdf
    bool wholeScheme;  // every visible item, fitted; else the current view
    double pixelScale; // PNG pixels per canvas pixel
};

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // A message box with an OK button.
    virtual void message(const UserText& text, const UserText& caption, MessageIcon icon) = 0;
    // A question with the warning icon and the buttons Yes, No and Cancel; closing the box
    // is Cancel.
    virtual Answer askYesNoCancel(const UserText& text, const UserText& caption) = 0;
    // The chosen file's full path, or nothing when the user cancelled. `folder` is the
    // initial folder (empty: the dialog's own default).
    virtual std::optional<std::string> openFile(OpenDialogKind kind, const std::string& folder) = 0;
    // SaveDialog1: default "Схема.txt", asks before overwriting.
    virtual std::optional<std::string> saveFile(const std::string& folder) = 0;
    // Where to export the scheme for other tools; the name's ending (.graphml, .csv or .dot)
    // chooses the format.
    virtual std::optional<std::string> exportFile(const std::string& folder) = 0;
    // OpenPictureDialog1: a background picture.
    virtual std::optional<std::string> pickPicture(const std::string& folder) = 0;
    // PrintDialog1: true when the user confirmed printing.
    virtual bool printDialog() = 0;
    // "Экспорт рисунка...": the file, what it shows and the PNG scale; nothing when the user
    // cancelled. `suggested` is the file name offered first.
    virtual std::optional<PictureExportChoice> exportPicture(const std::string& suggested) = 0;
};

} // namespace lumeris
