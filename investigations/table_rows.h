#pragma once
// Shorthands for the rows of the investigation windows' tables.

#include "investigations/investigation_spec.h"

namespace investigations::rows {

// A prompt or value label that sizes itself to its text.
inline ui::ControlSpec label(const char* name, int left, int top, const char* text,
                             const ui::FontSpec& font) {
    return {ui::ControlKind::Label, name, {left, top, 0, 0}, text, font};
}

// An input field at left, top, width, height.
inline FieldSpec field(const char* name, Parameter holds, QRect geometry, int tabOrder,
                       double factor = 1) {
    return {name, holds, factor, geometry, tabOrder};
}

// A peak inflow field: typed in tens of ml/s.
inline FieldSpec inflowField(const char* name, Parameter holds, QRect geometry, int tabOrder) {
    return field(name, holds, geometry, tabOrder, 10);
}

// "Построить график".
inline ui::ControlSpec button(int left, int top, int width, int height, int tabOrder,
                              const ui::FontSpec& font) {
    return {ui::ControlKind::Button,
            "Button1",
            {left, top, width, height},
            QT_TRANSLATE_NOOP("Investigation", "Построить график"),
            font,
            tabOrder};
}

// The chart; never a tab stop.
inline ui::ControlSpec chart(int left, int top, int width, int height) {
    return {ui::ControlKind::Custom, "Chart1", {left, top, width, height}};
}

// The caption of every investigation window.
inline constexpr const char* kCaption = QT_TRANSLATE_NOOP("Investigation", "Исследование");

// The axis titles of most charts.
inline constexpr const char* kTime = QT_TRANSLATE_NOOP("Investigation", "время (с)");
inline constexpr const char* kPressure = QT_TRANSLATE_NOOP("Investigation", "давление (мм.рт.ст)");

}  // namespace investigations::rows
