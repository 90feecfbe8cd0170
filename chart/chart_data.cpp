#include "chart/chart_data.h"

#include <QGuiApplication>
#include <QPalette>

namespace chart {

QFont chartFont(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    return font;
}

LineSeries::LineSeries(QString name, QString title, QColor seriesColor)
    : name_(std::move(name)), title_(std::move(title)), seriesColor_(seriesColor) {}

void LineSeries::setLineVisible(bool on) {
    lineVisible_ = on;
    changed();
}

void LineSeries::setShade3D(bool on) {
    shade3D_ = on;
    changed();
}

void LineSeries::clear() {
    points_.clear();
    changed();
}

int LineSeries::addPoint(double x, double y, const QColor& color, const QString& label) {
    // Search from the end: a curve computed in time order appends in constant time, and a
    // point with an x already present goes after the points that share it.
    auto at = points_.end();
    while (at != points_.begin() && std::prev(at)->x > x) {
        --at;
    }
    const auto inserted = points_.insert(at, ChartPoint{x, y, color, label});
    changed();
    return static_cast<int>(inserted - points_.begin());
}

void LineSeries::changed() const {
    if (onChanged_) {
        onChanged_();
    }
}

ChartData::ChartData() {
    settings_.titleFont = chartFont();
    settings_.bottomAxis.titleFont = chartFont();
    settings_.leftAxis.titleFont = chartFont();
    // The desktop's button face; (240, 240, 240) is what it is on a default desktop.
    settings_.background = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                               ? QGuiApplication::palette().color(QPalette::Button)
                               : QColor(240, 240, 240);
}

LineSeries& ChartData::addSeries(const QString& name, const QString& title,
                                 const QColor& seriesColor) {
    auto& added = *series_.emplace_back(std::make_unique<LineSeries>(name, title, seriesColor));
    added.setChangedCallback([this] {
        if (onChanged_) {
            onChanged_();
        }
    });
    if (onChanged_) {
        onChanged_();
    }
    return added;
}

LineSeries* ChartData::series(const QString& name) {
    for (const auto& s : series_) {
        if (s->name() == name) {
            return s.get();
        }
    }
    return nullptr;
}

const LineSeries* ChartData::series(const QString& name) const {
    return const_cast<ChartData*>(this)->series(name);
}

void ChartData::clearAllSeries() {
    for (const auto& s : series_) {
        s->clear();
    }
}

void ChartData::setChangedCallback(std::function<void()> onChanged) {
    onChanged_ = std::move(onChanged);
}

}  // namespace chart
