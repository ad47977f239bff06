#include "trend/qt/value_chart.h"

#include "text/qt/cp1251.h"
#include "trend/trend_csv.h"

#include <QChart>
#include <QChartView>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

namespace lumeris {

namespace {

// Ten colours that stay apart on white, one per shown item in turn.
const QColor SeriesColors[] = {"#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd",
                               "#8c564b", "#e377c2", "#7f7f7f", "#bcbd22", "#17becf"};

constexpr int RefreshMs = 250; // a few times a second, whatever the tick rate

QString itemName(const CPoint* item) {
    const QString name = fromCp1251(item->Name);
    return name.isEmpty() ? QStringLiteral("#%1").arg(item->id) : name;
}

} // namespace

TfrmChart::TfrmChart(const Scheme& scheme, ValueTrend& trend, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), scheme_(scheme), trend_(trend), dialogs_(dialogs) {
    setObjectName("frmChart");
    setWindowTitle(tr("График значений"));
    resize(640, 400);
    createControls();
    chooseFile = [this](const QString& caption, const QString& filter) {
        return QFileDialog::getSaveFileName(this, caption, QString(), filter);
    };
    // Not while the scheme is being changed: a step or a file operation may let this timer
    // through in the middle.
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (isVisible() && scheme_.BusyDepth == 0)
            refresh();
    });
    timer_.start(RefreshMs);
}

void TfrmChart::createControls() {
    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    axisX_ = new QValueAxis;
    axisX_->setTitleText(tr("Шаг"));
    axisX_->setLabelFormat("%d");
    axisY_ = new QValueAxis;
    axisY_->setTitleText(tr("Значение"));
    axisY_->setRange(-1, 1);
    axisY_->setTickCount(5);
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    view_ = new QChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);

    followLast_ = new QRadioButton(tr("Последние шаги"), this);
    followLast_->setObjectName("rbFollowLast");
    followLast_->setChecked(true);
    auto* all = new QRadioButton(tr("Все шаги"), this);
    all->setObjectName("rbAllSteps");
    connect(followLast_, &QRadioButton::toggled, this, [this] { refresh(true); });
    auto* csv = new QPushButton(tr("&CSV..."), this);
    csv->setObjectName("bExportCsv");
    csv->setToolTip(tr("Сохранить показанные значения в CSV"));
    connect(csv, &QPushButton::clicked, this, &TfrmChart::saveCsv);
    auto* png = new QPushButton(tr("&PNG..."), this);
    png->setObjectName("bExportPng");
    png->setToolTip(tr("Сохранить график рисунком PNG"));
    connect(png, &QPushButton::clicked, this, &TfrmChart::savePng);
    hoverLabel_ = new QLabel(this);

    auto* bar = new QHBoxLayout;
    bar->addWidget(followLast_);
    bar->addWidget(all);
    bar->addWidget(hoverLabel_, 1);
    bar->addWidget(csv);
    bar->addWidget(png);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(bar);
}

std::vector<CPoint*> TfrmChart::shownItems() const {
    std::vector<CPoint*> items = trend_.watchedItems(scheme_);
    CPoint* selected = scheme_.EditState == EditItemSelected ? scheme_.Selected.item : nullptr;
    if (selected && !trend_.watched(selected))
        items.push_back(selected);
    return items;
}

void TfrmChart::setFollowLast(bool follow) {
    followLast_->setChecked(follow);
    if (!follow)
        findChild<QRadioButton*>("rbAllSteps")->setChecked(true);
}

void TfrmChart::refresh(bool force) {
    trend_.follow(scheme_);
    const std::vector<CPoint*> items = shownItems();
    std::vector<std::uint64_t> seqs;
    for (const CPoint* item : items)
        seqs.push_back(item->Seq);
    const bool follow = followLast_->isChecked();
    const bool sameItems = seqs == shownSeqs_;
    if (!force && sameItems && drawnFirst_ == trend_.firstStep() &&
        drawnLast_ == trend_.lastStep() && drawnFollow_ == follow)
        return;
    if (!sameItems)
        rebuildSeries(items);
    shownSeqs_ = std::move(seqs);
    shown_ = items;
    drawnFirst_ = trend_.firstStep();
    drawnLast_ = trend_.lastStep();
    drawnFollow_ = follow;
    fillSeries(items);
}

// One series per item, in its colour and under its name in the legend.
void TfrmChart::rebuildSeries(const std::vector<CPoint*>& items) {
    chart_->removeAllSeries();
    series_.clear();
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* series = new QLineSeries;
        series->setColor(SeriesColors[i % std::size(SeriesColors)]);
        chart_->addSeries(series);
        series->attachAxis(axisX_);
        series->attachAxis(axisY_);
        connect(series, &QLineSeries::hovered, this,
                [this, i](const QPointF& point, bool entered) { hovered(int(i), point, entered); });
        series_.push_back(series);
    }
}

void TfrmChart::fillSeries(const std::vector<CPoint*>& items) {
    const std::int64_t last = trend_.lastStep();
    std::int64_t first = trend_.firstStep();
    if (drawnFollow_)
        first = std::max(first, last - FollowSteps + 1);
    axisX_->setRange(double(first), double(std::max(last, first + 1)));
    QList<QPointF> points;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const QString name = itemName(items[i]);
        if (series_[i]->name() != name)
            series_[i]->setName(name);
        points.clear();
        if (const auto column = trend_.columnOf(items[i]))
            for (std::int64_t step = first; step <= last; ++step)
                if (const float value = trend_.value(*column, step); !std::isnan(value))
                    points.append(QPointF(double(step), double(value)));
        series_[i]->replace(points);
    }
}

// The pointer near a line: the step nearest to it and the value drawn there.
void TfrmChart::hovered(int index, const QPointF& point, bool entered) {
    if (!entered || index >= int(series_.size()))
        return;
    const double step = std::round(point.x());
    for (const QPointF& drawn : series_[index]->points()) {
        if (drawn.x() != step)
            continue;
        hoverText_ = tr("%1: шаг %2, значение %3")
                         .arg(series_[index]->name())
                         .arg(qint64(step))
                         .arg(drawn.y(), 0, 'f', 4);
        hoverLabel_->setText(hoverText_);
        QToolTip::showText(QCursor::pos(), hoverText_, view_);
        return;
    }
}

bool TfrmChart::exportCsv(const QString& path) {
    refresh();
    const std::string text = trendCsv(trend_, trendColumns(trend_, shown_));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(text.data(), qint64(text.size())) != qint64(text.size()))
        return writeFailed(path);
    return true;
}

bool TfrmChart::exportPng(const QString& path) {
    refresh();
    if (!view_->grab().save(path, "PNG"))
        return writeFailed(path);
    return true;
}

bool TfrmChart::writeFailed(const QString& path) {
    dialogs_.message(tr("Не удалось записать %1").arg(path).toStdString(), "Lumeris",
                     MessageIcon::Error);
    return false;
}

void TfrmChart::saveCsv() {
    const QString path = chooseFile(tr("Сохранить значения"), tr("CSV (*.csv)"));
    if (!path.isEmpty())
        exportCsv(path);
}

void TfrmChart::savePng() {
    const QString path = chooseFile(tr("Сохранить график"), tr("PNG (*.png)"));
    if (!path.isEmpty())
        exportPng(path);
}

} // namespace lumeris
