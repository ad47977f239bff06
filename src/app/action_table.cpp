// ActionList1: one row per action; captions and hints are translated as the actions are made.
// Actions whose commands come with later parts of the program have no handler yet; they exist with
// their captions and shortcuts all the same.
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
    {"aNew", QT_TRANSLATE_NOOP("Action", "Новая схема..."), "", "", &TfrmMain::aNewExecute},
    {"aOpen", QT_TRANSLATE_NOOP("Action", "Открыть..."), "", "F12", &TfrmMain::aOpenExecute},
    {"aSave", QT_TRANSLATE_NOOP("Action", "Сохранить"), "", "F2", &TfrmMain::aSaveExecute},
    {"aSaveAs", QT_TRANSLATE_NOOP("Action", "Сохранить как..."), "", "", &TfrmMain::aSaveAsExecute},
    {"aImport", QT_TRANSLATE_NOOP("Action", "Импорт..."), "", "", &TfrmMain::aImportExecute},
    {"aExport", QT_TRANSLATE_NOOP("Action", "Экспорт..."), "", "", &TfrmMain::aExportExecute},
    {"aAddFavorites", QT_TRANSLATE_NOOP("Action", "Вставить Избранное"), "", "",
     &TfrmMain::aAddFavoritesExecute},
    {"aPrint", QT_TRANSLATE_NOOP("Action", "Печать..."), "", "Ctrl+P", &TfrmMain::aPrintExecute},
    {"aPrintWhole", QT_TRANSLATE_NOOP("Action", "Печать всей схемы..."), "", "",
     &TfrmMain::aPrintWholeExecute},
    {"aExportPicture", QT_TRANSLATE_NOOP("Action", "Экспорт рисунка..."), "", "",
     &TfrmMain::aExportPictureExecute},
    {"aExit", QT_TRANSLATE_NOOP("Action", "Выход"), "", "F10", &TfrmMain::aExitExecute},
    {"aRun", QT_TRANSLATE_NOOP("Action", "Выполнять/остановить"), "", "F9", &TfrmMain::aRunExecute},
    {"aStep", QT_TRANSLATE_NOOP("Action", "Шаг"), "", "F7", &TfrmMain::aStepExecute},
    {"aReset", QT_TRANSLATE_NOOP("Action", "Сброс значений"), "", "Ctrl+F9",
     &TfrmMain::aResetExecute},
    {"aNewItem", QT_TRANSLATE_NOOP("Action", "Точка"), "", "Ins", &TfrmMain::aNewItemExecute},
    {"aPaste", QT_TRANSLATE_NOOP("Action", "Вставить"), "", "Ctrl+V", &TfrmMain::aPasteExecute},
    {"aDelete", QT_TRANSLATE_NOOP("Action", "Удалить"),
     QT_TRANSLATE_NOOP("Action", "Удалить -  (Del)"), "Del", &TfrmMain::aDeleteExecute},
    {"aClone", QT_TRANSLATE_NOOP("Action", "Создать копию"), "", "F5", &TfrmMain::aCloneExecute},
    {"aSplit", QT_TRANSLATE_NOOP("Action", "Разделить точку на вход и выход"), "", "F6",
     &TfrmMain::aSplitExecute},
    {"aUnite", QT_TRANSLATE_NOOP("Action", "Объединить точки"),
     QT_TRANSLATE_NOOP("Action", "Объединить вход и выход в одну точки"), "",
     &TfrmMain::aUniteExecute},
    {"aResetPoint", QT_TRANSLATE_NOOP("Action", "Обнулить точку"), "", "F11",
     &TfrmMain::aResetPointExecute},
    {"aCenterScreen", QT_TRANSLATE_NOOP("Action", "Центрировать"), "", "Ctrl+A",
     &TfrmMain::aCenterScreenExecute},
    {"aAlign", QT_TRANSLATE_NOOP("Action", "Движение"), "", "Ctrl+F2", &TfrmMain::aAlignExecute},
    {"aTeach", QT_TRANSLATE_NOOP("Action", "Обучить"),
     QT_TRANSLATE_NOOP("Action", "Подстроить коэффициенты связей"), "Ctrl+F4",
     &TfrmMain::aTeachExecute},
    {"aCopy", QT_TRANSLATE_NOOP("Action", "Копировать"), "", "Ctrl+C", &TfrmMain::aCopyExecute},
    {"aCut", QT_TRANSLATE_NOOP("Action", "Вырезать"), "", "Ctrl+X", &TfrmMain::aCutExecute},
    {"aMatrix", QT_TRANSLATE_NOOP("Action", "Матрица"), "", "", &TfrmMain::aMatrixExecute},
    {"aShowVolumes", QT_TRANSLATE_NOOP("Action", "Трассировка"), "", "F4",
     &TfrmMain::aShowVolumesExecute},
    {"aShowValues", QT_TRANSLATE_NOOP("Action", "Числа"), "", "F3", &TfrmMain::aShowValuesExecute},
    {"aExitDontSave", QT_TRANSLATE_NOOP("Action", "Выйти без сохранения"), "", "Ctrl+Q",
     &TfrmMain::aExitDontSaveExecute},
    {"aUndo", QT_TRANSLATE_NOOP("Action", "Отменить"), "", "Ctrl+Z", &TfrmMain::aUndoExecute},
    {"aRedo", QT_TRANSLATE_NOOP("Action", "Повторить"), "", "Ctrl+Y", &TfrmMain::aRedoExecute},
    {"aLoops", QT_TRANSLATE_NOOP("Action", "Петли и связи..."), "", "", &TfrmMain::aLoopsExecute},
    {"aValueChart", QT_TRANSLATE_NOOP("Action", "График значений"),
     QT_TRANSLATE_NOOP("Action", "Значения точек по шагам"), "", &TfrmMain::aValueChartExecute},
};

} // namespace

void TfrmMain::createActions() {
    for (const ActionRow& row : ActionTable) {
        auto* action = new QAction(QCoreApplication::translate("Action", row.caption), this);
        action->setObjectName(row.name);
        if (*row.hint) {
            const QString hint = QCoreApplication::translate("Action", row.hint);
            action->setToolTip(hint);
            action->setStatusTip(hint);
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
