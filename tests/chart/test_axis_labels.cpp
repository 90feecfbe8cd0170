// Axis labels as laid out on the charts of the seven windows: the unzoomed labels of every window,
// pinned value by value and text by text, and labels that read right at zoomed and extreme
// ranges.
#include <QtTest>

#include "chart/chart_painter.h"
#include "tests/chart/window_charts.h"

using chart::AxisRange;
using chart::ChartData;
using chart::ChartGeometry;

Q_DECLARE_METATYPE(AxisRange)
Q_DECLARE_METATYPE(std::optional<AxisRange>)

namespace {

// The chart of `window` holding two points at the corners of the given ranges.
ChartGeometry layOut(ChartData& data, const QString& window, std::optional<AxisRange> x,
                     std::optional<AxisRange> y, const chart::ViewState& view = {}) {
    const auto& setup = chart::windows::byName(window);
    chart::windows::configure(data, setup);
    if (x && y) {
        auto& series = *data.seriesList().front();
        series.addPoint(x->minimum, y->minimum, Qt::red);
        series.addPoint(x->maximum, y->maximum, Qt::red);
    }
    return chart::chartGeometry(QRect(QPoint(0, 0), setup.size), data, view);
}

// The labels as the user reads them: each text stands for its value.
void compareLabels(const std::vector<double>& values, const std::vector<QString>& texts,
                   const QString& expected) {
    QCOMPARE(texts.size(), values.size());
    const QStringList shown(texts.begin(), texts.end());
    QCOMPARE(shown.join(' '), expected);
    const QLocale russian(QLocale::Russian);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double written = russian.toDouble(shown[static_cast<qsizetype>(i)]);
        QVERIFY2(qAbs(values[i] - written) <= 1e-12 * (1 + qAbs(written)),
                 qPrintable(shown[static_cast<qsizetype>(i)]));
    }
}

const char* const kTime062 = "0 0,05 0,1 0,15 0,2 0,25 0,3 0,35 0,4 0,45 0,5 0,55 0,6";
const char* const kTime026 = "0,02 0,04 0,06 0,08 0,1 0,12 0,14 0,16 0,18 0,2 0,22 0,24 0,26";
const char* const kTime16 = "0 0,1 0,2 0,3 0,4 0,5 0,6 0,7 0,8 0,9 1 1,1 1,2 1,3 1,4 1,5 1,6";

QString every(int first, int last, int step) {
    QStringList list;
    for (int v = first; v <= last; v += step) list << QString::number(v);
    return list.join(' ');
}

}  // namespace

class TestAxisLabels : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian)); }
    void unzoomedWindows_data();
    void unzoomedWindows();
    void readableLabels_data();
    void readableLabels();
    void fixedAxisAfterZoomAndUndo();
};

// Ranges of builds with the values of the windows' descriptions (and a second, plainer build),
// and of the empty charts before any build.
void TestAxisLabels::unzoomedWindows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<std::optional<AxisRange>>("x");
    QTest::addColumn<std::optional<AxisRange>>("y");
    QTest::addColumn<QRect>("plot");
    QTest::addColumn<QString>("bottom");
    QTest::addColumn<QString>("left");
    const std::optional<AxisRange> none;
    const AxisRange diastole{0, 0.62}, systole{0.02, 0.26000000000000001}, cycle{0, 1.6};
    const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };

    row("Form9 empty") << "Form9" << none << none << QRect(37, 27, 394, 331) << "0"
                       << "0";
    row("Form9 120 1,2 0,5 1 2") << "Form9" << std::optional(diastole)
                                 << std::optional(AxisRange{47.981958521381657, 130})
                                 << QRect(49, 27, 375, 331) << kTime062 << every(50, 130, 5);
    row("Form9 100 1,2 1 1,5 2") << "Form9" << std::optional(diastole)
                                 << std::optional(AxisRange{50, 130}) << QRect(49, 27, 375, 331)
                                 << kTime062 << every(50, 130, 5);

    row("Form24 empty") << "Form24" << none << none << QRect(42, 27, 444, 390) << "0"
                        << "0";
    row("Form24 1 120 1,2 2,4 0,6")
        << "Form24" << std::optional(diastole) << std::optional(AxisRange{47.981958521381657, 130})
        << QRect(54, 27, 425, 390) << kTime062 << every(50, 130, 5);
    row("Form24 1 150 0,5 1 2") << "Form24" << std::optional(diastole)
                                << std::optional(AxisRange{49.930662554711908, 150})
                                << QRect(54, 27, 425, 390) << kTime062 << every(50, 150, 5);

    row("Form20 empty") << "Form20" << none << none << QRect(37, 27, 394, 371) << "0"
                        << "0";
    row("Form20 1,2 1 10 50 30") << "Form20" << std::optional(systole)
                                 << std::optional(AxisRange{50, 130}) << QRect(49, 27, 375, 371)
                                 << kTime026 << every(50, 130, 5);

    row("Form26 empty") << "Form26" << none << none << QRect(42, 88, 394, 345) << "0"
                        << "0";
    row("Form26 1,2 50 0,5 1 2") << "Form26" << std::optional(systole)
                                 << std::optional(AxisRange{50, 135.81814364891824})
                                 << QRect(54, 88, 375, 345) << kTime026 << every(50, 135, 5);
    row("Form26 2 50 1 1,5 2") << "Form26" << std::optional(systole)
                               << std::optional(AxisRange{50, 130}) << QRect(54, 88, 375, 345)
                               << kTime026 << every(50, 130, 5);

    row("Form28 empty") << "Form28" << none << none << QRect(42, 82, 384, 311) << "0"
                        << "0";
    row("Form28 50 1 0,6 1,2 2,4")
        << "Form28" << std::optional(systole) << std::optional(AxisRange{50, 166.10629664460546})
        << QRect(54, 82, 365, 311) << kTime026 << every(50, 160, 10);
    row("Form28 30 1 1 1,5 2") << "Form28" << std::optional(systole)
                               << std::optional(AxisRange{50, 130}) << QRect(54, 82, 365, 311)
                               << kTime026 << every(50, 130, 5);

    row("Form16 empty") << "Form16" << none << none << QRect(37, 27, 405, 395) << kTime16 << "0";
    row("Form16 1 50 1,2 1,5 1") << "Form16" << std::optional(cycle)
                                 << std::optional(AxisRange{50, 135.10801202976921})
                                 << QRect(49, 27, 393, 395) << kTime16 << every(50, 135, 5);
    row("Form16 1 0 1,2 1,5 1") << "Form16" << std::optional(cycle)
                                << std::optional(AxisRange{16.15172143957243, 130})
                                << QRect(49, 27, 393, 395) << kTime16 << every(20, 130, 5);

    row("Form22 empty") << "Form22" << none << none << QRect(37, 27, 456, 379) << kTime16 << "0";
    row("Form22 1,2 50 1 1,5 2") << "Form22" << std::optional(cycle)
                                 << std::optional(AxisRange{76.127815366453547, 160.03103961943248})
                                 << QRect(49, 27, 444, 379) << kTime16 << every(80, 160, 5);
    row("Form22 1,2 0 1 1,5 2") << "Form22" << std::optional(cycle)
                                << std::optional(AxisRange{20.396431682120792, 79.66736014760879})
                                << QRect(43, 27, 450, 379) << kTime16 << every(25, 75, 5);
}

void TestAxisLabels::unzoomedWindows() {
    QFETCH(QString, window);
    QFETCH(std::optional<AxisRange>, x);
    QFETCH(std::optional<AxisRange>, y);
    QFETCH(QRect, plot);
    QFETCH(QString, bottom);
    QFETCH(QString, left);
    ChartData data;
    const ChartGeometry g = layOut(data, window, x, y);
    QCOMPARE(g.plot, plot);
    compareLabels(g.bottomLabels, g.bottomTexts, bottom);
    compareLabels(g.leftLabels, g.leftTexts, left);
}

// Ranges that zooming, scrolling and extreme inputs reach, on the cardiac-cycle chart (and the
// 3-D one for the extreme values): every label must read as its own value.
void TestAxisLabels::readableLabels_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<AxisRange>("x");
    QTest::addColumn<AxisRange>("y");
    QTest::addColumn<bool>("zoomed");
    const AxisRange cycle{0, 1.6};
    const auto zoomAround = [](double centre, double width) {
        return AxisRange{centre - width / 2, centre + width / 2};
    };
    for (const double width : {1e-4, 1e-5, 1e-6, 1e-7, 1e-8, 1e-9}) {
        QTest::addRow("pressure %g wide around 126,6", width)
            << "Form22" << zoomAround(0.24, width * 10) << zoomAround(126.6, width) << true;
    }
    QTest::newRow("five nested zooms")
        << "Form22" << AxisRange{0.2389, 0.2411} << AxisRange{126.61655, 126.61745} << true;
    QTest::newRow("0,05 s of the fixed time axis")
        << "Form22" << AxisRange{0.2, 0.25} << AxisRange{120, 127} << true;
    QTest::newRow("0,05 s scrolled off the grid")
        << "Form16" << AxisRange{1.013, 1.063} << AxisRange{50, 135} << true;
    QTest::newRow("a few units in the last place") << "Form22" << AxisRange{0.24, 0.24 + 4e-17}
                                                   << AxisRange{126.6, 126.60000000000004} << true;
    QTest::newRow("resistance 0,00001, not zoomed")
        << "Form22" << cycle << AxisRange{0.00079769434444444459, 0.0049999999000000014} << false;
    QTest::newRow("inflow 1 and 290 zeros, not zoomed")
        << "Form22" << cycle << AxisRange{6.732694415995287e+287, 2.167583150104021e+290} << false;
    QTest::newRow("inflow 1 and 290 zeros, 3-D")
        << "Form28" << AxisRange{0.02, 0.26} << AxisRange{50, 2.2132609407538019e+290} << false;
    QTest::newRow("values near 1e290, zoomed")
        << "Form28" << AxisRange{0.1, 0.1000001} << AxisRange{1.2e290, 1.2000003e290} << true;
    QTest::newRow("tiny values, 3-D")
        << "Form26" << AxisRange{1e-300, 3e-300} << AxisRange{-2e-200, 7e-200} << false;
    QTest::newRow("huge negative times")
        << "Form9" << AxisRange{-1.7e308, -1.6e308} << AxisRange{50, 130} << false;
}

void TestAxisLabels::readableLabels() {
    QFETCH(QString, window);
    QFETCH(AxisRange, x);
    QFETCH(AxisRange, y);
    QFETCH(bool, zoomed);
    ChartData data;
    chart::ViewState view;
    if (zoomed) view = {x, y};
    const ChartGeometry g = layOut(data, window, x, y, view);
    const QFontMetrics fm(chart::chartFont(11));
    const QLocale russian(QLocale::Russian);
    for (const auto* axis : {&g.bottomLabels, &g.leftLabels}) {
        const bool bottom = axis == &g.bottomLabels;
        const auto& values = *axis;
        const auto& texts = bottom ? g.bottomTexts : g.leftTexts;
        const AxisRange range = bottom ? x : y;
        QVERIFY2(values.size() >= 2, bottom ? "bottom" : "left");
        QCOMPARE(texts.size(), values.size());
        for (std::size_t i = 0; i < values.size(); ++i) {
            // Inside the range, up to rounding far below a pixel.
            const double slack = 1e-6 * (values[1] - values[0]) + 1e-15 * qAbs(values[i]);
            QVERIFY(values[i] >= range.minimum - slack && values[i] <= range.maximum + slack);
            // Short enough to leave the chart to the curves.
            QVERIFY2(fm.horizontalAdvance(texts[i]) <= g.chart.width() / 4, qPrintable(texts[i]));
            if (i == 0) continue;
            QVERIFY(values[i] > values[i - 1]);
            QVERIFY2(texts[i] != texts[i - 1], qPrintable(texts[i]));
            // Each text reads nearer to its own value than to its neighbour's.
            bool ok = false;
            const double read =
                russian.toDouble(QString(texts[i]).remove(russian.groupSeparator()), &ok);
            QVERIFY2(ok, qPrintable(texts[i]));
            QVERIFY2(qAbs(read - values[i]) < (values[i] - values[i - 1]) / 2,
                     qPrintable(texts[i]));
        }
    }
    // The curves keep at least half of the chart both ways.
    const QRect region = g.plotRegion();
    QVERIFY(region.width() >= g.chart.width() / 2);
    QVERIFY(region.height() >= g.chart.height() / 2);
}

// A fixed time axis labels like an automatic one while zoomed, and gets its own 0,1 steps back
// when the zoom is undone.
void TestAxisLabels::fixedAxisAfterZoomAndUndo() {
    ChartData data;
    const AxisRange narrow{0.2, 0.25};
    const ChartGeometry zoomed = layOut(data, "Form22", narrow, AxisRange{120, 127}, {narrow, {}});
    QVERIFY(zoomed.bottomLabels.size() >= 3);
    QCOMPARE(zoomed.bottomTexts.front(), QString("0,2"));
    QCOMPARE(zoomed.bottomTexts.back(), QString("0,25"));
    const ChartGeometry undone = chart::chartGeometry(zoomed.chart, data);
    compareLabels(undone.bottomLabels, undone.bottomTexts, kTime16);
}

QTEST_MAIN(TestAxisLabels)
#include "test_axis_labels.moc"
