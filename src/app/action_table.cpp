// ActionList1: one row per action. Actions whose commands come with later parts of the
// program have no handler yet; they exist with their captions and shortcuts all the same.
#include "app/main_window.h"

#include <QAction>
#include <QCoreApplication>

namespace lumeris {

namespace {

struct ActionRow {
    const char* name;
    const char* caption;
    const char* hint; // empty: none
    const char* shortcut;
    void (TfrmMain::*execute)();
};

const ActionRow ActionTable[] = {
    {"aNew", "Новая схема...", "", "", &TfrmMain::aNewExecute},
    {"aOpen", "Открыть...", "", "F12", &TfrmMain::aOpenExecute},
    {"aSave", "Сохранить", "", "F2", &TfrmMain::aSaveExecute},
    {"aSaveAs", "Сохранить как...", "", "", &TfrmMain::aSaveAsExecute},
    {"aImport", QT_TRANSLATE_NOOP("TfrmMain", "Импорт..."), "", "", &TfrmMain::aImportExecute},
    {"aExport", QT_TRANSLATE_NOOP("TfrmMain", "Экспорт..."), "", "", &TfrmMain::aExportExecute},
    {"aAddFavorites", "Вставить Избранное", "", "", &TfrmMain::aAddFavoritesExecute},
    {"aPrint", "Печать...", "", "Ctrl+P", &TfrmMain::aPrintExecute},
    {"aPrintWhole", QT_TRANSLATE_NOOP("lumeris::TfrmMain", "Печать всей схемы..."), "", "",
     &TfrmMain::aPrintWholeExecute},
    {"aExportPicture", QT_TRANSLATE_NOOP("lumeris::TfrmMain", "Экспорт рисунка..."), "", "",
     &TfrmMain::aExportPictureExecute},
    {"aExit", "Выход", "", "F10", &TfrmMain::aExitExecute},
    {"aRun", "Выполнять/остановить", "", "F9", &TfrmMain::aRunExecute},
    {"aStep", "Шаг", "", "F7", &TfrmMain::aStepExecute},
    {"aReset", "Сброс значений", "", "Ctrl+F9", &TfrmMain::aResetExecute},
    {"aNewItem", "Точка", "", "Ins", &TfrmMain::aNewItemExecute},
    {"aPaste", "Вставить", "", "Ctrl+V", &TfrmMain::aPasteExecute},
    {"aDelete", "Удалить", "Удалить -  (Del)", "Del", &TfrmMain::aDeleteExecute},
    {"aClone", "Создать копию", "", "F5", &TfrmMain::aCloneExecute},
    {"aSplit", "Разделить точку на вход и выход", "", "F6", &TfrmMain::aSplitExecute},
    {"aUnite", "Объединить точки", "Объединить вход и выход в одну точки", "",
     &TfrmMain::aUniteExecute},
    {"aResetPoint", "Обнулить точку", "", "F11", &TfrmMain::aResetPointExecute},
    {"aCenterScreen", "Центрировать", "", "Ctrl+A", &TfrmMain::aCenterScreenExecute},
    {"aAlign", "Движение", "", "Ctrl+F2", &TfrmMain::aAlignExecute},
    {"aTeach", "Обучить", "Подстроить коэффициенты связей", "Ctrl+F4", &TfrmMain::aTeachExecute},
    {"aCopy", "Копировать", "", "Ctrl+C", &TfrmMain::aCopyExecute},
    {"aCut", "Вырезать", "", "Ctrl+X", &TfrmMain::aCutExecute},
    {"aMatrix", "Матрица", "", "", &TfrmMain::aMatrixExecute},
    {"aShowVolumes", "Трассировка", "", "F4", &TfrmMain::aShowVolumesExecute},
    {"aShowValues", "Числа", "", "F3", &TfrmMain::aShowValuesExecute},
    {"aExitDontSave", "Выйти без сохранения", "", "Ctrl+Q", &TfrmMain::aExitDontSaveExecute},
    {"aUndo", "Отменить", "", "Ctrl+Z", &TfrmMain::aUndoExecute},
    {"aRedo", "Повторить", "", "Ctrl+Y", &TfrmMain::aRedoExecute},
    {"aLoops", QT_TRANSLATE_NOOP("lumeris::TfrmMain", "Петли и связи..."), "", "",
     &TfrmMain::aLoopsExecute},
    {"aValueChart", QT_TRANSLATE_NOOP("lumeris::TfrmMain", "График значений"),
     QT_TRANSLATE_NOOP("lumeris::TfrmMain", "Значения точек по шагам"), "",
     &TfrmMain::aValueChartExecute},
};

} // namespace

void TfrmMain::createActions() {
    for (const ActionRow& row : ActionTable) {
        auto* action = new QAction(tr(row.caption), this);
        action->setObjectName(row.name);
        if (*row.hint) {
            action->setToolTip(tr(row.hint));
            action->setStatusTip(tr(row.hint));
        }
        action->setShortcut(QKeySequence(QString::fromUtf8(row.shortcut)));
        if (row.execute)
            connect(action, &QAction::triggered, this, row.execute);
        addAction(action);
        actions_[row.name] = action;
    }
    actions_["aRedo"]->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    // The check marks shown in the menu.
    actions_["aAlign"]->setCheckable(true);
    actions_["aShowValues"]->setCheckable(true);
    actions_["aShowVolumes"]->setCheckable(true);
}

QAction* TfrmMain::action(const std::string& name) const {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

} // namespace lumeris
