#include "app/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumeris {

TfrmAbout::TfrmAbout(ShellLauncher& shell, QWidget* parent) : QDialog(parent), shell_(shell) {
    setObjectName("frmAbout");
    setWindowTitle(tr("About Lumeris"));
    auto* layout = new QVBoxLayout(this);

    auto* name = new QLabel("Lumeris 1.5", this);
    QFont large = name->font();
    large.setPointSize(24);
    large.setBold(true);
    name->setFont(large);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(
        new QLabel(tr("блокнот для просмотра, редактирования и проверки схем"), this));

    auto* address = new QLabel(
        QString("<a href=\"#\" style=\"color:#0000FF\">%1</a>").arg(ContactAddress), this);
    address->setObjectName("address");
    address->setCursor(Qt::PointingHandCursor);
    address->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(address, &QLabel::linkActivated, this, [this] { addressClicked(); });
    layout->addWidget(address, 0, Qt::AlignHCenter);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

std::string TfrmAbout::mailAddress() {
    return std::string("mailto:") + ContactAddress + "?subject=Lumeris%20-%20";
}

void TfrmAbout::addressClicked() {
    shell_.open(mailAddress());
}

} // namespace lumeris
