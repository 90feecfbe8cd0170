// The title window's keyboard behaviour: the start button takes the focus first, and Enter,
// Return or Space on it click it; the "Авторы" link follows it in the tab order and opens with
// the same keys or the mouse.

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "content/title_window.h"
#include "tests/support/recording_desktop.h"
#include "ui/controls.h"

class TitleWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startButtonFirstThenTheAuthorsLink() {
        TForm1 window(desktop_);
        window.Show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList focusable;
        for (const QWidget* child : window.findChildren<QWidget*>()) {
            if (child->focusPolicy() != Qt::NoFocus) focusable << child->objectName();
        }
        focusable.sort();
        QCOMPARE(focusable, QStringList({QStringLiteral("Button1"), QStringLiteral("Label1")}));
        QCOMPARE(window.control(QStringLiteral("Label1"))->focusPolicy(), Qt::TabFocus);
        QCOMPARE(QApplication::focusWidget(), window.control(QStringLiteral("Button1")));
        // Tab goes to the link and back to the button.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.control(QStringLiteral("Label1")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.control(QStringLiteral("Button1")));
    }

    void keysClickTheAuthorsLink_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void keysClickTheAuthorsLink() {
        QFETCH(int, key);
        TForm1 window(desktop_);
        window.Show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* const link = window.control<ui::Label>(QStringLiteral("Label1"));
        auto* const button = window.control<QPushButton>(QStringLiteral("Button1"));
        QSignalSpy linkClicks(link, &ui::Label::clicked);
        QSignalSpy buttonClicks(button, &QPushButton::clicked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        QCOMPARE(linkClicks.count(), 1);
        QCOMPARE(buttonClicks.count(), 0);
    }

    void keysClickTheStartButton_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void keysClickTheStartButton() {
        QFETCH(int, key);
        TForm1 window(desktop_);
        window.Show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* const button = window.control<QPushButton>(QStringLiteral("Button1"));
        QSignalSpy clicks(button, &QPushButton::clicked);
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        QCOMPARE(clicks.count(), 1);
    }

    // The navigation table connects these handlers; here the controls only need to click.
    void authorsLinkClicksWithTheMouse() {
        TForm1 window(desktop_);
        auto* const link = window.control<ui::Label>(QStringLiteral("Label1"));
        QVERIFY(link);
        QSignalSpy clicks(link, &ui::Label::clicked);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!link->hasFocus());  // a click does not take the focus from the start button
    }

    void circulatorySystemPictureIsShown() {
        TForm1 window(desktop_);
        const auto* const picture = window.control<ui::PictureBox>(QStringLiteral("Image2"));
        QCOMPARE(picture->image().size(), QSize(400, 600));
        QCOMPARE(picture->size(), QSize(401, 601));
    }

  private:
    testing_support::RecordingDesktop desktop_;
};

QTEST_MAIN(TitleWindowTest)
#include "test_title_window.moc"
