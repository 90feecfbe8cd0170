#pragma once
// Where everything of a chart goes: title, legend, plot, axis labels. The painter draws this
// layout, and the mouse handling and tests turn its pixels into values.

#include <QRect>
#include <QString>
#include <vector>

#include "chart/axis_scale.h"
#include "chart/chart_data.h"

namespace chart {

struct LegendRow {
    int seriesIndex = 0;
    QRect sample;  // where the sample is drawn (a line through its middle in 2-D)
    QPoint text;   // left end of the title's baseline
};

struct ChartGeometry {
    QRect chart;
    // The front plot rectangle; left/right/top/bottom are the pixel rows and columns of its
    // frame (inclusive), and the axes map their ranges onto exactly these.
    QRect plot;
    int depth = 0;  // 3-D: the back plane lies `depth` pixels to the right and up; 0 in 2-D
    ScaleMap bottomMap;
    ScaleMap leftMap;
    std::vector<double> bottomLabels;
    std::vector<double> leftLabels;
    std::vector<QString> bottomTexts;  // the labels as written, one per value
    std::vector<QString> leftTexts;
    int titleTop = 0;
    int titleLineHeight = 0;
    QRect legendBox;                    // empty without series
    std::vector<LegendRow> legendRows;  // only the rows that fit

    // Front and back plot rectangles together: where the mouse acts on the plot.
    QRect plotRegion() const {
        return QRect(plot.topLeft() - QPoint(0, depth), plot.bottomRight() + QPoint(depth, 0));
    }
    // The framed rectangle: the plot in 2-D, its back plane in 3-D.
    QRect frame() const { return plot.translated(depth, -depth); }
};

// A fixed axis keeps its configured increment until the view zooms or scrolls it; labels wider
// than a quarter of the chart are written in the scientific form, and the plot keeps at least
// half of the chart's width and height.
ChartGeometry chartGeometry(const QRect& rect, const ChartData& data, const ViewState& view = {});

}  // namespace chart
