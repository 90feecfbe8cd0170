#pragma once

namespace app {

// The program's only entry: creates the application object and the window set, shows the
// main window and runs the event loop until the main window is closed.
int run(int argc, char** argv);

}  // namespace app
