// What every window shares: the error box text, the boxes' caption and handlers that never let
// an error escape.

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QtTest>
#include <stdexcept>

#include "tests/support/recording_desktop.h"
#include "ui/controls.h"
#include "ui/desktop.h"
#include "ui/form.h"

class TestUiKit : public QObject {
    Q_OBJECT

  private slots:
    void errorBoxText_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Floating point overflow"
                               << "Floating point overflow.";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("hyphen") << "a -"
                                << "a -";
        QTest::newRow("exclamation") << "Stop!"
                                     << "Stop!";
        QTest::newRow("space") << "ends with space "
                               << "ends with space ";
        QTest::newRow("tab") << "tab\t"
                             << "tab\t";
        QTest::newRow("apostrophe") << "'x'"
                                    << "'x'";
        QTest::newRow("solidus") << "a/"
                                 << "a/.";
        QTest::newRow("digit") << "a1"
                               << "a1.";
        QTest::newRow("question") << "why?"
                                  << "why?.";
        QTest::newRow("cyrillic") << "ошибка"
                                  << "ошибка.";
        QTest::newRow("empty field") << "'' is not a valid floating point value"
                                     << "'' is not a valid floating point value.";
    }
    void errorBoxText() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ui::errorBoxText(message), shown);
    }

    void applicationTitle_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "/usr/bin/hemodynamics"
                               << "hemodynamics";
        QTest::newRow("windows") << "C:/Lab/PROJECT1.EXE"
                                 << "Project1";
        QTest::newRow("lower first kept") << "/opt/model.v2.bin"
                                          << "model";
        QTest::newRow("mixed") << "/x/HeMo"
                               << "Hemo";
        QTest::newRow("cyrillic") << "/x/МОДЕЛЬ.exe"
                                  << "Модель";
    }
    void applicationTitle() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(ui::applicationTitle(path), title);
    }

    void aLongTextIsShortenedVisiblyInTheMiddle() {
        const QString shortText = QString(1001, QLatin1Char('7'));
        QCOMPARE(ui::boxDisplayText(shortText), shortText);
        const QString pasted =
            "'" + QString(1 << 20, QLatin1Char('1')) + "' is not a valid floating point value.";
        const QString shown = ui::boxDisplayText(pasted);
        QCOMPARE(shown.size(), 1001);
        QVERIFY(shown.startsWith("'111"));
        QVERIFY(shown.endsWith("111' is not a valid floating point value."));
        QVERIFY(shown.contains(QChar(0x2026)));
    }

    void longRunsGetInvisibleBreakPoints() {
        const QString words = QStringLiteral("'1,5 2,5' is not a valid floating point value.");
        QCOMPARE(ui::wrappableText(words), words);
        const QString run = "'" + QString(99, QLatin1Char('7')) + "' is";
        const QString wrappable = ui::wrappableText(run);
        QCOMPARE(wrappable.count(QChar(0x200B)), 2);
        QCOMPARE(wrappable.indexOf(QChar(0x200B)), 40);
        QCOMPARE(QString(wrappable).remove(QChar(0x200B)), run);
        // A character outside the basic plane is never split.
        const QString emoji = QString(39, QLatin1Char('a')) + QString::fromUcs4(U"\U0001F600");
        QCOMPARE(ui::wrappableText(emoji).indexOf(QChar(0x200B)), 41);
    }

    void anErrorEscapingAHandlerIsShownAndTheProgramGoesOn() {
        testing_support::RecordingDesktop desktop;
        ui::Form form({.name = "FormX", .caption = "x", .size = {200, 100}}, desktop);
        ui::buildControls(&form, {{ui::ControlKind::Button, "Button1", {10, 10, 80, 30}, "go"}});
        int runs = 0;
        form.setHandler("Button1Click", [&] {
            ++runs;
            throw std::runtime_error("Floating point division by zero");
        });
        form.connectClick("Button1", "Button1Click");
        QTest::mouseClick(form.control("Button1"), Qt::LeftButton);
        QTest::mouseClick(form.control("Button1"), Qt::LeftButton);
        QCOMPARE(runs, 2);
        QCOMPARE(desktop.errors, QStringList({"Floating point division by zero",
                                              "Floating point division by zero"}));
    }

    // Labels without a designed size take the size of their texts by the time the window is
    // first shown, whether their window was made hidden or was already shown.
    void labelsAreSizedToTheirTexts_data() {
        QTest::addColumn<bool>("shownFirst");
        QTest::newRow("made, then shown") << false;
        QTest::newRow("shown, then made") << true;
    }
    void labelsAreSizedToTheirTexts() {
        QFETCH(bool, shownFirst);
        testing_support::RecordingDesktop desktop;
        ui::Form form({.name = "FormX", .caption = "x", .size = {300, 200}}, desktop);
        if (shownFirst) form.Show();
        ui::buildControls(&form, {{ui::ControlKind::Label, "Label1", {10, 10, 0, 0}, "Задайте\nX1"},
                                  {ui::ControlKind::WrapLabel,
                                   "Label2",
                                   {10, 80, 90, 0},
                                   "Исследовать изменение показателей"},
                                  {ui::ControlKind::Edit, "Edit1", {150, 20, 40, 24}}});
        if (!shownFirst) form.Show();
        const auto* const label = form.control<QLabel>("Label1");
        QCOMPARE(label->pos(), QPoint(10, 10));
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY(label->height() >= 2 * QFontMetrics(label->font()).lineSpacing());
        const auto* const wrapped = form.control<QLabel>("Label2");
        QCOMPARE(wrapped->geometry(), QRect(10, 80, 90, wrapped->heightForWidth(90)));
        QVERIFY(wrapped->height() >= 2 * QFontMetrics(wrapped->font()).lineSpacing());
        QCOMPARE(form.control("Edit1")->accessibleName(), QStringLiteral("Задайте X1"));
    }

    // A double-click on a link is one click: the second press of it is no click.
    void doubleClickIsOneClick_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("label") << int(ui::ControlKind::Label);
        QTest::newRow("picture") << int(ui::ControlKind::Picture);
    }
    void doubleClickIsOneClick() {
        QFETCH(int, kind);
        testing_support::RecordingDesktop desktop;
        ui::Form form({.name = "FormX", .caption = "x", .size = {200, 100}}, desktop);
        ui::buildControls(&form, {{ui::ControlKind(kind), "Link", {10, 10, 80, 30}, "link"}});
        int clicks = 0;
        form.setHandler("LinkClick", [&] { ++clicks; });
        form.connectClick("Link", "LinkClick");
        QWidget* const link = form.control("Link");
        const QPointF at(5, 5);
        const auto send = [&](QEvent::Type type) {
            QMouseEvent event(type, at, link->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(link, &event);
        };
        // What the desktop delivers for a double-click.
        send(QEvent::MouseButtonPress);
        send(QEvent::MouseButtonRelease);
        send(QEvent::MouseButtonDblClick);
        send(QEvent::MouseButtonRelease);
        QCOMPARE(clicks, 1);
        QTest::mouseClick(link, Qt::LeftButton, {}, at.toPoint());
        QCOMPARE(clicks, 2);  // a later click counts again
    }

    // Enter or Return on a focused button clicks it, as Space does.
    void keysClickAFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void keysClickAFocusedButton() {
        QFETCH(int, key);
        testing_support::RecordingDesktop desktop;
        ui::Form form({.name = "FormX", .caption = "x", .size = {200, 100}}, desktop);
        ui::buildControls(&form,
                          {{ui::ControlKind::Button, "Button1", {10, 10, 80, 30}, "a", {}, 0},
                           {ui::ControlKind::Button, "Button2", {10, 50, 80, 30}, "b", {}, 1}});
        QStringList pressed;
        for (const char* name : {"Button1", "Button2"}) {
            form.setHandler(QString(name) + "Click", [&pressed, name] { pressed << name; });
            form.connectClick(name, QString(name) + "Click");
        }
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.control("Button2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(pressed, QStringList{"Button2"});
    }
};

QTEST_MAIN(TestUiKit)
#include "test_ui_kit.moc"
