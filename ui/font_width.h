#pragma once
// A replacement font narrowed to a percentage of its width (ui/fonts.cpp) is drawn that much
// narrower than its letters as designed. Windows' GDI font engine narrows letters only in steps
// of about a tenth and widens them to whole pixels: there the spacing between the letters makes
// up the difference, so that a prompt still ends left of its field. Elsewhere (FreeType) the
// engine narrows exactly and the font is left as it is.

#include <QFont>

namespace ui {

void keepDesignedWidth(QFont& font);

}  // namespace ui
