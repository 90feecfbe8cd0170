#include "app/start.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include "app/window_set.h"
#include "ui/desktop.h"
#include "ui/desktop_setup.h"
#include "ui/fonts.h"
#include "ui/form.h"

namespace app {

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    // One look for every window and button of the program.
    if (QStyle* const skin = QStyleFactory::create(QStringLiteral("Fusion")))
        application.setStyle(skin);
    ui::useDesignedPalette();  // the same light look on a dark desktop
    ui::installQtTranslation();
    application.setQuitOnLastWindowClosed(false);  // only closing the main window ends it
    application.setWindowIcon(QIcon(QStringLiteral(":/assets/heart.png")));
    ui::installFontSubstitutes();

    ui::QtDesktop desktop;
    // The title window appears first and is drawn while the other windows are made. Clicks and
    // keys wait in the queue until all of them exist and the navigation is wired.
    const WindowSet windows(desktop, [](ui::Form& title) {
        title.Show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    // Closed while the others were being made: the program ends as if the event loop had run.
    if (!windows.mainWindow()->isVisible()) return 0;
    return QApplication::exec();
}

}  // namespace app
