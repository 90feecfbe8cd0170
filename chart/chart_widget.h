#pragma once
// The chart as a widget: paints its ChartData, coalesces repaint requests, and lets the user
// zoom (left drag towards the lower right), undo the zoom (left drag any other way) and scroll
// (right drag).

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include "chart/axis_scale.h"
#include "chart/chart_data.h"

namespace chart {

class ChartWidget : public QWidget {
    Q_OBJECT
  public:
    explicit ChartWidget(QWidget* parent = nullptr);

    ChartData& data() { return data_; }
    const ChartData& data() const { return data_; }

    // Number of paint events so far.
    int paintCount() const { return paintCount_; }
    // Axis ranges forced by zoom or scroll; empty when the axes are as configured.
    const ViewState& viewState() const { return view_; }
    bool isZoomAnimating() const { return animation_.isActive(); }

    // Steps of an animated zoom: intermediate pictures, then the final one.
    static constexpr int kZoomSteps = 8;
    // A drag must be longer than this both ways to zoom or undo.
    static constexpr int kMinimumDrag = 16;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    enum class Drag { None, Zoom, Scroll };

    void finishZoomDrag(QPoint end);
    void zoomTo(const ViewState& target);
    void animationStep();

    ChartData data_;
    ViewState view_;
    int paintCount_ = 0;

    Drag drag_ = Drag::None;
    QPoint dragStart_;
    QPoint dragNow_;
    ViewState scrollStartView_;

    QTimer animation_;
    ViewState animationFrom_;
    ViewState animationTo_;
    int animationStep_ = 0;
};

}  // namespace chart
