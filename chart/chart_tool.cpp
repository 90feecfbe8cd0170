#include "chart/chart_tool.h"

#include "chart/chart_widget.h"

namespace chart {

ChartTool::ChartTool(ChartWidget& chart) : QObject(&chart), chart_(chart) {
    chart.installEventFilter(this);
}

void ChartTool::paintOverlay(QPainter&) const {}

void ChartTool::chartChanged() {}

void ChartTool::viewAnimationChanged(bool) {}

void ChartTool::dragStarted() {}

void ChartTool::menuRequested(QPoint) {}

}  // namespace chart
