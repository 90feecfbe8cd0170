// Drawing a chart, in the order: background, title, legend, walls and frame, axes with labels
// and grid, then the series in list order.

#include "chart/chart_painter.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "chart/chart_metrics.h"
#include "chart/chart_view.h"
#include "chart/segment_clip.h"

namespace chart {

namespace {

using namespace metrics;

QPoint rounded(QPointF p) {
    return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
}

void drawBackground(QPainter& painter, const QRect& rect, const QColor& background, bool edge) {
    painter.fillRect(rect, background);
    if (!edge) return;
    // A thin raised edge: light above and left, dark below and right.
    painter.setPen(Qt::white);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(QColor(160, 160, 160));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void drawTitle(QPainter& painter, const ChartGeometry& g, const ChartSettings& settings) {
    painter.setFont(settings.titleFont);
    painter.setPen(settings.titleColor);
    const QFontMetrics fm(settings.titleFont);
    const int centre = (g.plot.left() + g.plot.right() + g.depth) / 2;
    int top = g.titleTop;
    for (const QString& line : settings.title) {
        painter.drawText(centre - fm.horizontalAdvance(line) / 2, top + fm.ascent(), line);
        top += g.titleLineHeight;
    }
}

void drawLegend(QPainter& painter, const ChartGeometry& g, const ChartData& data) {
    if (g.legendBox.isNull()) {
        return;
    }
    const QRect& box = g.legendBox;
    painter.fillRect(box.translated(kLegendShadow, kLegendShadow), Qt::black);
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setFont(legendFont());
    const bool view3D = data.settings().view3D;
    for (const LegendRow& row : g.legendRows) {
        const LineSeries& series = *data.seriesList()[row.seriesIndex];
        if (view3D) {
            painter.setPen(series.lineVisible() ? QPen(Qt::black) : QPen(Qt::NoPen));
            painter.setBrush(series.seriesColor());
            painter.drawRect(row.sample.adjusted(0, 0, -1, -1));
            painter.setBrush(Qt::NoBrush);
        } else if (series.lineVisible()) {
            painter.setPen(series.seriesColor());
            const int y = row.sample.center().y();
            painter.drawLine(row.sample.left(), y, row.sample.right(), y);
        }
        painter.setPen(Qt::black);
        painter.drawText(row.text, series.title());
    }
}

void drawWalls(QPainter& painter, const ChartGeometry& g, const ChartSettings& settings) {
    const QRect& p = g.plot;
    const int d = g.depth;
    painter.setPen(Qt::black);
    if (d > 0) {
        painter.setBrush(settings.bottomWallColor);
        painter.drawPolygon(
            QPolygon({p.bottomLeft(), p.bottomRight(), p.bottomRight() + QPoint(d, -d),
                      p.bottomLeft() + QPoint(d, -d)}));
        painter.setBrush(settings.leftWallColor);
        painter.drawPolygon(QPolygon({p.bottomLeft(), p.topLeft(), p.topLeft() + QPoint(d, -d),
                                      p.bottomLeft() + QPoint(d, -d)}));
        painter.setBrush(Qt::NoBrush);
    }
    // The frame: of the plot in 2-D, of the back plane in 3-D.
    const QRect back = p.translated(d, -d);
    painter.drawRect(back.left(), back.top(), back.width() - 1, back.height() - 1);
}

QPen gridPen(const QColor& color) {
    QPen pen(color, 1, Qt::DotLine);
    return pen;
}

void drawAxes(QPainter& painter, const ChartGeometry& g, const ChartSettings& settings) {
    const QRect& p = g.plot;
    const int d = g.depth;
    const QFontMetrics fm(labelFont());
    const QPen tickPen(QColor(128, 128, 128));

    // Grid first, so that ticks and labels stay clean.
    painter.setPen(gridPen(settings.leftAxis.gridColor));
    for (const double v : g.leftLabels) {
        const int y = static_cast<int>(std::lround(g.leftMap.toPixel(v)));
        if (y <= p.top() || y >= p.bottom()) {
            continue;
        }
        if (d > 0) {
            painter.drawLine(p.left() + 1, y - 1, p.left() + d - 1, y - d + 1);
        }
        painter.drawLine(p.left() + d + 1, y - d, p.right() + d - 1, y - d);
    }
    painter.setPen(gridPen(settings.bottomAxis.gridColor));
    for (const double v : g.bottomLabels) {
        const int x = static_cast<int>(std::lround(g.bottomMap.toPixel(v)));
        if (x <= p.left() || x >= p.right()) {
            continue;
        }
        if (d > 0) {
            painter.drawLine(x + 1, p.bottom() - 1, x + d - 1, p.bottom() - d + 1);
        }
        painter.drawLine(x + d, p.bottom() - d - 1, x + d, p.top() - d + 1);
    }

    painter.setFont(labelFont());
    for (std::size_t i = 0; i < g.leftLabels.size(); ++i) {
        const int y = static_cast<int>(std::lround(g.leftMap.toPixel(g.leftLabels[i])));
        painter.setPen(tickPen);
        painter.drawLine(p.left() - kTickLength, y, p.left() - 1, y);
        const QString& text = g.leftTexts[i];
        painter.setPen(Qt::black);
        painter.drawText(p.left() - kTickLength - kLabelGap - fm.horizontalAdvance(text),
                         y - fm.height() / 2 + fm.ascent(), text);
    }
    for (std::size_t i = 0; i < g.bottomLabels.size(); ++i) {
        const int x = static_cast<int>(std::lround(g.bottomMap.toPixel(g.bottomLabels[i])));
        painter.setPen(tickPen);
        painter.drawLine(x, p.bottom() + 1, x, p.bottom() + kTickLength);
        const QString& text = g.bottomTexts[i];
        painter.setPen(Qt::black);
        painter.drawText(x - fm.horizontalAdvance(text) / 2,
                         p.bottom() + kTickLength + kLabelGap + fm.ascent(), text);
    }

    // Axis titles: below the bottom labels, and upward left of the left labels.
    const Axis& bottom = settings.bottomAxis;
    if (!bottom.title.isEmpty()) {
        const QFontMetrics tfm(bottom.titleFont);
        painter.setFont(bottom.titleFont);
        painter.setPen(bottom.titleColor);
        painter.drawText(
            (p.left() + p.right()) / 2 - tfm.horizontalAdvance(bottom.title) / 2,
            p.bottom() + kTickLength + kLabelGap + fm.height() + kAxisTitleGap + tfm.ascent(),
            bottom.title);
    }
    const Axis& left = settings.leftAxis;
    if (!left.title.isEmpty()) {
        const QFontMetrics tfm(left.titleFont);
        painter.save();
        painter.setFont(left.titleFont);
        painter.setPen(left.titleColor);
        painter.translate(g.chart.left() + kEdge + kMargin, (p.top() + p.bottom()) / 2);
        painter.rotate(-90);
        painter.drawText(-tfm.horizontalAdvance(left.title) / 2, tfm.ascent(), left.title);
        painter.restore();
    }
}

QPointF mapPoint(const ChartGeometry& g, const ChartPoint& point) {
    return pixelAt(g, {point.x, point.y});
}

bool samePixel(QPointF a, QPointF b) {
    return std::round(a.x()) == std::round(b.x()) && std::round(a.y()) == std::round(b.y());
}

QRectF plotBox(const ChartGeometry& g) {
    return QRectF(QPointF(g.plot.left(), g.plot.top()), QPointF(g.plot.right(), g.plot.bottom()));
}

// Calls segment(from, to, colour) for each segment of a 2-D series that is drawn: between
// neighbouring points that fall on different pixels, cut to the plot, in the colour of the
// point where it ends.
template <class Segment>
void forEachSegment2D(const ChartGeometry& g, const LineSeries& series, bool exact,
                      Segment&& segment) {
    const auto& points = series.points();
    if (!series.lineVisible() || points.size() < 2) {
        return;
    }
    const QRectF box = plotBox(g);
    QPointF previous = mapPoint(g, points.front());
    for (std::size_t i = 1; i < points.size(); ++i) {
        const QPointF current = mapPoint(g, points[i]);
        if (!samePixel(previous, current)) {
            if (const auto part = clipSegment(previous, current, box)) {
                if (exact) {
                    segment(part->first, part->second, points[i].color);
                } else {
                    segment(QPointF(rounded(part->first)), QPointF(rounded(part->second)),
                            points[i].color);
                }
            }
        }
        previous = current;
    }
}

// One pixel wide segments, each in the colour of the point where it ends.
void drawSeries2D(QPainter& painter, const ChartGeometry& g, const LineSeries& series, bool exact) {
    QColor penColor = Qt::transparent;
    forEachSegment2D(g, series, exact, [&](QPointF from, QPointF to, const QColor& colour) {
        if (colour != penColor) {
            penColor = colour;
            painter.setPen(QPen(penColor, 1));
        }
        painter.drawLine(from, to);
    });
}

// The same segments as paths, one per colour, each piece a subpath: a curve drawn by several
// series stays one object in a drawing program.
void drawPaths2D(QPainter& painter, const ChartGeometry& g,
                 const std::vector<const LineSeries*>& pieces, bool exact) {
    std::vector<std::pair<QColor, QPainterPath>> paths;
    for (const LineSeries* const series : pieces) {
        QPainterPath* path = nullptr;
        forEachSegment2D(g, *series, exact, [&](QPointF from, QPointF to, const QColor& colour) {
            if (!path || paths.back().first != colour) {
                paths.emplace_back(colour, QPainterPath());
                path = &paths.back().second;
                path->moveTo(from);
            } else if (path->currentPosition() != from) {
                path->moveTo(from);
            }
            path->lineTo(to);
        });
    }
    painter.setBrush(Qt::NoBrush);
    for (const auto& [colour, path] : paths) {
        painter.setPen(QPen(colour, 1));
        painter.drawPath(path);
    }
}

// Vector output: each curve is drawn, as one path, where its last piece stands in the series
// order; a series of no curve as a path of its own.
void drawVectorSeries2D(QPainter& painter, const ChartGeometry& g, const ChartData& data,
                        bool exact) {
    const auto& list = data.seriesList();
    const auto& curves = data.curveDefinitions();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const LineSeries* const series = list[i].get();
        const auto curve = std::find_if(curves.begin(), curves.end(), [&](const auto& c) {
            return std::find(c.pieces.begin(), c.pieces.end(), series) != c.pieces.end();
        });
        if (curve == curves.end()) {
            drawPaths2D(painter, g, {series}, exact);
            continue;
        }
        // The piece of the curve that comes last in the series list.
        const auto lastPiece = std::max_element(
            curve->pieces.begin(), curve->pieces.end(), [&](const auto* a, const auto* b) {
                const auto at = [&](const LineSeries* s) {
                    return std::find_if(list.begin(), list.end(),
                                        [&](const auto& item) { return item.get() == s; });
                };
                return at(a) < at(b);
            });
        if (*lastPiece == series) drawPaths2D(painter, g, curve->pieces, exact);
    }
}

// Ribbons across the series' slice of the depth, filled with the colour of the end point.
void drawSeries3D(QPainter& painter, const ChartGeometry& g, const LineSeries& series, int index,
                  int count) {
    const auto& points = series.points();
    if (points.size() < 2) {
        return;
    }
    const DepthSlice slice = seriesSlice(g, index, count);
    const QPointF toFront(slice.front, -slice.front);
    const QPointF toBack(slice.back, -slice.back);
    const QRectF box = plotBox(g);
    painter.setPen(series.lineVisible() ? QPen(Qt::black, 1) : QPen(Qt::NoPen));
    QPointF previous = mapPoint(g, points.front());
    for (std::size_t i = 1; i < points.size(); ++i) {
        const QPointF current = mapPoint(g, points[i]);
        if (!samePixel(previous, current)) {
            if (const auto part = clipSegment(previous, current, box)) {
                const auto& [a, b] = *part;
                QColor fill = points[i].color;
                // A rising ribbon shows its underside: darker where shading is on.
                if (series.shade3D() && std::round(b.y()) < std::round(a.y())) {
                    fill = fill.darker(150);
                }
                painter.setBrush(fill);
                const QPoint quad[4] = {rounded(a + toFront), rounded(b + toFront),
                                        rounded(b + toBack), rounded(a + toBack)};
                painter.drawPolygon(quad, 4);
            }
        }
        previous = current;
    }
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

void drawChart(QPainter& painter, const ChartGeometry& g, const ChartData& data,
               const ViewState& view, const DrawOptions& options) {
    const ChartSettings& settings = data.settings();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawBackground(painter, g.chart, settings.backgroundColour(), options.edge);
    drawTitle(painter, g, settings);
    drawLegend(painter, g, data);
    drawWalls(painter, g, settings);
    drawAxes(painter, g, settings);
    const auto& list = data.seriesList();
    const int count = static_cast<int>(list.size());
    if (settings.view3D && (view.bottom || view.left)) {
        // Cut where the zoomed ranges end, as in 2-D: at the frame, never over the walls.
        painter.setClipRect(g.frame());
    }
    if (!settings.view3D && options.exact) painter.setRenderHint(QPainter::Antialiasing, true);
    if (!settings.view3D && options.vector) {
        drawVectorSeries2D(painter, g, data, options.exact);
    } else {
        for (int i = 0; i < count; ++i) {
            if (settings.view3D) {
                drawSeries3D(painter, g, *list[i], i, count);
            } else {
                drawSeries2D(painter, g, *list[i], options.exact);
            }
        }
    }
    painter.restore();
}

}  // namespace chart
