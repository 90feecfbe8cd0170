// The program with the keyboard only: from the title window to the credits, and through the
// study menu to every link of the links window, opened with Enter.

#include <QApplication>
#include <QtTest>

#include "app/window_set.h"
#include "content/links_window.h"
#include "tests/support/program_fonts.h"
#include "tests/support/recording_desktop.h"
#include "ui/form.h"

namespace {

QWidget* focused() { return QApplication::focusWidget(); }

void press(Qt::Key key) { QTest::keyClick(focused(), key); }

}  // namespace

class TestKeyboardTour : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { testing_support::installFontsAsAtStartUp(); }

    void tour() {
        testing_support::RecordingDesktop desktop;
        const app::WindowSet set(desktop);
        ui::Form* const title = set.window("Form1");
        title->Show();
        QVERIFY(QTest::qWaitForWindowActive(title));
        QCOMPARE(focused()->objectName(), QStringLiteral("Button1"));

        // Tab to "Авторы", Enter: the credits window.
        press(Qt::Key_Tab);
        QCOMPARE(focused(), title->control("Label1"));
        press(Qt::Key_Return);
        ui::Form* const credits = set.window("Form30");
        QVERIFY(credits->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(credits));
        credits->Close();

        // Back on the title window, on to the start button: the study menu, then its first
        // button: the links window.
        title->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(title));
        QCOMPARE(focused(), title->control("Label1"));
        press(Qt::Key_Tab);
        QCOMPARE(focused()->objectName(), QStringLiteral("Button1"));
        press(Qt::Key_Return);
        ui::Form* const study = set.window("Form2");
        QVERIFY(QTest::qWaitForWindowActive(study));
        QCOMPARE(focused(), study->control("Button1"));
        press(Qt::Key_Space);
        ui::Form* const links = set.window("Form3");
        QVERIFY(QTest::qWaitForWindowActive(links));

        QStringList visited;
        for (int i = 0; i < 5; ++i) {
            press(Qt::Key_Tab);
            visited << focused()->objectName();
            press(Qt::Key_Return);
        }
        QCOMPARE(visited, QStringList({"Label4", "Label1", "Label2", "Label3", "Image1"}));
        QCOMPARE(desktop.urls.size(), std::size_t{5});
        for (int i = 0; i < 5; ++i)
            QCOMPARE(desktop.urls[std::size_t(i)], TForm3::linkOf(qPrintable(visited[i])));
        QVERIFY(desktop.errors.isEmpty());
    }
};

QTEST_MAIN(TestKeyboardTour)
#include "test_keyboard_tour.moc"
