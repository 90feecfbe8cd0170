// Diastole, elasticity C: three decay curves for C1, C2, C3 at one resistance.

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"

using namespace investigations;

const InvestigationSpec& TForm24::table() {
    using rows::button, rows::chart, rows::edit, rows::label;
    static const ui::FontSpec heading{"MS Sans Serif", 19, true};
    static const ui::FontSpec body{"MS Sans Serif", 16, true};
    static const ui::FontSpec kAxisTitleFont{"Arial", 16};
    static const InvestigationSpec spec{
        .form = {.name = "Form24",
                 .caption = rows::kCaption,
                 .position = {196, 84},
                 .size = {1100, 594},
                 .sizeIs = ui::SizeIs::Outer,
                 .resizable = true,
                 .windowFont = {"MS Sans Serif", 11}},
        .controls =
            {
                label("Label1", 272, 8,
                      "     Исследование зависимости давления в аорте \nот эластичности "
                      "стенок крупных сосудов в диастолу",
                      heading),
                label("Label2", 16, 80,
                      "Задайте значение периферического\n                сопротивления", body),
                label("Label3", 16, 144, "Задайте значение систолического давления", body),
                label("Label4", 16, 208,
                      "Задайте несколько значений эластичности стенок\n                       "
                      "     крупных сосудов",
                      body),
                label("Label5", 112, 280, "С1 =", body),
                label("Label6", 112, 312, "С2 =", body),
                label("Label7", 112, 344, "С3 =", body),
                edit(1, 440, 80, 49, 28, 2, body),
                edit(2, 440, 144, 49, 28, 3, body),
                edit(3, 160, 280, 49, 28, 4, body),
                edit(4, 160, 312, 49, 28, 5, body),
                edit(5, 160, 344, 49, 28, 6, body),
                button(160, 448, 169, 41, 0, body),
                chart(520, 72, 545, 465),
            },
        .keyFilter = true,
        .chart = {.title = {"график"},
                  .bottomAxisTitle = "время (с)",
                  .leftAxisTitle = "давление (мм.рт.ст)",
                  .axisTitleFont = kAxisTitleFont},
        .series = {{"Series4", " ", colours::white},
                   {"Series1", "C1", colours::blue},
                   {"Series2", "C2", colours::green},
                   {"Series3", "C3", colours::red},
                   {"Series5", " ", colours::white}},
        .clearedSeries = {"Series1", "Series2", "Series3"},
        .anchors = AnchorSpec{"Series4", "Series5", 0.62},
        .readOrder = {{{1}, {2}, {3}, {4}, {5}}},
        .compute = {.model = Model::Diastole,
                    .curves = {{{1, 3, 0, colours::blue, "Series1"},
                                {1, 4, 0, colours::green, "Series2"},
                                {1, 5, 0, colours::red, "Series3"}}},
                    .systolicPressureField = 2},
    };
    return spec;
}
