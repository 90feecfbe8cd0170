#include "chart/chart_data.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace chart {

QFont chartFont(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    // Set, not left to the device: on a window whose font is drawn narrower the chart's texts
    // would inherit that width, and differ from how they are measured and exported.
    font.setStretch(QFont::Unstretched);
    return font;
}

QColor ChartSettings::backgroundColour() const {
    if (background.isValid()) return background;
    // (240, 240, 240) is the button face of a default desktop.
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
               ? QGuiApplication::palette().color(QPalette::Button)
               : QColor(240, 240, 240);
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

int LineSeries::addPoint(double x, double y, const QColor& color) {
    // Search from the end: a curve computed in time order appends in constant time, and a
    // point with an x already present goes after the points that share it.
    auto at = points_.end();
    while (at != points_.begin() && std::prev(at)->x > x) {
        --at;
    }
    const auto inserted = points_.insert(at, ChartPoint{x, y, color});
    changed();
    return static_cast<int>(inserted - points_.begin());
}

void LineSeries::changed() const {
    if (onChanged_) {
        onChanged_();
    }
}

ChartData::ChartData() = default;

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

bool ChartData::addCurve(const QString& legendRow, const QColor& colour,
                         const QStringList& pieces) {
    CurveDefinition curve{series(legendRow), colour, {}};
    if (!curve.legendRow) return false;
    for (const QString& name : pieces) {
        const LineSeries* const piece = series(name);
        if (!piece || !isHelper(*piece) ||
            std::find(curve.pieces.begin(), curve.pieces.end(), piece) != curve.pieces.end()) {
            return false;
        }
        curve.pieces.push_back(piece);
    }
    const auto rowOf = [this](const CurveDefinition& c) {
        return std::find_if(series_.begin(), series_.end(),
                            [&](const auto& s) { return s.get() == c.legendRow; });
    };
    const auto before = std::find_if(curves_.begin(), curves_.end(), [&](const CurveDefinition& c) {
        return rowOf(c) > rowOf(curve);
    });
    curves_.insert(before, std::move(curve));
    return true;
}

bool ChartData::isHelper(const LineSeries& series) const {
    return std::none_of(curves_.begin(), curves_.end(), [&](const CurveDefinition& curve) {
        return std::find(curve.pieces.begin(), curve.pieces.end(), &series) != curve.pieces.end();
    });
}

std::vector<CurvePoints> ChartData::curves() const {
    std::vector<CurvePoints> result;
    result.reserve(curves_.size());
    for (const CurveDefinition& curve : curves_) {
        CurvePoints& out =
            result.emplace_back(CurvePoints{curve.legendRow->title(), curve.colour, {}});
        for (const LineSeries* const piece : curve.pieces) {
            out.points.insert(out.points.end(), piece->points().begin(), piece->points().end());
        }
        std::stable_sort(out.points.begin(), out.points.end(),
                         [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; });
    }
    return result;
}

void ChartData::setChangedCallback(std::function<void()> onChanged) {
    onChanged_ = std::move(onChanged);
}

}  // namespace chart
