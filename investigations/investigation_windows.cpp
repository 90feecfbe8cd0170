#include "investigations/investigation_windows.h"

const ui::FormSpec& TForm9::formSpec() {
    static const ui::FormSpec spec{.name = "Form9",
                                   .caption = "Исследование",
                                   .position = {145, 94},
                                   .size = {1156, 566},
                                   .sizeIs = ui::SizeIs::Outer,
                                   .resizable = true,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm9::TForm9(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}

const ui::FormSpec& TForm16::formSpec() {
    static const ui::FormSpec spec{.name = "Form16",
                                   .caption = "Исследование",
                                   .position = {170, 84},
                                   .size = {1073, 548},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm16::TForm16(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}

const ui::FormSpec& TForm20::formSpec() {
    static const ui::FormSpec spec{.name = "Form20",
                                   .caption = "Исследование",
                                   .position = {225, 47},
                                   .size = {1050, 612},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm20::TForm20(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}

const ui::FormSpec& TForm22::formSpec() {
    static const ui::FormSpec spec{.name = "Form22",
                                   .caption = "Исследование",
                                   .position = {150, 67},
                                   .size = {1054, 570},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm22::TForm22(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}

const ui::FormSpec& TForm24::formSpec() {
    static const ui::FormSpec spec{.name = "Form24",
                                   .caption = "Исследование",
                                   .position = {196, 84},
                                   .size = {1100, 594},
                                   .sizeIs = ui::SizeIs::Outer,
                                   .resizable = true,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm24::TForm24(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}

const ui::FormSpec& TForm26::formSpec() {
    static const ui::FormSpec spec{.name = "Form26",
                                   .caption = "Исследование",
                                   .position = {159, 69},
                                   .size = {1083, 568},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm26::TForm26(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}

const ui::FormSpec& TForm28::formSpec() {
    static const ui::FormSpec spec{.name = "Form28",
                                   .caption = "Исследование",
                                   .position = {160, 78},
                                   .size = {1085, 556},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

TForm28::TForm28(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {}
