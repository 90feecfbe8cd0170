#include "content/theory_completed.h"

#include "ui/controls.h"

const ui::FormSpec& TForm14::formSpec() {
    static const ui::FormSpec spec{
        .name = "Form14",
        .caption = QT_TRANSLATE_NOOP("Form14", "Исследование завершено!"),
        .position = {308, 107},
        .size = {764, 442},
        .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

const ui::ControlTable& TForm14::controlTable() {
    using ui::ControlKind, ui::CursorKind;
    static const ui::ControlTable table{
        {ControlKind::Label,
         "Label1",
         {32, 104, 0, 0},
         QT_TRANSLATE_NOOP("Form14", "Поздравляем с успешным изучением теоретической части!!!"),
         ui::FontSpec{"Segoe Script", 21, true}},
        {ControlKind::Label,
         "Label2",
         {176, 176, 0, 0},
         QT_TRANSLATE_NOOP("Form14", "теперь Вы готовы к практике"),
         ui::FontSpec{"Segoe Script", 24, true}},
        {ControlKind::Button,
         "Button1",
         {184, 272, 377, 57},
         QT_TRANSLATE_NOOP("Form14", "Приступить к изучение модели"),
         ui::FontSpec{"MS Sans Serif", 16, true},
         0,
         CursorKind::Hand},
    };
    return table;
}

TForm14::TForm14(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {
    ui::buildControls(this, controlTable());
}
