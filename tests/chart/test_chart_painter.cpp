// Painting into an image: curve colours, clipping, x order, silent series, legend, title, 3-D.
#include <QtTest>

#include "chart/chart_render.h"

using chart::ChartData;
using chart::ChartGeometry;

namespace {

const QColor kRed(255, 0, 0), kGreen(0, 128, 0), kBlue(0, 0, 255), kWhite(255, 255, 255);
const QSize kSize(553, 449);

QImage render(const ChartData& data, QSize size = kSize) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    chart::renderChart(painter, image.rect(), data, {}, image.size());
    return image;
}

ChartGeometry geometry(const ChartData& data, QSize size = kSize) {
    return chart::chartGeometry(QRect(QPoint(0, 0), size), data);
}

QPoint at(const ChartGeometry& g, double x, double y) {
    return QPoint(qRound(g.bottomMap.toPixel(x)), qRound(g.leftMap.toPixel(y)));
}

QColor pixel(const QImage& image, QPoint p) { return QColor(image.pixel(p)); }

// Whether a colour appears within one pixel of p (aliased lines may step either way).
bool near(const QImage& image, QPoint p, const QColor& colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (pixel(image, p + QPoint(dx, dy)) == colour) return true;
        }
    }
    return false;
}

void fixAxes(ChartData& data, double xMax, double yMax) {
    auto& s = data.settings();
    s.bottomAxis.automatic = false;
    s.bottomAxis.maximum = xMax;
    s.leftAxis.automatic = false;
    s.leftAxis.maximum = yMax;
}

}  // namespace

class TestChartPainter : public QObject {
    Q_OBJECT
  private slots:
    void curveInPointColoursLegendInSeriesColour();
    void lineStopsAtPlotBorder_data();
    void lineStopsAtPlotBorder();
    void drawnInXOrder();
    void silentSeriesDrawNothing_data();
    void silentSeriesDrawNothing();
    void blankLegendRowsKeepOrder();
    void legendPlacement();
    void rowsThatDoNotFitAreNotShown();
    void emptyTitleLineTakesHeight();
    void emptyChartShowsFixedAxis();
    void laterSeriesCoversEarlier();
    void ribbonsIn3D_data();
    void ribbonsIn3D();
    void legendSamplesIn3D();
    void survivesExtremes_data();
    void survivesExtremes();
};

void TestChartPainter::curveInPointColoursLegendInSeriesColour() {
    ChartData data;
    auto& series = data.addSeries("Series1", "x1", kRed);
    series.addPoint(0, 0, kRed);
    series.addPoint(1, 0, kBlue);
    series.addPoint(2, 0, kGreen);
    data.addSeries("Series2", "x2", kWhite).addPoint(0, 1, kWhite);  // y range -1..1 around 0
    data.series("Series2")->addPoint(2, -1, kWhite);
    data.series("Series2")->setLineVisible(false);
    const QImage image = render(data);
    const ChartGeometry g = geometry(data);
    QCOMPARE(pixel(image, at(g, 0.5, 0)), kBlue);
    QCOMPARE(pixel(image, at(g, 1.5, 0)), kGreen);
    const QRect sample = g.legendRows.at(0).sample;
    QCOMPARE(pixel(image, sample.center()), kRed);
    QCOMPARE(pixel(image, QPoint(sample.left(), sample.center().y())), kRed);
}

void TestChartPainter::lineStopsAtPlotBorder_data() {
    QTest::addColumn<double>("beyond");
    QTest::newRow("1.61 s on an axis to 1.6 s") << 1.61;
    QTest::newRow("far outside") << 1e15;
}

void TestChartPainter::lineStopsAtPlotBorder() {
    QFETCH(double, beyond);
    ChartData data;
    fixAxes(data, 1.6, 10);
    data.addSeries("Series1", "x1", kRed).addPoint(1.5, 5, kGreen);
    data.series("Series1")->addPoint(beyond, 5, kGreen);
    data.addSeries("Series2", "x2", kRed).addPoint(1.0, -1e300, kBlue);
    data.series("Series2")->addPoint(1.0, 1e300, kBlue);  // vertical through the whole plot
    const QImage image = render(data);
    const ChartGeometry g = geometry(data);
    const int y = at(g, 0, 5).y();
    QCOMPARE(pixel(image, QPoint(g.plot.right() - 1, y)), kGreen);
    QCOMPARE(pixel(image, QPoint(g.plot.right() + 1, y)), data.settings().backgroundColour());
    QCOMPARE(pixel(image, QPoint(g.plot.right() + 4, y)), data.settings().backgroundColour());
    const int x = at(g, 1.0, 0).x();
    QCOMPARE(pixel(image, QPoint(x, g.plot.top() + 1)), kBlue);
    QCOMPARE(pixel(image, QPoint(x, g.plot.bottom() - 1)), kBlue);
    QCOMPARE(pixel(image, QPoint(x, g.plot.top() - 2)), data.settings().backgroundColour());
}

void TestChartPainter::drawnInXOrder() {
    ChartData data;
    fixAxes(data, 2, 10);
    auto& series = data.addSeries("Series1", "x1", kRed);
    series.addPoint(2, 0, kBlue);
    series.addPoint(0, 0, kBlue);
    series.addPoint(1, 10, kBlue);
    const QImage image = render(data);
    const ChartGeometry g = geometry(data);
    // Sorted, the curve is a peak; in the order of adding it would also run along y = 0.
    QVERIFY(near(image, at(g, 0.5, 5), kBlue));
    QVERIFY(near(image, at(g, 1.5, 5), kBlue));
    QVERIFY(!near(image, at(g, 1.0, 0) + QPoint(0, -2), kBlue));
    QVERIFY(!near(image, at(g, 0.5, 0) + QPoint(0, -2), kBlue));
}

void TestChartPainter::silentSeriesDrawNothing_data() {
    QTest::addColumn<QList<QPointF>>("points");
    QTest::addColumn<bool>("lineVisible");
    QTest::newRow("one point") << QList<QPointF>{{1, 5}} << true;
    QTest::newRow("same point thrice") << QList<QPointF>{{1, 5}, {1, 5}, {1, 5}} << true;
    QTest::newRow("ends on one pixel") << QList<QPointF>{{1, 5}, {1.0001, 5.0001}} << true;
    QTest::newRow("line off") << QList<QPointF>{{0, 0}, {2, 10}} << false;
}

void TestChartPainter::silentSeriesDrawNothing() {
    QFETCH(QList<QPointF>, points);
    QFETCH(bool, lineVisible);
    ChartData empty;
    ChartData filled;
    for (ChartData* data : {&empty, &filled}) {
        fixAxes(*data, 2, 10);
        data->addSeries("Series1", "x1", kRed).setLineVisible(lineVisible);
    }
    for (const QPointF& p : points) {
        filled.series("Series1")->addPoint(p.x(), p.y(), kBlue);
    }
    QCOMPARE(render(filled), render(empty));
}

void TestChartPainter::blankLegendRowsKeepOrder() {
    ChartData data;
    data.addSeries("Series3", "C1", kRed);
    data.addSeries("Series7", " ", kGreen);
    data.addSeries("Series1", "C3", kBlue);
    data.addSeries("Series8", " ", kWhite);
    const QImage image = render(data);
    const ChartGeometry g = geometry(data);
    QCOMPARE(g.legendRows.size(), std::size_t(4));
    const QColor samples[4] = {kRed, kGreen, kBlue, kWhite};
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(g.legendRows[row].seriesIndex, row);
        QCOMPARE(pixel(image, g.legendRows[row].sample.center()), samples[row]);
        // Text only where the title is not blank.
        const QRect textArea(g.legendRows[row].text.x(), g.legendRows[row].sample.top(),
                             g.legendBox.right() - g.legendRows[row].text.x() - 1,
                             g.legendRows[row].sample.height());
        bool inked = false;
        for (int y = textArea.top(); y <= textArea.bottom(); ++y) {
            for (int x = textArea.left(); x <= textArea.right(); ++x) {
                inked = inked || pixel(image, {x, y}) != kWhite;
            }
        }
        QCOMPARE(inked, row == 0 || row == 2);
    }
}

void TestChartPainter::legendPlacement() {
    ChartData data;
    data.addSeries("Series1", "x1", kRed).addPoint(0, 0, kRed);
    data.series("Series1")->addPoint(1, 1, kRed);
    const QImage image = render(data);
    const ChartGeometry g = geometry(data);
    QCOMPARE(g.legendBox.top(), qRound(0.1 * kSize.height()));
    QVERIFY(g.legendBox.right() > kSize.width() - 20);
    QVERIFY(g.plot.right() < g.legendBox.left());
    // White inside a black frame, black shadow three pixels to the lower right.
    QCOMPARE(pixel(image, g.legendBox.topLeft()), QColor(Qt::black));
    QCOMPARE(pixel(image, g.legendBox.topLeft() + QPoint(1, 1)), kWhite);
    const QPoint corner = g.legendBox.bottomRight();
    QCOMPARE(pixel(image, corner + QPoint(3, 3)), QColor(Qt::black));
    QCOMPARE(pixel(image, corner + QPoint(4, 4)), data.settings().backgroundColour());
    QCOMPARE(pixel(image, QPoint(g.legendBox.left(), corner.y() + 2)),
             data.settings().backgroundColour());
}

void TestChartPainter::rowsThatDoNotFitAreNotShown() {
    ChartData data;
    for (int i = 0; i < 60; ++i) {
        data.addSeries(QString("Series%1").arg(i + 1), QString::number(i), kRed);
    }
    const ChartGeometry g = geometry(data, {300, 200});
    QVERIFY(!g.legendRows.empty());
    QVERIFY(g.legendRows.size() < 60);
    QVERIFY(g.legendBox.bottom() + 3 < 200);
    QCOMPARE(g.legendRows.back().seriesIndex, static_cast<int>(g.legendRows.size()) - 1);
}

void TestChartPainter::emptyTitleLineTakesHeight() {
    ChartData none;
    ChartData oneEmpty;
    oneEmpty.settings().title = QStringList{QString()};
    ChartData two;
    two.settings().title = QStringList{"a", QString()};
    const int lineHeight = geometry(none).titleLineHeight;
    QCOMPARE(geometry(oneEmpty).plot.top(), geometry(none).plot.top() + lineHeight);
    QCOMPARE(geometry(two).plot.top(), geometry(none).plot.top() + 2 * lineHeight);
}

void TestChartPainter::emptyChartShowsFixedAxis() {
    ChartData data;
    auto& bottom = data.settings().bottomAxis;
    bottom.automatic = false;
    bottom.maximum = 1.6;
    bottom.increment = 0.1;
    data.addSeries("Series1", "C1", kBlue);
    const ChartGeometry g = geometry(data);
    QCOMPARE(g.bottomLabels.size(), std::size_t(17));
    QCOMPARE(g.bottomLabels.back(), 1.6);
    QCOMPARE(g.leftLabels, std::vector<double>{0.0});
    QCOMPARE(g.legendRows.size(), std::size_t(1));
}

void TestChartPainter::laterSeriesCoversEarlier() {
    ChartData data;
    fixAxes(data, 2, 10);
    for (const auto& [name, colour] : {std::pair{"Series1", kRed}, std::pair{"Series2", kBlue}}) {
        auto& s = data.addSeries(name, name, colour);
        s.addPoint(0, 5, colour);
        s.addPoint(2, 5, colour);
    }
    const QImage image = render(data);
    QCOMPARE(pixel(image, at(geometry(data), 1, 5)), kBlue);
}

void TestChartPainter::ribbonsIn3D_data() {
    QTest::addColumn<double>("endY");
    QTest::addColumn<bool>("shade");
    QTest::addColumn<bool>("darker");
    QTest::newRow("level ribbon") << 5.0 << true << false;
    QTest::newRow("rising, shaded") << 9.0 << true << true;
    QTest::newRow("rising, shading off") << 9.0 << false << false;
}

void TestChartPainter::ribbonsIn3D() {
    QFETCH(double, endY);
    QFETCH(bool, shade);
    QFETCH(bool, darker);
    ChartData data;
    data.settings().view3D = true;
    fixAxes(data, 2, 10);
    auto& series = data.addSeries("Series1", "x1", kRed);
    series.setShade3D(shade);
    series.addPoint(0, 5, kRed);
    series.addPoint(2, endY, kBlue);
    const QImage image = render(data);
    const ChartGeometry g = geometry(data);
    QVERIFY(g.depth > 20);
    // The middle of the ribbon: half way along and half way into the depth.
    const QPoint middle = at(g, 1, (5 + endY) / 2) + QPoint(g.depth / 2, -g.depth / 2);
    QCOMPARE(pixel(image, middle), darker ? kBlue.darker(150) : kBlue);
    // Outlined in black along its front edge.
    QVERIFY(near(image, at(g, 1, (5 + endY) / 2), QColor(Qt::black)));
    // Walls: bottom white, left light yellow by default.
    QCOMPARE(pixel(image, g.plot.bottomLeft() + QPoint(g.plot.width() / 2, -g.depth / 2)), kWhite);
    QCOMPARE(pixel(image, g.plot.bottomLeft() + QPoint(g.depth / 2, -g.plot.height() / 4)),
             QColor(255, 255, 128));
}

void TestChartPainter::legendSamplesIn3D() {
    ChartData data;
    data.settings().view3D = true;
    data.addSeries("Series1", "x1", kGreen);
    data.addSeries("Series4", " ", kWhite).setLineVisible(false);
    const QImage image = render(data);
    const ChartGeometry g = geometry(data);
    const QRect filled = g.legendRows[0].sample;
    QCOMPARE(pixel(image, filled.center()), kGreen);
    QCOMPARE(pixel(image, filled.topLeft()), QColor(Qt::black));
    // Line off: no outline, so a white sample vanishes in the white legend.
    QCOMPARE(pixel(image, g.legendRows[1].sample.topLeft()), kWhite);
}

void TestChartPainter::survivesExtremes_data() {
    QTest::addColumn<bool>("view3D");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("far");
    for (const bool view3D : {false, true}) {
        const char* view = view3D ? "3-D" : "2-D";
        QTest::addRow("%s, tiny image", view) << view3D << QSize(3, 2) << 10.0;
        QTest::addRow("%s, small image", view) << view3D << QSize(60, 40) << 10.0;
        QTest::addRow("%s, huge values", view) << view3D << kSize << 1e300;
        QTest::addRow("%s, huge span", view) << view3D << kSize << 1.7e308;
    }
}

void TestChartPainter::survivesExtremes() {
    QFETCH(bool, view3D);
    QFETCH(QSize, size);
    QFETCH(double, far);
    ChartData data;
    data.settings().view3D = view3D;
    data.settings().title = QStringList{"title"};
    data.settings().leftAxis.title = "p";
    auto& series = data.addSeries("Series1", "x1", kRed);
    series.addPoint(-far, 1, kRed);
    series.addPoint(0, far, kGreen);
    series.addPoint(1, -far, kBlue);
    series.addPoint(far, 0, kBlue);
    const QImage image = render(data, size);
    QCOMPARE(image.size(), size);
    // With a fixed window onto the data, the in-range part still shows.
    fixAxes(data, 2, 10);
    data.settings().bottomAxis.minimum = -1;
    const QImage fixed = render(data, size);
    if (size == kSize) {
        const ChartGeometry g = geometry(data, size);
        QVERIFY(near(fixed, at(g, 0.5, 5), view3D ? QColor(Qt::black) : kBlue));
    }
}

QTEST_MAIN(TestChartPainter)
#include "test_chart_painter.moc"
