// Series keep their points sorted by x; a new point goes after every point with x <= its x.
#include <QtTest>

#include "chart/chart_data.h"

using chart::ChartData;
using chart::LineSeries;

class TestChartData : public QObject {
    Q_OBJECT
  private slots:
    void addPointKeepsOrder_data();
    void addPointKeepsOrder();
    void changesAreReported();
    void seriesByName();
    void curvesJoinTheirPieces();
    void curveDeclarationsThatFail();
};

void TestChartData::addPointKeepsOrder_data() {
    QTest::addColumn<QList<double>>("xs");
    // The order in which the added points stand afterwards (by their adding number), and the
    // position each addPoint call returned.
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QList<int>>("returned");
    QTest::newRow("ascending") << QList<double>{0, 1, 2} << QList<int>{0, 1, 2}
                               << QList<int>{0, 1, 2};
    QTest::newRow("decreasing") << QList<double>{2, 1, 0} << QList<int>{2, 1, 0}
                                << QList<int>{0, 0, 0};
    QTest::newRow("equal x goes after")
        << QList<double>{1, 1, 0, 1} << QList<int>{2, 0, 1, 3} << QList<int>{0, 1, 0, 3};
    QTest::newRow("middle") << QList<double>{0, 2, 1, 1.5} << QList<int>{0, 2, 3, 1}
                            << QList<int>{0, 1, 1, 2};
}

void TestChartData::addPointKeepsOrder() {
    QFETCH(QList<double>, xs);
    QFETCH(QList<int>, order);
    QFETCH(QList<int>, returned);
    LineSeries series("Series1", "a", Qt::red);
    QList<int> positions;
    for (int i = 0; i < xs.size(); ++i) {
        // The y value carries the adding number.
        positions << series.addPoint(xs[i], i, Qt::blue);
    }
    QCOMPARE(positions, returned);
    QList<int> standing;
    for (const auto& p : series.points()) {
        standing << static_cast<int>(p.y);
        QCOMPARE(p.color, QColor(Qt::blue));
    }
    QCOMPARE(standing, order);
}

void TestChartData::changesAreReported() {
    ChartData data;
    int changes = 0;
    data.setChangedCallback([&] { ++changes; });
    LineSeries& series = data.addSeries("Series1", "a", Qt::red);
    const int afterAdding = changes;
    series.addPoint(1, 2, Qt::red);
    series.addPoint(0, 2, Qt::red);
    QCOMPARE(changes, afterAdding + 2);
    series.clear();
    QCOMPARE(changes, afterAdding + 3);
    QVERIFY(series.points().empty());
}

void TestChartData::seriesByName() {
    ChartData data;
    data.addSeries("Series4", " ", Qt::white);
    data.addSeries("Series1", "x1", Qt::green);
    QCOMPARE(data.seriesList().size(), std::size_t(2));
    QCOMPARE(data.seriesList()[0]->name(), QString("Series4"));
    QVERIFY(data.series("Series1") == data.seriesList()[1].get());
    QVERIFY(data.series("Series2") == nullptr);
    QCOMPARE(data.settings().titleFont.family(), QString("Arial"));
    QCOMPARE(data.settings().titleFont.pixelSize(), 11);
    QCOMPARE(data.settings().titleColor, QColor(Qt::blue));
}

// A curve drawn by two overlapping pieces, named by another series' legend row, beside a helper.
void TestChartData::curvesJoinTheirPieces() {
    ChartData data;
    LineSeries& anchor = data.addSeries("Series4", " ", Qt::white);
    LineSeries& named = data.addSeries("Series2", "first", Qt::blue);
    LineSeries& late = data.addSeries("Series1", "second", Qt::red);
    LineSeries& second = data.addSeries("Series3", " ", Qt::white);
    QVERIFY(data.addCurve("Series1", Qt::red, {"Series2"}));  // drawn by Series2
    QVERIFY(data.addCurve("Series2", Qt::blue, {"Series1", "Series3"}));
    anchor.addPoint(1, 130, Qt::blue);
    late.addPoint(0, 10, Qt::blue);
    late.addPoint(0.5, 11, Qt::blue);
    second.addPoint(0.4, 20, Qt::blue);  // overlaps the first piece
    second.addPoint(0.5, 21, Qt::blue);  // same time as its end: after it
    second.addPoint(0.9, 22, Qt::blue);
    named.addPoint(0.2, 5, Qt::red);

    QVERIFY(data.isHelper(anchor));
    QVERIFY(!data.isHelper(named) && !data.isHelper(late) && !data.isHelper(second));
    const auto curves = data.curves();
    QCOMPARE(curves.size(), std::size_t(2));
    // Legend order: the row "first" stands above the row "second".
    QCOMPARE(curves[0].title, QString("first"));
    QCOMPARE(curves[0].colour, QColor(Qt::blue));
    QList<double> ys;
    for (const auto& p : curves[0].points) ys << p.y;
    QCOMPARE(ys, (QList<double>{10, 20, 11, 21, 22}));
    QCOMPARE(curves[1].title, QString("second"));
    QCOMPARE(curves[1].points.size(), std::size_t(1));
    QCOMPARE(curves[1].points[0].y, 5.0);
}

void TestChartData::curveDeclarationsThatFail() {
    ChartData data;
    data.addSeries("Series1", "a", Qt::red);
    data.addSeries("Series2", "b", Qt::red);
    QVERIFY(!data.addCurve("Series9", Qt::red, {"Series1"}));             // no such legend row
    QVERIFY(!data.addCurve("Series1", Qt::red, {"Series1", "Series9"}));  // no such piece
    QVERIFY(!data.addCurve("Series1", Qt::red, {"Series1", "Series1"}));  // a piece twice
    QVERIFY(data.curveDefinitions().empty());
    QVERIFY(data.addCurve("Series1", Qt::red, {"Series1"}));
    QVERIFY(!data.addCurve("Series2", Qt::red, {"Series2", "Series1"}));  // taken already
    QCOMPARE(data.curveDefinitions().size(), std::size_t(1));
}

QTEST_MAIN(TestChartData)
#include "test_chart_data.moc"
