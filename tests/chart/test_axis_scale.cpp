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
    void longerFormats_data();
    void longerFormats();
    void formatThatTellsNeighboursApart_data();
    void formatThatTellsNeighboursApart();
    void atLeastTwoLabels_data();
    void atLeastTwoLabels();
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

void TestAxisScale::longerFormats_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("scientific");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QTest::newRow("six decimals") << russian << 126.600005 << false << 6 << "126,600005";
    QTest::newRow("trailing zeros dropped") << russian << 126.6 << false << 6 << "126,6";
    QTest::newRow("grouped") << english << 12345.0001 << false << 4 << "12,345.0001";
    QTest::newRow("no negative zero") << russian << -1e-9 << false << 5 << "0";
    QTest::newRow("scientific") << russian << 1.2e290 << true << 3 << "1,2E+290";
    QTest::newRow("scientific, english") << english << 1.2e290 << true << 3 << "1.2E+290";
    QTest::newRow("negative exponent") << russian << -5e-21 << true << 3 << "-5E-21";
    QTest::newRow("mantissa rounded") << russian << 1.23456e10 << true << 3 << "1,235E+10";
    QTest::newRow("long mantissa") << russian << 1.20000002e290 << true << 8 << "1,20000002E+290";
    QTest::newRow("zero") << russian << 0.0 << true << 3 << "0";
}

void TestAxisScale::longerFormats() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(bool, scientific);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(chart::formatLabel(value, chart::LabelFormat{scientific, decimals}, locale), text);
}

void TestAxisScale::formatThatTellsNeighboursApart_data() {
    QTest::addColumn<std::vector<double>>("values");
    QTest::addColumn<double>("maxWidth");
    QTest::addColumn<bool>("scientific");
    QTest::addColumn<int>("decimals");
    QTest::newRow("three decimals do")
        << std::vector<double>{0.001, 0.002, 0.003} << 100.0 << false << 3;
    QTest::newRow("half steps need a fourth")
        << std::vector<double>{0.0005, 0.001, 0.0015} << 100.0 << false << 4;
    QTest::newRow("tiny steps near 126,6")
        << std::vector<double>{126.6, 126.6 + 2e-9, 126.6 + 4e-9} << 100.0 << false << 9;
    QTest::newRow("too wide written out")
        << std::vector<double>{1e20, 2e20, 3e20} << 100.0 << true << 3;
    QTest::newRow("too wide, close together")
        << std::vector<double>{1.2e290, 1.2000002e290, 1.2000004e290} << 100.0 << true << 7;
    QTest::newRow("too many decimals") << std::vector<double>{1e-25, 2e-25} << 1000.0 << true << 3;
}

void TestAxisScale::formatThatTellsNeighboursApart() {
    QFETCH(std::vector<double>, values);
    QFETCH(double, maxWidth);
    QFETCH(bool, scientific);
    QFETCH(int, decimals);
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    // Five pixels a character.
    const auto fits = [&](const QString& text) { return 5.0 * text.size() <= maxWidth; };
    const chart::AxisTexts written = chart::writeLabels(values, fits, russian);
    QCOMPARE(written.format, (chart::LabelFormat{scientific, decimals}));
    QCOMPARE(written.texts.size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        QCOMPARE(written.texts[i], chart::formatLabel(values[i], written.format, russian));
    }
}

void TestAxisScale::atLeastTwoLabels_data() {
    QTest::addColumn<AxisRange>("range");
    QTest::addColumn<double>("increment");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("extent");
    QTest::addColumn<std::vector<double>>("expected");
    QTest::newRow("short axis: the ends")
        << AxisRange{3, 97} << 0.0 << 20.0 << 15.0 << std::vector<double>{3, 97};
    QTest::newRow("fixed increment on a short axis")
        << AxisRange{0, 1.6} << 0.1 << 20.0 << 15.0 << std::vector<double>{0, 1.6};
    QTest::newRow("fixed increment, narrower range")
        << AxisRange{0.21, 0.29} << 0.1 << 300.0 << 15.0
        << std::vector<double>{0.22, 0.24, 0.26, 0.28};
    QTest::newRow("two units in the last place")
        << AxisRange{1, 1 + 4.4408920985006262e-16} << 0.0 << 300.0 << 15.0
        << std::vector<double>{1, 1 + 4.4408920985006262e-16};
}

void TestAxisScale::atLeastTwoLabels() {
    QFETCH(AxisRange, range);
    QFETCH(double, increment);
    QFETCH(double, length);
    QFETCH(double, extent);
    QFETCH(std::vector<double>, expected);
    const auto values =
        chart::labelValues(range, increment, length, [&](double) { return extent; });
    QCOMPARE(values.size(), expected.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        QVERIFY(qAbs(values[i] - expected[i]) <= 1e-12 * qAbs(expected[i]));
    }
}

QTEST_MAIN(TestAxisScale)
#include "test_axis_scale.moc"
