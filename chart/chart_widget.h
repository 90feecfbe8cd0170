#pragma once
// The chart as a widget. It keeps the chart's data, the view (zoom and scroll) and the layout
// made from them, and draws that layout; repaint requests are coalesced, so a build that adds
// hundreds of points is drawn once. What the user does with the mouse is done by small tools
// attached to it (chart_tool.h): zoom (left drag towards the lower right; any other left drag
// undoes it), scroll (right drag), the readout under the pointer, and the menu of a right click.

#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "chart/axis_scale.h"
#include "chart/chart_data.h"
#include "chart/chart_layout.h"

namespace chart {

class ChartHost;
class ChartMenu;
class ChartTool;
class Readout;
class ScrollTool;
class ZoomTool;

class ChartWidget : public QWidget {
    Q_OBJECT
  public:
    explicit ChartWidget(QWidget* parent = nullptr);
    ~ChartWidget() override;

    ChartData& data() { return data_; }
    const ChartData& data() const { return data_; }

    // Axis ranges forced by zoom or scroll; empty when the axes are as configured.
    const ViewState& viewState() const { return view_; }
    void setViewState(const ViewState& view);
    bool isZoomed() const { return view_.bottom.has_value() || view_.left.has_value(); }
    // Back to the axes as configured (automatic or fixed).
    void undoZoom() { setViewState({}); }

    // The layout at the widget's size and view: made once per change of data, size or view.
    const ChartGeometry& layout() const;
    // The curves with their points in time order, kept until the data change.
    const std::vector<CurvePoints>& curves() const;

    // The window's dialogs and boxes, for the menu; without a host the menu offers only what
    // needs none.
    void setHost(ChartHost* host) { host_ = host; }
    ChartHost* host() const { return host_; }

    // The chart's name for screen readers is its title, its description lists the curves; call
    // once the chart is set up.
    void describe();

    ZoomTool& zoomTool() const { return *zoom_; }
    ScrollTool& scrollTool() const { return *scroll_; }
    Readout& readout() const { return *readout_; }
    ChartMenu& menu() const { return *menu_; }

    // What a tool starts or wants, passed on to every tool (chart_tool.h).
    void viewAnimationChanged(bool running);
    void dragStarted();
    void menuRequested(QPoint at);

    // Steps of an animated zoom: intermediate pictures, then the final one.
    static constexpr int kZoomSteps = 8;
    // A drag must be longer than this both ways to zoom or undo.
    static constexpr int kMinimumDrag = 16;

  signals:
    void viewChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void invalidate();

    ChartData data_;
    ViewState view_;
    ChartHost* host_ = nullptr;

    mutable std::optional<ChartGeometry> layout_;
    mutable std::optional<std::vector<CurvePoints>> curves_;
    // The chart drawn once per layout; the tools draw over it.
    mutable QImage picture_;
    mutable bool pictureValid_ = false;
    bool toolsPending_ = false;

    ZoomTool* zoom_;
    ScrollTool* scroll_;
    Readout* readout_;
    ChartMenu* menu_;
    std::vector<ChartTool*> tools_;
};

}  // namespace chart
