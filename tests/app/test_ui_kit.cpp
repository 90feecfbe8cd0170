// What every window shares: the error box text, the boxes' caption and handlers that never let
// an error escape.

#include <QApplication>
#include <QtTest>
#include <stdexcept>

#include "app/ui/controls.h"
#include "app/ui/desktop.h"
#include "app/ui/form.h"
#include "tests/support/recording_desktop.h"

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
        const QString shortText = QString(161, QLatin1Char('7'));
        QCOMPARE(ui::boxDisplayText(shortText), shortText);
        const QString pasted =
            "'" + QString(1 << 20, QLatin1Char('1')) + "' is not a valid floating point value.";
        const QString shown = ui::boxDisplayText(pasted);
        QVERIFY(shown.size() <= 161);
        QVERIFY(shown.startsWith("'111"));
        QVERIFY(shown.endsWith("111' is not a valid floating point value."));
        QVERIFY(shown.contains(QChar(0x2026)));
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
};

QTEST_MAIN(TestUiKit)
#include "test_ui_kit.moc"
