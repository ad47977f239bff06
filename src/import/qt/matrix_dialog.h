// TfrmMatrix ("Создать сеть"), the network generator's modal dialog. Create builds the network
// at the world point under the pointer and closes the dialog; a field without a number is
// reported and the dialog stays open with nothing created.
#pragma once

#include "platform/user_dialogs.h"
#include "program/world.h"

#include <QDialog>

#include <random>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lumeris {

class MatrixDialog : public QDialog {
    Q_OBJECT

  public:
    // `random` draws the values when "Случайные значения" is ticked; the caller seeds it.
    MatrixDialog(World& world, UserDialogs& dialogs, std::mt19937& random,
                 QWidget* parent = nullptr);

    QLineEdit* meY;  // rows
    QLineEdit* meDY; // row step
    QLineEdit* meX;  // columns
    QLineEdit* meDX; // column step
    QCheckBox* cbRandom;
    QPushButton* Button1; // Create
    QPushButton* Button2; // Cancel

    void Button1Click();

  private:
    QLineEdit* numberField(const char* name, const char* text);

    World& world_;
    UserDialogs& dialogs_;
    std::mt19937& random_;
};

} // namespace lumeris
