#pragma once
// Scroll with the right button: the picture follows the mouse on both axes. A right click that
// does not move the mouse scrolls nothing and asks the chart for its menu instead.

#include <QPoint>

#include "chart/axis_scale.h"
#include "chart/chart_layout.h"
#include "chart/chart_tool.h"

namespace chart {

class ScrollTool : public ChartTool {
    Q_OBJECT
  public:
    explicit ScrollTool(ChartWidget& chart);

    // A press and release may be this many pixels apart and still be a click.
    static constexpr int kClickSlop = 2;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool dragging_ = false;
    bool moved_ = false;
    QPoint start_;
    ViewState before_;      // the view before the press, back after a click
    ChartGeometry layout_;  // the layout at the press, which the drag is measured on
};

}  // namespace chart
