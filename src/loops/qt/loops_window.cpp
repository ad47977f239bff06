#include "loops/qt/loops_window.h"

#include "text/qt/cp1251.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lumeris {

namespace {

QTreeWidget* listWidget(QWidget* parent, const QStringList& headers) {
    auto* list = new QTreeWidget(parent);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setStretchLastSection(true);
    return list;
}

// Items without a name are shown by their id.
QString itemName(const LinkGraph& graph, int v) {
    return graph.names[v].empty() ? QStringLiteral("#%1").arg(graph.ids[v])
                                  : fromCp1251(graph.names[v]);
}

} // namespace

TfrmLoops::TfrmLoops(World& world, Emphasis& emphasis, QWidget* parent)
    : QWidget(parent, Qt::Window), world_(world), emphasis_(emphasis) {
    setObjectName("frmLoops");
    setWindowTitle(tr("Петли и связи"));
    resize(760, 420);

    lScope = new QLabel(this);
    lStatus = new QLabel(this);
    bCancel = new QPushButton(tr("Отмена"), this);
    bRefresh = new QPushButton(tr("Обновить"), this);
    tvLoops = listWidget(this, {tr("Знак"), tr("Длина"), tr("Точки петли")});
    tvLoops->setObjectName("tvLoops");
    tvCauses = listWidget(this, {tr("Причины"), tr("Связей")});
    tvCauses->setObjectName("tvCauses");
    tvEffects = listWidget(this, {tr("Следствия"), tr("Связей")});
    tvEffects->setObjectName("tvEffects");

    auto* top = new QHBoxLayout;
    top->addWidget(lScope, 1);
    top->addWidget(lStatus);
    top->addWidget(bCancel);
    top->addWidget(bRefresh);
    auto* reach = new QSplitter(Qt::Vertical, this);
    reach->addWidget(tvCauses);
    reach->addWidget(tvEffects);
    auto* sides = new QSplitter(Qt::Horizontal, this);
    sides->addWidget(tvLoops);
    sides->addWidget(reach);
    sides->setStretchFactor(0, 2);
    sides->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(sides, 1);

    connect(bCancel, &QPushButton::clicked, this, &TfrmLoops::cancelSearch);
    connect(bRefresh, &QPushButton::clicked, this, &TfrmLoops::refresh);
    connect(tvLoops, &QTreeWidget::itemSelectionChanged, this, &TfrmLoops::loopChosen);
    connect(tvCauses, &QTreeWidget::itemSelectionChanged, this, &TfrmLoops::reachChosen);
    connect(tvEffects, &QTreeWidget::itemSelectionChanged, this, &TfrmLoops::reachChosen);
    // The lists follow the selection on the canvas.
    connect(&followSelection_, &QTimer::timeout, this, [this] {
        if (selectedItem() != shownFor_)
            refresh();
    });
    followSelection_.setInterval(300);
}

TfrmLoops::~TfrmLoops() {
    stopWorker();
}

const CPoint* TfrmLoops::selectedItem() const {
    const Scheme& scheme = world_.scheme;
    return scheme.EditState == EditItemSelected ? scheme.Selected.item : nullptr;
}

void TfrmLoops::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
    followSelection_.start();
}

void TfrmLoops::hideEvent(QHideEvent* event) {
    followSelection_.stop();
    stopWorker();
    emphasise({}, {});
    QWidget::hideEvent(event);
}

void TfrmLoops::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void TfrmLoops::refresh() {
    stopWorker();
    shownFor_ = selectedItem();
    graph_ = std::make_shared<const LinkGraph>(takeLinkGraph(world_.scheme));
    through_ = shownFor_ ? graph_->vertexOf(shownFor_) : -1;
    lScope->setText(through_ >= 0 ? tr("Петли через «%1»").arg(itemName(*graph_, through_))
                                  : tr("Все петли схемы"));
    causes_ = through_ >= 0 ? reach(*graph_, through_, Direction::Causes) : std::vector<Reached>{};
    effects_ =
        through_ >= 0 ? reach(*graph_, through_, Direction::Effects) : std::vector<Reached>{};
    showReach(tvCauses, causes_);
    showReach(tvEffects, effects_);
    tvLoops->clear();
    emphasise({}, {});
    startSearch();
}

void TfrmLoops::startSearch() {
    const unsigned generation = ++generation_;
    stop_ = false;
    searching_ = true;
    lStatus->setText(tr("Поиск петель..."));
    bCancel->setEnabled(true);
    worker_ = std::thread([this, graph = graph_, through = through_, limits = limits, generation] {
        LoopList list = findLoops(*graph, limits, through, &stop_);
        QMetaObject::invokeMethod(
            this, [this, generation, list] { searchDone(generation, list); }, Qt::QueuedConnection);
    });
}

void TfrmLoops::cancelSearch() {
    stop_ = true; // the search ends soon and reports what it found
}

void TfrmLoops::stopWorker() {
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
    ++generation_; // a result still on its way is no longer wanted
    searching_ = false;
}

void TfrmLoops::searchDone(unsigned generation, LoopList list) {
    if (generation != generation_)
        return;
    worker_.join();
    searching_ = false;
    bCancel->setEnabled(false);
    loops_ = std::move(list);
    const int count = int(loops_.loops.size());
    lStatus->setText(loops_.stopped ? tr("Поиск прерван, найдено петель: %1").arg(count)
                     : loops_.incomplete ? tr("Список неполон: первые %1 петель").arg(count)
                                         : tr("Петель: %1").arg(count));
    QList<QTreeWidgetItem*> rows;
    rows.reserve(count);
    for (const Loop& loop : loops_.loops) {
        QStringList names;
        for (const int v : loop.members)
            names << itemName(*graph_, v);
        auto* row = new QTreeWidgetItem({QString(QChar(char(loop.polarity))),
                                         QString::number(loop.members.size()),
                                         names.join(QStringLiteral(" → "))});
        row->setToolTip(0, loop.polarity == Polarity::Reinforcing ? tr("усиливающая")
                           : loop.polarity == Polarity::Balancing ? tr("уравновешивающая")
                                                                  : tr("нулевая"));
        rows << row;
    }
    tvLoops->addTopLevelItems(rows);
}

void TfrmLoops::showReach(QTreeWidget* list, const std::vector<Reached>& reached) {
    const QSignalBlocker quiet(list);
    list->clear();
    QList<QTreeWidgetItem*> rows;
    for (const Reached& r : reached)
        rows << new QTreeWidgetItem({itemName(*graph_, r.vertex), QString::number(r.distance)});
    list->addTopLevelItems(rows);
}

void TfrmLoops::loopChosen() {
    const int row = tvLoops->currentIndex().row();
    if (tvLoops->selectedItems().isEmpty() || row < 0 || row >= int(loops_.loops.size()))
        return;
    for (QTreeWidget* other : {tvCauses, tvEffects}) {
        const QSignalBlocker quiet(other);
        other->clearSelection();
    }
    const std::vector<int>& members = loops_.loops[std::size_t(row)].members;
    std::vector<const CPoint*> items;
    std::vector<const CLink*> links;
    for (std::size_t i = 0; i < members.size(); ++i) {
        items.push_back(graph_->items[members[i]]);
        if (const LinkArc* a = graph_->arc(members[i], members[(i + 1) % members.size()]))
            for (const CLink* link : graph_->linksOf(*a))
                links.push_back(link);
    }
    emphasise(std::move(items), std::move(links));
}

// Any row of the causes or the effects rings them all.
void TfrmLoops::reachChosen() {
    if (tvCauses->selectedItems().isEmpty() && tvEffects->selectedItems().isEmpty())
        return;
    {
        const QSignalBlocker quiet(tvLoops);
        tvLoops->clearSelection();
    }
    std::vector<const CPoint*> items;
    for (const auto* reached : {&causes_, &effects_})
        for (const Reached& r : *reached)
            items.push_back(graph_->items[r.vertex]);
    emphasise(std::move(items), {});
}

void TfrmLoops::emphasise(std::vector<const CPoint*> items, std::vector<const CLink*> links) {
    const bool clearing = items.empty() && links.empty();
    if (clearing && !emphasised_)
        return;
    emphasis_.show(std::move(items), std::move(links), graph_ ? graph_->stamp : 0);
    emphasised_ = !clearing;
    ++world_.scheme.RedrawRequests;
}

} // namespace lumeris
