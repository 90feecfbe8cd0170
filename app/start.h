#pragma once

namespace ui {
class DesktopFonts;
class Form;
}  // namespace ui

namespace app {

// What start-up does with the title window as soon as it exists, before the other windows are
// made: shows and draws it, and adds the desktop's default font (read while the window is
// drawn) for the windows made after it.
void showTitleWindow(ui::Form& title, ui::DesktopFonts& desktopFonts);

// The program's only entry: creates the application object and the window set, shows the
// main window and runs the event loop until the main window is closed.
int run(int argc, char** argv);

}  // namespace app
