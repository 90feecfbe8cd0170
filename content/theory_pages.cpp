#include "content/theory_pages.h"

const ui::FormSpec& TForm4::formSpec() {
    static const ui::FormSpec spec{.name = "Form4",
                                   .caption = "Краткая теория страница 1",
                                   .position = {145, 28},
                                   .size = {1142, 642},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm4::TForm4(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}

const ui::FormSpec& TForm5::formSpec() {
    static const ui::FormSpec spec{.name = "Form5",
                                   .caption = "Краткая теория страница 2",
                                   .position = {135, 25},
                                   .size = {1149, 644},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm5::TForm5(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}

const ui::FormSpec& TForm6::formSpec() {
    static const ui::FormSpec spec{.name = "Form6",
                                   .caption = "Краткая теория страница 3",
                                   .position = {138, 12},
                                   .size = {1144, 665},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm6::TForm6(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}

const ui::FormSpec& TForm7::formSpec() {
    static const ui::FormSpec spec{.name = "Form7",
                                   .caption = "Краткая теория страница 4",
                                   .position = {139, 11},
                                   .size = {1149, 665},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm7::TForm7(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}

const ui::FormSpec& TForm8::formSpec() {
    static const ui::FormSpec spec{.name = "Form8",
                                   .caption = "Краткая теория страница 5",
                                   .position = {141, 2},
                                   .size = {1148, 672},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm8::TForm8(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}
