#pragma once
// Draws a chart onto any QPainter and rectangle: the widget paints itself with it and tests
// paint into a QImage. It draws the layout of chart_layout.h.

#include <QPainter>
#include <QRect>

#include "chart/chart_data.h"
#include "chart/chart_layout.h"

namespace chart {

// In 3-D, a zoomed or scrolled view cuts the curves at the frame, so that nothing of them lies
// on the walls; the view as configured shows them whole.
void paintChart(QPainter& painter, const QRect& rect, const ChartData& data,
                const ViewState& view = {});

}  // namespace chart
