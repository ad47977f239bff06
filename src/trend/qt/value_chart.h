// TfrmChart, "График значений": the values of the watched items and of the selected one
// against the step, live while the scheme runs. It only reads the trend and the scheme; the
// main window opens it and feeds the trend.
#pragma once

#include "platform/user_dialogs.h"
#include "trend/value_trend.h"

#include <QTimer>
#include <QWidget>
#include <functional>

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QRadioButton;
class QValueAxis;

namespace lumeris {

class TfrmChart : public QWidget {
    Q_OBJECT
  public:
    // How many of the last steps the chart shows while it follows them.
    static constexpr int FollowSteps = 100;

    TfrmChart(const Scheme& scheme, ValueTrend& trend, UserDialogs& dialogs,
              QWidget* parent = nullptr);

    // Draws the series again when the steps or the shown items changed since the last time
    // (or always, with force). The window's timer calls it a few times a second.
    void refresh(bool force = false);
    // The watched items, oldest first, then the selected item unless it is watched.
    std::vector<CPoint*> shownItems() const;
    // The whole range held, or only the last FollowSteps steps.
    void setFollowLast(bool follow);

    // The shown series as the CSV of lumeris-cli run --history, every held step; as a
    // picture of the chart. False (after a message) when the file could not be written.
    bool exportCsv(const QString& path);
    bool exportPng(const QString& path);
    // Asks where to save; empty when cancelled. Tests replace it.
    std::function<QString(const QString& caption, const QString& filter)> chooseFile;

    QChart* chart() const { return chart_; }
    // What the pointer last showed: the item, the step and the value.
    QString hoverText() const { return hoverText_; }

  private:
    void createControls();
    void rebuildSeries(const std::vector<CPoint*>& items);
    void fillSeries(const std::vector<CPoint*>& items);
    void hovered(int index, const QPointF& point, bool entered);
    void saveCsv();
    void savePng();
    bool writeFailed(const QString& path);

    const Scheme& scheme_;
    ValueTrend& trend_;
    UserDialogs& dialogs_;
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    QRadioButton* followLast_ = nullptr;
    QLabel* hoverLabel_ = nullptr;
    QTimer timer_;

    // What the series show now, to redraw only on a change.
    std::vector<QLineSeries*> series_;
    std::vector<std::uint64_t> shownSeqs_;
    std::vector<CPoint*> shown_;
    std::int64_t drawnFirst_ = -1, drawnLast_ = -1;
    bool drawnFollow_ = true;
    QString hoverText_;
};

} // namespace lumeris
