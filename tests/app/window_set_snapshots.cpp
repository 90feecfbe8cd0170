// Saves a picture of each of the eighteen windows, made as start-up makes them (the title window
// shown first, the others hidden) and then each shown in turn, to look at them or to compare
// two versions pixel by pixel: window_set_snapshots <folder> [ru|en]. On a real display (Xvfb
// with a window manager) the picture is taken from the screen, with the window's frame.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include "app/language.h"
#include "app/start.h"
#include "app/window_set.h"
#include "tests/support/recording_desktop.h"
#include "ui/fonts.h"
#include "ui/form.h"

namespace {

// The window as the screen shows it, its frame included, once the window manager has framed
// and the program has drawn it.
QPixmap fromScreen(QWidget& window) {
    const QDeadlineTimer framed(3000);
    while (!framed.hasExpired() && (!window.windowHandle()->isExposed() ||
                                    window.frameGeometry() == window.geometry())) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    const QDeadlineTimer drawn(300);
    while (!drawn.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    const QRect frame = window.frameGeometry();
    return window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    app.setQuitOnLastWindowClosed(false);
    ui::installProgramFonts();
    const auto language = app::languageNamed(argc > 2 ? argv[2] : "ru");
    if (!language || !app::useLanguage(*language)) return 2;
    ui::DesktopFonts desktopFonts;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    QDir().mkpath(folder);
    testing_support::RecordingDesktop desktop;
    app::WindowSet windows(desktop,
                           [&](ui::Form& title) { app::showTitleWindow(title, desktopFonts); });
    const bool screen = QGuiApplication::platformName() != QLatin1String("offscreen");
    int failures = 0;
    for (ui::Form* const window : windows.windows()) {
        window->Show();
        QCoreApplication::processEvents();
        const QPixmap picture = screen ? fromScreen(*window) : window->grab();
        if (!picture.save(folder + "/" + window->objectName() + ".png")) ++failures;
        if (window != windows.mainWindow()) window->hide();
    }
    return failures;
}
