// The window's bars and what it remembers between runs: the status line, the find bar, the
// toggles of the menu and status bars, the recent files and the window's place. All of it
// lives in the settings (QSettings), none of it in the scheme.
#include "app/find_bar.h"
#include "app/main_window.h"
#include "app/status_line.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QVBoxLayout>

namespace lumeris {

namespace {

constexpr int RecentCount = 10;

// A bar shown or hidden by its toggle, remembered in the settings under `key`.
void bindBar(QAction* toggle, QWidget* bar, QSettings* settings, const char* key) {
    const bool shown = settings ? settings->value(key, true).toBool() : true;
    toggle->setCheckable(true);
    toggle->setChecked(shown);
    bar->setVisible(shown);
    QObject::connect(toggle, &QAction::toggled, bar, [bar, settings, key](bool on) {
        bar->setVisible(on);
        if (settings)
            settings->setValue(key, on);
    });
}

} // namespace

void TfrmMain::createStatusLine() {
    statusLine_ = new StatusLine(world_, this);
    setStatusBar(statusLine_);
    // Movement leaves the items wherever it took them: offer the way to see them all.
    connect(actions_.at("aAlign"), &QAction::triggered, this, [this] {
        if (!world_.eval.MovementOn)
            statusLine_->showMessage(
                tr("Показать всю схему: %1")
                    .arg(actions_.at("aShowAll")->shortcut().toString(QKeySequence::NativeText)),
                10000);
    });
}

void TfrmMain::createFindBar() {
    findBar_ = new FindBar(world_.scheme, Panel1);
    Panel1->layout()->addWidget(findBar_);
    findBar_->onMatchesChanged = [this] {
        const std::vector<CPoint*>& found = findBar_->matches();
        painter_.emphasis.show({found.begin(), found.end()}, {}, world_.scheme.changeStamp());
        ++world_.scheme.RedrawRequests;
    };
    findBar_->onChosen = [this](CPoint* item) {
        Scheme& scheme = world_.scheme;
        scheme.Selected = {item, nullptr};
        scheme.EditState = EditItemSelected;
        startGlide(glide_, centredOn(world_.view, item->X, item->Y));
        ++scheme.RedrawRequests;
    };
}

void TfrmMain::bindBars() {
    bindBar(actions_.at("aShowMenuBar"), menuBar(), services_.settings, "bars/menu");
    bindBar(actions_.at("aShowStatusBar"), statusLine_, services_.settings, "bars/status");
}

QStringList TfrmMain::recentFiles() const {
    return services_.settings ? services_.settings->value("recent").toStringList() : recent_;
}

void TfrmMain::rememberFile(const std::string& fileName) {
    const QString file = QFileInfo(QString::fromStdString(fileName)).absoluteFilePath();
    QStringList recent = recentFiles();
    recent.removeAll(file);
    recent.prepend(file);
    while (recent.size() > RecentCount)
        recent.removeLast();
    recent_ = recent;
    if (services_.settings)
        services_.settings->setValue("recent", recent);
}

void TfrmMain::fillRecentMenu() {
    auto* menu = menuBarMenus_->findChild<QMenu*>("mRecent");
    menu->clear();
    const QStringList recent = recentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        const QString file = recent[i];
        QAction* entry = menu->addAction(
            QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(QFileInfo(file).fileName()));
        entry->setToolTip(file);
        connect(entry, &QAction::triggered, this, [this, file] { openRecent(file); });
    }
    menu->setToolTipsVisible(true);
    if (recent.isEmpty())
        menu->addAction(tr("(пусто)"))->setEnabled(false);
}

void TfrmMain::openRecent(const QString& fileName) {
    workflow_.Jump(fileName.toStdString());
    ++world_.scheme.RedrawRequests;
}

bool TfrmMain::restoreGeometryFromSettings() {
    return services_.settings &&
           restoreGeometry(services_.settings->value("window/geometry").toByteArray());
}

void TfrmMain::saveGeometryToSettings() {
    if (services_.settings)
        services_.settings->setValue("window/geometry", saveGeometry());
}

} // namespace lumeris
