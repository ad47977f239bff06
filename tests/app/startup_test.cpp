#include "app_fixture.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace lumeris::test {
namespace {

TEST_F(AppTest, StartsWithTheArgumentAndCreatesEveryWindow) {
    makeScheme("lumeris.txt", {"default"});
    makeScheme("a.txt", {"one", "two"});
    const char* argv[] = {"lumeris", nullptr};
    const std::string aFile = path("a.txt");
    argv[1] = aFile.c_str();
    start(startupFileName(2, argv, dir.path().string()));

    EXPECT_EQ(world.scheme.ItemCount, 2); // lumeris.txt is ignored
    EXPECT_EQ(main().windowTitle(), "a - Lumeris");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(world.eval.Running);
    EXPECT_TRUE(main().Timer1.isActive());
    EXPECT_EQ(main().Timer1.interval(), 50);
    EXPECT_EQ(main().canvas()->objectName(), "DXDraw1");
    EXPECT_EQ(app->frmProp2.windowTitle(), "Text");
    EXPECT_EQ(app->frmAbout.windowTitle(), "About Lumeris");
    EXPECT_EQ(app->frmMatrix.windowTitle(), QString::fromUtf8("Создать сеть"));
    EXPECT_EQ(app->frmProp.parentWidget(), &main());
    EXPECT_EQ(app->frmText.parentWidget(), &main());
    EXPECT_FALSE(app->frmProp.isVisible());
    EXPECT_EQ(world.scheme.MouseButtonState, MouseButtonNone);
    EXPECT_GT(world.scheme.RedrawRequests, 0);

    app->show();
    EXPECT_TRUE(main().isMaximized());
    EXPECT_EQ(world.view.CanvasWidth, main().canvas()->width());
    EXPECT_EQ(main().surface().Front.width(), main().canvas()->width());
}

TEST_F(AppTest, StartsWithAnEmptySchemeWhenLumerisTxtIsMissing) {
    const char* argv[] = {"lumeris"};
    const std::string file = startupFileName(1, argv, dir.path().string());
    EXPECT_EQ(file, path("lumeris.txt"));
    start(file);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Invalid data file");
    EXPECT_EQ(dialogs.messages[0].caption, "Lumeris");
    EXPECT_EQ(main().windowTitle(), "New file - Lumeris");
    EXPECT_EQ(world.scheme.ItemList, nullptr);
    EXPECT_TRUE(world.doc.FileName.empty());
}

// A name given on the command line for a file that does not exist yet is the new scheme's.
TEST_F(AppTest, StartsANamedEmptySchemeForAMissingFileGivenByName) {
    start(path("new.txt"), true);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(main().windowTitle(), "new - Lumeris");
    EXPECT_EQ(world.doc.FileName, path("new.txt"));
}

TEST_F(AppTest, TextWindowSitsItsOuterHeightAndAHundredAboveTheScreenBottom) {
    start(path("missing.txt"));
    app->frmProp2.show();
    const int screen = QGuiApplication::primaryScreen()->geometry().height();
    const QRect outer = app->frmProp2.frameGeometry();
    EXPECT_GT(outer.height(), app->frmProp2.height()); // the frame counts
    EXPECT_EQ(outer.left(), 4);
    EXPECT_EQ(outer.top(), screen - outer.height() - 100);
}

TEST_F(AppTest, ActionsCarryTheirCaptionsHintsAndShortcuts) {
    start(path("none.txt"));
    const struct {
        const char* name;
        const char* caption;
        const char* shortcut;
    } expected[] = {{"aOpen", "Открыть...", "F12"},
                    {"aSave", "Сохранить", "F2"},
                    {"aPrint", "Печать...", "Ctrl+P"},
                    {"aExit", "Выход", "F10"},
                    {"aRun", "Выполнять/остановить", "F9"},
                    {"aReset", "Сброс значений", "Ctrl+F9"},
                    {"aNewItem", "Точка", "Ins"},
                    {"aDelete", "Удалить", "Del"},
                    {"aCenterScreen", "Центрировать", "Ctrl+A"},
                    {"aTeach", "Обучить", "Ctrl+F4"},
                    {"aExitDontSave", "Выйти без сохранения", "Ctrl+Q"},
                    {"aNew", "Новая схема...", ""},
                    {"aUnite", "Объединить точки", ""},
                    {"aUndo", "Отменить", "Ctrl+Z"},
                    {"aRedo", "Повторить", "Ctrl+Y"},
                    {"aLoops", "Петли и связи...", ""},
                    {"aImport", "Импорт...", ""},
                    {"aExport", "Экспорт...", ""}};
    for (const auto& row : expected) {
        QAction* action = main().action(row.name);
        ASSERT_NE(action, nullptr) << row.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(row.caption)) << row.name;
        EXPECT_EQ(action->shortcut(), QKeySequence(row.shortcut)) << row.name;
    }
    EXPECT_EQ(main().action("aTeach")->toolTip(),
              QString::fromUtf8("Подстроить коэффициенты связей"));
    EXPECT_EQ(main().action("aDelete")->toolTip(), QString::fromUtf8("Удалить -  (Del)"));
    EXPECT_EQ(main().action("aRedo")->shortcuts().value(1), QKeySequence("Ctrl+Shift+Z"));
    EXPECT_EQ(main().actions().size(), 34 + 7); // and those that came with the menu bar
}

QStringList texts(const QMenu* menu) {
    QStringList list;
    for (const QAction* action : menu->actions())
        list << (action->isSeparator() ? "-" : action->text());
    return list;
}

TEST_F(AppTest, ContextMenuIsInItsOrderWithHiddenSubmenus) {
    start(path("none.txt"));
    QMenu* menu = main().menu();
    EXPECT_EQ(texts(menu),
              QString::fromUtf8(
                  "Файл|Правка|Misc|-|Выполнять|Шаг|Обнулить точку|Сброс значений|"
                  "Обучить|Инвентировать связи|Значения|-|Рисунок...|Числа|"
                  "Трассировка|График значений|Линии|Названия |Показать всё|-|Петли и связи...")
                  .split('|'));
    const QList<QAction*> top = menu->actions();
    EXPECT_FALSE(top[2]->isVisible());  // Misc
    EXPECT_FALSE(top[10]->isVisible()); // Значения
    EXPECT_EQ(texts(top[0]->menu()),
              QString::fromUtf8("Новая схема...|Открыть...|Сохранить|Сохранить как...|Импорт...|"
                                "Экспорт...|-|Печать...|Печать всей схемы...|Экспорт рисунка...|"
                                "Выйти без сохранения|-|Язык / Language|О программе...|-|Выход")
                  .split('|'));
    EXPECT_EQ(texts(top[1]->menu()),
              QString::fromUtf8("Новая точка|Удалить|-|Вырезать|Копировать|Вставить|-|"
                                "Вставить Избранное|Движение|Матрица...|-|Отменить|Повторить")
                  .split('|'));
    EXPECT_EQ(texts(top[2]->menu()), QStringList{"Paste Lisp src"});
    EXPECT_EQ(
        texts(top[10]->menu()),
        QString::fromUtf8("Двоичные (boolean)|Нечеткие (fuzzy)|Действительные (real)").split('|'));
    // Ticks: the fuzzy entry although new items are real, links and names shown.
    EXPECT_TRUE(top[10]->menu()->actions()[1]->isChecked());
    EXPECT_EQ(world.scheme.DefaultItemType, TypeReal);
    EXPECT_TRUE(top[16]->isChecked());
    EXPECT_TRUE(top[17]->isChecked());
    EXPECT_FALSE(top[12]->isChecked());

    // The run entry follows the run toggle; opening the menu sets PopupShown.
    world.eval.Running = true;
    top[4]->trigger();
    EXPECT_FALSE(world.eval.Running);
    EXPECT_FALSE(top[4]->isChecked());
    EXPECT_TRUE(world.scheme.SchemeChanged);
    emit menu->aboutToShow();
    EXPECT_TRUE(world.input.PopupShown);
    // A radio entry sets the type of new items.
    top[10]->menu()->actions()[0]->trigger();
    EXPECT_EQ(world.scheme.DefaultItemType, TypeBoolean);
    EXPECT_TRUE(top[10]->menu()->actions()[0]->isChecked());
}

} // namespace
} // namespace lumeris::test
