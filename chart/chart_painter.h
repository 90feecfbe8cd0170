#pragma once
// Draws a chart onto any QPainter: the widget, images, SVG files and printers all paint with it
// (through chart_render.h). It draws the layout of chart_layout.h.

#include <QPainter>
#include <QRect>

#include "chart/chart_data.h"
#include "chart/chart_layout.h"

namespace chart {

struct DrawOptions {
    bool edge = true;     // the thin raised edge around the chart, as on screen
    bool vector = false;  // each 2-D curve as one path of all its pieces: for SVG and printers
    // 2-D curves through their exact points, smoothed, instead of on whole pixels: for pictures
    // finer than the screen.
    bool exact = false;
};

// Draws a laid-out chart; it only draws what the layout holds. In 3-D, a zoomed or scrolled
// view cuts the curves at the frame, so that nothing of them lies on the walls; the view as
// configured shows them whole.
void drawChart(QPainter& painter, const ChartGeometry& layout, const ChartData& data,
               const ViewState& view = {}, const DrawOptions& options = {});

}  // namespace chart
