#pragma once
// The chart's data: settings, axes and the ordered list of line series with their points.
// Nothing here paints; chart_painter.h draws a ChartData onto any QPainter and
// chart_widget.h adds the mouse interaction.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace chart {

// "Arial" at the given character height in pixels, the chart's text font.
QFont chartFont(int pixelSize = 11);

struct ChartPoint {
    double x = 0;
    double y = 0;
    QColor color;
};

class LineSeries {
  public:
    LineSeries(QString name, QString title, QColor seriesColor);

    const QString& name() const { return name_; }
    const QString& title() const { return title_; }
    QColor seriesColor() const { return seriesColor_; }
    bool lineVisible() const { return lineVisible_; }
    void setLineVisible(bool on);
    bool shade3D() const { return shade3D_; }
    void setShade3D(bool on);

    // Points, always sorted by x ascending; equal x keep the order of adding.
    const std::vector<ChartPoint>& points() const { return points_; }
    void clear();
    // Inserts after every point whose x <= the new x, searching from the end (appending is
    // constant time); returns the index where the point now stands.
    int addPoint(double x, double y, const QColor& color);

    // Called after every change (set by the owning ChartData).
    void setChangedCallback(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

  private:
    void changed() const;

    QString name_;
    QString title_;
    QColor seriesColor_;
    bool lineVisible_ = true;
    bool shade3D_ = true;
    std::vector<ChartPoint> points_;
    std::function<void()> onChanged_;
};

struct Axis {
    QString title;
    QFont titleFont = chartFont();  // "Arial" 11 px
    QColor titleColor = Qt::black;
    bool automatic = true;  // automatic: exactly min..max of all points; 0..0 without points
    double minimum = 0;     // fixed range (automatic == false)
    double maximum = 0;
    double increment = 0;  // fixed label increment; 0 = choose a spacing that does not overlap
    QColor gridColor{128, 128, 128};
};

struct ChartSettings {
    QStringList title;  // lines drawn centred above the plot; an empty line still takes a line
    QFont titleFont = chartFont();
    QColor titleColor = Qt::blue;
    bool view3D = false;
    QColor background;  // invalid: the desktop's button-face colour
    QColor bottomWallColor = Qt::white;
    QColor leftWallColor{255, 255, 128};
    Axis bottomAxis;
    Axis leftAxis;
    bool animatedZoom = false;

    // The background drawn: the chart's own colour, else the desktop's button face.
    QColor backgroundColour() const;
};

// What a student calls a curve: drawn in one colour by one or more series (the pieces of a
// cardiac-cycle curve), and named by the legend row that stands beside that colour, which need
// not be a row of its own pieces. A series of no curve is a helper, such as the white series
// whose single points hold the axis range.
struct CurveDefinition {
    const LineSeries* legendRow;
    QColor colour;
    std::vector<const LineSeries*> pieces;
};

// A curve's points: those of all its pieces, in time order.
struct CurvePoints {
    QString title;
    QColor colour;
    std::vector<ChartPoint> points;
};

// The whole chart content. Series order is fixed at creation and decides the drawing order,
// the legend order and, in 3-D, the depth order.
class ChartData {
  public:
    ChartData();
    // Series report changes through a callback bound to this object, so it stays in place.
    ChartData(const ChartData&) = delete;
    ChartData& operator=(const ChartData&) = delete;

    ChartSettings& settings() { return settings_; }
    const ChartSettings& settings() const { return settings_; }

    LineSeries& addSeries(const QString& name, const QString& title, const QColor& seriesColor);
    LineSeries* series(const QString& name);  // nullptr if there is none by that name
    const LineSeries* series(const QString& name) const;
    // Removes the points of every series.
    void clearAllSeries();
    const std::vector<std::unique_ptr<LineSeries>>& seriesList() const { return series_; }

    // Declares the named series, in piece order, as the pieces of one curve named by the legend
    // row of the series `legendRow`. Returns false, and declares nothing, when a name is unknown
    // or a piece already belongs to a curve.
    bool addCurve(const QString& legendRow, const QColor& colour, const QStringList& pieces);
    // The curves in legend order, from the top.
    const std::vector<CurveDefinition>& curveDefinitions() const { return curves_; }
    bool isHelper(const LineSeries& series) const;
    // Every curve in legend order, titled by its legend row, with the points of all its pieces
    // in time order; points of equal time keep the order of their pieces.
    std::vector<CurvePoints> curves() const;

    // Called (coalescing is the widget's business) whenever a series changes.
    void setChangedCallback(std::function<void()> onChanged);

  private:
    ChartSettings settings_;
    std::vector<std::unique_ptr<LineSeries>> series_;
    std::vector<CurveDefinition> curves_;
    std::function<void()> onChanged_;
};

}  // namespace chart
