#pragma once
// The fonts as start-up leaves them when it makes the windows: only the program's fonts where
// fontconfig is used, and the desktop's default family.

#include "ui/fonts.h"

namespace testing_support {

inline void installFontsAsAtStartUp() {
    ui::installProgramFonts();
    ui::DesktopFonts desktop;
    desktop.addDefaultFamily();
}

}  // namespace testing_support
