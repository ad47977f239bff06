#include "app/help_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

// The guide lives in the static UI library, whose resources a program must ask for.
static void loadHelpResource() {
    Q_INIT_RESOURCE(help);
}

namespace lumeris {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("frmHelp");
    setWindowTitle(tr("Справка — Lumeris"));
    browser_->setObjectName("HelpText");
    browser_->setOpenExternalLinks(true);
    loadHelpResource();
    QFile guide(QStringLiteral(":/help/guide.md"));
    guide.open(QIODevice::ReadOnly);
    browser_->setMarkdown(QString::fromUtf8(guide.readAll()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 640);
}

} // namespace lumeris
