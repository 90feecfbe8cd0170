#include "app/start.h"

#include <QApplication>
#include <QPixmapCache>
#include <QStyleFactory>
#include <cstdio>
#include <memory>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "app/about.h"
#include "app/command_line.h"
#include "app/display_check.h"
#include "app/window_set.h"
#include "assets/pictures.h"
#include "ui/desktop.h"
#include "ui/desktop_setup.h"
#include "ui/fonts.h"
#include "ui/form.h"
#include "ui/table_error.h"

namespace app {

void showTitleWindow(ui::Form& title) {
    title.Show();
    // Read while the title window is drawn; for the fields and boxes of the others.
    ui::DesktopFontConfiguration desktopFonts;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // The title picture (0.7 MB), drawn now, is let go before the other windows are made rather
    // than after them, so that the two are never held at once: 0.5 MB less at the peak.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    ui::addDesktopDefaultFont(desktopFonts);
}

int run(int argc, char** argv) {
#ifdef __GLIBC__
    // Every thread that allocates would otherwise get a heap of its own (Qt's connection to the
    // display, the font reading, picture conversions): 0.45 MB more at start-up for memory that
    // one heap reuses. The program's threads allocate little and seldom at the same time.
    mallopt(M_ARENA_MAX, 1);
#endif
    const std::string program = programName(argc > 0 ? argv[0] : nullptr);
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.action != CommandLine::Action::Run) return answer(commandLine, program);

    // The window manager and the taskbar find the program's name and icon through this.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    DisplayCheck displayCheck(program, commandLine.display);
    QApplication application(argc, argv);
    displayCheck.passed();
    // One look for every window and button of the program, unless -style chose another.
    if (!commandLine.styleChosen) {
        if (QStyle* const skin = QStyleFactory::create(QStringLiteral("Fusion")))
            application.setStyle(skin);
    }
    // The style draws buttons and frames through pictures that Qt would keep for the next paint
    // (0.1 MB at start-up, most of it the title window's large button); the windows are seldom
    // drawn again, and drawing them afresh costs little, so none are kept.
    QPixmapCache::setCacheLimit(0);
    ui::useDesignedPalette();  // the same light look on a dark desktop
    ui::installQtTranslation();
    application.setQuitOnLastWindowClosed(false);  // only closing the main window ends it
    application.setWindowIcon(assets::applicationIcon());
    ui::installProgramFonts();

    ui::QtDesktop desktop;
    std::unique_ptr<WindowSet> windows;
    try {
        // The title window appears and is drawn first. Clicks and keys wait in the queue until
        // all the windows exist and the navigation is wired.
        windows = std::make_unique<WindowSet>(desktop, showTitleWindow);
    } catch (const ui::TableError& error) {
        // A window's table names something that does not exist: the program cannot start.
        std::fprintf(stderr, "%s\n", error.what());
        desktop.showError(QString::fromUtf8(error.what()));
        return 1;
    }
    // Closed while the others were being made: the program ends as if the event loop had run.
    if (!windows->mainWindow()->isVisible()) return 0;
    return QApplication::exec();
}

}  // namespace app
