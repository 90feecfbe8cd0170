#pragma once
// What the window kit's fonts need of the platform's font configuration: fontconfig where Qt
// finds fonts through it; elsewhere Qt's own font matching is left as it is.

#include <QStringList>

namespace ui {

// Gives Qt a font configuration of the desktop's drawing rules and only these families, the
// first of them standing for the desktop's default font until DesktopFonts adds its family;
// false, with the desktop's whole configuration left in place, where that cannot be done.
bool useOnlyFamilies(const QStringList& families);

}  // namespace ui
