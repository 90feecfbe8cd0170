#pragma once
// A piece of the chart widget's interaction (zoom, scroll, readout, menu): it watches the
// widget's events and may draw over the chart. The widget draws the chart, then each tool's
// overlay.

#include <QObject>

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

  protected:
    ChartWidget& chart() const { return chart_; }

  private:
    ChartWidget& chart_;
};

}  // namespace chart
