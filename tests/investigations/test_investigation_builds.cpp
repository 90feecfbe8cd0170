// Builds driven as a user does: text typed into the fields with key clicks, a mouse click on
// "Построить график", then the chart's series checked against the expected curves, and the
// errors that end a build.

#include <QImage>
#include <QtTest>
#include <optional>
#include <vector>

#include "tests/investigations/window_factory.h"
#include "tests/support/paint_counter.h"
#include "tests/support/recording_desktop.h"

using testing_support::makeInvestigation;
using testing_support::typeAndBuild;

namespace {

const QColor kBlue(0, 0, 255), kGreen(0, 128, 0), kRed(255, 0, 0), kYellow(255, 255, 0);

struct PointCheck {
    const char* series;
    int index;  // -1: the last point
    double x;
    double y;
    double tolerance;  // on y; x within 1e-9
};

struct Case {
    const char* name;
    const char* window;
    QStringList fields;  // typed into Edit1..Edit5
    const char* error;   // nullptr: the build ends normally
    std::vector<std::pair<const char*, int>> counts;
    std::vector<PointCheck> points;
    std::vector<std::pair<const char*, QColor>> colours;  // every point of the series
};

using Counts = std::vector<std::pair<const char*, int>>;
using Colours = std::vector<std::pair<const char*, QColor>>;

Counts uniform(std::initializer_list<const char*> names, int count) {
    Counts counts;
    for (const char* n : names) counts.emplace_back(n, count);
    return counts;
}

Counts join(Counts a, const Counts& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Counts kFiveSeries =
    join(uniform({"Series1", "Series2", "Series3"}, 0), uniform({"Series4", "Series5"}, 1));
const Counts kCycle22Empty =
    uniform({"Series1", "Series2", "Series3", "Series4", "Series5", "Series6", "Series7", "Series8",
             "Series9", "Series10", "Series11", "Series12"},
            0);
const Counts kCycle16Empty =
    join(uniform({"Series1", "Series2", "Series3", "Series4", "Series5", "Series6", "Series9",
                  "Series10", "Series11", "Series12", "Series13", "Series14"},
                 0),
         uniform({"Series7", "Series8"}, 1));

Counts curves(int count, int anchors = 1) {
    return join(uniform({"Series1", "Series2", "Series3"}, count),
                uniform({"Series4", "Series5"}, anchors));
}

const Colours kCycle22Colours{{"Series1", kRed},   {"Series4", kRed},    {"Series7", kRed},
                              {"Series10", kRed},  {"Series2", kGreen},  {"Series5", kGreen},
                              {"Series8", kGreen}, {"Series11", kGreen}, {"Series3", kBlue},
                              {"Series6", kBlue},  {"Series9", kBlue},   {"Series12", kBlue}};
const Colours kCycle16Colours{{"Series1", kRed},    {"Series4", kRed},    {"Series9", kRed},
                              {"Series12", kRed},   {"Series2", kGreen},  {"Series5", kGreen},
                              {"Series10", kGreen}, {"Series13", kGreen}, {"Series3", kBlue},
                              {"Series6", kBlue},   {"Series11", kBlue},  {"Series14", kBlue},
                              {"Series7", kBlue},   {"Series8", kBlue}};

const char* const kInvalid = "Invalid floating point operation";
const char* const kDivision = "Floating point division by zero";
const char* const kOverflow = "Floating point overflow";

const std::vector<Case>& cases() {
    static const std::vector<Case> table{
        {"Form9 X 0,5 1 2",
         "Form9",
         {"120", "1,2", "0,5", "1", "2"},
         nullptr,
         curves(56),
         {{"Series1", 0, 0, 120, 1e-9},
          {"Series1", -1, 0.55, 47.982, 0.001},
          {"Series2", 10, 0.1, 110.405, 0.001},
          {"Series2", -1, 0.55, 75.880, 0.001},
          {"Series3", -1, 0.55, 95.424, 0.001},
          {"Series4", 0, 0.62, 130, 0},
          {"Series5", 0, 0.62, 50, 0}},
         {{"Series1", kBlue},
          {"Series2", kGreen},
          {"Series3", kRed},
          {"Series4", kBlue},
          {"Series5", kBlue}}},
        {"Form9 typed minus",
         "Form9",
         {"120", "1,2", "-1", "1", "2"},
         nullptr,
         curves(56),
         {{"Series1", -1, 0.55, 189.772, 0.001}},
         {}},
        {"Form24 C 1,2 2,4 0,6",
         "Form24",
         {"1", "120", "1,2", "2,4", "0,6"},
         nullptr,
         curves(56),
         {{"Series1", 10, 0.1, 110.405, 0.001},
          {"Series1", -1, 0.55, 75.880, 0.001},
          {"Series2", -1, 0.55, 95.424, 0.001},
          {"Series3", -1, 0.55, 47.982, 0.001},
          {"Series4", 0, 0.62, 130, 0},
          {"Series5", 0, 0.62, 50, 0}},
         {{"Series1", kBlue}, {"Series2", kGreen}, {"Series3", kRed}}},
        {"Form20 Qmax 10 30 50",
         "Form20",
         {"1,2", "1", "10", "50", "30"},
         nullptr,
         curves(13),
         {{"Series1", 0, 0.02, 78.939, 0.001},
          {"Series1", -1, 0.26, 76.001, 0.001},
          {"Series3", 0, 0.02, 79.460, 0.001},
          {"Series3", -1, 0.26, 99.172, 0.001},
          {"Series2", 0, 0.02, 79.982, 0.001},
          {"Series2", 11, 0.24, 125.881, 0.001},
          {"Series2", -1, 0.26, 122.343, 0.001},
          {"Series4", 0, 0.26, 130, 0},
          {"Series5", 0, 0.26, 50, 0}},
         {{"Series1", kBlue}, {"Series2", kRed}, {"Series3", kGreen}}},
        {"Form26 X 0,5 1 2",
         "Form26",
         {"1,2", "50", "0,5", "1", "2"},
         nullptr,
         curves(13),
         {{"Series1", 11, 0.24, 108.426, 0.001},
          {"Series2", 11, 0.24, 125.881, 0.001},
          {"Series3", 11, 0.24, 135.818, 0.001},
          {"Series4", 0, 0.26, 130, 0}},
         {{"Series1", kGreen}, {"Series2", kRed}, {"Series3", kBlue}}},
        {"Form26 no inflow",
         "Form26",
         {"2", "0", "1", "1", "1"},
         nullptr,
         curves(13),
         {{"Series1", 0, 0.02, 79.204, 0.001}, {"Series3", -1, 0.26, 70.248, 0.001}},
         {}},
        {"Form28 C 0,6 1,2 2,4",
         "Form28",
         {"50", "1", "0,6", "1,2", "2,4"},
         nullptr,
         curves(13),
         {{"Series1", 11, 0.24, 163.227, 0.001},
          {"Series2", 11, 0.24, 125.881, 0.001},
          {"Series3", 11, 0.24, 104.103, 0.001},
          {"Series1", -1, 0.26, 0, 1e9}},
         {{"Series1", kRed}, {"Series2", kGreen}, {"Series3", kYellow}}},
        {"Form22 X 1 1,5 2",
         "Form22",
         {"1,2", "50", "1", "1,5", "2"},
         nullptr,
         join(join(uniform({"Series1", "Series2", "Series3"}, 24),
                   uniform({"Series4", "Series5", "Series6"}, 60)),
              join(uniform({"Series7", "Series8", "Series9"}, 25),
                   uniform({"Series10", "Series11", "Series12"}, 61))),
         {{"Series1", 0, 0.01, 79.6727, 1e-4},
          {"Series1", 21, 0.22, 126.6777, 1e-4},
          {"Series1", -1, 0.24, 125.8813, 1e-4},
          {"Series4", 0, 0.23, 126.5962, 1e-4},
          {"Series4", -1, 0.82, 77.4270, 1e-4},
          {"Series7", 0, 0.82, 77.4270, 1e-4},
          {"Series7", 1, 0.82, 77.1211, 1e-4},
          {"Series7", -1, 1.05, 123.7747, 1e-4},
          {"Series10", 0, 1.04, 124.4719, 1e-4},
          {"Series10", 1, 1.05, 124.4719, 1e-4},
          {"Series10", 2, 1.06, 123.4390, 1e-4},
          {"Series10", -1, 1.64, 76.1278, 1e-4},
          {"Series2", -1, 0.24, 132.41, 0.005},
          {"Series5", -1, 0.82, 95.69, 0.005},
          {"Series8", -1, 1.05, 146.14, 0.005},
          {"Series3", -1, 0.24, 135.82, 0.005},
          {"Series6", -1, 0.82, 106.40, 0.005},
          {"Series9", -1, 1.05, 159.70, 0.005}},
         kCycle22Colours},
        {"Form16 C1 1 C2 1,2 C3 1,5",
         "Form16",
         {"1", "50", "1,2", "1,5", "1"},
         nullptr,
         join(join(uniform({"Series1", "Series2", "Series3"}, 24),
                   uniform({"Series4", "Series5", "Series6"}, 59)),
              join(join(uniform({"Series7", "Series8"}, 1),
                        uniform({"Series9", "Series10", "Series11"}, 25)),
                   uniform({"Series12", "Series13", "Series14"}, 60))),
         {{"Series1", 23, 0.24, 125.88, 0.005},
          {"Series4", 0, 0.23, 126.6777, 1e-4},
          {"Series4", -1, 0.81, 78.1252, 1e-4},
          {"Series9", 0, 0.81, 78.1252, 1e-4},
          {"Series9", 1, 0.81, 77.8135, 1e-4},
          {"Series9", -1, 1.04, 124.3464, 1e-4},
          {"Series12", 0, 1.03, 125.1170, 1e-4},
          {"Series12", 1, 1.03, 125.1170, 1e-4},
          {"Series12", 2, 1.04, 124.0787, 1e-4},
          {"Series12", -1, 1.61, 77.1627, 1e-4},
          {"Series3", 21, 0.22, 135.11, 0.005},
          {"Series3", 23, 0.24, 133.99, 0.005},
          {"Series6", -1, 0.81, 75.65, 0.005},
          {"Series11", -1, 1.04, 130.56, 0.005},
          {"Series2", 23, 0.24, 117.44, 0.005},
          {"Series5", -1, 0.81, 80.13, 0.005},
          {"Series10", -1, 1.04, 117.55, 0.005},
          {"Series7", 0, 1.0, 130, 0},
          {"Series8", 0, 1.0, 50, 0}},
         kCycle16Colours},
        {"Form16 no inflow",
         "Form16",
         {"1", "0", "1,2", "1,2", "1,2"},
         nullptr,
         uniform({"Series1", "Series2", "Series3"}, 24),
         {{"Series1", 0, 0.01, 79.3361, 1e-4}, {"Series1", -1, 0.24, 65.4985, 1e-4}},
         {}},
        // Arithmetic errors: no curve point, the anchors in place.
        {"Form9 zero C", "Form9", {"120", "0", "1", "1", "1"}, kInvalid, kFiveSeries, {}, {}},
        {"Form24 zero X", "Form24", {"0", "120", "1", "1", "1"}, kInvalid, kFiveSeries, {}, {}},
        {"Form20 zero C", "Form20", {"0", "1", "10", "50", "30"}, kDivision, kFiveSeries, {}, {}},
        {"Form26 zero X2",
         "Form26",
         {"1,2", "50", "0,5", "0", "2"},
         kDivision,
         kFiveSeries,
         {},
         {}},
        {"Form28 zero C3",
         "Form28",
         {"50", "1", "0,6", "1,2", "0"},
         kDivision,
         kFiveSeries,
         {},
         {}},
        {"Form16 zero X",
         "Form16",
         {"0", "50", "1,2", "1,5", "1"},
         kDivision,
         kCycle16Empty,
         {},
         {}},
        {"Form22 zero X2",
         "Form22",
         {"1,2", "50", "1", "0", "2"},
         kDivision,
         kCycle22Empty,
         {},
         {}},
        {"Form22 tiny time constant",
         "Form22",
         {",00001", "50", "1", "1", "1"},
         kOverflow,
         join(uniform({"Series1", "Series2", "Series3"}, 11),
              uniform({"Series4", "Series7", "Series10"}, 0)),
         {{"Series1", -1, 0.11, 0, 1e9}},
         {}},
        {"Form9 typed 1e400",
         "Form9",
         {"1e400", "1,2", "1", "1", "1"},
         kOverflow,
         kFiveSeries,
         {},
         {}},
        // Unreadable fields: the first one in read order is named.
        {"Form9 all empty",
         "Form9",
         {"", "", "", "", ""},
         "'' is not a valid floating point value",
         kFiveSeries,
         {},
         {}},
        {"Form22 all empty",
         "Form22",
         {"", "", "", "", ""},
         "'' is not a valid floating point value",
         kCycle22Empty,
         {},
         {}},
        {"Form16 empty C1",
         "Form16",
         {"1", "50", "1,2", "1,5", ""},
         "'' is not a valid floating point value",
         kCycle16Empty,
         {},
         {}},
        {"Form28 Edit3 before Edit1",
         "Form28",
         {"'", "1", "1,,2", "1", "1"},
         "'1,,2' is not a valid floating point value",
         kFiveSeries,
         {},
         {}},
        {"Form20 Edit3 before Edit2",
         "Form20",
         {"1", "\\", "1,,2", "1", "1"},
         "'1,,2' is not a valid floating point value",
         kFiveSeries,
         {},
         {}},
        {"Form26 apostrophe",
         "Form26",
         {"1'", "50", "1", "1", "1"},
         "'1'' is not a valid floating point value",
         kFiveSeries,
         {},
         {}},
    };
    return table;
}

const chart::ChartPoint& pointAt(const chart::LineSeries& s, int index) {
    return index < 0 ? s.points().back() : s.points().at(std::size_t(index));
}

int pixelsOf(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).rgb() == colour.rgb()) ++count;
        }
    }
    return count;
}

}  // namespace

class TestInvestigationBuilds : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian)); }

    void build_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(cases().size()); ++i)
            QTest::newRow(cases()[std::size_t(i)].name) << i;
    }
    void build() {
        QFETCH(int, row);
        const Case& c = cases()[std::size_t(row)];
        testing_support::RecordingDesktop desktop;
        const auto window = makeInvestigation(c.window, desktop);
        typeAndBuild(*window, c.fields);
        QVERIFY2(desktop.messages.isEmpty(), qPrintable(desktop.messages.join('|')));
        if (c.error) {
            QCOMPARE(desktop.errors, QStringList{QString::fromUtf8(c.error)});
        } else {
            QCOMPARE(desktop.errors, QStringList{});
        }
        for (int i = 0; i < 5; ++i) QCOMPARE(window->field(i + 1)->text(), c.fields[i]);
        for (const auto& [name, count] : c.counts) {
            QVERIFY2(int(testing_support::series(*window, name).points().size()) == count, name);
        }
        for (const PointCheck& p : c.points) {
            const chart::LineSeries& s = testing_support::series(*window, p.series);
            QVERIFY2(!s.points().empty(), p.series);
            const chart::ChartPoint& point = pointAt(s, p.index);
            const QString where = QStringLiteral("%1[%2] = (%3, %4)")
                                      .arg(p.series)
                                      .arg(p.index)
                                      .arg(point.x, 0, 'g', 17)
                                      .arg(point.y, 0, 'g', 10);
            QVERIFY2(std::abs(point.x - p.x) < 1e-9, qPrintable(where));
            QVERIFY2(std::abs(point.y - p.y) <= p.tolerance, qPrintable(where));
        }
        for (const auto& [name, colour] : c.colours) {
            for (const chart::ChartPoint& point : testing_support::series(*window, name).points()) {
                QCOMPARE(point.color, colour);
            }
        }
        // Points stay in time order within every series.
        for (const auto& s : window->chart()->data().seriesList()) {
            const auto& points = s->points();
            for (std::size_t i = 1; i < points.size(); ++i) QVERIFY(points[i - 1].x <= points[i].x);
        }
    }

    // The chart lists each window's three curves by their legend titles, in legend order, with
    // every point of their pieces in time order; anchor series belong to none.
    void curves_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QList<QColor>>("colours");
        QTest::addColumn<QList<int>>("counts");
        QTest::newRow("Form9") << "Form9" << QStringList{"120", "1,2", "0,5", "1", "2"}
                               << QStringList{"Х1", "Х2", "Х3"}
                               << QList<QColor>{kBlue, kGreen, kRed} << QList<int>{56, 56, 56};
        QTest::newRow("Form24") << "Form24" << QStringList{"1", "120", "0,6", "1,2", "2,4"}
                                << QStringList{"C1", "C2", "C3"}
                                << QList<QColor>{kBlue, kGreen, kRed} << QList<int>{56, 56, 56};
        QTest::newRow("Form20") << "Form20" << QStringList{"1,2", "1", "10", "50", "30"}
                                << QStringList{"Qmax1", "Qmax2", "Qmax3"}
                                << QList<QColor>{kBlue, kGreen, kRed} << QList<int>{13, 13, 13};
        QTest::newRow("Form26") << "Form26" << QStringList{"1,2", "50", "0,5", "1", "2"}
                                << QStringList{"x1", "x2", "x3"}
                                << QList<QColor>{kGreen, kRed, kBlue} << QList<int>{13, 13, 13};
        QTest::newRow("Form28") << "Form28" << QStringList{"50", "1", "0,6", "1,2", "2,4"}
                                << QStringList{"с1", "с2", "с3"}
                                << QList<QColor>{kRed, kGreen, kYellow} << QList<int>{13, 13, 13};
        QTest::newRow("Form16") << "Form16" << QStringList{"1", "50", "1,2", "1,5", "1"}
                                << QStringList{"С1", "С2", "С3"}
                                << QList<QColor>{kBlue, kRed, kGreen} << QList<int>{168, 168, 168};
        QTest::newRow("Form22") << "Form22" << QStringList{"1,2", "50", "1", "1,5", "2"}
                                << QStringList{"x1", "x2", "x3"}
                                << QList<QColor>{kRed, kGreen, kBlue} << QList<int>{170, 170, 170};
    }
    void curves() {
        QFETCH(QString, window);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, titles);
        QFETCH(QList<QColor>, colours);
        QFETCH(QList<int>, counts);
        testing_support::RecordingDesktop desktop;
        const auto form = makeInvestigation(window, desktop);
        typeAndBuild(*form, fields);
        QCOMPARE(desktop.errors, QStringList{});
        const chart::ChartData& data = form->chart()->data();
        const auto curves = data.curves();
        QCOMPARE(int(curves.size()), 3);
        std::size_t curvePoints = 0;
        for (int i = 0; i < 3; ++i) {
            const chart::CurvePoints& curve = curves[std::size_t(i)];
            QCOMPARE(curve.title, titles[i]);
            QCOMPARE(curve.colour, colours[i]);
            QCOMPARE(int(curve.points.size()), counts[i]);
            for (std::size_t k = 0; k < curve.points.size(); ++k) {
                QCOMPARE(curve.points[k].color, colours[i]);
                if (k > 0) QVERIFY(curve.points[k - 1].x <= curve.points[k].x);
            }
            curvePoints += curve.points.size();
        }
        // Every point of every series but the anchors' belongs to exactly one curve.
        std::size_t seriesPoints = 0;
        for (const auto& s : data.seriesList()) {
            const bool anchor = form->investigationSpec().anchors &&
                                (s->name() == form->investigationSpec().anchors->upperSeries ||
                                 s->name() == form->investigationSpec().anchors->lowerSeries);
            QCOMPARE(data.isHelper(*s), anchor);
            if (!anchor) seriesPoints += s->points().size();
        }
        QCOMPARE(curvePoints, seriesPoints);
    }

    // A build after a failed one starts over; the partial curves disappear.
    void buildAfterFailure() {
        testing_support::RecordingDesktop desktop;
        const auto window = makeInvestigation("Form22", desktop);
        typeAndBuild(*window, {",00001", "50", "1", "1", "1"});
        QCOMPARE(desktop.errors, QStringList{kOverflow});
        QCOMPARE(testing_support::series(*window, "Series1").points().size(), 11u);
        testing_support::typeInto(window->field(1), "1,2");
        QTest::mouseClick(window->control<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(desktop.errors.size(), 1);
        QCOMPARE(testing_support::series(*window, "Series1").points().size(), 24u);
        QCOMPARE(testing_support::series(*window, "Series12").points().size(), 61u);

        const auto form26 = makeInvestigation("Form26", desktop);
        typeAndBuild(*form26, {"1,2", "50", "0,5", "0", "2"});
        QCOMPARE(desktop.errors.size(), 2);
        testing_support::typeInto(form26->field(4), "1");
        QTest::mouseClick(form26->control<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(desktop.errors.size(), 2);
        QCOMPARE(testing_support::series(*form26, "Series2").points().size(), 13u);
        QCOMPARE(testing_support::series(*form26, "Series4").points().size(), 2u);
    }

    // Emptying a field after a good build removes every curve.
    void emptiedField() {
        testing_support::RecordingDesktop desktop;
        const auto window = makeInvestigation("Form22", desktop);
        typeAndBuild(*window, {"1,2", "50", "1", "1,5", "2"});
        QVERIFY(desktop.errors.isEmpty());
        testing_support::typeInto(window->field(4), "");
        QTest::mouseClick(window->control<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(desktop.errors, QStringList{"'' is not a valid floating point value"});
        for (const auto& s : window->chart()->data().seriesList()) QVERIFY(s->points().empty());
    }

    // Anchors: Form16 clears them with every build, the others only add to them.
    void repeatedBuilds() {
        testing_support::RecordingDesktop desktop;
        const auto form16 = makeInvestigation("Form16", desktop);
        const auto form9 = makeInvestigation("Form9", desktop);
        typeAndBuild(*form16, {"1", "50", "1,2", "1,5", "1"});
        typeAndBuild(*form9, {"120", "1,2", "0,5", "1", "2"});
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(form16->control<QPushButton>("Button1"), Qt::LeftButton);
            QTest::mouseClick(form9->control<QPushButton>("Button1"), Qt::LeftButton);
        }
        QVERIFY(desktop.errors.isEmpty());
        QCOMPARE(testing_support::series(*form16, "Series7").points().size(), 1u);
        QCOMPARE(testing_support::series(*form16, "Series8").points().size(), 1u);
        QCOMPARE(testing_support::series(*form16, "Series1").points().size(), 24u);
        QCOMPARE(testing_support::series(*form9, "Series4").points().size(), 3u);
        QCOMPARE(testing_support::series(*form9, "Series5").points().size(), 3u);
        QCOMPARE(testing_support::series(*form9, "Series1").points().size(), 56u);
    }

    // Pasted text is not filtered: a pasted minus sign and exponent are read.
    void pastedText() {
        testing_support::RecordingDesktop desktop;
        const auto window = makeInvestigation("Form24", desktop);
        typeAndBuild(*window, {"", "", "1,2", "1,2", "1,2"});
        desktop.clear();
        window->field(1)->insert("-1");
        window->field(2)->insert("1E2");
        QTest::mouseClick(window->control<QPushButton>("Button1"), Qt::LeftButton);
        QVERIFY(desktop.messages.isEmpty());
        QVERIFY(desktop.errors.isEmpty());
        const auto& points = testing_support::series(*window, "Series1").points();
        QCOMPARE(points.front().y, 100.0);
        QVERIFY(std::abs(points.back().y - 100 * std::exp(0.55 / 1.2)) < 1e-6);
    }

    // Typing a refused key into a field reports it and changes nothing.
    void refusedKeysInWindows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("messages");
        for (const QString& name : testing_support::investigationNames()) {
            QTest::newRow(qPrintable(name)) << name << (name == "Form9" ? 0 : 5);
        }
    }
    void refusedKeysInWindows() {
        QFETCH(QString, window);
        QFETCH(int, messages);
        testing_support::RecordingDesktop desktop;
        const auto form = makeInvestigation(window, desktop);
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (int n = 1; n <= 5; ++n) {
            testing_support::typeInto(form->field(n), "1,5");
            QTest::keyClick(form->field(n), Qt::Key_Minus);
            QVERIFY(form->field(n)->hasFocus());
        }
        QCOMPARE(desktop.messages.size(), messages);
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(form->field(n)->text(),
                     messages ? QStringLiteral("1,5") : QStringLiteral("1,5-"));
        }
    }

    // The chart is drawn once after a build, not point by point, and the same fields give the
    // same picture.
    void oneRepaintAndSamePicture_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("Form9") << "Form9" << QStringList{"120", "1,2", "0,5", "1", "2"};
        QTest::newRow("Form22") << "Form22" << QStringList{"1,2", "50", "1", "1,5", "2"};
        QTest::newRow("Form28") << "Form28" << QStringList{"50", "1", "0,6", "1,2", "2,4"};
    }
    void oneRepaintAndSamePicture() {
        QFETCH(QString, window);
        QFETCH(QStringList, fields);
        testing_support::RecordingDesktop desktop;
        const auto form = makeInvestigation(window, desktop);
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (int i = 0; i < 5; ++i) testing_support::typeInto(form->field(i + 1), fields[i]);
        QCoreApplication::processEvents();
        chart::ChartWidget* const chart = form->chart();
        const testing_support::PaintCounter paints(*chart);
        QTest::mouseClick(form->control<QPushButton>("Button1"), Qt::LeftButton);
        QTRY_VERIFY(paints.count() > 0);
        QCoreApplication::processEvents();
        QCOMPARE(paints.count(), 1);
        const QImage first = chart->grab().toImage();
        QTest::mouseClick(form->control<QPushButton>("Button1"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(chart->grab().toImage(), first);
        QVERIFY(desktop.errors.isEmpty());
    }

    // Each curve is drawn in its colour.
    void curveColours_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QList<QColor>>("colours");
        QTest::newRow("Form9") << "Form9" << QStringList{"120", "1,2", "0,5", "1", "2"}
                               << QList<QColor>{kBlue, kGreen, kRed};
        QTest::newRow("Form24") << "Form24" << QStringList{"1", "120", "1,2", "2,4", "0,6"}
                                << QList<QColor>{kBlue, kGreen, kRed};
        QTest::newRow("Form20") << "Form20" << QStringList{"1,2", "1", "10", "50", "30"}
                                << QList<QColor>{kBlue, kGreen, kRed};
        QTest::newRow("Form26") << "Form26" << QStringList{"1,2", "50", "0,5", "1", "2"}
                                << QList<QColor>{kBlue, kGreen, kRed};
        QTest::newRow("Form28") << "Form28" << QStringList{"50", "1", "0,6", "1,2", "2,4"}
                                << QList<QColor>{kRed, kGreen, kYellow};
        QTest::newRow("Form16") << "Form16" << QStringList{"1", "50", "1,2", "1,5", "1"}
                                << QList<QColor>{kBlue, kGreen, kRed};
        QTest::newRow("Form22") << "Form22" << QStringList{"1,2", "50", "1", "1,5", "2"}
                                << QList<QColor>{kBlue, kGreen, kRed};
    }
    void curveColours() {
        QFETCH(QString, window);
        QFETCH(QStringList, fields);
        QFETCH(QList<QColor>, colours);
        testing_support::RecordingDesktop desktop;
        const auto form = makeInvestigation(window, desktop);
        const QImage empty = form->chart()->grab().toImage();
        typeAndBuild(*form, fields);
        QVERIFY(desktop.errors.isEmpty());
        const QImage image = form->chart()->grab().toImage();
        for (const QColor& colour : colours) {
            QVERIFY2(pixelsOf(image, colour) > pixelsOf(empty, colour) + 20,
                     qPrintable(colour.name()));
        }
    }
};

QTEST_MAIN(TestInvestigationBuilds)
#include "test_investigation_builds.moc"
