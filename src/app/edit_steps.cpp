#include "app/edit_steps.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace lumeris {

StepMarkingApplication::StepMarkingApplication(int& argc, char** argv) : QApplication(argc, argv) {
    installEventFilter(new UndoKeysPassEmptyFields(this));
}

bool StepMarkingApplication::notify(QObject* receiver, QEvent* event) {
    ++depth_;
    const bool handled = QApplication::notify(receiver, event);
    if (--depth_ == 0 && afterEvent)
        afterEvent();
    return handled;
}

bool UndoKeysPassEmptyFields::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    const bool redo = key->matches(QKeySequence::Redo) ||
                      key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
    if (!undo && !redo)
        return false;
    bool own = true;
    if (auto* line = qobject_cast<QLineEdit*>(watched))
        own = undo ? line->isUndoAvailable() : line->isRedoAvailable();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(watched))
        own = undo ? memo->document()->isUndoAvailable() : memo->document()->isRedoAvailable();
    if (own)
        return false;
    event->ignore(); // not the field's: the window's shortcut takes the key
    return true;
}

} // namespace lumeris
