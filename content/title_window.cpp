#include "content/title_window.h"

#include <QPushButton>

#include "content/window_content.h"
#include "ui/controls.h"

const ui::FormSpec& TForm1::formSpec() {
    static const ui::FormSpec spec{
        .name = "Form1",
        .caption = QT_TRANSLATE_NOOP("Form1", "Модель гемодинамики сосудистого русла"),
        .position = {221, 31},
        .size = {996, 639},
        .sizeIs = ui::SizeIs::ClientArea,
        .resizable = false,
        .windowFont = {"Segoe Print", 13}};
    return spec;
}

const ui::ControlTable& TForm1::controlTable() {
    using ui::ControlKind, ui::CursorKind, ui::FontSpec;
    static const FontSpec aim{"Times New Roman", 21};
    static const ui::ControlTable table{
        {ControlKind::Label,
         "Label2",
         {40, 40, 0, 0},
         QT_TRANSLATE_NOOP("Form1", "Модель гемодинамики сосудистого русла"),
         FontSpec{"Segoe Print", 21, true}},
        {ControlKind::Label,
         "Label3",
         {104, 112, 0, 0},
         QT_TRANSLATE_NOOP("Form1", "Цель работы:"),
         FontSpec{"Segoe Print", 16, false, false, true}},
        {ControlKind::Label,
         "Label4",
         {32, 160, 0, 0},
         QT_TRANSLATE_NOOP("Form1", "  1. Ознакомиться с основами гемодинамики."),
         aim},
        {ControlKind::WrapLabel,
         "Label5",
         {32, 224, 420, 0},
         QT_TRANSLATE_NOOP(
             "Form1",
             "  2. Научиться составлять математическую модель, описывающую кровоток в эластичном "
             "сосуде."),
         aim},
        {ControlKind::WrapLabel,
         "Label6",
         {32, 328, 396, 0},
         QT_TRANSLATE_NOOP(
             "Form1",
             "  3. Исследовать изменение гемодинамических показателей  при изменении одного из "
             "параметров  системы и научиться сопоставлять их  с процессами в сердечно-сосудистой "
             "системе."),
         aim},
        {ControlKind::Label,
         "Label1",
         {880, 600, 0, 0},
         QT_TRANSLATE_NOOP("Form1", "Авторы"),
         {},
         -1,
         CursorKind::Hand},
        {ControlKind::Picture, "Image2", {528, 0, 401, 601}},
        {ControlKind::Button,
         "Button1",
         {88, 480, 289, 89},
         QT_TRANSLATE_NOOP("Form1", "Начать исследование!!!"),
         FontSpec{"MS Sans Serif", 21, true},
         0,
         CursorKind::Hand},
    };
    return table;
}

TForm1::TForm1(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {
    ui::buildControls(this, controlTable());
    content::showPicture(*this, "Image2", assets::Picture::CirculatorySystem);
}
