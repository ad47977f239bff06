// The find bar at the bottom of the window: as the user types, the items whose name, text or
// address hold every typed word are counted here and ringed on the canvas; Enter and
// Shift+Enter choose the next and the previous one, Esc closes the bar. Keys typed here stay
// here: none reaches the canvas or an action's shortcut but the bar's own.
#pragma once

#include "model/scheme.h"

#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;

namespace lumeris {

class FindBar : public QWidget {
    Q_OBJECT
  public:
    FindBar(Scheme& scheme, QWidget* parent);

    // Called with each match the user steps to.
    std::function<void(CPoint*)> onChosen;
    // Called when the set of ringed items changes (the window repaints).
    std::function<void()> onMatchesChanged;

    // Shows the bar with its text selected, ready for typing.
    void open();
    // Hides the bar and drops the rings.
    void close();
    // The matches again when the scheme's lists have changed since they were found, so that
    // no destroyed item stays among them. Cheap when nothing changed.
    void followScheme();
    const std::vector<CPoint*>& matches() const { return matches_; }
    // Chooses the next (or, with `back`, the previous) match.
    void step(bool back);

    QLineEdit* field() const { return field_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void search();
    void showCount();

    Scheme& scheme_;
    QLineEdit* field_;
    QLabel* count_;
    std::vector<CPoint*> matches_;
    int current_ = -1; // the match chosen last
    std::uint64_t stamp_ = 0;
};

} // namespace lumeris
