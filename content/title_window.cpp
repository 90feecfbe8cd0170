#include "content/title_window.h"

const ui::FormSpec& TForm1::formSpec() {
    static const ui::FormSpec spec{.name = "Form1",
                                   .caption = "Модель гемодинамики сосудистого русла",
                                   .position = {221, 31},
                                   .size = {996, 639},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"Segoe Print", 13}};
    return spec;
}

TForm1::TForm1(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}
