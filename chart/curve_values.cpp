#include "chart/curve_values.h"

#include <algorithm>

namespace chart {

std::optional<double> curveValueAt(const std::vector<ChartPoint>& points, double t) {
    const auto after =
        std::upper_bound(points.begin(), points.end(), t,
                         [](double time, const ChartPoint& p) { return time < p.x; });
    if (after == points.begin()) return std::nullopt;
    const ChartPoint& before = *std::prev(after);
    if (before.x == t) return before.y;
    if (after == points.end()) return std::nullopt;
    const double share = (t - before.x) / (after->x - before.x);
    return before.y + (after->y - before.y) * share;
}

std::optional<CurveStatistics> statisticsOf(const std::vector<ChartPoint>& points) {
    if (points.empty()) return std::nullopt;
    CurveStatistics s;
    s.maximum = s.minimum = points.front().y;
    s.timeOfMaximum = s.timeOfMinimum = points.front().x;
    // Wide sums, so that a curve near the end of the double range still has a finite mean.
    long double sum = 0;
    long double integral = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const ChartPoint& p = points[i];
        if (p.y > s.maximum) s.maximum = p.y, s.timeOfMaximum = p.x;
        if (p.y < s.minimum) s.minimum = p.y, s.timeOfMinimum = p.x;
        sum += p.y;
        if (i > 0) {
            const ChartPoint& q = points[i - 1];
            integral +=
                (static_cast<long double>(p.x) - q.x) * (static_cast<long double>(p.y) + q.y) / 2;
        }
    }
    s.range = s.maximum - s.minimum;
    const long double span = static_cast<long double>(points.back().x) - points.front().x;
    s.timeWeightedMean = static_cast<double>(
        span > 0 ? integral / span : sum / static_cast<long double>(points.size()));
    return s;
}

std::vector<ChartPoint> pointsWithin(const std::vector<ChartPoint>& points, double from,
                                     double to) {
    std::vector<ChartPoint> within;
    if (points.empty() || from > to) return within;
    const auto first = std::lower_bound(points.begin(), points.end(), from,
                                        [](const ChartPoint& p, double t) { return p.x < t; });
    const auto last = std::upper_bound(points.begin(), points.end(), to,
                                       [](double t, const ChartPoint& p) { return t < p.x; });
    const QColor colour = points.front().color;
    if (first != points.begin() && (first == points.end() || first->x > from)) {
        if (const auto y = curveValueAt(points, from)) within.push_back({from, *y, colour});
    }
    within.insert(within.end(), first, std::max(first, last));
    if (last != points.end() && last != points.begin() && std::prev(last)->x < to) {
        if (const auto y = curveValueAt(points, to)) within.push_back({to, *y, colour});
    }
    return within;
}

}  // namespace chart
