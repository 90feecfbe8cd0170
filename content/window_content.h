#pragma once
// Helpers shared by the content windows: putting a picture into its box, and the leading spaces
// with which a caption pushes a line to a given position.

#include <QFont>
#include <QString>

#include "assets/pictures.h"
#include "ui/form.h"

namespace content {

// Puts the picture into the named picture box of the window, named after the picture for screen
// readers; it is decoded while the window is shown. A damaged picture leaves the box empty
// (with a warning on the console); the window works without it.
void showPicture(ui::Form& window, const char* boxName, assets::Picture picture);

// What a picture shows, in words: a figure's caption, a formula's number and equations.
QString pictureDescription(assets::Picture picture);

// As many spaces as, in this font, come closest to the given width in pixels.
QString spacesFor(const QFont& font, int pixels);

}  // namespace content
