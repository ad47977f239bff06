#include "app/status_line.h"

#include "text/qt/cp1251.h"

#include <QFileInfo>
#include <QLabel>
#include <QLocale>

namespace lumeris {

namespace {

constexpr int RefreshMilliseconds = 250;

} // namespace

StatusLine::StatusLine(const World& world, QWidget* parent)
    : QStatusBar(parent), world_(world), file_(addField("statusFile")),
      running_(addField("statusRunning")), steps_(addField("statusSteps")),
      counts_(addField("statusCounts")), zoom_(addField("statusZoom")),
      hovered_(addField("statusHovered")) {
    setObjectName("StatusBar1");
    connect(&timer_, &QTimer::timeout, this, &StatusLine::refresh);
    timer_.start(RefreshMilliseconds);
    refresh();
}

// Permanent fields, so that a passing message shows beside them instead of over them.
QLabel* StatusLine::addField(const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    addPermanentWidget(label);
    return label;
}

void StatusLine::refresh() {
    const StatusFigures figures = statusFigures(world_);
    if (anyShown_ && figures == shown_)
        return;
    show(figures);
    shown_ = figures;
    anyShown_ = true;
}

void StatusLine::show(const StatusFigures& f) {
    const QLocale locale;
    const QString file = f.FileName.empty()
                             ? tr("Новая схема")
                             : QFileInfo(QString::fromStdString(f.FileName)).fileName();
    file_->setText(file);
    file_->setToolTip(QString::fromStdString(f.FileName));
    running_->setText(f.Running ? tr("Выполняется") : tr("Остановлена"));
    steps_->setText(tr("Шагов: %1").arg(locale.toString(qulonglong(f.Steps))));
    counts_->setText(
        tr("Точек: %1  Связей: %2").arg(locale.toString(f.Items), locale.toString(f.Links)));
    zoom_->setText(tr("Масштаб: %1%").arg(locale.toString(double(f.Scale) * 100, 'f', 0)));
    hovered_->setText(f.Hovering ? tr("%1 = %2").arg(fromCp1251(f.HoveredName),
                                                     locale.toString(f.HoveredValue, 'f', 4))
                                 : QString());
}

QStringList StatusLine::texts() const {
    QStringList all;
    for (const QLabel* label : {file_, running_, steps_, counts_, zoom_, hovered_})
        all << label->text();
    return all;
}

} // namespace lumeris
