#pragma once
// What the program takes from the desktop it runs on, and what it keeps to itself: its colours
// stay those of its own light look whatever the desktop's theme, and Qt's own texts (a field's
// context menu, standard dialogs) follow the user's language when that is Russian.

#include <QLocale>

namespace ui {

// Sets the application palette to the program's own light palette (the Fusion style's colours on
// a light desktop), every colour of it, and puts it back whenever the platform theme later
// replaces it (a theme switched while the program runs). Call once, before any window is made.
void useDesignedPalette();

// The language of the user's desktop texts (not that of numbers).
QLocale userLanguage();

// Loads Qt's Russian translation of its own texts when the language is Russian; true when it
// was loaded. The translation files come with the desktop's Qt.
bool installQtTranslation(const QLocale& language = userLanguage());

}  // namespace ui
