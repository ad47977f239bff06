// The status bar: the file, running or stopped, the steps since the scheme was opened, the
// item and link counts, the zoom and the hovered item's name and value. It looks at the
// program's counters a few times a second on a timer of its own, never from the run tick,
// and touches a label only when what it shows has changed.
#pragma once

#include "program/status_figures.h"
#include "program/world.h"

#include <QStatusBar>
#include <QTimer>

class QLabel;

namespace lumeris {

class StatusLine : public QStatusBar {
    Q_OBJECT
  public:
    StatusLine(const World& world, QWidget* parent);

    // Reads the figures and shows those that changed; the timer calls it.
    void refresh();
    // The texts shown, left to right (for tests).
    QStringList texts() const;

  private:
    QLabel* addField(const char* name);
    void show(const StatusFigures& figures);

    const World& world_;
    QTimer timer_;
    StatusFigures shown_;
    bool anyShown_ = false;
    QLabel* file_;
    QLabel* running_;
    QLabel* steps_;
    QLabel* counts_;
    QLabel* zoom_;
    QLabel* hovered_;
};

} // namespace lumeris
