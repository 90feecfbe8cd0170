#pragma once
// Window layouts as data: a window's frame and a table of its controls. Every window of the
// program is described by one FormSpec and one ControlSpec table, built by form.cpp/controls.cpp.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

namespace ui {

// A font as the desktop names it; px is the character height in pixels (QFont::setPixelSize).
struct FontSpec {
    const char* family = "MS Sans Serif";
    int px = 11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class SizeIs { ClientArea, Outer };

struct FormSpec {
    const char* name;     // object name, e.g. "Form2"
    const char* caption;  // UTF-8
    QPoint position;      // designed screen position of the frame's top-left corner
    QSize size;           // client area or outer size, see sizeIs
    SizeIs sizeIs = SizeIs::ClientArea;
    bool resizable = false;  // ordinary resizable border with a maximize box
    FontSpec windowFont;
    std::optional<QColor> background;  // the standard button face when empty
};

enum class ControlKind {
    Label,      // sizes itself to its text (lines separated by '\n'); clickable (ui::Label)
    WrapLabel,  // fixed width, breaks between words; height follows the text
    Button,     // push button
    Edit,       // single-line text field
    Picture,    // picture box: draws its image unscaled from the top-left corner, clipped
    Custom,     // made by the caller's factory (for instance a chart)
};

enum class CursorKind { Default, Arrow, Hand };

struct ControlSpec {
    ControlKind kind;
    const char* name;
    QRect geometry;                // left, top, width, height; width/height 0 for "auto"
    const char* text = "";         // UTF-8; lines of a multi-line caption separated by '\n'
    std::optional<FontSpec> font;  // none: the window font
    int tabOrder = -1;             // -1: not a tab stop of its own
    CursorKind cursor = CursorKind::Default;
};

using ControlTable = std::vector<ControlSpec>;

}  // namespace ui
