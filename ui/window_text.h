#pragma once
// The texts of the window tables are the program's Russian texts, marked for translation where
// they are declared: QT_TRANSLATE_NOOP("<window>", …) for a text of one window, "Investigation"
// for a text the investigation windows share. They are translated here, where the frame puts
// them on the screen.

#include <QString>

namespace ui {

// The text in the program's language: the window's translation, else the investigation
// windows' shared one, else the text as it stands (Russian, or one without words: "X1 =").
QString windowText(const char* window, const char* text);

}  // namespace ui
