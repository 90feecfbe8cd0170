#include "chart/scroll_tool.h"

#include <QMouseEvent>

#include "chart/chart_view.h"
#include "chart/chart_widget.h"

namespace chart {

ScrollTool::ScrollTool(ChartWidget& chart) : ChartTool(chart) {}

bool ScrollTool::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &chart()) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            if (mouse->button() != Qt::RightButton || dragging_ ||
                !chart().layout().plotRegion().contains(at)) {
                return false;
            }
            dragging_ = true;
            moved_ = false;
            start_ = at;
            before_ = chart().viewState();
            // Measured on the ranges shown, as the scrolled view will hold them.
            const ChartGeometry& g = chart().layout();
            layout_ = chartGeometry(chart().rect(), chart().data(),
                                    ViewState{g.bottomMap.range(), g.leftMap.range()});
            chart().dragStarted();
            return true;
        }
        case QEvent::MouseMove: {
            if (!dragging_) return false;
            const QPoint moved = static_cast<QMouseEvent*>(event)->position().toPoint() - start_;
            moved_ = moved_ || std::abs(moved.x()) > kClickSlop || std::abs(moved.y()) > kClickSlop;
            chart().setViewState(scrolledView(layout_, moved));
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!dragging_ || mouse->button() != Qt::RightButton) return false;
            dragging_ = false;
            const QPoint moved = mouse->position().toPoint() - start_;
            if (!moved_ && std::abs(moved.x()) <= kClickSlop && std::abs(moved.y()) <= kClickSlop) {
                chart().setViewState(before_);
                chart().menuRequested(mouse->position().toPoint());
            }
            return true;
        }
        default:
            return false;
    }
}

}  // namespace chart
