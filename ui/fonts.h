#pragma once
// The fonts the windows are designed with are Windows fonts; on this desktop each is drawn
// with a free font that covers Cyrillic, chosen here and nowhere else.

#include <QFont>
#include <QString>
#include <future>

#include "ui/form_spec.h"

using FcConfig = struct _FcConfig;  // fontconfig's configuration

namespace ui {

struct FontMapping {
    const char* designed;              // the family named in the window layouts
    const char* replacement;           // the free family that the set-up installs
    int stretch = QFont::Unstretched;  // width of the letters in percent of the replacement's
    // The part of the replacement built into the program, drawn in its place; the installed
    // replacement draws what that part lacks.
    const char* builtIn = nullptr;
};

// The substitutions, in one table.
const std::vector<FontMapping>& fontMappings();

// Gives Qt only the fonts the program draws with, under the desktop's rules for drawing them,
// and registers the substitutions; call after the application object exists and before any
// text is measured (later calls change nothing more).
void installProgramFonts();
// The desktop's whole font configuration, read on a thread of its own from the moment this is
// made: reading it takes as long as drawing the title window, and only the family it gives the
// default font is wanted from it, once that window is drawn.
class DesktopFontConfiguration {
  public:
    DesktopFontConfiguration();
    ~DesktopFontConfiguration();  // waits for the reading, if still under way
    DesktopFontConfiguration(const DesktopFontConfiguration&) = delete;
    DesktopFontConfiguration& operator=(const DesktopFontConfiguration&) = delete;

    // Waits for the reading; the caller destroys the configuration (null: none could be read).
    FcConfig* take();

  private:
    std::future<FcConfig*> reading_;
};

// Adds the family the desktop gives its default font, which fields and boxes use. Finding it
// reads the desktop's whole font configuration, so the program does it once the title window
// is shown; call before a field or a box is made. The first form reads the configuration then.
void addDesktopDefaultFont();
void addDesktopDefaultFont(DesktopFontConfiguration& desktop);
// Both at once.
void installFontSubstitutes();

QFont makeFont(const FontSpec& spec);

}  // namespace ui
