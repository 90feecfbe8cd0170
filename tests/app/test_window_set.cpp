// The window set: creation order, the main window, Show and Close, and every navigation path.

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "app/navigation.h"
#include "app/start.h"
#include "app/window_set.h"
#include "tests/support/program_fonts.h"
#include "tests/support/recording_desktop.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/table_error.h"

namespace {

QStringList visibleWindows(const app::WindowSet& set) {
    QStringList names;
    for (const ui::Form* window : set.windows()) {
        if (window->isVisible()) names << window->objectName();
    }
    names.sort();
    return names;
}

void click(ui::Form* window, const QString& control) {
    QWidget* const widget = window->control(control);
    QVERIFY2(widget, qPrintable(window->objectName() + "." + control));
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

}  // namespace

class TestWindowSet : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        desktop_.clear();
        set_ = std::make_unique<app::WindowSet>(desktop_);
    }
    void cleanup() { set_.reset(); }

    void createsEighteenHiddenWindowsInOrder() {
        const QStringList expected{"Form1",  "Form2",  "Form3",  "Form4",  "Form5",  "Form6",
                                   "Form7",  "Form8",  "Form14", "Form15", "Form16", "Form20",
                                   "Form22", "Form24", "Form26", "Form28", "Form30", "Form9"};
        QStringList names;
        for (const ui::Form* window : set_->windows()) {
            names << window->objectName();
            QVERIFY(!window->isVisible());
        }
        QCOMPARE(names, expected);
        QCOMPARE(set_->mainWindow()->objectName(), QString("Form1"));
        QVERIFY(set_->mainWindow()->isMainWindow());
        QCOMPARE(static_cast<QWidget*>(set_->window("Form9")),
                 reinterpret_cast<QWidget*>(Form9));  // program-wide reference
    }

    // Start-up shows the title window before the other seventeen are made.
    void mainWindowFirst() {
        set_.reset();
        QStringList seen;
        const app::WindowSet set(desktop_, [&seen](ui::Form& main) {
            seen << main.objectName();
            if (Form2 || Form9) seen << "others already made";
            main.Show();
        });
        QCOMPARE(seen, QStringList{"Form1"});
        QVERIFY(set.mainWindow()->isVisible() && Form2 && Form9);
        QCOMPARE(visibleWindows(set), QStringList{"Form1"});
    }

    // Start-up draws the title window, with its picture, before the others are made.
    void titleWindowDrawnFirst() {
        set_.reset();
        bool exposed = false;
        bool pictureHeld = false;
        ui::DesktopFonts desktopFonts;
        const app::WindowSet set(desktop_, [&](ui::Form& title) {
            app::showTitleWindow(title, desktopFonts);
            exposed = title.windowHandle() && title.windowHandle()->isExposed();
            const auto* const picture = title.control<ui::PictureBox>(QStringLiteral("Image2"));
            pictureHeld = picture && picture->holdsPicture();
        });
        QVERIFY(exposed);
        QVERIFY(pictureHeld);
        QCOMPARE(visibleWindows(set), QStringList{"Form1"});
    }

    // A navigation row that names a window or control that does not exist stops start-up.
    void misspeltNavigation_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("window") << "Form1"
                                << "Button1"
                                << "Form31"
                                << "navigation: no window Form31";
        QTest::newRow("source") << "Form13"
                                << "Button1"
                                << "Form2"
                                << "navigation: no window Form13";
        QTest::newRow("control") << "Form2"
                                 << "Button9"
                                 << "Form3"
                                 << "navigation: no control Form2.Button9";
    }
    void misspeltNavigation() {
        QFETCH(QString, from);
        QFETCH(QString, control);
        QFETCH(QString, to);
        QFETCH(QString, message);
        const QByteArray f = from.toLatin1(), c = control.toLatin1(), t = to.toLatin1();
        const std::vector<app::NavRow> table{
            {"Form2", "Button2", "Button2Click", {{app::NavStep::Op::Show, "Form4"}}},
            {f.constData(), c.constData(), "Click", {{app::NavStep::Op::Show, t.constData()}}}};
        QString said;
        try {
            app::wireNavigation(*set_, table);
        } catch (const ui::TableError& error) {
            said = QString::fromUtf8(error.what());
        }
        QCOMPARE(said, message);
        // Nothing of the table was wired: the good row's handler was not replaced.
        QVERIFY(!set_->window("Form2")->hasHandler("Click"));
    }

    void everyRowHasItsHandler() {
        for (const app::NavRow& row : app::navigationTable()) {
            ui::Form* const from = set_->window(row.from);
            QVERIFY(from);
            QVERIFY2(from->hasHandler(row.handler), row.handler);
            QVERIFY2(from->control(row.control), row.control);
        }
    }

    void captionsAndFrames_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QSize>("size");  // client area; 0 for designed outer sizes
        QTest::newRow("Form1") << "Form1"
                               << "Модель гемодинамики сосудистого русла" << false
                               << QPoint(221, 31) << QSize(996, 639);
        QTest::newRow("Form2") << "Form2"
                               << "Исследование" << false << QPoint(415, 95) << QSize(499, 530);
        QTest::newRow("Form3") << "Form3"
                               << "Проигрыватель" << true << QPoint(276, 147) << QSize();
        QTest::newRow("Form4") << "Form4"
                               << "Краткая теория страница 1" << false << QPoint(145, 28)
                               << QSize(1142, 642);
        QTest::newRow("Form5") << "Form5"
                               << "Краткая теория страница 2" << false << QPoint(135, 25)
                               << QSize(1149, 644);
        QTest::newRow("Form6") << "Form6"
                               << "Краткая теория страница 3" << false << QPoint(138, 12)
                               << QSize(1144, 665);
        QTest::newRow("Form7") << "Form7"
                               << "Краткая теория страница 4" << false << QPoint(139, 11)
                               << QSize(1149, 665);
        QTest::newRow("Form8") << "Form8"
                               << "Краткая теория страница 5" << false << QPoint(141, 2)
                               << QSize(1148, 672);
        QTest::newRow("Form14") << "Form14"
                                << "Исследование завершено!" << false << QPoint(308, 107)
                                << QSize(764, 442);
        QTest::newRow("Form15") << "Form15"
                                << "Исследование модели" << false << QPoint(19, 52)
                                << QSize(1322, 595);
        QTest::newRow("Form16") << "Form16"
                                << "Исследование" << false << QPoint(170, 84) << QSize(1073, 548);
        QTest::newRow("Form20") << "Form20"
                                << "Исследование" << false << QPoint(225, 47) << QSize(1050, 612);
        QTest::newRow("Form22") << "Form22"
                                << "Исследование" << false << QPoint(150, 67) << QSize(1054, 570);
        QTest::newRow("Form24") << "Form24"
                                << "Исследование" << true << QPoint(196, 84) << QSize();
        QTest::newRow("Form26") << "Form26"
                                << "Исследование" << false << QPoint(159, 69) << QSize(1083, 568);
        QTest::newRow("Form28") << "Form28"
                                << "Исследование" << false << QPoint(160, 78) << QSize(1085, 556);
        QTest::newRow("Form30") << "Form30"
                                << "Авторы" << false << QPoint(341, 117) << QSize(717, 469);
        QTest::newRow("Form9") << "Form9"
                               << "Исследование" << true << QPoint(145, 94) << QSize();
    }
    void captionsAndFrames() {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(bool, resizable);
        QFETCH(QPoint, position);
        QFETCH(QSize, size);
        ui::Form* const form = set_->window(qPrintable(window));
        QCOMPARE(form->windowTitle(), caption);
        QCOMPARE(bool(form->windowFlags() & Qt::WindowMaximizeButtonHint), resizable);
        QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(form->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(form->minimumSize() == form->maximumSize(), !resizable);
        form->Show();
        QCOMPARE(form->frameGeometry().topLeft(), position);
        if (size.isValid()) {
            QCOMPARE(form->size(), size);
        } else {
            QCOMPARE(form->frameGeometry().size(), form->spec().size);  // designed outer size
        }
    }

    // A row: windows shown first, the click, then the windows visible and the one in front.
    void navigation_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("front");
        const QStringList t{"Form1"};
        const QStringList m{"Form1", "Form2"};
        const QStringList mm{"Form1", "Form2", "Form15"};
        QTest::newRow("start") << t << "Form1"
                               << "Button1" << (t + QStringList{"Form2"}) << "Form2";
        QTest::newRow("authors") << t << "Form1"
                                 << "Label1" << (t + QStringList{"Form30"}) << "Form30";
        QTest::newRow("authors again")
            << QStringList{"Form1", "Form30", "Form2"} << "Form1"
            << "Label1" << QStringList{"Form1", "Form2", "Form30"} << "Form30";
        QTest::newRow("links") << m << "Form2"
                               << "Button1" << (m + QStringList{"Form3"}) << "Form3";
        QTest::newRow("theory") << m << "Form2"
                                << "Button2" << (m + QStringList{"Form4"}) << "Form4";
        QTest::newRow("theory while page 3 open")
            << (m + QStringList{"Form6"}) << "Form2"
            << "Button2" << (m + QStringList{"Form4", "Form6"}) << "Form4";
        QTest::newRow("model menu") << m << "Form2"
                                    << "Button3" << mm << "Form15";
        QTest::newRow("page 1 next") << (m + QStringList{"Form4"}) << "Form4"
                                     << "Button2" << (m + QStringList{"Form5"}) << "Form5";
        QTest::newRow("page 2 back") << (m + QStringList{"Form5"}) << "Form5"
                                     << "Button1" << (m + QStringList{"Form4"}) << "Form4";
        QTest::newRow("page 2 next") << (m + QStringList{"Form5"}) << "Form5"
                                     << "Button2" << (m + QStringList{"Form6"}) << "Form6";
        QTest::newRow("page 3 back") << (m + QStringList{"Form6"}) << "Form6"
                                     << "Button1" << (m + QStringList{"Form5"}) << "Form5";
        QTest::newRow("page 3 next") << (m + QStringList{"Form6"}) << "Form6"
                                     << "Button2" << (m + QStringList{"Form7"}) << "Form7";
        QTest::newRow("page 4 back") << (m + QStringList{"Form7"}) << "Form7"
                                     << "Button1" << (m + QStringList{"Form6"}) << "Form6";
        QTest::newRow("page 4 next") << (m + QStringList{"Form7"}) << "Form7"
                                     << "Button2" << (m + QStringList{"Form8"}) << "Form8";
        QTest::newRow("page 5 back") << (m + QStringList{"Form8"}) << "Form8"
                                     << "Button1" << (m + QStringList{"Form7"}) << "Form7";
        QTest::newRow("page 5 next") << (m + QStringList{"Form8"}) << "Form8"
                                     << "Button2" << (m + QStringList{"Form14"}) << "Form14";
        QTest::newRow("completed") << (m + QStringList{"Form14"}) << "Form14"
                                   << "Button1" << mm << "Form15";
        QTest::newRow("systole X") << mm << "Form15"
                                   << "Button6" << (mm + QStringList{"Form26"}) << "Form26";
        QTest::newRow("systole C") << mm << "Form15"
                                   << "Button5" << (mm + QStringList{"Form28"}) << "Form28";
        QTest::newRow("systole Qmax") << mm << "Form15"
                                      << "Button3" << (mm + QStringList{"Form20"}) << "Form20";
        QTest::newRow("diastole X") << mm << "Form15"
                                    << "Button1" << (mm + QStringList{"Form9"}) << "Form9";
        QTest::newRow("diastole C") << mm << "Form15"
                                    << "Button7" << (mm + QStringList{"Form24"}) << "Form24";
        QTest::newRow("cycle X") << mm << "Form15"
                                 << "Button4" << (mm + QStringList{"Form22"}) << "Form22";
        QTest::newRow("cycle C") << mm << "Form15"
                                 << "Button2" << (mm + QStringList{"Form16"}) << "Form16";
        QTest::newRow("shown window to front")
            << (mm + QStringList{"Form16", "Form9"}) << "Form15"
            << "Button2" << (mm + QStringList{"Form16", "Form9"}) << "Form16";
    }
    void navigation() {
        QFETCH(QStringList, before);
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QStringList, after);
        QFETCH(QString, front);
        for (const QString& name : before) set_->window(qPrintable(name))->Show();
        click(set_->window(qPrintable(window)), control);
        after.sort();
        QCOMPARE(visibleWindows(*set_), after);
        QTRY_COMPARE(QApplication::activeWindow(),
                     static_cast<QWidget*>(set_->window(qPrintable(front))));
        QCOMPARE(set_->windows().size(), std::size_t{18});  // nothing created twice
    }

    void closingAWindowHidesItAndKeepsItsState() {
        ui::Form* const form = set_->window("Form9");
        form->Show();
        auto* const edit = form->control<QLineEdit>("Edit1");
        QVERIFY(edit);
        QTest::keyClicks(edit, "120");
        form->move(300, 200);
        const QPoint left = form->pos();
        form->close();  // as the close box does
        QVERIFY(!form->isVisible());
        click(set_->window("Form15"), "Button1");
        QVERIFY(form->isVisible());
        QCOMPARE(edit->text(), QString("120"));
        QCOMPARE(form->pos(), left);
    }

    void closingTheMainWindowEndsTheProgram() {
        set_->mainWindow()->Show();
        for (const char* name : {"Form2", "Form15", "Form22", "Form4"}) set_->window(name)->Show();
        QTimer::singleShot(0, set_->mainWindow(), [this] { set_->mainWindow()->close(); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        bool timedOut = false;
        connect(&watchdog, &QTimer::timeout, [&] {
            timedOut = true;
            QApplication::exit(1);
        });
        watchdog.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
        QCOMPARE(visibleWindows(*set_), QStringList());
    }

  private:
    testing_support::RecordingDesktop desktop_;
    std::unique_ptr<app::WindowSet> set_;
};

int main(int argc, char** argv) {
    // The headless platform cannot raise windows and says so at every Show; the front window
    // is checked through activation instead.
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains(QLatin1String("does not support raise()")))
                previous(type, context, text);
        });
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    testing_support::installFontsAsAtStartUp();
    TestWindowSet test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_window_set.moc"
