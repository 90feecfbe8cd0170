#pragma once
// The fonts the windows are designed with are Windows fonts; where they are missing, each is
// drawn with a free font that covers Cyrillic, chosen here and nowhere else.

#include <QFont>
#include <QString>
#include <memory>
#include <vector>

#include "ui/form_spec.h"

namespace ui {

struct FontMapping {
    const char* designed;              // the family named in the window layouts
    const char* replacement;           // the free family that stands in for it
    int stretch = QFont::Unstretched;  // width of the letters in percent of the replacement's
    // The part of the replacement built into the program, drawn in its place; the installed
    // replacement draws what that part lacks.
    const char* builtIn = nullptr;
};

// The substitutions, in one table.
const std::vector<FontMapping>& fontMappings();

// The family that draws a character none of the mapped fonts has, and stands for the desktop's
// default font until that is known.
inline constexpr const char* kFallbackFamily = "DejaVu Sans";

// Registers the built-in fonts and the substitutions. Where Qt finds fonts through fontconfig,
// it is also given only the fonts the program draws with, under the desktop's rules for drawing
// them, so that start-up does not grow with the number of fonts installed; unless the
// environment variable HEMODYNAMICS_DESKTOP_FONTS is set (to anything but 0), for a desktop
// where that misbehaves. Call after the application object exists and before any text is
// measured; later calls change nothing more.
void installProgramFonts();

// The desktop's whole font configuration, in the steps of start-up: read on a thread while the
// title window is drawn (reading it takes about as long), the family it gives the default font
// added for the fields and boxes of the windows made after it, and once start-up is over handed
// to Qt, so that a character none of the program's fonts has is drawn by the desktop's fonts,
// as in any other program. Each step does nothing where Qt has the whole configuration already.
class DesktopFonts {
  public:
    DesktopFonts();
    ~DesktopFonts();  // waits for a reading under way
    DesktopFonts(const DesktopFonts&) = delete;
    DesktopFonts& operator=(const DesktopFonts&) = delete;

    void startReading();
    // Waits for the reading (reads now if none was started).
    void addDefaultFamily();
    // Qt draws with the desktop's whole configuration from now on.
    void useAll();

    struct Reading;

  private:
    std::unique_ptr<Reading> reading_;
};

QFont makeFont(const FontSpec& spec);

}  // namespace ui
