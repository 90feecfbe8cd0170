// The command line read before the application object exists, its answers, and the check that
// holds back the platform plugin's warnings until the display has opened.

#include <QLoggingCategory>
#include <QtTest>

#include "app/about.h"
#include "app/command_line.h"
#include "app/display_check.h"
#include "tests/support/command_line_args.h"

Q_DECLARE_METATYPE(app::CommandLine::Action)

namespace {

using Action = app::CommandLine::Action;
using testing_support::readArguments;

QString text(const std::string& s) { return QString::fromStdString(s); }

// What reached the message handler that was in place before a DisplayCheck.
QStringList delivered;
void record(QtMsgType, const QMessageLogContext& context, const QString& message) {
    delivered << QString::fromLatin1(context.category) + QLatin1Char(' ') + message;
}

Q_LOGGING_CATEGORY(platformPlugin, "qt.qpa.xcb")
Q_LOGGING_CATEGORY(elsewhere, "hemodynamics.test")

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

  private slots:
    void reads_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("error");  // a part of the error text
        QTest::addColumn<bool>("styleChosen");
        QTest::addColumn<QString>("display");
        const auto row = [](const char* name, QStringList arguments, Action action,
                            QString error = {}, bool style = false, QString display = {}) {
            QTest::newRow(name) << arguments << action << error << style << display;
        };
        row("nothing", {}, Action::Run);
        row("--help", {"--help"}, Action::Help);
        row("-h", {"-h"}, Action::Help);
        row("--version", {"--version"}, Action::Version);
        row("-v", {"-v"}, Action::Version);
        row("Qt's options",
            {"-platform", "offscreen", "-style", "Fusion", "-display", ":1", "-reverse", "-name",
             "lab", "-nograb"},
            Action::Run, {}, true, ":1");
        row("two dashes and joined values",
            {"--platform", "offscreen", "--style=Windows", "-stylesheet=lab.qss", "--sync"},
            Action::Run, {}, true);
        row("style sheet is not a style", {"-stylesheet", "lab.qss"}, Action::Run);
        row("help after Qt's options", {"-platform", "offscreen", "--help"}, Action::Help);
        row("the first option decides", {"--version", "--help"}, Action::Version);
        row("a value that looks like an option", {"-title", "--help"}, Action::Run);
        row("unknown option", {"--colour"}, Action::Error, "неизвестный параметр «--colour»");
        row("unknown before help", {"-x", "--help"}, Action::Error, "«-x»");
        row("unknown after Qt's option", {"-platform", "offscreen", "-fullscreen"}, Action::Error,
            "«-fullscreen»");
        row("value missing", {"-style"}, Action::Error, "параметру «-style» нужно значение");
        row("argument", {"lesson.txt"}, Action::Error, "лишний аргумент «lesson.txt»");
        row("lone dash", {"-"}, Action::Error, "лишний аргумент «-»");
        row("empty", {""}, Action::Error, "лишний аргумент «»");
    }
    void reads() {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, error);
        QFETCH(bool, styleChosen);
        QFETCH(QString, display);
        const app::CommandLine commandLine = readArguments(arguments);
        QCOMPARE(commandLine.action, action);
        if (action == Action::Error) {
            QVERIFY2(text(commandLine.error()).contains(error), commandLine.error().c_str());
        } else {
            QVERIFY(commandLine.error().empty());
        }
        if (action == Action::Run) {
            QCOMPARE(commandLine.styleChosen, styleChosen);
            QCOMPARE(text(commandLine.display), display);
        }
    }

    void noArgumentsAtAll() { QCOMPARE(app::readCommandLine(0, nullptr).action, Action::Run); }

    void programNameWithoutFolder() {
        QCOMPARE(app::programName("/usr/bin/hemodynamics"), std::string("hemodynamics"));
        QCOMPARE(app::programName("./lab"), std::string("lab"));
        QCOMPARE(app::programName("hemodynamics"), std::string("hemodynamics"));
        QCOMPARE(app::programName(""), std::string("hemodynamics"));
        QCOMPARE(app::programName(nullptr), std::string("hemodynamics"));
    }

    void answers() {
        const QString help = text(app::helpText("lab"));
        QVERIFY(help.startsWith("Использование: lab [параметр]\n"));
        QVERIFY(help.contains("--help") && help.contains("--version"));
        QVERIFY(help.contains("xvfb-run -a lab"));
        QVERIFY(help.endsWith('\n'));

        const QString version = text(app::versionText());
        QCOMPARE(version,
                 QStringLiteral("Модель гемодинамики сосудистого русла (hemodynamics) %1\n")
                     .arg(QString::fromLatin1(app::kVersion)));

        const QString error = text(app::errorLine("lab", readArguments({"--colour"})));
        QCOMPARE(error,
                 QStringLiteral("lab: неизвестный параметр «--colour»; справка: lab --help\n"));
    }

    void noDisplayLineIsOneLine_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("says");
        QTest::newRow("none") << QString() << "переменная DISPLAY пуста";
        QTest::newRow("unanswered") << ":7"
                                    << "«:7» не открывается";
    }
    void noDisplayLineIsOneLine() {
        QFETCH(QString, display);
        QFETCH(QString, says);
        const QString line = text(app::noDisplayLine("lab", display.toStdString()));
        QVERIFY(line.startsWith("lab: "));
        QVERIFY(line.contains(says));
        QVERIFY(line.contains("xvfb-run -a lab"));
        QCOMPARE(line.count('\n'), 1);
        QVERIFY(line.endsWith('\n'));
    }

    // The plugin's warnings wait until the display has opened, in their order; others pass at
    // once; afterwards the earlier handler is back.
    void displayCheckHoldsBackThePluginsWarnings() {
        delivered.clear();
        const QtMessageHandler before = qInstallMessageHandler(record);
        {
            app::DisplayCheck check("lab", {});
            qCWarning(platformPlugin, "first");
            qCWarning(elsewhere, "other");
            qCInfo(platformPlugin, "second");
            QCOMPARE(delivered, QStringList{"hemodynamics.test other"});
            check.passed();
            QCOMPARE(delivered, (QStringList{"hemodynamics.test other", "qt.qpa.xcb first",
                                             "qt.qpa.xcb second"}));
            qCWarning(platformPlugin, "later");
            QCOMPARE(delivered.size(), 4);
        }
        QVERIFY(qInstallMessageHandler(before) == &record);
    }

    void displayCheckEndsWithItsLife() {
        delivered.clear();
        const QtMessageHandler before = qInstallMessageHandler(record);
        { app::DisplayCheck check("lab", {}); }
        QVERIFY(qInstallMessageHandler(before) == &record);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
