#include "import/qt/matrix_dialog.h"

#include "import/network.h"
#include "view/transform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumeris {

MatrixDialog::MatrixDialog(World& world, UserDialogs& dialogs, std::mt19937& random,
                           QWidget* parent)
    : QDialog(parent), world_(world), dialogs_(dialogs), random_(random) {
    setObjectName("frmMatrix");
    setWindowTitle(tr("Создать сеть"));
    setModal(true);
    meY = numberField("meY", "3");
    meDY = numberField("meDY", "64");
    meX = numberField("meX", "10");
    meDX = numberField("meDX", "64");
    cbRandom = new QCheckBox(tr("Случайные значения"), this);
    cbRandom->setObjectName("cbRandom");
    Button1 = new QPushButton(tr("Create"), this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("Cancel"), this);
    Button2->setObjectName("Button2");

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Строк"), this), 0, 0);
    grid->addWidget(meY, 0, 1);
    grid->addWidget(new QLabel(tr("шаг"), this), 0, 2);
    grid->addWidget(meDY, 0, 3);
    grid->addWidget(new QLabel(tr("Столбцов"), this), 1, 0);
    grid->addWidget(meX, 1, 1);
    grid->addWidget(new QLabel(tr("шаг"), this), 1, 2);
    grid->addWidget(meDX, 1, 3);
    grid->addWidget(cbRandom, 2, 0, 1, 4);
    grid->addWidget(Button1, 3, 0, 1, 2);
    grid->addWidget(Button2, 3, 2, 1, 2);

    connect(Button1, &QPushButton::clicked, this, &MatrixDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

// Three digits at most, blanks shown as spaces.
QLineEdit* MatrixDialog::numberField(const char* name, const char* text) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setInputMask("999; ");
    field->setText(text);
    return field;
}

void MatrixDialog::Button1Click() {
    BusyGuard busy(world_.scheme);
    const NetworkFields fields{meY->text().toStdString(), meDY->text().toStdString(),
                               meX->text().toStdString(), meDX->text().toStdString()};
    NetworkShape shape;
    if (const UserText error = readNetworkShape(fields, shape); !error.empty()) {
        dialogs_.message(error, "Lumeris", MessageIcon::Error);
        return;
    }
    generateNetwork(world_.scheme, shape, ToWorldX(world_.view, world_.input.LastMouseX),
                    ToWorldY(world_.view, world_.input.LastMouseY),
                    cbRandom->isChecked() ? &random_ : nullptr);
    accept();
    ++world_.scheme.RedrawRequests;
}

} // namespace lumeris
