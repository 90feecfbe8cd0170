#include "chart/chart_widget.h"

#include <QContextMenuEvent>
#include <QPainter>

#include "chart/chart_menu.h"
#include "chart/chart_painter.h"
#include "chart/chart_texts.h"
#include "chart/readout.h"
#include "chart/scroll_tool.h"
#include "chart/zoom_tool.h"

namespace chart {

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent),
      zoom_(new ZoomTool(*this)),
      scroll_(new ScrollTool(*this)),
      readout_(new Readout(*this)),
      menu_(new ChartMenu(*this)),
      tools_{zoom_, scroll_, readout_, menu_} {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Every change only marks the chart dirty; Qt paints once when the handler has returned.
    data_.setChangedCallback([this] { invalidate(); });
}

ChartWidget::~ChartWidget() = default;

void ChartWidget::viewAnimationChanged(bool running) {
    for (ChartTool* const tool : tools_) tool->viewAnimationChanged(running);
}

void ChartWidget::dragStarted() {
    for (ChartTool* const tool : tools_) tool->dragStarted();
}

void ChartWidget::menuRequested(QPoint at) {
    for (ChartTool* const tool : tools_) tool->menuRequested(at);
}

void ChartWidget::setViewState(const ViewState& view) {
    if (view == view_) return;
    view_ = view;
    invalidate();
    emit viewChanged();
}

const ChartGeometry& ChartWidget::layout() const {
    if (!layout_) layout_ = chartGeometry(rect(), data_, view_);
    return *layout_;
}

const std::vector<CurvePoints>& ChartWidget::curves() const {
    if (!curves_) curves_ = data_.curves();
    return *curves_;
}

void ChartWidget::invalidate() {
    layout_.reset();
    curves_.reset();
    pictureValid_ = false;
    update();
    // The tools hear of it once, after the handler that changes the chart (a build adds
    // hundreds of points) has returned.
    if (!toolsPending_) {
        toolsPending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                toolsPending_ = false;
                for (ChartTool* const tool : tools_) tool->chartChanged();
            },
            Qt::QueuedConnection);
    }
}

void ChartWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    invalidate();
}

void ChartWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The default background is the palette's button face.
    if (event->type() == QEvent::PaletteChange) invalidate();
}

void ChartWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    if (dirty.contains(rect()) && !pictureValid_) {
        // The whole chart is new (a build, a zoom): drawn straight onto the widget; the picture
        // for the tools' small repaints is made when one first needs it.
        drawChart(painter, layout(), data_, view_);
    } else {
        const qreal ratio = devicePixelRatioF();
        if (!pictureValid_ || picture_.size() != size() * ratio) {
            picture_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
            picture_.setDevicePixelRatio(ratio);
            QPainter onPicture(&picture_);
            drawChart(onPicture, layout(), data_, view_);
            pictureValid_ = true;
        }
        painter.drawImage(dirty, picture_,
                          QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
    }
    for (const ChartTool* const tool : tools_) tool->paintOverlay(painter);
}

void ChartWidget::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's right click is the scroll tool's; the menu key opens the menu at the plot.
    event->accept();
    if (event->reason() != QContextMenuEvent::Mouse) menuRequested(layout().plot.center());
}

void ChartWidget::describe() {
    QString title = data_.settings().title.join(QLatin1Char(' ')).simplified();
    if (title.isEmpty()) title = chartText(QT_TRANSLATE_NOOP("Chart", "График"));
    setAccessibleName(title);
    QStringList curves;
    for (const CurveDefinition& curve : data_.curveDefinitions()) {
        curves << curve.legendRow->title().trimmed();
    }
    const ChartSettings& s = data_.settings();
    QString description =
        chartText(QT_TRANSLATE_NOOP("Chart", "%1 от %2")).arg(s.leftAxis.title, s.bottomAxis.title);
    if (!curves.isEmpty()) {
        description += chartText(QT_TRANSLATE_NOOP("Chart", ". Кривые: %1"))
                           .arg(curves.join(QStringLiteral(", ")));
    }
    setAccessibleDescription(description);
}

}  // namespace chart
