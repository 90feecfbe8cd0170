// Every control of all eighteen windows can be reached with the mouse on the screen the test runs
// on (one run a screen, tests/app/CMakeLists.txt): each window's frame lies on the screen's free
// area, and what the design shows of each control lies inside the window, at once or once
// scrolled to. On a screen with room for every window, none has a scroll area.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QtTest>

#include "app/window_set.h"
#include "chart/chart_widget.h"
#include "tests/support/program_fonts.h"
#include "tests/support/recording_desktop.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace {

// What a student clicks or types into: buttons, fields, links and charts.
QList<QWidget*> controlsOf(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* const w : window.findChildren<QWidget*>()) {
        const auto* const label = qobject_cast<ui::Label*>(w);
        const auto* const picture = qobject_cast<ui::PictureBox*>(w);
        if ((qobject_cast<QAbstractButton*>(w) && w->objectName().startsWith("Button")) ||
            qobject_cast<QLineEdit*>(w) || qobject_cast<chart::ChartWidget*>(w) ||
            (label && label->isLink()) || (picture && picture->isLink()))
            controls << w;
    }
    return controls;
}

}  // namespace

class TestSmallScreens : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { testing_support::installFontsAsAtStartUp(); }

    void everyControlCanBeReached() {
        testing_support::RecordingDesktop desktop;
        const app::WindowSet set(desktop);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        // Room for the largest window, the model menu, with a Windows frame around it.
        const bool roomForAll = area.width() >= 1340 && area.height() >= 720;
        int scrolled = 0;
        for (ui::Form* const window : set.windows()) {
            const QWidget* const designedFocus = window->focusWidget();
            window->Show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QString name = window->objectName();
            // The keyboard starts where the window's table puts it.
            QCOMPARE(window->focusWidget(), designedFocus);
            QVERIFY2(area.contains(window->frameGeometry()), qPrintable(name));
            auto* const scroll = window->findChild<QScrollArea*>();
            if (scroll) ++scrolled;
            for (QWidget* const control : controlsOf(*window)) {
                const QString which = name + '.' + control->objectName();
                // What the design shows of it: some controls run on past the window's edge.
                const QRect shown = control->geometry() & control->parentWidget()->rect();
                QVERIFY2(!shown.isEmpty(), qPrintable(which));
                if (scroll) scroll->ensureWidgetVisible(control, 0, 0);
                const QRect seen(control->parentWidget()->mapTo(window, shown.topLeft()),
                                 shown.size());
                QVERIFY2(window->rect().contains(seen), qPrintable(which));
            }
            if (window != set.mainWindow()) window->hide();
        }
        if (roomForAll) QCOMPARE(scrolled, 0);
        qInfo("%d of 18 windows with scroll bars on %dx%d", scrolled, area.width(), area.height());
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    TestSmallScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_small_screens.moc"
