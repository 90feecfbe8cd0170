#pragma once
// Qt's platform plugin ends the program with a fatal message and an abort, a core dump on many
// systems, when it cannot open the display. While a DisplayCheck lives, such an end becomes one
// clear line on the standard error and exit status 1. The plugin's warnings that come before
// it are held back, and passed on only if the display opened after all. Where no display server
// is needed (Windows, macOS) it does nothing.

#include <QtGlobal>
#include <string>
#include <string_view>

class QTranslator;

namespace app {

// Only where windows are shown through a display server (X11, Wayland) can the program start
// without one.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
inline constexpr bool kDisplayServer = true;
#else
inline constexpr bool kDisplayServer = false;
#endif

class DisplayCheck {
  public:
    // display: the X display named on the command line, or empty for the one of $DISPLAY;
    // language: the code given with --language, if any (the line is in the program's language).
    DisplayCheck(std::string program, std::string display, std::string language = {});
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // The application object exists: the held-back warnings go to the usual handler and the
    // check ends.
    void passed();
};

// The line printed when no display can be opened, in the catalogue's language (Russian without
// one). display is the X display asked for, if any.
std::string noDisplayLine(std::string_view program, std::string_view display,
                          const QTranslator* catalogue = nullptr);

}  // namespace app
