// Axis arithmetic: automatic and fixed ranges, the mapping, label values and label texts.
#include <QtTest>

#include "chart/axis_scale.h"

using chart::AxisKind;
using chart::AxisRange;
using chart::ChartData;

Q_DECLARE_METATYPE(AxisRange)

class TestAxisScale : public QObject {
    Q_OBJECT
  private slots:
    void automaticRanges_data();
    void automaticRanges();
    void fixedRangeIgnoresPoints();
    void viewOverridesRange();
    void mapping_data();
    void mapping();
    void labelTexts_data();
    void labelTexts();
    void fixedIncrementLabels_data();
    void fixedIncrementLabels();
    void automaticLabelsDoNotOverlap_data();
    void automaticLabelsDoNotOverlap();
};

struct P {
    double x, y;
};
Q_DECLARE_METATYPE(QList<P>)

void TestAxisScale::automaticRanges_data() {
    QTest::addColumn<QList<P>>("anchors");
    QTest::addColumn<QList<P>>("curve");
    QTest::addColumn<AxisRange>("x");
    QTest::addColumn<AxisRange>("y");
    const QList<P> anchors{{0.62, 130}, {0.62, 50}};
    QList<P> curve;
    for (int i = 0; i <= 11; ++i) {
        curve.append({0.05 * i, 120 - 80.0 * i / 11});  // 0..0.55 s, 120 down to 40
    }
    QTest::newRow("no points") << QList<P>{} << QList<P>{} << AxisRange{0, 0} << AxisRange{0, 0};
    QTest::newRow("anchors alone")
        << anchors << QList<P>{} << AxisRange{0.62, 0.62} << AxisRange{50, 130};
    QTest::newRow("anchors and curve")
        << anchors << curve << AxisRange{0, 0.62} << AxisRange{40, 130};
    QTest::newRow("curve alone, no rounding") << QList<P>{} << QList<P>{{0.013, 77.7}, {0.9, 81.3}}
                                              << AxisRange{0.013, 0.9} << AxisRange{77.7, 81.3};
}

void TestAxisScale::automaticRanges() {
    QFETCH(QList<P>, anchors);
    QFETCH(QList<P>, curve);
    QFETCH(AxisRange, x);
    QFETCH(AxisRange, y);
    ChartData data;
    auto& curveSeries = data.addSeries("Series1", "c", Qt::red);
    auto& anchorSeries = data.addSeries("Series4", " ", Qt::white);
    data.addSeries("Series5", " ", Qt::white);  // empty series count for nothing
    for (const P& p : anchors) {
        anchorSeries.addPoint(p.x, p.y, Qt::blue);
    }
    for (const P& p : curve) {
        curveSeries.addPoint(p.x, p.y, Qt::red);
    }
    QCOMPARE(chart::automaticRange(data, AxisKind::Bottom), x);
    QCOMPARE(chart::automaticRange(data, AxisKind::Left), y);
    QCOMPARE(chart::effectiveRange(data, {}, AxisKind::Bottom), x);
}

void TestAxisScale::fixedRangeIgnoresPoints() {
    ChartData data;
    auto& bottom = data.settings().bottomAxis;
    bottom.automatic = false;
    bottom.minimum = 0;
    bottom.maximum = 1.6;
    data.addSeries("Series1", "c", Qt::red).addPoint(1.61, 3, Qt::red);
    QCOMPARE(chart::effectiveRange(data, {}, AxisKind::Bottom), (AxisRange{0, 1.6}));
    QCOMPARE(chart::effectiveRange(data, {}, AxisKind::Left), (AxisRange{3, 3}));
}

void TestAxisScale::viewOverridesRange() {
    ChartData data;
    data.addSeries("Series1", "c", Qt::red).addPoint(1, 3, Qt::red);
    chart::ViewState view;
    view.left = AxisRange{-1, 1};
    QCOMPARE(chart::effectiveRange(data, view, AxisKind::Left), (AxisRange{-1, 1}));
    QCOMPARE(chart::effectiveRange(data, view, AxisKind::Bottom), (AxisRange{1, 1}));
}

void TestAxisScale::mapping_data() {
    QTest::addColumn<AxisRange>("range");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("pixel");
    QTest::newRow("rightward") << AxisRange{0, 1.6} << 40.0 << 440.0 << 0.4 << 140.0;
    QTest::newRow("upward") << AxisRange{50, 130} << 400.0 << 80.0 << 130.0 << 80.0;
    QTest::newRow("beyond the end") << AxisRange{0, 1.6} << 0.0 << 160.0 << 1.61 << 161.0;
    QTest::newRow("empty range: middle") << AxisRange{0.62, 0.62} << 40.0 << 440.0 << 0.62 << 240.0;
    QTest::newRow("empty range, other value") << AxisRange{0, 0} << 400.0 << 80.0 << 7.0 << 240.0;
}

void TestAxisScale::mapping() {
    QFETCH(AxisRange, range);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(double, value);
    QFETCH(double, pixel);
    const chart::ScaleMap map(range, start, end);
    QCOMPARE(map.toPixel(value), pixel);
    if (range.minimum != range.maximum) {
        QCOMPARE(map.toValue(pixel), value);
    }
}

void TestAxisScale::labelTexts_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("integer") << english << 130.0 << "130";
    QTest::newRow("one decimal") << english << 0.1 << "0.1";
    QTest::newRow("sum of steps") << english << 0.1 * 3 << "0.3";
    QTest::newRow("three decimals at most") << english << 0.12345 << "0.123";
    QTest::newRow("rounded up") << english << 0.9996 << "1";
    QTest::newRow("grouping") << english << 1234567.5 << "1,234,567.5";
    QTest::newRow("negative") << english << -2.5 << "-2.5";
    QTest::newRow("no negative zero") << english << -0.0001 << "0";
    QTest::newRow("huge") << english << 1e20 << "100,000,000,000,000,000,000";
    QTest::newRow("russian decimal comma") << russian << 1.6 << "1,6";
    QTest::newRow("russian grouping")
        << russian << 12345.25 << QString("12") + russian.groupSeparator() + "345,25";
    QTest::newRow("german") << german << 1234.5 << "1.234,5";
}

void TestAxisScale::labelTexts() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(chart::formatLabel(value, locale), text);
}

void TestAxisScale::fixedIncrementLabels_data() {
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("step");
    QTest::newRow("room for every 0.1") << 440.0 << 17 << 0.1;
    QTest::newRow("every other") << 150.0 << 9 << 0.2;
    QTest::newRow("cramped") << 60.0 << 4 << 0.5;
}

void TestAxisScale::fixedIncrementLabels() {
    QFETCH(double, length);
    QFETCH(int, count);
    QFETCH(double, step);
    const auto values = chart::labelValues({0, 1.6}, 0.1, length, [](double) { return 15.0; });
    QCOMPARE(static_cast<int>(values.size()), count);
    QCOMPARE(values.front(), 0.0);
    for (std::size_t i = 1; i < values.size(); ++i) {
        QVERIFY(qAbs(values[i] - values[i - 1] - step) < 1e-9);
        // Every label stands on the 0.1 grid.
        QVERIFY(qAbs(values[i] * 10 - qRound(values[i] * 10)) < 1e-9);
    }
    QVERIFY(qAbs(values.back() - 1.6) < 1e-9 || 1.6 - values.back() < step);
}

void TestAxisScale::automaticLabelsDoNotOverlap_data() {
    QTest::addColumn<AxisRange>("range");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("extent");
    QTest::newRow("pressure") << AxisRange{40, 130} << 330.0 << 15.0;
    QTest::newRow("time") << AxisRange{0, 0.62} << 420.0 << 35.0;
    QTest::newRow("tiny span") << AxisRange{1.0, 1.0 + 1e-7} << 300.0 << 30.0;
    QTest::newRow("huge span") << AxisRange{-1e12, 1e12} << 300.0 << 80.0;
    QTest::newRow("short axis") << AxisRange{0, 100} << 20.0 << 15.0;
}

void TestAxisScale::automaticLabelsDoNotOverlap() {
    QFETCH(AxisRange, range);
    QFETCH(double, length);
    QFETCH(double, extent);
    const auto values = chart::labelValues(range, 0, length, [&](double) { return extent; });
    const double perPixel = (range.maximum - range.minimum) / length;
    for (std::size_t i = 1; i < values.size(); ++i) {
        QVERIFY((values[i] - values[i - 1]) / perPixel >= extent - 1e-6);
    }
    for (const double v : values) {
        QVERIFY(v >= range.minimum - 1e-9 * qAbs(range.maximum) &&
                v <= range.maximum * 1.0000001 + 1e-9);
    }
    QCOMPARE(chart::labelValues({0.62, 0.62}, 0, length, [&](double) { return extent; }),
             std::vector<double>{0.62});
}

QTEST_MAIN(TestAxisScale)
#include "test_axis_scale.moc"
