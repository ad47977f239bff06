// pmPaper, the canvas's context menu (the program has no menu bar).
#include "app/main_window.h"

#include <QActionGroup>
#include <QMenu>

namespace lumeris {

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A menu entry with its own caption that runs an action of the table.
QAction* shownAs(QMenu* menu, QAction* target, const char* caption, const char* name) {
    QAction* entry = menu->addAction(text(caption));
    entry->setObjectName(name);
    entry->setShortcut(target->shortcut());
    entry->setShortcutContext(Qt::WidgetShortcut); // the action itself owns the key
    QObject::connect(entry, &QAction::triggered, target, &QAction::trigger);
    return entry;
}

QAction* entry(QMenu* menu, const char* caption, const char* name) {
    QAction* item = menu->addAction(text(caption));
    item->setObjectName(name);
    return item;
}

QMenu* submenu(QMenu* menu, const char* caption, const char* name) {
    QMenu* sub = menu->addMenu(text(caption));
    sub->setObjectName(name);
    sub->menuAction()->setObjectName(name);
    return sub;
}

} // namespace

void TfrmMain::createMenu() {
    pmPaper = new QMenu(this);
    pmPaper->setObjectName("pmPaper");
    auto a = [this](const char* name) { return actions_.at(name); };

    QMenu* file = submenu(pmPaper, "Файл", "mFile");
    file->addActions({a("aNew"), a("aOpen"), a("aSave"), a("aSaveAs")});
    file->addSeparator();
    file->addActions({a("aPrint"), a("aExitDontSave")});
    file->addSeparator();
    connect(entry(file, "О программе...", "mAbout"), &QAction::triggered, this,
            &TfrmMain::AboutClick);
    file->addSeparator();
    file->addAction(a("aExit"));

    QMenu* edit = submenu(pmPaper, "Правка", "mEdit");
    shownAs(edit, a("aNewItem"), "Новая точка", "mNewItem");
    edit->addAction(a("aDelete"));
    edit->addSeparator();
    edit->addActions({a("aCut"), a("aCopy"), a("aPaste")});
    edit->addSeparator();
    edit->addActions({a("aAddFavorites"), a("aAlign")});
    shownAs(edit, a("aMatrix"), "Матрица...", "mMatrix");

    QMenu* misc = submenu(pmPaper, "Misc", "mMisc");
    connect(entry(misc, "Paste Lisp src", "PasteLisp1"), &QAction::triggered, this,
            &TfrmMain::PasteLisp1Click);
    misc->menuAction()->setVisible(false);

    pmPaper->addSeparator();
    QAction* running = shownAs(pmPaper, a("aRun"), "Выполнять", "mRunning");
    running->setCheckable(true);
    running->setChecked(true);
    pmPaper->addActions({a("aStep"), a("aResetPoint"), a("aReset"), a("aTeach")});
    connect(entry(pmPaper, "Инвентировать связи", "N1"), &QAction::triggered, this,
            &TfrmMain::N1Click);

    QMenu* values = submenu(pmPaper, "Значения", "mValues");
    auto* logic = new QActionGroup(values);
    const struct {
        const char* caption;
        const char* name;
        DefaultLogic logic;
    } types[] = {{"Двоичные (boolean)", "mLogicBoolean", DefaultLogic::Boolean},
                 {"Нечеткие (fuzzy)", "mLogicVolumes", DefaultLogic::Fuzzy},
                 {"Действительные (real)", "mLogicReal", DefaultLogic::Real}};
    for (const auto& type : types) {
        QAction* item = entry(values, type.caption, type.name);
        item->setCheckable(true);
        logic->addAction(item);
        const DefaultLogic logic = type.logic;
        connect(item, &QAction::triggered, this, [this, logic] { setDefaultItemType(logic); });
    }
    values->findChild<QAction*>("mLogicVolumes")->setChecked(true);
    values->menuAction()->setVisible(false);

    pmPaper->addSeparator();
    QAction* picture = entry(pmPaper, "Рисунок...", "mPicture");
    picture->setCheckable(true);
    connect(picture, &QAction::triggered, this, &TfrmMain::mPictureClick);
    pmPaper->addActions({a("aShowValues"), a("aShowVolumes")});
    QAction* links = entry(pmPaper, "Линии", "mShowLinks");
    connect(links, &QAction::triggered, this, &TfrmMain::mShowLinksClick);
    QAction* names = entry(pmPaper, "Названия ", "mShowNames");
    connect(names, &QAction::triggered, this, &TfrmMain::mShowNamesClick);
    for (QAction* toggle : {links, names}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }

    connect(pmPaper, &QMenu::aboutToShow, this, [this] {
        world_.input.PopupShown = true;
        syncChecks();
    });
}

} // namespace lumeris
