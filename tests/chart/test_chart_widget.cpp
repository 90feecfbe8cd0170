// The widget: coalesced repaints, zoom, undo and scroll with the mouse, animated zoom.
#include <QtTest>

#include "chart/chart_painter.h"
#include "chart/chart_view.h"
#include "chart/chart_widget.h"
#include "chart/zoom_tool.h"
#include "tests/chart/window_charts.h"
#include "tests/support/paint_counter.h"

using chart::AxisRange;
using chart::ChartWidget;

Q_DECLARE_METATYPE(AxisRange)

namespace {

// A shown chart whose curve spans 0..10 on both axes.
struct ShownChart {
    ShownChart() {
        widget.resize(553, 449);
        auto& series = widget.data().addSeries("Series1", "x1", Qt::red);
        for (int i = 0; i <= 10; ++i) {
            series.addPoint(i, i, Qt::red);
        }
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QCoreApplication::processEvents();
    }
    chart::ChartGeometry geometry() const {
        return chart::chartGeometry(widget.rect(), widget.data(), widget.viewState());
    }
    QPoint plotPoint(double fx, double fy) const {
        const QRect p = geometry().plot;
        return QPoint(p.left() + qRound(fx * p.width()), p.top() + qRound(fy * p.height()));
    }
    void drag(Qt::MouseButton button, QPoint from, QPoint to) {
        QTest::mousePress(&widget, button, {}, from);
        QTest::mouseMove(&widget, (from + to) / 2);
        QTest::mouseMove(&widget, to);
        QTest::mouseRelease(&widget, button, {}, to);
    }
    ChartWidget widget;
    testing_support::PaintCounter paints{widget};
};

AxisRange shownRange(const chart::ScaleMap& map) { return map.range(); }

bool fuzzy(AxisRange a, AxisRange b) {
    const double tolerance = 1e-9 * (1 + qAbs(b.maximum) + qAbs(b.minimum));
    return qAbs(a.minimum - b.minimum) < tolerance && qAbs(a.maximum - b.maximum) < tolerance;
}

}  // namespace

class TestChartWidget : public QObject {
    Q_OBJECT
  private slots:
    void isNotATabStop();
    void onePaintPerBuild();
    void leftDrag_data();
    void leftDrag();
    void zoomSurvivesBuildsUntilUndone();
    void rightDragScrolls();
    void animatedZoomInEightPictures();
    void clickDuringAnimationEndsOnTheZoom();
    void zoom3DOntoTheFramedPeak();
};

void TestChartWidget::isNotATabStop() {
    ChartWidget widget;
    QCOMPARE(widget.focusPolicy(), Qt::NoFocus);
}

void TestChartWidget::onePaintPerBuild() {
    ShownChart chart;
    auto& data = chart.widget.data();
    const int before = chart.paints.count();
    data.clearAllSeries();
    for (int i = 0; i < 600; ++i) {
        data.seriesList()[0]->addPoint(i * 0.001, i % 37, Qt::blue);
    }
    QCOMPARE(chart.paints.count(), before);  // nothing until the handler returns
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(chart.paints.count(), before + 1);
}

void TestChartWidget::leftDrag_data() {
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<bool>("zoomFirst");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("towards lower right zooms")
        << QPointF(0.2, 0.2) << QPointF(0.6, 0.7) << false << "zoom";
    QTest::newRow("towards upper left undoes")
        << QPointF(0.6, 0.7) << QPointF(0.2, 0.2) << true << "undo";
    QTest::newRow("towards lower left undoes")
        << QPointF(0.6, 0.2) << QPointF(0.2, 0.7) << true << "undo";
    QTest::newRow("towards upper right undoes")
        << QPointF(0.2, 0.7) << QPointF(0.6, 0.2) << true << "undo";
    QTest::newRow("narrow drag does nothing")
        << QPointF(0.3, 0.3) << QPointF(0.3 + 10.0 / 400, 0.6) << true << "unchanged";
    QTest::newRow("flat drag does nothing")
        << QPointF(0.3, 0.3) << QPointF(0.6, 0.3 + 10.0 / 300) << false << "unchanged";
}

void TestChartWidget::leftDrag() {
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(bool, zoomFirst);
    QFETCH(QString, outcome);
    ShownChart chart;
    if (zoomFirst) {
        chart.drag(Qt::LeftButton, chart.plotPoint(0.1, 0.1), chart.plotPoint(0.9, 0.9));
        QVERIFY(chart.widget.viewState().bottom.has_value());
    }
    const chart::ViewState before = chart.widget.viewState();
    const chart::ChartGeometry g = chart.geometry();
    const QPoint a = chart.plotPoint(from.x(), from.y());
    const QPoint b = chart.plotPoint(to.x(), to.y());
    chart.drag(Qt::LeftButton, a, b);
    const chart::ViewState& view = chart.widget.viewState();
    if (outcome == "zoom") {
        QVERIFY(fuzzy(*view.bottom, {g.bottomMap.toValue(a.x()), g.bottomMap.toValue(b.x())}));
        QVERIFY(fuzzy(*view.left, {g.leftMap.toValue(b.y()), g.leftMap.toValue(a.y())}));
        QVERIFY(view.bottom->minimum > 1 && view.bottom->maximum < 7);
    } else if (outcome == "undo") {
        QVERIFY(view == chart::ViewState{});
        QCOMPARE(shownRange(chart.geometry().bottomMap), (AxisRange{0, 10}));
    } else {
        QVERIFY(view == before);
    }
}

void TestChartWidget::zoomSurvivesBuildsUntilUndone() {
    ShownChart chart;
    chart.drag(Qt::LeftButton, chart.plotPoint(0.25, 0.25), chart.plotPoint(0.75, 0.75));
    const chart::ViewState zoomed = chart.widget.viewState();
    QVERIFY(zoomed.bottom && zoomed.left);
    // A new build with other points keeps the zoomed ranges.
    auto& series = *chart.widget.data().seriesList()[0];
    series.clear();
    series.addPoint(-5, 100, Qt::red);
    series.addPoint(20, 300, Qt::red);
    QVERIFY(chart.widget.viewState() == zoomed);
    QVERIFY(fuzzy(shownRange(chart.geometry().bottomMap), *zoomed.bottom));
    // Undo: the automatic ranges come back, computed from the current points.
    chart.drag(Qt::LeftButton, chart.plotPoint(0.75, 0.75), chart.plotPoint(0.25, 0.25));
    QCOMPARE(shownRange(chart.geometry().bottomMap), (AxisRange{-5, 20}));
    QCOMPARE(shownRange(chart.geometry().leftMap), (AxisRange{100, 300}));
}

void TestChartWidget::rightDragScrolls() {
    ShownChart chart;
    const chart::ChartGeometry g = chart.geometry();
    const double xPerPixel = 10.0 / (g.plot.right() - g.plot.left());
    const double yPerPixel = 10.0 / (g.plot.bottom() - g.plot.top());
    const QPoint from = chart.plotPoint(0.5, 0.5);
    chart.drag(Qt::RightButton, from, from + QPoint(40, 30));
    // The picture follows the mouse: right shows smaller x, down shows larger y.
    const chart::ViewState& view = chart.widget.viewState();
    QVERIFY(fuzzy(*view.bottom, {-40 * xPerPixel, 10 - 40 * xPerPixel}));
    QVERIFY(fuzzy(*view.left, {30 * yPerPixel, 10 + 30 * yPerPixel}));
    // Scrolled ranges stay through a build too, until a zoom is undone.
    chart.widget.data().seriesList()[0]->addPoint(11, 50, Qt::red);
    QVERIFY(fuzzy(*chart.widget.viewState().bottom, *view.bottom));
    chart.drag(Qt::LeftButton, chart.plotPoint(0.8, 0.8), chart.plotPoint(0.2, 0.2));
    QCOMPARE(shownRange(chart.geometry().leftMap), (AxisRange{0, 50}));
}

void TestChartWidget::animatedZoomInEightPictures() {
    ShownChart chart;
    chart.widget.data().settings().animatedZoom = true;
    const QPoint a = chart.plotPoint(0.2, 0.2);
    const QPoint b = chart.plotPoint(0.6, 0.7);
    const chart::ChartGeometry g = chart.geometry();
    QTest::mousePress(&chart.widget, Qt::LeftButton, {}, a);
    QTest::mouseMove(&chart.widget, b);
    QCoreApplication::processEvents();
    const int before = chart.paints.count();
    QTest::mouseRelease(&chart.widget, Qt::LeftButton, {}, b);
    QTRY_VERIFY(!chart.widget.zoomTool().isAnimating());
    QCoreApplication::processEvents();
    QCOMPARE(chart.paints.count() - before, ChartWidget::kZoomSteps);
    QVERIFY(fuzzy(*chart.widget.viewState().bottom,
                  {g.bottomMap.toValue(a.x()), g.bottomMap.toValue(b.x())}));
}

// A click while the zoom is still moving shows the zoomed picture at once, never a step of it.
void TestChartWidget::clickDuringAnimationEndsOnTheZoom() {
    ShownChart chart;
    chart.widget.data().settings().animatedZoom = true;
    const QPoint a = chart.plotPoint(0.5, 0.2);
    const QPoint b = chart.plotPoint(0.9, 0.9);
    const chart::ChartGeometry g = chart.geometry();
    chart.drag(Qt::LeftButton, a, b);
    QVERIFY(chart.widget.zoomTool().isAnimating());
    const QPoint inside = chart.plotPoint(0.5, 0.5);
    QTest::mouseClick(&chart.widget, Qt::LeftButton, {}, inside);
    QVERIFY(!chart.widget.zoomTool().isAnimating());
    QVERIFY(fuzzy(*chart.widget.viewState().bottom,
                  {g.bottomMap.toValue(a.x()), g.bottomMap.toValue(b.x())}));
    QVERIFY(fuzzy(*chart.widget.viewState().left,
                  {g.leftMap.toValue(b.y()), g.leftMap.toValue(a.y())}));
}

// The elasticity window: a drag around the red peak where it is drawn, deep in the 3-D view,
// zooms onto that peak, through the animation; a drag up-left undoes it.
void TestChartWidget::zoom3DOntoTheFramedPeak() {
    ChartWidget widget;
    widget.resize(537, 441);
    chart::windows::configure(widget.data(), chart::windows::byName("Form28"));
    widget.data().settings().animatedZoom = true;
    chart::windows::addSystoleBuild(widget.data());
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    const chart::ChartGeometry g =
        chart::chartGeometry(widget.rect(), widget.data(), widget.viewState());
    const double plane = chart::seriesSlice(g, 1, 5).middle();  // Series1, the red curve
    const QPoint peak = chart::pixelAt(g, {0.24, 163.227}, plane).toPoint();
    const QPoint from = peak - QPoint(30, 15);
    const QPoint to = peak + QPoint(30, 15);
    QTest::mousePress(&widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(&widget, to);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, to);
    QTRY_VERIFY(!widget.zoomTool().isAnimating());
    const chart::ViewState& view = widget.viewState();
    QVERIFY(view.bottom->minimum < 0.24 && 0.24 < view.bottom->maximum);
    QVERIFY(view.left->minimum < 163.227 && 163.227 < view.left->maximum);
    QVERIFY(fuzzy(*view.left, *chart::zoomedView(g, widget.data(), from, to).left));
    QTest::mousePress(&widget, Qt::LeftButton, {}, to);
    QTest::mouseMove(&widget, from);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, from);
    QVERIFY(widget.viewState() == chart::ViewState{});
}

QTEST_MAIN(TestChartWidget)
#include "test_chart_widget.moc"
