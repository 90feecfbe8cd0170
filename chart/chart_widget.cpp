#include "chart/chart_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "chart/chart_painter.h"
#include "chart/chart_view.h"

namespace chart {

namespace {

AxisRange interpolate(AxisRange from, AxisRange to, double t) {
    return {from.minimum + (to.minimum - from.minimum) * t,
            from.maximum + (to.maximum - from.maximum) * t};
}

}  // namespace

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Every change only marks the widget dirty; Qt paints once when the handler has returned.
    data_.setChangedCallback([this] { update(); });
    animation_.setInterval(15);
    connect(&animation_, &QTimer::timeout, this, &ChartWidget::animationStep);
}

void ChartWidget::paintEvent(QPaintEvent*) {
    ++paintCount_;
    QPainter painter(this);
    paintChart(painter, rect(), data_, view_);
    if (drag_ == Drag::Zoom) {
        painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
        painter.drawRect(QRect(dragStart_, dragNow_).normalized());
    }
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (drag_ != Drag::None) {
        return;
    }
    // A press during an animated zoom ends it at once on the zoomed picture.
    if (animation_.isActive()) {
        animation_.stop();
        view_ = animationTo_;
        update();
    }
    if (!chartGeometry(rect(), data_, view_).plotRegion().contains(at)) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        drag_ = Drag::Zoom;
    } else if (event->button() == Qt::RightButton) {
        drag_ = Drag::Scroll;
        const ChartGeometry g = chartGeometry(rect(), data_, view_);
        scrollStartView_ = {g.bottomMap.range(), g.leftMap.range()};
    } else {
        return;
    }
    dragStart_ = at;
    dragNow_ = at;
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
    if (drag_ == Drag::None) {
        return;
    }
    dragNow_ = event->position().toPoint();
    if (drag_ == Drag::Scroll) {
        // The picture follows the mouse.
        view_ = scrolledView(chartGeometry(rect(), data_, scrollStartView_), dragNow_ - dragStart_);
    }
    update();
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    const Drag ended = drag_;
    if ((ended == Drag::Zoom && event->button() != Qt::LeftButton) ||
        (ended == Drag::Scroll && event->button() != Qt::RightButton)) {
        return;
    }
    drag_ = Drag::None;
    if (ended == Drag::Zoom) {
        finishZoomDrag(event->position().toPoint());
    }
    if (!animation_.isActive()) {
        update();  // an animation paints its own pictures
    }
}

void ChartWidget::finishZoomDrag(QPoint end) {
    const QPoint moved = end - dragStart_;
    if (std::abs(moved.x()) <= kMinimumDrag || std::abs(moved.y()) <= kMinimumDrag) {
        return;
    }
    if (moved.x() < 0 || moved.y() < 0) {
        view_ = {};  // undo: the axes go back to automatic or fixed as configured
        return;
    }
    zoomTo(zoomedView(chartGeometry(rect(), data_, view_), data_, dragStart_, end));
}

void ChartWidget::zoomTo(const ViewState& target) {
    if (!data_.settings().animatedZoom) {
        view_ = target;
        return;
    }
    const ChartGeometry g = chartGeometry(rect(), data_, view_);
    animationFrom_ = {g.bottomMap.range(), g.leftMap.range()};
    animationTo_ = target;
    animationStep_ = 0;
    animation_.start();
    animationStep();
}

void ChartWidget::animationStep() {
    ++animationStep_;
    if (animationStep_ >= kZoomSteps) {
        animation_.stop();
        view_ = animationTo_;
    } else {
        const double t = static_cast<double>(animationStep_) / kZoomSteps;
        view_ = {interpolate(*animationFrom_.bottom, *animationTo_.bottom, t),
                 interpolate(*animationFrom_.left, *animationTo_.left, t)};
    }
    // Each step is its own picture.
    repaint();
}

}  // namespace chart
