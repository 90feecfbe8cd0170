#pragma once
// Shorthands for the rows of the investigation windows' control tables.

#include <array>

#include "ui/form_spec.h"

namespace investigations::rows {

// A label that sizes itself to its text.
inline ui::ControlSpec label(const char* name, int left, int top, const char* text,
                             const ui::FontSpec& font) {
    return {ui::ControlKind::Label, name, {left, top, 0, 0}, text, font};
}

// Field EditN.
inline ui::ControlSpec edit(int number, int left, int top, int width, int height, int tabOrder,
                            const ui::FontSpec& font) {
    static constexpr std::array<const char*, 5> kNames{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"};
    return {ui::ControlKind::Edit,
            kNames.at(static_cast<std::size_t>(number - 1)),
            {left, top, width, height},
            "",
            font,
            tabOrder};
}

// "Построить график".
inline ui::ControlSpec button(int left, int top, int width, int height, int tabOrder,
                              const ui::FontSpec& font) {
    return {ui::ControlKind::Button, "Button1", {left, top, width, height},
            "Построить график",      font,      tabOrder};
}

// The chart; never a tab stop.
inline ui::ControlSpec chart(int left, int top, int width, int height) {
    return {ui::ControlKind::Custom, "Chart1", {left, top, width, height}};
}

// The caption of every investigation window.
inline constexpr const char* kCaption = "Исследование";

}  // namespace investigations::rows
