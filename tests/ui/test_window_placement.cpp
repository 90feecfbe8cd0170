// Where a window goes on its first show: as designed when the screen has room for it, otherwise
// moved (never resized) onto the screen, its title bar and left edge kept on it.
// Runs on a 1366 x 768 screen at 125 %: 1093 x 614 pixels as the program counts them.

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include "tests/support/recording_desktop.h"
#include "ui/form.h"
#include "ui/screen_placement.h"

class TestWindowPlacement : public QObject {
    Q_OBJECT
  private slots:
    void placeOnScreen_data() {
        QTest::addColumn<QRect>("screen");  // the available area
        QTest::addColumn<QRect>("frame");   // the designed frame
        QTest::addColumn<QPoint>("placed");
        const QRect fullHd(0, 0, 1920, 1040), laptop(0, 0, 1093, 614), small(0, 0, 800, 600);
        const QRect title(221, 31, 1012, 678);  // Form1 with a Windows frame
        const QRect menu(19, 52, 1338, 634);    // Form15
        const QRect study(415, 95, 515, 569);   // Form2
        QTest::newRow("fits: as designed") << fullHd << title << QPoint(221, 31);
        QTest::newRow("menu fits a large screen") << fullHd << menu << QPoint(19, 52);
        QTest::newRow("study menu fits the laptop") << laptop << study << QPoint(415, 45);
        QTest::newRow("too tall: title bar on top") << laptop << title << QPoint(81, 0);
        QTest::newRow("too wide and tall") << small << menu << QPoint(0, 0);
        QTest::newRow("exactly fits") << QRect(0, 0, 1233, 709) << title << QPoint(221, 31);
        QTest::newRow("one pixel short") << QRect(0, 0, 1232, 708) << title << QPoint(220, 30);
        QTest::newRow("panel on top")
            << QRect(0, 30, 1920, 1010) << QRect(100, 2, 500, 400) << QPoint(100, 30);
        QTest::newRow("panel on the left")
            << QRect(48, 0, 1872, 1080) << QRect(10, 10, 300, 200) << QPoint(48, 10);
        QTest::newRow("second screen")
            << QRect(1920, 0, 1280, 1024) << QRect(2800, 900, 600, 400) << QPoint(2600, 624);
        QTest::newRow("no screen area") << QRect() << title << QPoint(221, 31);
    }
    void placeOnScreen() {
        QFETCH(QRect, screen);
        QFETCH(QRect, frame);
        QFETCH(QPoint, placed);
        QCOMPARE(ui::placeOnScreen(frame, screen), placed);
    }

    // The real windows on the laptop screen: the title window moved up and left with its size
    // unchanged, the study menu moved up only, a small window left as designed.
    void windowsOnTheLaptopScreen_data() {
        QTest::addColumn<QPoint>("designed");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("resizable");
        QTest::newRow("title window") << QPoint(221, 31) << QSize(996, 639) << false;
        QTest::newRow("study menu") << QPoint(415, 95) << QSize(499, 530) << false;
        QTest::newRow("resizable") << QPoint(145, 94) << QSize(1140, 527) << true;
        QTest::newRow("small window") << QPoint(100, 100) << QSize(300, 200) << false;
    }
    void windowsOnTheLaptopScreen() {
        QFETCH(QPoint, designed);
        QFETCH(QSize, client);
        QFETCH(bool, resizable);
        testing_support::RecordingDesktop desktop;
        ui::Form form({.name = "FormX",
                       .caption = "x",
                       .position = designed,
                       .size = client,
                       .resizable = resizable},
                      desktop);
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect area = form.screen()->availableGeometry();
        QCOMPARE(area.size(), QSize(1093, 614));
        const QRect frame = form.frameGeometry();
        QCOMPARE(form.size(), client);  // moved, never resized
        QCOMPARE(frame.topLeft(), ui::placeOnScreen(QRect(designed, frame.size()), area));
        // Each way, inside the screen when there is room, else from its left or top edge.
        if (frame.width() <= area.width()) {
            QVERIFY(frame.left() >= area.left() && frame.right() <= area.right());
        } else {
            QCOMPARE(frame.left(), area.left());
        }
        if (frame.height() <= area.height()) {
            QVERIFY(frame.top() >= area.top() && frame.bottom() <= area.bottom());
        } else {
            QCOMPARE(frame.top(), area.top());  // the title bar stays on the screen
        }
        if (area.contains(QRect(designed, frame.size()))) QCOMPARE(frame.topLeft(), designed);
        // Shown again after the user moved it: where the user left it.
        form.move(frame.topLeft() + QPoint(5, 5));
        form.hide();
        form.Show();
        QCOMPARE(form.frameGeometry().topLeft(), frame.topLeft() + QPoint(5, 5));
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "test_window_placement.moc"
