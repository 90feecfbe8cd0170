// A dark desktop theme hands the program a dark palette before any window exists: the windows
// still look as designed on a light desktop. Each check renders the window and compares the
// colour of its text with that of the background behind it.

#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QtTest>
#include <map>

#include "chart/chart_painter.h"
#include "content/theory_pages.h"
#include "tests/investigations/window_factory.h"
#include "tests/support/box_closer.h"
#include "tests/support/program_fonts.h"
#include "tests/support/recording_desktop.h"
#include "ui/desktop.h"
#include "ui/desktop_setup.h"

namespace {

QPalette darkPalette() {
    QPalette dark(QColor(49, 54, 59), QColor(35, 38, 41));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                            QPalette::BrightText, QPalette::ToolTipText}) {
        dark.setColor(role, QColor(239, 240, 241));
    }
    dark.setColor(QPalette::Base, QColor(27, 30, 32));
    dark.setColor(QPalette::Light, QColor(64, 70, 76));
    return dark;
}

// The most frequent colour of the area, and the lightness of its darkest pixel.
struct Look {
    QColor background;
    int darkest = 255;
};

Look lookOf(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    Look look;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000u;
            ++counts[pixel];
            look.darkest = std::min(look.darkest, QColor(pixel).lightness());
        }
    }
    int most = 0;
    for (const auto& [pixel, count] : counts) {
        if (count > most) most = count, look.background = QColor(pixel);
    }
    return look;
}

QString describe(const Look& look) {
    return QStringLiteral("background %1, darkest %2")
        .arg(look.background.name())
        .arg(look.darkest);
}

// Dark text (near black) on a light background.
void verifyLight(const Look& look, const char* where) {
    QVERIFY2(look.background.lightness() > 200, qPrintable(where + (": " + describe(look))));
    QVERIFY2(look.darkest < 60, qPrintable(where + (": " + describe(look))));
}

}  // namespace

class TestDarkDesktop : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());  // what the theme gives
        ui::useDesignedPalette();
        testing_support::installFontsAsAtStartUp();
        QLocale::setDefault(QLocale(QLocale::Russian));
    }

    // Page 3 keeps its cream background and black text.
    void theoryPage3() {
        testing_support::RecordingDesktop desktop;
        TForm6 page(desktop);
        page.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QImage image = page.grab().toImage();
        for (const char* name : {"Label1", "Label2", "Label8", "Label12"}) {
            const QRect area = page.control<QLabel>(name)->geometry();
            const Look look = lookOf(image, area);
            QCOMPARE(look.background, QColor(255, 251, 240));
            verifyLight(look, name);
        }
        // The buttons too.
        verifyLight(lookOf(image, page.control("Button2")->geometry().adjusted(4, 4, -4, -4)),
                    "Button2");
    }

    // A built chart: its legend texts black on the white box, axis labels and titles black on
    // the light background.
    void builtChart() {
        testing_support::RecordingDesktop desktop;
        const auto window = testing_support::makeInvestigation("Form24", desktop);
        window->Show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        testing_support::typeAndBuild(*window, {"1", "120", "1,2", "2,4", "0,6"});
        QVERIFY(desktop.errors.isEmpty());
        chart::ChartWidget* const chart = window->chart();
        const QImage image = chart->grab().toImage();
        const chart::ChartGeometry g = chart::chartGeometry(chart->rect(), chart->data());
        const Look legend = lookOf(image, g.legendBox.adjusted(2, 2, -2, -2));
        QCOMPARE(legend.background, QColor(Qt::white));
        verifyLight(legend, "legend");
        verifyLight(lookOf(image, QRect(0, g.plot.top(), g.plot.left() - 2, g.plot.height())),
                    "left axis");
        verifyLight(lookOf(image, QRect(g.plot.left(), g.plot.bottom() + 2, g.plot.width(),
                                        image.height() - g.plot.bottom() - 4)),
                    "bottom axis");
        // Fields as designed: black text on white.
        verifyLight(lookOf(window->field(3)->grab().toImage(), window->field(3)->rect()), "Edit3");
    }

    // The boxes: black text on their light background.
    void boxes() {
        ui::QtDesktop desktop;
        const testing_support::BoxCloser closer;
        desktop.showMessage(QStringLiteral("Недопустимый символ!!!"));
        desktop.showError(QStringLiteral("Floating point division by zero"));
        QCOMPARE(closer.seen().size(), 2u);
        for (const testing_support::SeenBox& box : closer.seen())
            verifyLight(lookOf(box.image, box.image.rect()), qPrintable(box.text));
    }
};

QTEST_MAIN(TestDarkDesktop)
#include "test_dark_desktop.moc"
