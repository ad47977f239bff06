// TfrmLoops ("Петли и связи"): the feedback loops through the selected item (every loop when
// nothing is selected) and the item's causes and effects. The loops are searched on a thread
// of their own, over a snapshot of the links, so that a dense scheme never freezes the window;
// the search can be cancelled and says when it stopped short. The chosen loop, or the causes
// and effects, are pointed out on the canvas until another is chosen or the window closes.
#pragma once

#include "loops/circuits.h"
#include "loops/reach.h"
#include "program/world.h"
#include "view/emphasis.h"

#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <thread>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace lumeris {

class TfrmLoops : public QWidget {
    Q_OBJECT
  public:
    // `emphasis` is the painter's; the window raises RedrawRequests whenever it changes it.
    TfrmLoops(World& world, Emphasis& emphasis, QWidget* parent = nullptr);
    ~TfrmLoops() override;

    // Looks again at the selection and the scheme: the causes and effects at once, the loops
    // on the search thread.
    void refresh();
    void cancelSearch();
    // A search runs, or its result is on its way to the window.
    bool searching() const { return searching_; }

    LoopLimits limits; // of the searches started from now on

    QLabel* lScope = nullptr;
    QLabel* lStatus = nullptr;
    QPushButton* bCancel = nullptr;
    QPushButton* bRefresh = nullptr;
    QTreeWidget* tvLoops = nullptr;   // polarity, length, members
    QTreeWidget* tvCauses = nullptr;  // name, links to it
    QTreeWidget* tvEffects = nullptr; // name, links from it

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override; // Esc closes

  private:
    void startSearch();
    void searchDone(unsigned generation, LoopList list);
    void showReach(QTreeWidget* list, const std::vector<Reached>& reached);
    void loopChosen();
    void reachChosen();
    void emphasise(std::vector<const CPoint*> items, std::vector<const CLink*> links);
    void stopWorker();
    const CPoint* selectedItem() const;

    World& world_;
    Emphasis& emphasis_;
    QTimer followSelection_;
    const CPoint* shownFor_ = nullptr; // the selected item the lists were made for
    std::shared_ptr<const LinkGraph> graph_;
    int through_ = -1; // the selected item's vertex
    LoopList loops_;
    std::vector<Reached> causes_, effects_;
    std::thread worker_;
    std::atomic<bool> stop_ = false;
    bool searching_ = false;
    unsigned generation_ = 0;
    bool emphasised_ = false; // the painter's emphasis is ours to clear
};

} // namespace lumeris
