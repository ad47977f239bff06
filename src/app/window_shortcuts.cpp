#include "app/window_shortcuts.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

namespace lumeris {

WindowShortcutsOverFields::WindowShortcutsOverFields(QWidget* window)
    : QObject(window), window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool WindowShortcutsOverFields::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget == window_ || widget->window() != window_)
        return false;
    // A bar that decides its keys itself (the find bar) keeps them.
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->property("ownsItsKeys").toBool())
            return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!isWindowShortcut(QKeySequence(key->keyCombination())))
        return false;
    event->ignore(); // the field does not want it: the window's shortcut takes the key
    return true;
}

bool WindowShortcutsOverFields::isWindowShortcut(const QKeySequence& pressed) const {
    for (const QAction* action : window_->actions()) {
        const QString name = action->objectName();
        if (!action->isEnabled() || name == "aUndo" || name == "aRedo")
            continue;
        for (const QKeySequence& shortcut : action->shortcuts())
            if (shortcut == pressed)
                return true;
    }
    return false;
}

} // namespace lumeris
