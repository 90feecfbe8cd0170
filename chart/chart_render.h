#pragma once
// The chart out of the program: one entry that draws it as it is shown, at any size and
// resolution, onto any paint device; and on it the picture for the clipboard and PNG files, the
// SVG file and the printed page.

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QStringList>

#include "chart/axis_scale.h"
#include "chart/chart_data.h"
#include "chart/chart_painter.h"

class QPagedPaintDevice;
class QPainter;

namespace chart {

// The chart laid out as on a widget of `size` (its place on screen) and drawn, scaled, into
// `target` of the painter: fonts, lines and curves at the device's own resolution.
void renderChart(QPainter& painter, const QRectF& target, const ChartData& data,
                 const ViewState& view, QSize size, const DrawOptions& options = {});

// The chart as shown on a widget of `size`, without the widget's edge, as an image of
// `pixelRatio` times as many pixels each way (its device pixel ratio says so).
QImage chartImage(const ChartData& data, const ViewState& view, QSize size, qreal pixelRatio);

// The same as an SVG document: lines and curves as vectors, texts as text.
QByteArray chartSvg(const ChartData& data, const ViewState& view, QSize size, const QString& title);

// The image as a PNG file, marked with the resolution its device pixel ratio gives (96 dots per
// inch times the ratio); empty when it cannot be encoded.
QByteArray pngBytes(const QImage& image);

// One page: the header lines (the first as a heading), then the chart at the page's width, as
// vectors at the device's resolution.
void printChart(QPagedPaintDevice& device, const QStringList& header, const ChartData& data,
                const ViewState& view, QSize size);

}  // namespace chart
