// Where everything of a chart goes: title, legend, plot, labels.

#include "chart/chart_layout.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <functional>

#include "chart/chart_metrics.h"

namespace chart {

namespace {

using namespace metrics;

// Whether a label leaves enough of the chart to the curves: no wider than `maxWidth`. Most
// labels are too short to need measuring.
std::function<bool(const QString&)> fitsWithin(const QFontMetrics& fm, double maxWidth) {
    const int widestCharacter = fm.maxWidth();
    return [&fm, maxWidth, widestCharacter](const QString& text) {
        return text.size() * widestCharacter <= maxWidth || fm.horizontalAdvance(text) <= maxWidth;
    };
}

// The widest label among the first two and the last of an axis at this step, each label
// written as the axis would write them.
int widestLabel(const QFontMetrics& fm, AxisRange range, double step,
                const std::function<bool(const QString&)>& fits) {
    const double lo = std::min(range.minimum, range.maximum);
    const double hi = std::max(range.minimum, range.maximum);
    const double first = std::ceil(lo / step - 1e-9) * step;
    const double last = std::floor(hi / step + 1e-9) * step;
    std::vector<double> shown{first};
    if (first + step < last) {
        shown.push_back(first + step);
    }
    if (last > first) {
        shown.push_back(last);
    }
    const LabelFormat format = writeLabels(shown, fits).format;
    int widest = 0;
    for (const double v : {first, first + step, last}) {
        widest = std::max(widest, fm.horizontalAdvance(formatLabel(v, format)));
    }
    return widest;
}

void layoutLegend(ChartGeometry& g, const QRect& rect, const ChartData& data) {
    const auto& list = data.seriesList();
    if (list.empty()) {
        return;
    }
    const QFontMetrics fm(legendFont());
    int widest = 0;
    for (const auto& s : list) {
        widest = std::max(widest, fm.horizontalAdvance(s->title()));
    }
    const int sampleWidth = static_cast<int>(std::lround(0.12 * widest + 10));
    const int rowHeight = fm.height();
    const int width = kLegendPadding * 3 + sampleWidth + widest;
    const int top = rect.top() + static_cast<int>(std::lround(kLegendTop * rect.height()));
    const int room = rect.bottom() - kEdge - kMargin - kLegendShadow - top - 2 * kLegendVPadding;
    const int shown = std::clamp(room / std::max(rowHeight, 1), 0, static_cast<int>(list.size()));
    const int right = rect.right() - kEdge - kMargin - kLegendShadow;
    g.legendBox = QRect(right - width + 1, top, width, 2 * kLegendVPadding + shown * rowHeight);
    const int sampleLeft = g.legendBox.left() + kLegendPadding;
    for (int i = 0; i < shown; ++i) {
        const int rowTop = top + kLegendVPadding + i * rowHeight;
        LegendRow row;
        row.seriesIndex = i;
        row.sample = QRect(sampleLeft, rowTop + 2, sampleWidth, rowHeight - 4);
        row.text = QPoint(sampleLeft + sampleWidth + kLegendPadding, rowTop + fm.ascent());
        g.legendRows.push_back(row);
    }
}

}  // namespace

ChartGeometry chartGeometry(const QRect& rect, const ChartData& data, const ViewState& view) {
    const ChartSettings& settings = data.settings();
    ChartGeometry g;
    g.chart = rect;

    const QFontMetrics labelFm(labelFont());
    const int labelHeight = labelFm.height();
    // A label wider than a quarter of the chart is written in the scientific form.
    const double widestText = rect.width() / 4.0;
    const auto fits = fitsWithin(labelFm, widestText);

    // Title lines from the top; an empty line takes its height too.
    const QFontMetrics titleFm(settings.titleFont);
    g.titleLineHeight = titleFm.height();
    g.titleTop = rect.top() + kEdge + kMargin / 2;
    const int titleHeight = static_cast<int>(settings.title.size()) * g.titleLineHeight;

    layoutLegend(g, rect, data);

    // Vertical extent of the plot region (front and back planes together), never below half of
    // the chart's height.
    const int regionTop = g.titleTop + titleHeight + kMargin / 2 + labelHeight / 2;
    int regionBottom = rect.bottom() - kEdge - kMargin - labelHeight - kTickLength - kLabelGap;
    if (!settings.bottomAxis.title.isEmpty()) {
        regionBottom -= QFontMetrics(settings.bottomAxis.titleFont).height() + kAxisTitleGap;
    }
    regionBottom = std::max(regionBottom, std::min(regionTop + rect.height() / 2, rect.bottom()));
    const int regionHeight = std::max(regionBottom - regionTop, 1);
    g.depth = settings.view3D ? static_cast<int>(std::lround(kDepthShare * regionHeight)) : 0;
    const int plotTop = regionTop + g.depth;
    const int plotBottom = std::max(regionBottom, plotTop + 1);

    // A fixed increment holds for the configured range only; a zoomed or scrolled axis is
    // labelled like an automatic one.
    const double leftIncrement = view.left ? 0 : settings.leftAxis.increment;
    const double bottomIncrement = view.bottom ? 0 : settings.bottomAxis.increment;

    // Left axis labels decide how far the plot starts from the left.
    const AxisRange leftRange = effectiveRange(data, view, AxisKind::Left);
    g.leftLabels = labelValues(leftRange, leftIncrement, plotBottom - plotTop,
                               [&](double) { return labelHeight + 2.0; });
    g.leftTexts = writeLabels(g.leftLabels, fits).texts;
    int widestLeft = 0;
    for (const QString& text : g.leftTexts) {
        widestLeft = std::max(widestLeft, labelFm.horizontalAdvance(text));
    }
    int plotLeft = rect.left() + kEdge + kMargin + widestLeft + kLabelGap + kTickLength;
    if (!settings.leftAxis.title.isEmpty()) {
        plotLeft += QFontMetrics(settings.leftAxis.titleFont).height() + kAxisTitleGap;
    }

    // The plot ends left of the legend, leaving room for half of the last bottom label.
    const AxisRange bottomRange = effectiveRange(data, view, AxisKind::Bottom);
    const double bottomEnd = std::max(bottomRange.minimum, bottomRange.maximum);
    QString lastText = formatLabel(bottomEnd);
    if (!fits(lastText)) {
        lastText = formatLabel(bottomEnd, LabelFormat{true, 3});
    }
    const int halfLastLabel = labelFm.horizontalAdvance(lastText) / 2 + 2;
    const int regionRight =
        (g.legendBox.isNull() ? rect.right() - kEdge - kMargin : g.legendBox.left() - kLegendGap) -
        std::max(0, halfLastLabel - (g.legendBox.isNull() ? 0 : kLegendGap / 2));
    // However wide the labels, the plot region keeps half of the chart's width.
    plotLeft = std::max(std::min(plotLeft, regionRight - rect.width() / 2), rect.left() + kEdge);
    const int plotRight = std::max(regionRight - g.depth, plotLeft + 1);

    g.bottomLabels = labelValues(
        bottomRange, bottomIncrement, plotRight - plotLeft,
        [&](double step) { return widestLabel(labelFm, bottomRange, step, fits) + 8.0; });
    g.bottomTexts = writeLabels(g.bottomLabels, fits).texts;
    g.plot = QRect(QPoint(plotLeft, plotTop), QPoint(plotRight, plotBottom));
    g.bottomMap = ScaleMap(bottomRange, plotLeft, plotRight);
    g.leftMap = ScaleMap(leftRange, plotBottom, plotTop);
    return g;
}

}  // namespace chart
