#include "content/links_window.h"

const ui::FormSpec& TForm3::formSpec() {
    static const ui::FormSpec spec{.name = "Form3",
                                   .caption = "Проигрыватель",
                                   .position = {276, 147},
                                   .size = {861, 388},
                                   .sizeIs = ui::SizeIs::Outer,
                                   .resizable = true,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm3::TForm3(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}
