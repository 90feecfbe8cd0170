#pragma once
// Fixed distances and fonts shared by the layout and the drawing of a chart.

#include <QFont>

#include "chart/chart_data.h"

namespace chart::metrics {

inline constexpr int kEdge = 1;            // the raised edge around the chart
inline constexpr int kMargin = 8;          // between the edge and the content
inline constexpr int kTickLength = 4;      // grey ticks outside the plot
inline constexpr int kLabelGap = 2;        // between a tick and its label
inline constexpr int kAxisTitleGap = 4;    // between labels and the axis title
inline constexpr int kLegendGap = 10;      // between the plot and the legend
inline constexpr int kLegendPadding = 4;   // inside the legend box, left and right
inline constexpr int kLegendVPadding = 2;  // inside the legend box, top and bottom
inline constexpr int kLegendShadow = 3;
inline constexpr double kLegendTop = 0.10;  // share of the chart height above the legend
inline constexpr double kDepthShare = 0.15;

inline QFont labelFont() { return chartFont(11); }
inline QFont legendFont() { return chartFont(11); }

}  // namespace chart::metrics
