#include "content/credits_window.h"

const ui::FormSpec& TForm30::formSpec() {
    static const ui::FormSpec spec{.name = "Form30",
                                   .caption = "Авторы",
                                   .position = {341, 117},
                                   .size = {717, 469},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm30::TForm30(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}
