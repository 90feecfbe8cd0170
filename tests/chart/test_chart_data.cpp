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
        QVERIFY(p.label.isEmpty());
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

QTEST_MAIN(TestChartData)
#include "test_chart_data.moc"
