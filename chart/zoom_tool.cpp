#include "chart/zoom_tool.h"

#include <QMouseEvent>
#include <QPainter>

#include "chart/chart_view.h"
#include "chart/chart_widget.h"

namespace chart {

namespace {

AxisRange interpolate(AxisRange from, AxisRange to, double t) {
    return {from.minimum + (to.minimum - from.minimum) * t,
            from.maximum + (to.maximum - from.maximum) * t};
}

}  // namespace

ZoomTool::ZoomTool(ChartWidget& chart) : ChartTool(chart) {
    animation_.setInterval(15);
    connect(&animation_, &QTimer::timeout, this, &ZoomTool::animationStep);
}

bool ZoomTool::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &chart()) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            // A press during an animated zoom ends it at once on the zoomed picture.
            finishAnimation();
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            if (mouse->button() != Qt::LeftButton || dragging_ ||
                !chart().layout().plotRegion().contains(at)) {
                return false;
            }
            dragging_ = true;
            start_ = now_ = at;
            chart().dragStarted();
            return true;
        }
        case QEvent::MouseMove:
            if (!dragging_) return false;
            chart().update(rectangle().adjusted(-1, -1, 2, 2));
            now_ = static_cast<QMouseEvent*>(event)->position().toPoint();
            chart().update(rectangle().adjusted(-1, -1, 2, 2));
            return true;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!dragging_ || mouse->button() != Qt::LeftButton) return false;
            dragging_ = false;
            chart().update(rectangle().adjusted(-1, -1, 2, 2));
            release(mouse->position().toPoint());
            return true;
        }
        default:
            return false;
    }
}

void ZoomTool::release(QPoint end) {
    const QPoint moved = end - start_;
    if (std::abs(moved.x()) <= ChartWidget::kMinimumDrag ||
        std::abs(moved.y()) <= ChartWidget::kMinimumDrag) {
        return;
    }
    if (moved.x() < 0 || moved.y() < 0) {
        chart().undoZoom();
        return;
    }
    zoomTo(zoomedView(chart().layout(), chart().data(), start_, end));
}

void ZoomTool::zoomTo(const ViewState& target) {
    if (!chart().data().settings().animatedZoom) {
        chart().setViewState(target);
        return;
    }
    const ChartGeometry& g = chart().layout();
    from_ = {g.bottomMap.range(), g.leftMap.range()};
    to_ = target;
    step_ = 0;
    animation_.start();
    chart().viewAnimationChanged(true);
    animationStep();
}

void ZoomTool::animationStep() {
    ++step_;
    if (step_ >= ChartWidget::kZoomSteps) {
        animation_.stop();
        chart().setViewState(to_);
        chart().viewAnimationChanged(false);
    } else {
        const double t = static_cast<double>(step_) / ChartWidget::kZoomSteps;
        chart().setViewState(
            {interpolate(*from_.bottom, *to_.bottom, t), interpolate(*from_.left, *to_.left, t)});
    }
    // Each step is its own picture.
    chart().repaint();
}

void ZoomTool::finishAnimation() {
    if (!animation_.isActive()) return;
    animation_.stop();
    chart().setViewState(to_);
    chart().viewAnimationChanged(false);
}

QRect ZoomTool::rectangle() const { return QRect(start_, now_).normalized(); }

void ZoomTool::paintOverlay(QPainter& painter) const {
    if (!dragging_) return;
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rectangle());
}

}  // namespace chart
