// Where one undo step ends, as the window sees it. The program's QApplication calls
// `afterEvent` after each event the event loop itself delivers (a press, a key, a command, a
// tick), not after those delivered inside a handler's own loop (a dialog's, a download's):
// everything one handler changed becomes one step.
//
// Ctrl+Z and Ctrl+Y in a text field edit its text. When the field has nothing of its own to
// undo or redo, the keys go on to the scheme's undo and redo, so that the panel, which holds
// the focus whenever an item is selected, does not swallow them.
#pragma once

#include <QApplication>
#include <functional>

namespace lumeris {

class StepMarkingApplication : public QApplication {
  public:
    StepMarkingApplication(int& argc, char** argv);

    std::function<void()> afterEvent;

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    int depth_ = 0;
};

// Installed on the application: lets the undo keys pass a text field with nothing to undo.
class UndoKeysPassEmptyFields : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace lumeris
