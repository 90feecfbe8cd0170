// The real message and error boxes of an investigation window: caption, icon and text, and
// the field keeping its focus after a refused key.

#include <QtTest>

#include "tests/investigations/window_factory.h"
#include "tests/support/box_closer.h"
#include "ui/desktop.h"

using testing_support::BoxCloser;
using testing_support::SeenBox;

class TestInvestigationBoxes : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian)); }

    void realBoxes() {
        ui::QtDesktop desktop;
        TForm22 window(desktop);
        window.Show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        BoxCloser closer;

        // A refused key: the plain box, then the field still has focus, text and caret.
        testing_support::typeInto(window.field(3), "12");
        window.field(3)->setCursorPosition(1);
        QTest::keyClick(window.field(3), Qt::Key_Minus);
        QCOMPARE(closer.seen().size(), 1u);
        QCOMPARE(closer.seen()[0].caption, ui::applicationTitle());
        QCOMPARE(closer.seen()[0].icon, QMessageBox::NoIcon);
        QCOMPARE(closer.seen()[0].text, QStringLiteral("Недопустимый символ!!!"));
        QCOMPARE(closer.seen()[0].buttons, 1);
        QCOMPARE(window.field(3)->text(), QStringLiteral("12"));
        QCOMPARE(window.field(3)->cursorPosition(), 1);
        // The window keeps the field as its focus; it has it again once the window is active
        // (the headless platform has no window manager to reactivate it by itself).
        QCOMPARE(window.focusWidget(), window.field(3));
        window.activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), window.field(3));

        // An empty field: the error box with the full stop appended.
        QTest::mouseClick(window.control<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(closer.seen().size(), 2u);
        QCOMPARE(closer.seen()[1].caption, ui::applicationTitle());
        QCOMPARE(closer.seen()[1].icon, QMessageBox::Critical);
        QCOMPARE(closer.seen()[1].text, QStringLiteral("'' is not a valid floating point value."));
        QCOMPARE(closer.seen()[1].buttons, 1);

        // A zero resistance: the division-by-zero error, and the window goes on.
        testing_support::typeAndBuild(window, {"1,2", "50", "1", "0", "2"});
        QCOMPARE(closer.seen().size(), 3u);
        QCOMPARE(closer.seen()[2].icon, QMessageBox::Critical);
        QCOMPARE(closer.seen()[2].text, QStringLiteral("Floating point division by zero."));
        testing_support::typeAndBuild(window, {"1,2", "50", "1", "1,5", "2"});
        QCOMPARE(closer.seen().size(), 3u);
        QCOMPARE(testing_support::series(window, "Series1").points().size(), 24u);
        for (const SeenBox& box : closer.seen()) QCOMPARE(box.format, Qt::PlainText);
    }

    // A field's text is quoted as typed, even when it looks like markup.
    void markupIsQuotedAsTyped() {
        ui::QtDesktop desktop;
        TForm9 window(desktop);
        window.Show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        BoxCloser closer;
        testing_support::typeAndBuild(window, {"<b>5</b>", "1,2", "0,5", "1", "2"});
        QCOMPARE(closer.seen().size(), 1u);
        QCOMPARE(closer.seen()[0].text,
                 QStringLiteral("'<b>5</b>' is not a valid floating point value."));
        QCOMPARE(closer.seen()[0].format, Qt::PlainText);
    }
};

QTEST_MAIN(TestInvestigationBoxes)
#include "test_investigation_boxes.moc"
