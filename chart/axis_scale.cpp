#include "chart/axis_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

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

namespace {

// Fixed decimals beyond this are not worth reading: such labels go scientific.
constexpr int kMostFixedDecimals = 20;
// Seventeen significant digits tell any two doubles apart.
constexpr int kMostMantissaDecimals = 16;

// Drops the zeros that end the decimals, and the separator when no decimal is left.
void trimDecimals(QString& text, const QString& point, QChar zero) {
    const qsizetype at = text.lastIndexOf(point);
    if (at < 0) {
        return;
    }
    qsizetype end = text.size();
    while (end > at + point.size() && text.at(end - 1) == zero) {
        --end;
    }
    if (end == at + point.size()) {
        end = at;
    }
    text.truncate(end);
}

QString fixedLabel(double value, int decimals, const QLocale& locale) {
    const QString point = locale.decimalPoint();
    const QChar zero = locale.zeroDigit().at(0);
    if (decimals <= 3) {
        // Beyond 1e15 there are no decimals left to round, and value * 1000 could overflow.
        double rounded = std::abs(value) < 1e15 ? std::round(value * 1000) / 1000 : value;
        if (rounded == 0) {
            rounded = 0;  // no "-0"
        }
        QString text = locale.toString(rounded, 'f', 3);
        trimDecimals(text, point, zero);
        return text;
    }
    QString text = locale.toString(value, 'f', decimals);
    trimDecimals(text, point, zero);
    if (text == locale.negativeSign() + zero) {
        text = zero;  // a tiny negative value rounded to nothing
    }
    return text;
}

// "1,2E+290": the mantissa with at most `decimals` decimals, trailing zeros dropped.
QString scientificLabel(double value, int decimals, const QLocale& locale) {
    if (value == 0) {
        return locale.zeroDigit();
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", std::clamp(decimals, 0, 40), value);
    const QString written = QString::fromLatin1(buffer);
    const qsizetype e = written.indexOf(u'e');
    QString mantissa = written.left(e);
    trimDecimals(mantissa, QStringLiteral("."), u'0');
    mantissa.replace(u'.', locale.decimalPoint());
    if (mantissa.startsWith(u'-')) {
        mantissa.replace(0, 1, locale.negativeSign());
    }
    const QChar sign = written.at(e + 1);
    QString exponent = written.mid(e + 2);
    while (exponent.size() > 1 && exponent.startsWith(u'0')) {
        exponent.remove(0, 1);
    }
    return mantissa + u'E' + (sign == u'-' ? u'-' : u'+') + exponent;
}

// The labels in `format`, or nothing when two neighbours read the same.
std::optional<std::vector<QString>> textsThatDiffer(const std::vector<double>& values,
                                                    const LabelFormat& format,
                                                    const QLocale& locale) {
    std::vector<QString> texts;
    texts.reserve(values.size());
    for (const double v : values) {
        texts.push_back(formatLabel(v, format, locale));
        if (texts.size() > 1 && texts.back() == texts[texts.size() - 2]) {
            return std::nullopt;
        }
    }
    return texts;
}

// The smallest gap between neighbours, or 0 with fewer than two values (or only gaps beyond
// the double range).
double smallestGap(const std::vector<double>& values) {
    double gap = 0;
    for (std::size_t i = 1; i < values.size(); ++i) {
        const double d = std::abs(values[i] - values[i - 1]);
        if (d > 0 && std::isfinite(d) && (gap == 0 || d < gap)) {
            gap = d;
        }
    }
    return gap;
}

// The labels with the fewest decimals from `start` up to `most` that write the neighbours
// apart, or nothing.
std::optional<AxisTexts> fewestDecimals(const std::vector<double>& values, bool scientific,
                                        int start, int most, const QLocale& locale) {
    for (int decimals = std::max(start, 0); decimals <= most; ++decimals) {
        const LabelFormat format{scientific, decimals};
        if (auto texts = textsThatDiffer(values, format, locale)) {
            return AxisTexts{format, std::move(*texts)};
        }
    }
    return std::nullopt;
}

}  // namespace

QString formatLabel(double value, const LabelFormat& format, const QLocale& locale) {
    return format.scientific ? scientificLabel(value, format.decimals, locale)
                             : fixedLabel(value, format.decimals, locale);
}

AxisTexts writeLabels(const std::vector<double>& values,
                      const std::function<bool(const QString&)>& fits, const QLocale& locale) {
    const double gap = smallestGap(values);
    // Neighbours start to differ at the decimal of the gap between them; rounding may want one
    // more. Equal neighbours (gap 0) cannot be written apart at all.
    const auto decimalsOf = [&](double magnitude) {
        if (gap == 0) {
            return 0;
        }
        const double decimals = std::floor(std::log10(magnitude)) - std::floor(std::log10(gap));
        return static_cast<int>(std::clamp(decimals, -400.0, 400.0));
    };
    std::optional<AxisTexts> fixed;
    if (auto texts = textsThatDiffer(values, {}, locale)) {
        fixed = AxisTexts{{}, std::move(*texts)};
    } else if (gap > 0) {
        fixed =
            fewestDecimals(values, false, std::max(decimalsOf(1), 4), kMostFixedDecimals, locale);
    }
    if (fixed && std::all_of(fixed->texts.begin(), fixed->texts.end(), fits)) {
        return std::move(*fixed);
    }
    double largest = 0;
    for (const double v : values) {
        largest = std::max(largest, std::abs(v));
    }
    const int start = largest > 0 ? std::clamp(decimalsOf(largest), 3, kMostMantissaDecimals) : 3;
    if (auto scientific = fewestDecimals(values, true, start, kMostMantissaDecimals, locale)) {
        return std::move(*scientific);
    }
    const LabelFormat longest{true, kMostMantissaDecimals};
    AxisTexts texts{longest, {}};
    for (const double v : values) {
        texts.texts.push_back(formatLabel(v, longest, locale));
    }
    return texts;
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

// The largest round step that is at most `step`.
double roundStepAtMost(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    for (const double factor : {10.0, 5.0, 2.0, 1.0}) {
        if (factor * power <= step * (1 + 1e-9)) {
            return factor * power;
        }
    }
    return power / 2;
}

// The multiples of `step` from lo to hi (at most 1000 of them).
std::vector<double> multiplesIn(double lo, double hi, double step) {
    std::vector<double> values;
    const double first = std::ceil(lo / step - 1e-9);
    const double last = std::floor(hi / step + 1e-9);
    for (double k = first; k <= last && values.size() < 1000; ++k) {
        const double v = k * step;
        values.push_back(std::abs(v) < step * 1e-9 ? 0.0 : v);
    }
    return values;
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
    // Below a few units in the last place, multiples of a step are no longer evenly spaced
    // doubles; such a range is labelled at its ends.
    const double magnitude = std::max(std::abs(lo), std::abs(hi));
    const double finest = 16 * (std::nextafter(magnitude, HUGE_VAL) - magnitude);
    if (span < 4 * finest) {
        return {lo, hi};
    }
    lengthPx = std::max(std::abs(lengthPx), 1.0);
    const double perPixel = span / lengthPx;
    const auto hasRoom = [&](double step) { return step / perPixel >= extentPx(step); };

    // Start from the configured increment, or from the round step that puts a label about
    // every 10 pixels, and widen until the labels have room.
    const bool fixedIncrement = increment >= finest;
    double step =
        fixedIncrement ? increment : roundStepAtLeast(std::max(span / (lengthPx / 10), finest));
    double multiplier = 1;
    for (int guard = 0; guard < 64; ++guard) {
        if (span / step <= 1000 && hasRoom(step)) {
            break;
        }
        // Whole round multiples keep a fixed increment's labels on its own grid.
        multiplier = roundStepAtLeast(multiplier * 1.5);
        step = fixedIncrement ? increment * multiplier : roundStepAtLeast(step * 1.5);
    }
    std::vector<double> values = multiplesIn(lo, hi, step);
    if (values.size() >= 2) {
        return values;
    }
    const double coarsest = roundStepAtMost(span / 2);
    if (coarsest >= finest && hasRoom(coarsest)) {
        values = multiplesIn(lo, hi, coarsest);
        if (values.size() >= 2) {
            return values;
        }
    }
    return {lo, hi};
}

}  // namespace chart
