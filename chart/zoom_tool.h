#pragma once
// Zoom with the left button: a rectangle follows the mouse; released towards the lower right it
// zooms both axes to what the rectangle holds, any other way it undoes the zoom. A drag shorter
// than ChartWidget::kMinimumDrag either way does nothing. With animated zoom the chart gets
// there in ChartWidget::kZoomSteps pictures.

#include <QPoint>
#include <QTimer>

#include "chart/axis_scale.h"
#include "chart/chart_tool.h"

namespace chart {

class ZoomTool : public ChartTool {
    Q_OBJECT
  public:
    explicit ZoomTool(ChartWidget& chart);

    bool isAnimating() const { return animation_.isActive(); }
    // Ends an animated zoom at once on its last picture.
    void finishAnimation();

    void paintOverlay(QPainter& painter) const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void release(QPoint end);
    void zoomTo(const ViewState& target);
    void animationStep();
    QRect rectangle() const;

    bool dragging_ = false;
    QPoint start_;
    QPoint now_;

    QTimer animation_;
    ViewState from_;
    ViewState to_;
    int step_ = 0;
};

}  // namespace chart
