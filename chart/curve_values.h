#pragma once
// What a student reads off a curve: its pressure at a time, and its peak, lowest point, range
// and mean. Plain arithmetic over a curve's points in time order (ChartData::curves()).

#include <optional>
#include <vector>

#include "chart/chart_data.h"

namespace chart {

// The curve's value at time t, interpolated linearly between the last point at or before t and
// the first point after it; at the time of a point, that point's value (the last of several at
// the same time). Nothing when t lies before the first or after the last point.
std::optional<double> curveValueAt(const std::vector<ChartPoint>& points, double t);

struct CurveStatistics {
    double maximum = 0;
    double timeOfMaximum = 0;  // the first time the maximum is reached
    double minimum = 0;
    double timeOfMinimum = 0;
    double range = 0;  // maximum − minimum
    // The integral of the curve over time (trapezoids between neighbouring points) divided by
    // the time it spans; the plain mean when it spans no time.
    double timeWeightedMean = 0;
};

// Nothing for a curve without points.
std::optional<CurveStatistics> statisticsOf(const std::vector<ChartPoint>& points);

// The curve as drawn between two times: its points from `from` to `to`, and where it runs on
// beyond either time, its interpolated value there in place of the points outside. Empty when
// the curve does not reach into that span.
std::vector<ChartPoint> pointsWithin(const std::vector<ChartPoint>& points, double from, double to);

}  // namespace chart
