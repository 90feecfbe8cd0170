// Saves a picture of each of the eighteen windows, made as start-up makes them (the title window
// shown first, the others hidden) and then each shown in turn, to look at them or to compare
// two versions pixel by pixel: window_set_snapshots <folder> [ru|en].
#include <QApplication>
#include <QDir>

#include "app/language.h"
#include "app/start.h"
#include "app/window_set.h"
#include "tests/support/recording_desktop.h"
#include "ui/fonts.h"
#include "ui/form.h"

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
    int failures = 0;
    for (ui::Form* const window : windows.windows()) {
        window->Show();
        QCoreApplication::processEvents();
        if (!window->grab().save(folder + "/" + window->objectName() + ".png")) ++failures;
        if (window != windows.mainWindow()) window->hide();
    }
    return failures;
}
