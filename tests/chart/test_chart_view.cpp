// The view arithmetic: depth slices, pixels and values on a series' plane, the zoomed view of a
// dragged rectangle (onto the curve the user framed, in 3-D too), the scrolled view, and the
// zoomed 3-D picture cut at its frame.
#include <QtTest>
#include <cmath>

#include "chart/chart_render.h"
#include "chart/chart_view.h"
#include "tests/chart/window_charts.h"

using chart::AxisRange;
using chart::ChartData;
using chart::ChartGeometry;

Q_DECLARE_METATYPE(AxisRange)

namespace {

// The elasticity window's chart after a build, in 3-D as the window has it, or drawn flat.
void fillSystole(ChartData& data, bool view3D) {
    chart::windows::configure(data, chart::windows::byName("Form28"));
    data.settings().view3D = view3D;
    chart::windows::addSystoleBuild(data);
}

const QRect kChart(0, 0, 537, 441);

int seriesIndex(const ChartData& data, const char* name) {
    const auto& list = data.seriesList();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->name() == QLatin1String(name)) return static_cast<int>(i);
    }
    return -1;
}

bool contains(AxisRange r, double v) { return r.minimum <= v && v <= r.maximum; }

}  // namespace

class TestChartView : public QObject {
    Q_OBJECT
  private slots:
    void slices_data();
    void slices();
    void pixelsAndValuesOnAPlane();
    void zoomOntoAPeak_data();
    void zoomOntoAPeak();
    void planeOfAnEmptyRectangle();
    void scrollMovesCurvesWithThePointer_data();
    void scrollMovesCurvesWithThePointer();
    void zoomed3DLeavesTheWalls();
};

void TestChartView::slices_data() {
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("front");
    QTest::addColumn<double>("back");
    QTest::newRow("first of five at the back") << 50 << 0 << 5 << 40.0 << 50.0;
    QTest::newRow("second of five") << 50 << 1 << 5 << 30.0 << 40.0;
    QTest::newRow("last of five at the front") << 50 << 4 << 5 << 0.0 << 10.0;
    QTest::newRow("2-D: flat") << 0 << 1 << 5 << 0.0 << 0.0;
}

void TestChartView::slices() {
    QFETCH(int, depth);
    QFETCH(int, index);
    QFETCH(int, count);
    QFETCH(double, front);
    QFETCH(double, back);
    ChartGeometry g;
    g.depth = depth;
    const chart::DepthSlice slice = chart::seriesSlice(g, index, count);
    QCOMPARE(slice.front, front);
    QCOMPARE(slice.back, back);
    QCOMPARE(slice.middle(), (front + back) / 2);
}

void TestChartView::pixelsAndValuesOnAPlane() {
    ChartData data;
    fillSystole(data, true);
    const ChartGeometry g = chart::chartGeometry(kChart, data);
    QVERIFY(g.depth > 40);
    const QPointF value(0.1, 120);
    const QPointF front = chart::pixelAt(g, value);
    // A plane further back lies up and to the right by its depth.
    QCOMPARE(chart::pixelAt(g, value, 20), front + QPointF(20, -20));
    for (const double depth : {0.0, 13.5, double(g.depth)}) {
        const QPointF back = chart::valueAt(g, chart::pixelAt(g, value, depth), depth);
        QVERIFY(qAbs(back.x() - value.x()) < 1e-12 && qAbs(back.y() - value.y()) < 1e-9);
    }
    // Values near the end of the double range stay finite pixels.
    QVERIFY(std::isfinite(chart::pixelAt(g, {1.7e308, -1.7e308}).x()));
}

// A rectangle drawn around a peak where the user sees it zooms onto that peak: its time and
// value are inside the zoomed ranges.
void TestChartView::zoomOntoAPeak_data() {
    QTest::addColumn<bool>("view3D");
    QTest::addColumn<QString>("series");
    QTest::addColumn<double>("peak");
    for (const bool view3D : {true, false}) {
        const char* view = view3D ? "3-D" : "2-D";
        QTest::addRow("%s, red peak", view) << view3D << "Series1" << 163.227;
        QTest::addRow("%s, green peak", view) << view3D << "Series2" << 125.881;
        QTest::addRow("%s, yellow peak", view) << view3D << "Series3" << 104.103;
    }
}

void TestChartView::zoomOntoAPeak() {
    QFETCH(bool, view3D);
    QFETCH(QString, series);
    QFETCH(double, peak);
    ChartData data;
    fillSystole(data, view3D);
    const ChartGeometry g = chart::chartGeometry(kChart, data);
    const int index = seriesIndex(data, qPrintable(series));
    const chart::DepthSlice slice = chart::seriesSlice(g, index, 5);
    // Where the peak is drawn: the middle of its ribbon in 3-D.
    const QPoint seen = chart::pixelAt(g, {0.24, peak}, slice.middle()).toPoint();
    const QPoint from = seen - QPoint(25, 12);
    const QPoint to = seen + QPoint(25, 12);
    QCOMPARE(chart::planeUnder(g, data, QRectF(from, to)), slice.middle());
    const chart::ViewState view = chart::zoomedView(g, data, from, to);
    QVERIFY(view.bottom && view.left);
    QVERIFY2(contains(*view.bottom, 0.24), "time of the peak");
    QVERIFY2(contains(*view.left, peak), "value of the peak");
    // The rectangle is small: the zoom is onto the peak, not onto the whole curve.
    QVERIFY(view.left->maximum - view.left->minimum < 15);
    if (view3D) {
        // Read on the front plane, the same rectangle would miss the peak.
        const QPointF a = chart::valueAt(g, from), b = chart::valueAt(g, to);
        QVERIFY(!contains({a.x(), b.x()}, 0.24) || !contains({b.y(), a.y()}, peak));
    }
}

void TestChartView::planeOfAnEmptyRectangle() {
    ChartData data;
    fillSystole(data, true);
    const ChartGeometry g = chart::chartGeometry(kChart, data);
    // Far above every curve: the middle of the slices that hold curves (the three curve series,
    // second to fourth from the back).
    const QPointF above = chart::pixelAt(g, {0.05, 160}, g.depth / 2.0);
    const QRectF empty(above - QPointF(20, 10), above + QPointF(20, 10));
    QCOMPARE(chart::planeUnder(g, data, empty), g.depth * (0.2 + 0.8) / 2);
    // No curve at all: the front plane.
    for (const auto& s : data.seriesList()) s->clear();
    const ChartGeometry bare = chart::chartGeometry(kChart, data);
    QCOMPARE(chart::planeUnder(bare, data, empty), 0.0);
}

void TestChartView::scrollMovesCurvesWithThePointer_data() {
    QTest::addColumn<bool>("view3D");
    QTest::addColumn<QPoint>("moved");
    QTest::newRow("3-D, right and down") << true << QPoint(40, 30);
    QTest::newRow("3-D, left and up") << true << QPoint(-25, -35);
    QTest::newRow("2-D, right and down") << false << QPoint(40, 30);
}

void TestChartView::scrollMovesCurvesWithThePointer() {
    QFETCH(bool, view3D);
    QFETCH(QPoint, moved);
    ChartData data;
    fillSystole(data, view3D);
    const ChartGeometry before = chart::chartGeometry(kChart, data);
    const chart::ViewState view = chart::scrolledView(before, moved);
    // The scrolled ranges over the same plot (labels of other widths may move it a little).
    ChartGeometry after = before;
    after.bottomMap =
        chart::ScaleMap(*view.bottom, before.bottomMap.start(), before.bottomMap.end());
    after.leftMap = chart::ScaleMap(*view.left, before.leftMap.start(), before.leftMap.end());
    for (int i = 0; i < 5; ++i) {
        const double plane = chart::seriesSlice(before, i, 5).middle();
        const QPointF shift =
            chart::pixelAt(after, {0.2, 120}, plane) - chart::pixelAt(before, {0.2, 120}, plane);
        QVERIFY(qAbs(shift.x() - moved.x()) < 1e-6 && qAbs(shift.y() - moved.y()) < 1e-6);
    }
}

// After a 3-D zoom that cuts the curves at the left and the bottom, every pixel of the walls
// outside the frame is as it is without curves, while the curves show inside the frame.
void TestChartView::zoomed3DLeavesTheWalls() {
    ChartData curves;
    fillSystole(curves, true);
    ChartData bare;
    fillSystole(bare, true);
    for (const char* name : {"Series1", "Series2", "Series3"}) bare.series(name)->clear();
    const chart::ViewState view{AxisRange{0.05, 0.15}, AxisRange{110, 150}};
    const auto render = [&](const ChartData& data) {
        QImage image(kChart.size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        chart::renderChart(painter, image.rect(), data, view, image.size());
        return image;
    };
    const QImage withCurves = render(curves);
    const QImage withoutCurves = render(bare);
    const ChartGeometry g = chart::chartGeometry(kChart, curves, view);
    QCOMPARE(chart::chartGeometry(kChart, bare, view).plot, g.plot);
    const QRect p = g.plot;
    const int d = g.depth;
    const QPolygon leftWall(
        {p.bottomLeft(), p.topLeft(), p.topLeft() + QPoint(d, -d), p.bottomLeft() + QPoint(d, -d)});
    const QPolygon bottomWall({p.bottomLeft(), p.bottomRight(), p.bottomRight() + QPoint(d, -d),
                               p.bottomLeft() + QPoint(d, -d)});
    int wallPixels = 0;
    for (int y = 0; y < kChart.height(); ++y) {
        for (int x = 0; x < kChart.width(); ++x) {
            const QPoint at(x, y);
            const bool onWall = leftWall.containsPoint(at, Qt::OddEvenFill) ||
                                bottomWall.containsPoint(at, Qt::OddEvenFill);
            if (!onWall || g.frame().contains(at)) continue;
            ++wallPixels;
            QVERIFY2(withCurves.pixel(at) == withoutCurves.pixel(at),
                     qPrintable(QString("wall pixel %1, %2").arg(x).arg(y)));
        }
    }
    QVERIFY(wallPixels > 5000);
    // The cut curves still show in the frame, the red one (darker where it rises) across it.
    int red = 0;
    for (int y = g.frame().top(); y <= g.frame().bottom(); ++y) {
        for (int x = g.frame().left(); x <= g.frame().right(); ++x) {
            const QColor c(withCurves.pixel(x, y));
            red += c.red() > 100 && c.green() == 0 && c.blue() == 0;
        }
    }
    QVERIFY(red > 200);
}

QTEST_MAIN(TestChartView)
#include "test_chart_view.moc"
