#include "content/study_menu.h"

#include "ui/controls.h"

const ui::FormSpec& TForm2::formSpec() {
    static const ui::FormSpec spec{.name = "Form2",
                                   .caption = QT_TRANSLATE_NOOP("Form2", "Исследование"),
                                   .position = {415, 95},
                                   .size = {499, 530},
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

const ui::ControlTable& TForm2::controlTable() {
    using ui::ControlKind, ui::CursorKind;
    static const ui::FontSpec font{"MS Sans Serif", 19};
    static const ui::ControlTable table{
        {ControlKind::Button,
         "Button1",
         {72, 24, 345, 129},
         QT_TRANSLATE_NOOP("Form2", "Мультимедийная поддержка"),
         font,
         0,
         CursorKind::Hand},
        {ControlKind::Button,
         "Button2",
         {72, 192, 345, 129},
         QT_TRANSLATE_NOOP("Form2", "Знакомство с теорией"),
         font,
         1,
         CursorKind::Hand},
        {ControlKind::Button,
         "Button3",
         {72, 360, 345, 129},
         QT_TRANSLATE_NOOP("Form2", "Исследование модели"),
         font,
         2,
         CursorKind::Hand},
    };
    return table;
}

TForm2::TForm2(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {
    ui::buildControls(this, controlTable());
}
