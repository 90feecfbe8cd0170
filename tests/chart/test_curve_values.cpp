// Values read off curves and the curves written out as text: the pressure at a time, peak,
// lowest point and mean, the CSV file read back bit for bit, and the values table.
#include <QtTest>
#include <cmath>

#include "chart/curve_export.h"
#include "chart/curve_values.h"

using chart::ChartPoint;

namespace {

std::vector<ChartPoint> pointsOf(std::initializer_list<std::pair<double, double>> xy) {
    std::vector<ChartPoint> points;
    for (const auto& [x, y] : xy) points.push_back({x, y, Qt::red});
    return points;
}

// Two pieces of a cardiac-cycle curve as the chart lists them: the second starts with a join
// point at the first one's last time, and both overlap for one step.
const std::vector<ChartPoint> kJoined = pointsOf({{0.01, 79.6727},
                                                  {0.22, 126.6777},
                                                  {0.23, 126.5962},
                                                  {0.23, 126.5962},
                                                  {0.24, 125.8813},
                                                  {0.24, 125.5462},
                                                  {0.82, 77.4270},
                                                  {0.82, 77.4270},
                                                  {0.82, 77.1211},
                                                  {1.05, 123.7747}});

// Reads a CSV written by curvesCsv back into titles and doubles.
struct CsvRow {
    QString title;
    double x;
    double y;
};
std::vector<CsvRow> readCsv(const QByteArray& bytes, QChar separator, QChar point) {
    std::vector<CsvRow> rows;
    QString text = QString::fromUtf8(bytes.mid(3));
    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString line = lines[i];
        QString title;
        if (line.startsWith(QLatin1Char('"'))) {
            qsizetype i = 1;
            for (; i < line.size(); ++i) {
                if (line[i] != QLatin1Char('"')) {
                    title += line[i];
                } else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                    title += line[++i];
                } else {
                    break;
                }
            }
            line = line.mid(i + 2);
        } else {
            title = line.section(separator, 0, 0);
            line = line.section(separator, 1);
        }
        const QStringList numbers = line.split(separator);
        const auto number = [&](QString s) {
            return s.replace(point, QLatin1Char('.')).toDouble();  // C locale reading
        };
        rows.push_back({title, number(numbers.value(0)), number(numbers.value(1))});
    }
    return rows;
}

}  // namespace

class TestCurveValues : public QObject {
    Q_OBJECT
  private slots:
    void valueAt_data() {
        QTest::addColumn<double>("t");
        QTest::addColumn<bool>("reached");
        QTest::addColumn<double>("value");
        QTest::newRow("inside a piece")
            << 0.015 << true << 79.6727 + (126.6777 - 79.6727) * (0.015 - 0.01) / (0.22 - 0.01);
        QTest::newRow("at a point") << 0.22 << true << 126.6777;
        QTest::newRow("overlap of two pieces") << 0.235 << true << (126.5962 + 125.8813) / 2;
        QTest::newRow("junction: the last point of that time") << 0.82 << true << 77.1211;
        QTest::newRow("last point") << 1.05 << true << 123.7747;
        QTest::newRow("before the curve") << 0.005 << false << 0.0;
        QTest::newRow("beyond its end") << 1.06 << false << 0.0;
    }
    void valueAt() {
        QFETCH(double, t);
        QFETCH(bool, reached);
        QFETCH(double, value);
        const auto read = chart::curveValueAt(kJoined, t);
        QCOMPARE(read.has_value(), reached);
        if (!reached) return;
        QVERIFY2(std::abs(*read - value) < 1e-12, qPrintable(QString::number(*read, 'g', 17)));
    }

    void statistics() {
        // A triangle from 0 up to 10 at t = 1 and back to 0 at t = 3: mean 5·3/3 = 5; the
        // plain mean of its points would be 3.33.
        const auto s = chart::statisticsOf(pointsOf({{0, 0}, {1, 10}, {3, 0}}));
        QVERIFY(s);
        QCOMPARE(s->maximum, 10.0);
        QCOMPARE(s->timeOfMaximum, 1.0);
        QCOMPARE(s->minimum, 0.0);
        QCOMPARE(s->timeOfMinimum, 0.0);  // the first time it is reached
        QCOMPARE(s->range, 10.0);
        QCOMPARE(s->timeWeightedMean, 5.0);

        // Vertical steps add nothing; a single time gives the plain mean.
        QCOMPARE(chart::statisticsOf(pointsOf({{0, 2}, {1, 2}, {1, 4}, {2, 4}}))->timeWeightedMean,
                 3.0);
        QCOMPARE(chart::statisticsOf(pointsOf({{0.62, 50}, {0.62, 130}}))->timeWeightedMean, 90.0);
        QVERIFY(!chart::statisticsOf({}));
        // Near the end of the double range the mean stays finite.
        const auto huge = chart::statisticsOf(pointsOf({{0, 1.5e308}, {1, 1.6e308}}));
        QVERIFY(std::isfinite(huge->timeWeightedMean));
        QCOMPARE(huge->timeWeightedMean, 1.55e308);
    }

    // The curve as drawn between two times: the points between them, and the interpolated value
    // at an end the curve runs on beyond.
    void pointsWithin_data() {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<QList<QPointF>>("expected");
        QTest::newRow("ends on points") << 0.0 << 3.0 << QList<QPointF>{{0, 0}, {1, 10}, {3, 0}};
        QTest::newRow("ends between points")
            << 0.5 << 2.0 << QList<QPointF>{{0.5, 5}, {1, 10}, {2, 5}};
        QTest::newRow("within one step") << 1.5 << 2.5 << QList<QPointF>{{1.5, 7.5}, {2.5, 2.5}};
        QTest::newRow("beyond both ends") << -1.0 << 4.0 << QList<QPointF>{{0, 0}, {1, 10}, {3, 0}};
        QTest::newRow("before the curve") << -2.0 << -1.0 << QList<QPointF>{};
        QTest::newRow("after the curve") << 3.5 << 4.0 << QList<QPointF>{};
    }
    void pointsWithin() {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(QList<QPointF>, expected);
        QList<QPointF> within;
        for (const ChartPoint& p :
             chart::pointsWithin(pointsOf({{0, 0}, {1, 10}, {3, 0}}), from, to))
            within << QPointF(p.x, p.y);
        QCOMPARE(within, expected);
    }

    // The cardiac-cycle curve of the resistance window runs on past the axis's 1,6 s; over the
    // axis its lowest point is the one drawn at 0,82 s, not the one beyond it.
    void statisticsOfWhatIsShown() {
        std::vector<ChartPoint> curve = kJoined;
        curve.push_back({1.60, 79.0, Qt::red});
        curve.push_back({1.64, 76.128, Qt::red});
        const auto shown = chart::statisticsOf(chart::pointsWithin(curve, 0, 1.6));
        QCOMPARE(shown->minimum, 77.1211);
        QCOMPARE(shown->timeOfMinimum, 0.82);
        QCOMPARE(chart::statisticsOf(curve)->minimum, 76.128);
    }

    // Written and read back, every time and pressure is the same double; titles keep their
    // Cyrillic letters and a title holding the separator survives.
    void csvReadsBackExactly_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QChar>("point");
        QTest::newRow("Russian") << QLocale(QLocale::Russian) << QChar(';') << QChar(',');
        QTest::newRow("English") << QLocale(QLocale::English) << QChar(',') << QChar('.');
    }
    void csvReadsBackExactly() {
        QFETCH(QLocale, locale);
        QFETCH(QChar, separator);
        QFETCH(QChar, point);
        std::vector<chart::CurvePoints> curves{{QStringLiteral("С1"), Qt::blue, kJoined},
                                               {QStringLiteral("x; \"2\", y"), Qt::red,
                                                pointsOf({{0.5500000000000003, 1e290},
                                                          {0.25999999999999995, 4.9e-324},
                                                          {0.1 + 0.2, -0.0},
                                                          {1.0 / 3, 126.59621234567891}})}};
        const QByteArray csv =
            chart::curvesCsv(curves, {"Кривая", "время (с)", "давление (мм.рт.ст)"}, locale);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const QString first = QString::fromUtf8(csv.mid(3)).section(QStringLiteral("\r\n"), 0, 0);
        QCOMPARE(first,
                 QStringList({"Кривая", "время (с)", "давление (мм.рт.ст)"}).join(separator));
        const auto rows = readCsv(csv, separator, point);
        std::size_t k = 0;
        for (const auto& curve : curves) {
            for (const ChartPoint& p : curve.points) {
                QVERIFY(k < rows.size());
                QCOMPARE(rows[k].title, curve.title);
                QVERIFY2(rows[k].x == p.x && std::signbit(rows[k].x) == std::signbit(p.x),
                         qPrintable(QString::number(rows[k].x, 'g', 17)));
                QVERIFY2(rows[k].y == p.y && std::signbit(rows[k].y) == std::signbit(p.y),
                         qPrintable(QString::number(rows[k].y, 'g', 17)));
                ++k;
            }
        }
        QCOMPARE(k, rows.size());
    }

    void valuesTableAsTabSeparatedText() {
        const std::vector<chart::CurvePoints> curves{
            {QStringLiteral("x1"), Qt::red, pointsOf({{0, 0}, {1, 10}, {3, 0}})},
            {QStringLiteral("x2"), Qt::green, {}}};
        const auto table = chart::valuesTable(curves, QLocale(QLocale::Russian));
        QCOMPARE(table.rows.size(), std::size_t(2));
        QCOMPARE(table.rows[0],
                 (QStringList{"x1", "10,000", "1,000", "0,000", "0,000", "10,000", "5,000"}));
        const QStringList lines = chart::tabSeparated(table).split('\n');
        QCOMPARE(lines.size(), 4);  // header, two rows, the end of the last line
        QCOMPARE(lines[0].split('\t'), table.header);
        QCOMPARE(lines[1], table.rows[0].join('\t'));
        QCOMPARE(lines[2].split('\t').size(), 7);
    }
};

QTEST_MAIN(TestCurveValues)
#include "test_curve_values.moc"
