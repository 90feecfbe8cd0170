#pragma once
// The arithmetic of the view over a laid-out chart: where a series lies in the depth, pixels
// to values on a series' plane and back, the view zoomed to a rectangle and the view scrolled
// by a distance. Plain functions, so that anything acting on the chart with the mouse shares
// them.

#include <QPoint>
#include <QPointF>
#include <QRectF>

#include "chart/axis_scale.h"
#include "chart/chart_data.h"
#include "chart/chart_layout.h"

namespace chart {

// A series' slice of the depth, in pixels behind the front plane: one slice per series, the
// first series of the list at the back, the last at the front. Flat (0, 0) in 2-D.
struct DepthSlice {
    double front = 0;
    double back = 0;
    double middle() const { return (front + back) / 2; }
};
DepthSlice seriesSlice(const ChartGeometry& g, int index, int count);

// A point (x, y) in axis values drawn on the plane `depth` pixels behind the front plane: the
// pixel, and back. Pixels of values near the end of the double range are held to ±1e300.
QPointF pixelAt(const ChartGeometry& g, QPointF value, double depth = 0);
QPointF valueAt(const ChartGeometry& g, QPointF pixel, double depth = 0);

// The plane a rectangle drawn over the plot is read on, so that it selects what the user sees
// inside it: in 3-D the middle of the slice of the frontmost series whose curve passes through
// the rectangle; with none there, the middle of the slices that hold curves; with no curve at
// all, the front plane. Always the front plane (0) in 2-D.
double planeUnder(const ChartGeometry& g, const ChartData& data, const QRectF& rect);

// The view zoomed to the rectangle between two pixels, read on planeUnder().
ViewState zoomedView(const ChartGeometry& g, const ChartData& data, QPoint from, QPoint to);

// The view after the picture has been dragged by `moved` pixels: what was under the pointer
// stays under it, on every plane.
ViewState scrolledView(const ChartGeometry& g, QPoint moved);

}  // namespace chart
