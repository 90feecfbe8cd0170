#include "content/model_menu.h"

#include "ui/controls.h"

const ui::FormSpec& TForm15::formSpec() {
    static const ui::FormSpec spec{.name = "Form15",
                                   .caption = QT_TRANSLATE_NOOP("Form15", "Исследование модели"),
                                   .position = {19, 52},
                                   .size = {1322, 595},
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

const ui::ControlTable& TForm15::controlTable() {
    using ui::ControlKind, ui::CursorKind;
    static const ui::FontSpec heading{"Times New Roman", 24, true};
    static const ui::FontSpec column{"Times New Roman", 24, true, true};
    static const ui::FontSpec button{"MS Sans Serif", 13, true};
    // The brackets hold the Cyrillic Х and С, except Button2's Latin C.
    static const ui::ControlTable table{
        {ControlKind::Label,
         "Label1",
         {232, 56, 0, 0},
         QT_TRANSLATE_NOOP(
             "Form15",
             "Исследование зависимости давления в аорте от параметров системы кровообращения:"),
         heading},
        {ControlKind::Label,
         "Label2",
         {80, 152, 0, 0},
         QT_TRANSLATE_NOOP("Form15", "В систолу:"),
         column},
        {ControlKind::Label,
         "Label3",
         {628, 152, 0, 0},
         QT_TRANSLATE_NOOP("Form15", "В диастолу:"),
         column},
        {ControlKind::Label,
         "Label4",
         {1016, 152, 0, 0},
         QT_TRANSLATE_NOOP("Form15", "Сердечный цикл:"),
         column},
        {ControlKind::Button,
         "Button6",
         {44, 224, 337, 49},
         QT_TRANSLATE_NOOP("Form15", "Периферического сопротивления (Х)"),
         button,
         4,
         CursorKind::Hand},
        {ControlKind::Button,
         "Button5",
         {44, 312, 337, 49},
         QT_TRANSLATE_NOOP("Form15", "Эластичности стенок крупных сосудов (С)"),
         button,
         3,
         CursorKind::Hand},
        {ControlKind::Button,
         "Button3",
         {40, 408, 449, 49},
         QT_TRANSLATE_NOOP("Form15", "Объемной скорости поступления крови в аорту (Qmax)"),
         button,
         1,
         CursorKind::Hand},
        {ControlKind::Button,
         "Button1",
         {496, 224, 337, 49},
         QT_TRANSLATE_NOOP("Form15", "Периферического сопротивления (Х)"),
         button,
         6,
         CursorKind::Arrow},
        {ControlKind::Button,
         "Button7",
         {502, 312, 333, 49},
         QT_TRANSLATE_NOOP("Form15", "Эластичности стенок крупных сосудов (С)"),
         button,
         5,
         CursorKind::Hand},
        {ControlKind::Button,
         "Button4",
         {940, 216, 337, 49},
         QT_TRANSLATE_NOOP("Form15", "Периферического сопротивления (Х)"),
         button,
         2,
         CursorKind::Hand},
        {ControlKind::Button,
         "Button2",
         {944, 312, 337, 49},
         QT_TRANSLATE_NOOP("Form15", "Эластичности стенок крупных сосудов (C)"),
         button,
         0,
         CursorKind::Hand},
    };
    return table;
}

TForm15::TForm15(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {
    ui::buildControls(this, controlTable());
}
