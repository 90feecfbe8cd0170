// The program's own windows under load and bad input: a thousand builds in a row leave memory
// flat, values at the edges of the double range never reach the chart as infinity or NaN, and a
// megabyte pasted into a field gives an error box that fits on the screen and closes.

#include <malloc.h>

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include "app/window_set.h"
#include "chart/axis_scale.h"
#include "investigations/investigation_frame.h"
#include "tests/investigations/window_factory.h"
#include "tests/support/box_closer.h"
#include "tests/support/paint_counter.h"
#include "tests/support/recording_desktop.h"
#include "ui/desktop.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define UNDER_ADDRESS_SANITIZER 1
#endif
#ifdef UNDER_ADDRESS_SANITIZER
#include <sanitizer/allocator_interface.h>
#endif

namespace {

using investigations::InvestigationFrame;

// Bytes the program holds on the heap right now.
std::size_t heapInUse() {
#ifdef UNDER_ADDRESS_SANITIZER
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

InvestigationFrame* investigation(const app::WindowSet& set, const QString& name) {
    return static_cast<InvestigationFrame*>(set.window(qPrintable(name)));
}

void pressBuild(InvestigationFrame& window) {
    QTest::mouseClick(window.control<QPushButton>("Button1"), Qt::LeftButton);
}

// Presses "Построить график" and lets the chart repaint, as the event loop does after a click.
bool buildAndRepaint(InvestigationFrame& window) {
    const testing_support::PaintCounter paints(*window.chart());
    pressBuild(window);
    for (int i = 0; i < 20 && paints.count() == 0; ++i) QCoreApplication::processEvents();
    return paints.count() > 0;
}

// Replaces the field's text with what the clipboard holds, through Ctrl+V.
void pasteInto(QLineEdit* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// Every point and both axis ranges are finite numbers.
QString firstNonFinite(const InvestigationFrame& window) {
    const chart::ChartData& data = window.chart()->data();
    for (const auto& series : data.seriesList()) {
        for (const chart::ChartPoint& p : series->points()) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
                return QStringLiteral("%1 (%2, %3)").arg(series->name()).arg(p.x).arg(p.y);
            }
        }
    }
    for (const auto kind : {chart::AxisKind::Bottom, chart::AxisKind::Left}) {
        const chart::AxisRange r = chart::effectiveRange(data, window.chart()->viewState(), kind);
        if (!std::isfinite(r.minimum) || !std::isfinite(r.maximum)) return QStringLiteral("axis");
    }
    return {};
}

std::map<QString, std::size_t> pointCounts(const InvestigationFrame& window) {
    std::map<QString, std::size_t> counts;
    for (const auto& series : window.chart()->data().seriesList()) {
        counts[series->name()] = series->points().size();
    }
    return counts;
}

// Counts the boxes without keeping their texts, so that a thousand errors take no memory.
class CountingDesktop final : public ui::Desktop {
  public:
    void showMessage(const QString&) override { ++messages; }
    void showError(const QString&) override { ++errors; }
    void openUrl(const QUrl&) override {}
    QString saveFileName(const QString&, const QString&, const QStringList&, QString*) override {
        return {};
    }
    bool confirmOverwrite(const QString&) override { return false; }
    bool choosePrinter(QPrinter&) override { return false; }
    int messages = 0;
    int errors = 0;
};

// Typical values of each window, and the series that gain a point with every build.
struct Typical {
    const char* window;
    QStringList fields;
    QStringList growing;
};

const std::vector<Typical>& typicalBuilds() {
    static const std::vector<Typical> table{
        {"Form9", {"120", "1,2", "0,5", "1", "2"}, {"Series4", "Series5"}},
        {"Form24", {"1", "120", "1,2", "2,4", "0,6"}, {"Series4", "Series5"}},
        {"Form20", {"1,2", "1", "10", "50", "30"}, {"Series4", "Series5"}},
        {"Form26", {"1,2", "50", "0,5", "1", "2"}, {"Series4", "Series5"}},
        {"Form28", {"50", "1", "0,6", "1,2", "2,4"}, {"Series4", "Series5"}},
        {"Form16", {"1", "50", "1,2", "1,5", "1"}, {}},
        {"Form22", {"1,2", "50", "1", "1,5", "2"}, {}},
    };
    return table;
}

}  // namespace

class TestLoadAndBadInput : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian)); }

    // A thousand builds in a row: the curves are replaced each time, only the anchor series
    // grow (one point per build), and the heap grows by no more than those points.
    void thousandBuilds_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("failing");
        for (int i = 0; i < int(typicalBuilds().size()); ++i) {
            QTest::newRow(typicalBuilds()[std::size_t(i)].window) << i << false;
        }
        QTest::newRow("Form22 failing") << 6 << true;
        QTest::newRow("Form9 failing") << 0 << true;
    }
    void thousandBuilds() {
        QFETCH(int, row);
        QFETCH(bool, failing);
        const Typical& typical = typicalBuilds()[std::size_t(row)];
        CountingDesktop desktop;
        const app::WindowSet set(desktop);
        InvestigationFrame& window = *investigation(set, typical.window);
        window.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList fields = typical.fields;
        if (failing) fields[3] = "0";  // a zero resistance or elasticity ends every build
        for (int i = 0; i < 5; ++i) testing_support::typeInto(window.field(i + 1), fields[i]);

        constexpr int kWarmUp = 20;
        constexpr int kBuilds = 1000;
        for (int i = 0; i < kWarmUp; ++i) QVERIFY(buildAndRepaint(window));
        const std::map<QString, std::size_t> before = pointCounts(window);
        const std::size_t heapBefore = heapInUse();
        for (int i = 0; i < kBuilds; ++i) {
            if (!buildAndRepaint(window)) QFAIL(qPrintable(QStringLiteral("build %1").arg(i)));
        }
        const std::size_t heapAfter = heapInUse();
        QCOMPARE(desktop.errors, failing ? kWarmUp + kBuilds : 0);
        QCOMPARE(desktop.messages, 0);
        QCOMPARE(firstNonFinite(window), QString());

        std::size_t anchorPoints = 0;
        for (const auto& [name, count] : pointCounts(window)) {
            const bool growing = typical.growing.contains(name);
            QVERIFY2(count == before.at(name) + (growing ? kBuilds : 0), qPrintable(name));
            if (growing) anchorPoints += kBuilds;
        }
        // The anchor points, with room for their vectors doubling, and 64 bytes a build.
        const std::size_t allowed = anchorPoints * sizeof(chart::ChartPoint) * 2 + 64 * kBuilds;
        const auto grown = static_cast<std::ptrdiff_t>(heapAfter - heapBefore);
        qInfo("%s: heap grew by %td bytes over %d builds (allowed %zu)", typical.window, grown,
              kBuilds, allowed);
        QVERIFY2(grown <= static_cast<std::ptrdiff_t>(allowed),
                 qPrintable(QStringLiteral("heap grew by %1 bytes").arg(grown)));
    }

    // Values at the edges, typed into Form9 (which takes any key) or pasted into the others:
    // either the build ends with one of the program's errors or it draws finite curves.
    void edgeValues_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("points");  // in Series1 afterwards
        const QString none;
        const QString overflow = "Floating point overflow";
        const QString invalid = "Invalid floating point operation";
        QTest::newRow("Form9 P0 1e308")
            << "Form9" << QStringList{"1e308", "1,2", "0,5", "1", "2"} << none << 56;
        QTest::newRow("Form9 P0 1e309")
            << "Form9" << QStringList{"1e309", "1,2", "0,5", "1", "2"} << overflow << 0;
        QTest::newRow("Form9 X 0")
            << "Form9" << QStringList{"120", "1,2", "0", "1", "2"} << invalid << 0;
        QTest::newRow("Form9 P0 -1e308")
            << "Form9" << QStringList{"-1e308", "1,2", "0,5", "1", "2"} << none << 56;
        QTest::newRow("Form9 C 1e-320")
            << "Form9" << QStringList{"120", "1e-320", "0,5", "1", "2"} << none << 56;
        QTest::newRow("Form9 X*C below the double range")
            << "Form9" << QStringList{"120", "1e-320", "1e-10", "1", "2"} << none << 56;
        QTest::newRow("Form9 negative X grows past the range")
            << "Form9" << QStringList{"1e300", "1,2", "-0,001", "1", "2"} << overflow << 3;
        QTest::newRow("Form9 C 1e308 X 1e308")
            << "Form9" << QStringList{"120", "1e308", "1e308", "1", "2"} << none << 56;
        QTest::newRow("Form24 pasted 1e308")
            << "Form24" << QStringList{"1", "1e308", "1,2", "2,4", "0,6"} << none << 56;
        QTest::newRow("Form24 pasted -1e-320")
            << "Form24" << QStringList{"-1e-320", "120", "1,2", "2,4", "0,6"} << overflow << 1;
        QTest::newRow("Form20 pasted Qmax 1e308")
            << "Form20" << QStringList{"1,2", "1", "1e308", "50", "30"} << overflow << 0;
        QTest::newRow("Form26 pasted C 1e-320")
            << "Form26" << QStringList{"1e-320", "50", "0,5", "1", "2"} << overflow << 0;
        QTest::newRow("Form28 pasted negative X")
            << "Form28" << QStringList{"50", "-1", "0,6", "1,2", "2,4"} << none << 13;
        QTest::newRow("Form16 pasted Qmax 1e308")
            << "Form16" << QStringList{"1e308", "50", "1,2", "1,5", "1"} << overflow << 0;
        QTest::newRow("Form22 pasted C 1e-320")
            << "Form22" << QStringList{"1e-320", "50", "1", "1,5", "2"} << overflow << 0;
        QTest::newRow("Form22 pasted 1e308 everywhere")
            << "Form22" << QStringList{"1e308", "1e308", "1e308", "1e308", "1e308"} << overflow
            << 0;
    }
    void edgeValues() {
        QFETCH(QString, window);
        QFETCH(QStringList, fields);
        QFETCH(QString, error);
        QFETCH(int, points);
        testing_support::RecordingDesktop desktop;
        const app::WindowSet set(desktop);
        InvestigationFrame& form = *investigation(set, window);
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (int i = 0; i < 5; ++i) {
            if (window == "Form9") {
                testing_support::typeInto(form.field(i + 1), fields[i]);
            } else {
                pasteInto(form.field(i + 1), fields[i]);
            }
            QCOMPARE(form.field(i + 1)->text(), fields[i]);
        }
        QVERIFY(desktop.messages.isEmpty());  // pasting is not checked key by key
        buildAndRepaint(form);
        QCOMPARE(desktop.errors.join('|'), error);
        QCOMPARE(firstNonFinite(form), QString());
        QCOMPARE(int(testing_support::series(form, "Series1").points().size()), points);
        QVERIFY(!form.chart()->grab().isNull());
    }

    // A megabyte pasted into a field: the build is refused at once with the error box, whose
    // quoted text is shortened so that the box fits on the screen and its button can be clicked.
    void megabytePasted_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");  // the box text, or its start when shortened
        const int size = 1 << 20;
        QTest::newRow("letters") << QString(size, QLatin1Char('x'))
                                 << "'" + QString(499, QLatin1Char('x')) + QChar(0x2026);
        QTest::newRow("words") << QStringLiteral("давление ").repeated(size / 9)
                               << QStringLiteral("'давление давление");
        QTest::newRow("digits") << QString(size, QLatin1Char('7'))
                                << QStringLiteral("Floating point overflow.");
    }
    void megabytePasted() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        ui::QtDesktop desktop;
        const app::WindowSet set(desktop);
        InvestigationFrame& form = *investigation(set, "Form22");
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (int i = 2; i <= 5; ++i) testing_support::typeInto(form.field(i), "1");
        pasteInto(form.field(1), text);
        QCOMPARE(form.field(1)->text().size(), text.size());

        testing_support::BoxCloser closer;
        pressBuild(form);  // returns once the box is closed
        QCOMPARE(closer.seen().size(), 1u);
        const testing_support::SeenBox& box = closer.seen().front();
        QVERIFY2(box.text.startsWith(shown), qPrintable(box.text.left(200)));
        QVERIFY(box.text.size() <= 1001);
        QVERIFY2(box.screen.contains(box.frame),
                 qPrintable(QStringLiteral("box %1x%2 on a %3x%4 screen")
                                .arg(box.frame.width())
                                .arg(box.frame.height())
                                .arg(box.screen.width())
                                .arg(box.screen.height())));
        QVERIFY(box.screen.contains(box.okButton));
        QCOMPARE(form.field(1)->text().size(), text.size());  // the field keeps what was pasted
    }
};

QTEST_MAIN(TestLoadAndBadInput)
#include "test_load_and_bad_input.moc"
