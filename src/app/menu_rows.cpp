// Builds a menu from a table of rows (menu_rows.h).
#include "app/menu_rows.h"
#include "app/main_window.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include <vector>

namespace lumeris {

namespace {

QString caption(const MenuRow& row) {
    return QCoreApplication::translate("Menu", row.caption);
}

} // namespace

void TfrmMain::fillMenu(QMenu* root, std::span<const MenuRow> rows) {
    std::vector<QMenu*> open{root};
    for (const MenuRow& row : rows) {
        QMenu* menu = open.back();
        QAction* item = nullptr;
        switch (row.kind) {
        case Row::Action:
            menu->addAction(actions_.at(row.name));
            break;
        case Row::ShownAs: {
            QAction* target = actions_.at(row.action);
            item = menu->addAction(caption(row));
            item->setObjectName(row.name);
            item->setShortcut(target->shortcut());
            item->setShortcutContext(Qt::WidgetShortcut); // the action itself owns the key
            connect(item, &QAction::triggered, target, &QAction::trigger);
            break;
        }
        case Row::Entry:
            item = menu->addAction(caption(row));
            item->setObjectName(row.name);
            connect(item, &QAction::triggered, this, row.click);
            break;
        case Row::Paper:
            menu->addAction(pmPaper->findChild<QAction*>(row.name, Qt::FindChildrenRecursively));
            break;
        case Row::Submenu: {
            QMenu* sub = menu->addMenu(caption(row));
            sub->setObjectName(row.name);
            sub->menuAction()->setObjectName(row.name);
            sub->menuAction()->setVisible(!(row.flags & Hidden));
            open.push_back(sub);
            break;
        }
        case Row::End:
            open.pop_back();
            break;
        case Row::Separator:
            menu->addSeparator();
            break;
        }
        if (!item)
            continue;
        if (row.flags & Radio) {
            auto* group = menu->findChild<QActionGroup*>(QString(), Qt::FindDirectChildrenOnly);
            (group ? group : new QActionGroup(menu))->addAction(item);
        }
        item->setCheckable(row.flags & (Checkable | Radio));
        item->setChecked(row.flags & Checked);
    }
}

} // namespace lumeris
