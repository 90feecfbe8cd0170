#pragma once
// A replacement font (ui/fonts.cpp) takes the width of its letters as designed, narrowed where
// its mapping says so: the windows' layouts are made for that width. Windows' GDI font engine
// widens letters to whole pixels and narrows them only in steps of about a tenth: there the
// spacing between the letters makes up the difference, so that a prompt still ends left of its
// field and a line inside its window. Elsewhere (FreeType) the font is left as it is.

#include <QFont>

namespace ui {

void keepDesignedWidth(QFont& font);

}  // namespace ui
