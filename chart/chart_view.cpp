#include "chart/chart_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/segment_clip.h"

namespace chart {

namespace {

bool samePixel(QPointF a, QPointF b) {
    return std::round(a.x()) == std::round(b.x()) && std::round(a.y()) == std::round(b.y());
}

AxisRange ordered(double a, double b) { return {std::min(a, b), std::max(a, b)}; }

}  // namespace

DepthSlice seriesSlice(const ChartGeometry& g, int index, int count) {
    if (g.depth == 0 || count <= 0) {
        return {};
    }
    return {g.depth * static_cast<double>(count - 1 - index) / count,
            g.depth * static_cast<double>(count - index) / count};
}

QPointF pixelAt(const ChartGeometry& g, QPointF value, double depth) {
    constexpr double kFar = 1e300;  // toPixel may overflow to infinity near the double range
    return QPointF(std::clamp(g.bottomMap.toPixel(value.x()), -kFar, kFar) + depth,
                   std::clamp(g.leftMap.toPixel(value.y()), -kFar, kFar) - depth);
}

QPointF valueAt(const ChartGeometry& g, QPointF pixel, double depth) {
    return QPointF(g.bottomMap.toValue(pixel.x() - depth), g.leftMap.toValue(pixel.y() + depth));
}

double planeUnder(const ChartGeometry& g, const ChartData& data, const QRectF& rect) {
    if (g.depth == 0) {
        return 0;
    }
    const auto& list = data.seriesList();
    const int count = static_cast<int>(list.size());
    double nearest = std::numeric_limits<double>::infinity();
    double farthest = -std::numeric_limits<double>::infinity();
    // From the front, where a curve covers those behind it.
    for (int i = count - 1; i >= 0; --i) {
        const auto& points = list[i]->points();
        const DepthSlice slice = seriesSlice(g, i, count);
        const double plane = slice.middle();
        bool drawn = false;
        for (std::size_t k = 1; k < points.size(); ++k) {
            const QPointF a = pixelAt(g, {points[k - 1].x, points[k - 1].y}, plane);
            const QPointF b = pixelAt(g, {points[k].x, points[k].y}, plane);
            if (samePixel(a, b)) {
                continue;  // drawn as nothing
            }
            drawn = true;
            if (clipSegment(a, b, rect)) {
                return plane;
            }
        }
        if (drawn) {
            nearest = std::min(nearest, slice.front);
            farthest = std::max(farthest, slice.back);
        }
    }
    return nearest <= farthest ? (nearest + farthest) / 2 : 0;
}

ViewState zoomedView(const ChartGeometry& g, const ChartData& data, QPoint from, QPoint to) {
    const double plane = planeUnder(g, data, QRectF(QPointF(from), QPointF(to)).normalized());
    const QPointF a = valueAt(g, from, plane);
    const QPointF b = valueAt(g, to, plane);
    return {ordered(a.x(), b.x()), ordered(a.y(), b.y())};
}

ViewState scrolledView(const ChartGeometry& g, QPoint moved) {
    // The scale is the same on every plane, so the front plane serves all of them.
    const auto shift = [](const ScaleMap& map, int pixels) {
        const double delta = map.toValue(map.start()) - map.toValue(map.start() + pixels);
        return AxisRange{map.range().minimum + delta, map.range().maximum + delta};
    };
    return {shift(g.bottomMap, moved.x()), shift(g.leftMap, moved.y())};
}

}  // namespace chart
