// Where a window goes on its first show: as designed when the screen has room for it, otherwise
// moved onto the screen, its title bar and left edge kept on it; a window larger than the
// screen's free area is made to fit it, its designed content in a scroll area.
// Runs on a 1366 x 768 screen at 125 %: 1093 x 614 pixels as the program counts them.

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
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

    // Windows on the laptop screen: the study menu moved up only and a small window left as
    // designed, both at their size; the title window and a wide resizable one fitted to the
    // screen, their designed content whole in a scroll area.
    void windowsOnTheLaptopScreen_data() {
        QTest::addColumn<QPoint>("designed");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<bool>("scrolled");
        QTest::newRow("title window") << QPoint(221, 31) << QSize(996, 639) << false << true;
        QTest::newRow("study menu") << QPoint(415, 95) << QSize(499, 530) << false << false;
        QTest::newRow("resizable") << QPoint(145, 94) << QSize(1140, 527) << true << true;
        QTest::newRow("small window") << QPoint(100, 100) << QSize(300, 200) << false << false;
    }
    void windowsOnTheLaptopScreen() {
        QFETCH(QPoint, designed);
        QFETCH(QSize, client);
        QFETCH(bool, resizable);
        QFETCH(bool, scrolled);
        testing_support::RecordingDesktop desktop;
        ui::Form form({.name = "FormX",
                       .caption = "x",
                       .position = designed,
                       .size = client,
                       .resizable = resizable},
                      desktop);
        auto* const button = new QPushButton(QStringLiteral("x"), &form);
        button->setObjectName(QStringLiteral("Corner"));
        button->setGeometry(
            QRect(QPoint(0, 0), client).adjusted(client.width() - 40, client.height() - 20, 0, 0));
        auto* const field = new QLineEdit(&form);
        field->setGeometry(10, 10, 60, 20);
        field->setFocus();
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.focusWidget(), field);  // the focus where the window gave it
        const QRect area = form.screen()->availableGeometry();
        QCOMPARE(area.size(), QSize(1093, 614));
        const QRect frame = form.frameGeometry();
        auto* const scroll = form.findChild<QScrollArea*>();
        QCOMPARE(scroll != nullptr, scrolled);
        if (scrolled) {
            // Whole on the screen, the designed content behind scroll bars.
            QVERIFY(area.contains(frame));
            QCOMPARE(scroll->widget()->size(), client);
            QCOMPARE(button->parentWidget(), scroll->widget());
            QCOMPARE(button->geometry().bottomRight(),
                     QPoint(client.width() - 1, client.height() - 1));
            scroll->ensureWidgetVisible(button);
            const QRect seen(button->mapTo(&form, QPoint(0, 0)), button->size());
            QVERIFY(form.rect().contains(seen));
        } else {
            QCOMPARE(form.size(), client);  // moved, never resized
            QCOMPARE(button->parentWidget(), &form);
            QCOMPARE(frame.topLeft(), ui::placeOnScreen(QRect(designed, frame.size()), area));
            QVERIFY(area.contains(frame));
            if (area.contains(QRect(designed, frame.size()))) QCOMPARE(frame.topLeft(), designed);
        }
        // Shown again after the user moved it: where the user left it.
        form.move(frame.topLeft() + QPoint(5, 5));
        form.hide();
        form.Show();
        QCOMPARE(form.frameGeometry().topLeft(), frame.topLeft() + QPoint(5, 5));
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "test_window_placement.moc"
