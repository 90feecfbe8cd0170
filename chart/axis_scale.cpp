#include "chart/axis_scale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chart {

AxisRange automaticRange(const ChartData& data, AxisKind kind) {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    for (const auto& series : data.seriesList()) {
        for (const auto& p : series->points()) {
            const double v = kind == AxisKind::Bottom ? p.x : p.y;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    if (lo > hi) {
        return {};
    }
    return {lo, hi};
}

AxisRange effectiveRange(const ChartData& data, const ViewState& view, AxisKind kind) {
    const auto& forced = kind == AxisKind::Bottom ? view.bottom : view.left;
    if (forced) {
        return *forced;
    }
    const Axis& axis =
        kind == AxisKind::Bottom ? data.settings().bottomAxis : data.settings().leftAxis;
    if (!axis.automatic) {
        return {axis.minimum, axis.maximum};
    }
    return automaticRange(data, kind);
}

ScaleMap::ScaleMap(AxisRange range, double start, double end)
    : range_(range), start_(start), end_(end) {}

double ScaleMap::toPixel(double value) const {
    const double span = range_.maximum - range_.minimum;
    if (span == 0) {
        return (start_ + end_) / 2;
    }
    return start_ + (value - range_.minimum) / span * (end_ - start_);
}

double ScaleMap::toValue(double pixel) const {
    const double length = end_ - start_;
    if (length == 0) {
        return range_.minimum;
    }
    return range_.minimum + (pixel - start_) / length * (range_.maximum - range_.minimum);
}

QString formatLabel(double value, const QLocale& locale) {
    // Beyond 1e15 there are no decimals left to round, and value * 1000 could overflow.
    double rounded = std::abs(value) < 1e15 ? std::round(value * 1000) / 1000 : value;
    if (rounded == 0) {
        rounded = 0;  // no "-0"
    }
    QString text = locale.toString(rounded, 'f', 3);
    const QString point = locale.decimalPoint();
    const qsizetype at = text.lastIndexOf(point);
    if (at >= 0) {
        qsizetype end = text.size();
        while (end > at + point.size() && text.at(end - 1) == locale.zeroDigit().at(0)) {
            --end;
        }
        if (end == at + point.size()) {
            end = at;
        }
        text.truncate(end);
    }
    return text;
}

namespace {

// The next round step (1, 2, 5 times a power of ten) that is at least `step`.
double roundStepAtLeast(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= step * (1 - 1e-9)) {
            return factor * power;
        }
    }
    return 10 * power;
}

}  // namespace

std::vector<double> labelValues(AxisRange range, double increment, double lengthPx,
                                const std::function<double(double step)>& extentPx) {
    const double lo = std::min(range.minimum, range.maximum);
    const double hi = std::max(range.minimum, range.maximum);
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        return {};
    }
    if (hi == lo) {
        return {lo};  // shown in the middle of the axis
    }
    const double span = hi - lo;
    if (!std::isfinite(span)) {
        return {lo, hi};
    }
    lengthPx = std::max(std::abs(lengthPx), 1.0);
    const double perPixel = span / lengthPx;

    // Start from the configured increment, or from the round step that puts a label about
    // every 10 pixels, and widen until the labels have room.
    const bool fixedIncrement = increment > 0;
    double step = fixedIncrement ? increment : roundStepAtLeast(span / (lengthPx / 10));
    double multiplier = 1;
    for (int guard = 0; guard < 64; ++guard) {
        if (span / step <= 1000 && step / perPixel >= extentPx(step)) {
            break;
        }
        // Whole round multiples keep a fixed increment's labels on its own grid.
        multiplier = roundStepAtLeast(multiplier * 1.5);
        step = fixedIncrement ? increment * multiplier : roundStepAtLeast(step * 1.5);
    }

    std::vector<double> values;
    const double first = std::ceil(lo / step - 1e-9);
    const double last = std::floor(hi / step + 1e-9);
    for (double k = first; k <= last && values.size() < 1000; ++k) {
        const double v = k * step;
        values.push_back(std::abs(v) < step * 1e-9 ? 0.0 : v);
    }
    return values;
}

}  // namespace chart
