#pragma once
// Axis arithmetic, kept apart from drawing: ranges, the value-to-pixel mapping, label values
// and label texts.

#include <QLocale>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "chart/chart_data.h"

namespace chart {

struct AxisRange {
    double minimum = 0;
    double maximum = 0;
    bool operator==(const AxisRange&) const = default;
};

// Ranges forced by zooming or scrolling; an empty optional leaves the axis as configured.
struct ViewState {
    std::optional<AxisRange> bottom;
    std::optional<AxisRange> left;
    bool operator==(const ViewState&) const = default;
};

enum class AxisKind { Bottom, Left };

// Exactly min..max of the coordinate over all points of all series; 0..0 without points.
AxisRange automaticRange(const ChartData& data, AxisKind kind);
// The range the axis shows: the view's, else the fixed one, else the automatic one.
AxisRange effectiveRange(const ChartData& data, const ViewState& view, AxisKind kind);

// Maps values linearly onto pixels from `start` (the minimum) to `end` (the maximum);
// an empty range puts every value in the middle.
class ScaleMap {
  public:
    ScaleMap() = default;
    ScaleMap(AxisRange range, double start, double end);
    double toPixel(double value) const;
    double toValue(double pixel) const;
    const AxisRange& range() const { return range_; }
    double start() const { return start_; }
    double end() const { return end_; }

  private:
    AxisRange range_;
    double start_ = 0;
    double end_ = 0;
};

// "#,##0.###": digit grouping, at most three decimals, separators of `locale`.
QString formatLabel(double value, const QLocale& locale = QLocale());

// Values to label on an axis `lengthPx` long. The step is `increment` (or a round step when it
// is 0), widened until neighbouring labels are at least `extentPx(step)` pixels apart;
// `extentPx` gives the room one label needs for that step (its width or height plus a gap).
std::vector<double> labelValues(AxisRange range, double increment, double lengthPx,
                                const std::function<double(double step)>& extentPx);

}  // namespace chart
