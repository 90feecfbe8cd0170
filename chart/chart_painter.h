#pragma once
// Draws a chart onto any QPainter and rectangle: the widget paints itself with it and tests
// paint into a QImage. chartGeometry() gives the layout the drawing uses, so mouse handling
// and tests can turn pixels into values and find the legend rows.

#include <QColor>
#include <QPainter>
#include <QRect>
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
    int titleTop = 0;
    int titleLineHeight = 0;
    QRect legendBox;                    // empty without series
    std::vector<LegendRow> legendRows;  // only the rows that fit

    // Front and back plot rectangles together: where the mouse acts on the plot.
    QRect plotRegion() const {
        return QRect(plot.topLeft() - QPoint(0, depth), plot.bottomRight() + QPoint(depth, 0));
    }
};

ChartGeometry chartGeometry(const QRect& rect, const ChartData& data, const ViewState& view = {});

void paintChart(QPainter& painter, const QRect& rect, const ChartData& data,
                const ViewState& view = {});

}  // namespace chart
