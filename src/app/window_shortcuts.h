// The main window's shortcuts reach it wherever the keyboard focus is inside it, in the
// properties panel and the name editor too: a text field there would otherwise keep keys
// such as Ctrl+A for itself. The editing shortcuts those windows take away while shown are
// then no shortcuts, so the fields keep Del, Ins, Ctrl+X, Ctrl+C and Ctrl+V; Ctrl+Z and
// Ctrl+Y keep their own rule (edit_steps.h).
#pragma once

#include <QObject>

class QWidget;

namespace lumeris {

class WindowShortcutsOverFields : public QObject {
  public:
    // Filters the application's events for the fields inside `window`, and lives as long as
    // the window.
    explicit WindowShortcutsOverFields(QWidget* window);
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool isWindowShortcut(const QKeySequence& pressed) const;

    QWidget* window_;
};

} // namespace lumeris
