// The user dialogs as Qt's modal message boxes and file, picture and print dialogs.
#pragma once

#include "platform/user_dialogs.h"

class QWidget;
class QPrinter;

namespace lumeris {

class QtUserDialogs : public UserDialogs {
  public:
    // The dialogs open over `parent`; the print dialog configures `printer`.
    QtUserDialogs(QWidget* parent, QPrinter* printer) : parent_(parent), printer_(printer) {}
    // The main window, once it exists.
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const UserText& text, const UserText& caption, MessageIcon icon) override;
    Answer askYesNoCancel(const UserText& text, const UserText& caption) override;
    std::optional<std::string> openFile(OpenDialogKind kind, const std::string& folder) override;
    std::optional<std::string> saveFile(const std::string& folder) override;
    std::optional<std::string> exportFile(const std::string& folder) override;
    std::optional<std::string> pickPicture(const std::string& folder) override;
    bool printDialog() override;
    std::optional<PictureExportChoice> exportPicture(const std::string& suggested) override;

  private:
    QWidget* parent_;
    QPrinter* printer_;
};

} // namespace lumeris
