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

// How the labels of one axis are written. The default is the pattern "#,##0.###": digit
// grouping, at most three decimals, trailing zeros dropped.
struct LabelFormat {
    bool scientific = false;  // a mantissa and a power of ten, "1,2E+290", without grouping
    int decimals = 3;         // at most this many decimals (of the mantissa when scientific)
    bool operator==(const LabelFormat&) const = default;
};

// Writes a label with the separators of `locale`.
QString formatLabel(double value, const LabelFormat& format, const QLocale& locale = QLocale());
inline QString formatLabel(double value, const QLocale& locale = QLocale()) {
    return formatLabel(value, LabelFormat{}, locale);
}

// An axis' labels as written, one text per value, and the format they share.
struct AxisTexts {
    LabelFormat format;
    std::vector<QString> texts;
};

// Writes an axis' labels, `values` in ascending order: in "#,##0.###" when it writes every two
// neighbours differently, else with as many decimals as that takes; in the scientific form when
// a label written out does not fit (`fits`), or its decimals would run beyond what a label can
// show.
AxisTexts writeLabels(const std::vector<double>& values,
                      const std::function<bool(const QString&)>& fits,
                      const QLocale& locale = QLocale());

// Values to label on an axis `lengthPx` long. The step is `increment` (or a round step when it
// is 0), widened until neighbouring labels are at least `extentPx(step)` pixels apart;
// `extentPx` gives the room one label needs for that step (its width or height plus a gap).
// A range that is not empty always gets at least two labels: when the step that has room
// leaves fewer, the coarsest round step that gives two if they have room, else the two ends of
// the range. Steps never go below what doubles can tell apart at the range's magnitude.
std::vector<double> labelValues(AxisRange range, double increment, double lengthPx,
                                const std::function<double(double step)>& extentPx);

}  // namespace chart
