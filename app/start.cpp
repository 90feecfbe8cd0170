#include "app/start.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>

#include "app/about.h"
#include "app/command_line.h"
#include "app/display_check.h"
#include "app/language.h"
#include "app/malloc_arenas.h"
#include "app/window_set.h"
#include "assets/pictures.h"
#include "ui/desktop.h"
#include "ui/desktop_setup.h"
#include "ui/fonts.h"
#include "ui/form.h"
#include "ui/table_error.h"

namespace app {

namespace {

constexpr std::chrono::seconds kAllFontsAfter{2};

}  // namespace

void showTitleWindow(ui::Form& title, ui::DesktopFonts& desktopFonts) {
    title.Show();
    // Read while the title window is drawn; for the fields and boxes of the others.
    desktopFonts.startReading();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    desktopFonts.addDefaultFamily();
}

int run(int argc, char** argv) {
    useOneMallocArena();
    const std::string program = programName(argc > 0 ? argv[0] : nullptr);
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.action != CommandLine::Action::Run) return answer(commandLine, program);

    // The window manager and the taskbar find the program's name and icon through this.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    DisplayCheck displayCheck(program, commandLine.display, commandLine.language);
    QApplication application(argc, argv);
    displayCheck.passed();
    // One look for every window and button of the program, unless -style chose another.
    if (!commandLine.styleChosen) {
        if (QStyle* const skin = QStyleFactory::create(QStringLiteral("Fusion")))
            application.setStyle(skin);
    }
    ui::useDesignedPalette();  // the same light look on a dark desktop
    // The program's texts and Qt's own in the chosen language; numbers as the desktop has them.
    if (!useLanguage(chooseLanguage(QLocale::system().uiLanguages(), commandLine.language)))
        qWarning("The program's English texts are missing");
    application.setQuitOnLastWindowClosed(false);  // only closing the main window ends it
    application.setWindowIcon(assets::applicationIcon());
    ui::installProgramFonts();

    ui::QtDesktop desktop;
    ui::DesktopFonts desktopFonts;
    std::unique_ptr<WindowSet> windows;
    try {
        // The title window appears and is drawn first. Clicks and keys wait in the queue until
        // all the windows exist and the navigation is wired.
        windows = std::make_unique<WindowSet>(
            desktop, [&desktopFonts](ui::Form& title) { showTitleWindow(title, desktopFonts); });
    } catch (const ui::TableError& error) {
        // A window's table names something that does not exist: the program cannot start.
        std::fprintf(stderr, "%s\n", error.what());
        desktop.showError(QString::fromUtf8(error.what()));
        return 1;
    }
    // Closed while the others were being made: the program ends as if the event loop had run.
    if (!windows->mainWindow()->isVisible()) return 0;
    // A few seconds after start-up, while the student reads the title window, Qt gets all of the
    // desktop's fonts: they draw what the program's fonts lack, and listing them then keeps the
    // first click from waiting for it.
    QTimer::singleShot(kAllFontsAfter, &application, [&desktopFonts] { desktopFonts.useAll(); });
    return QApplication::exec();
}

}  // namespace app
