#pragma once
// A piece of the chart widget's interaction (zoom, scroll, readout, menu): it watches the
// widget's events and may draw over the chart. The widget draws the chart, then each tool's
// overlay. Tools never ask each other: what one starts or wants it tells the widget, which
// tells every tool.

#include <QObject>
#include <QPoint>

class QPainter;

namespace chart {

class ChartWidget;

class ChartTool : public QObject {
    Q_OBJECT
  public:
    explicit ChartTool(ChartWidget& chart);

    // Draws over the chart, in the widget's coordinates.
    virtual void paintOverlay(QPainter& painter) const;
    // The chart's data, size or view changed: its layout is new.
    virtual void chartChanged();
    // The view began or ended moving through intermediate pictures (an animated zoom).
    virtual void viewAnimationChanged(bool running);
    // A button went down on the chart and a tool took it as the start of a drag.
    virtual void dragStarted();
    // A click asked for the chart's menu, at this point of the chart.
    virtual void menuRequested(QPoint at);

  protected:
    ChartWidget& chart() const { return chart_; }

  private:
    ChartWidget& chart_;
};

}  // namespace chart
