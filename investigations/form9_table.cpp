// Diastole, resistance X: three decay curves for X1, X2, X3 at one elasticity.

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"

using namespace investigations;

const InvestigationSpec& TForm9::table() {
    using rows::button, rows::chart, rows::edit, rows::label;
    static const ui::FontSpec heading{"MS Sans Serif", 19, true};
    static const ui::FontSpec body{"MS Sans Serif", 16, true};
    static const InvestigationSpec spec{
        .form = {.name = "Form9",
                 .caption = rows::kCaption,
                 .position = {145, 94},
                 .size = {1156, 566},
                 .sizeIs = ui::SizeIs::Outer,
                 .resizable = true,
                 .windowFont = {"MS Sans Serif", 11}},
        .controls =
            {
                label("Label1", 184, 8,
                      " Исследование зависимости давления в аорте\nот периферического "
                      "сопротивления в диастолу",
                      heading),
                label("Label2", 24, 120, "Задайте значение систолического давления:", body),
                label("Label3", 24, 160,
                      "Задайте значение эластичности стенок крупных сосудов:", body),
                label("Label4", 24, 200,
                      "Задайте несколько значений периферического сопротивления:", body),
                label("Label5", 176, 232, "Х1 = ", body),
                label("Label6", 176, 264, "Х2 = ", body),
                label("Label7", 176, 296, "Х3 = ", body),
                edit(1, 544, 120, 41, 28, 1, body),
                edit(2, 544, 160, 41, 28, 2, body),
                edit(3, 224, 232, 41, 28, 3, body),
                edit(4, 224, 264, 41, 28, 4, body),
                edit(5, 224, 296, 41, 28, 5, body),
                button(192, 416, 193, 41, 6, body),
                chart(624, 64, 489, 401),
            },
        .keyFilter = false,
        .chart = {.title = {""},
                  .bottomAxisTitle = "время (с)",
                  .leftAxisTitle = "давление (мм.рт.ст.)"},
        .series = {{"Series5", " ", colours::white},
                   {"Series4", "Х1", colours::blue},
                   {"Series2", "Х2", colours::green},
                   {"Series1", "Х3", colours::red},
                   {"Series3", " ", colours::yellow}},
        .clearedSeries = {"Series1", "Series2", "Series3"},
        .anchors = AnchorSpec{"Series4", "Series5", 0.62},
        .readOrder = {{{1}, {2}, {3}, {4}, {5}}},
        .compute = {.model = Model::Diastole,
                    .curves = {{{3, 2, 0, colours::blue, "Series1"},
                                {4, 2, 0, colours::green, "Series2"},
                                {5, 2, 0, colours::red, "Series3"}}},
                    .systolicPressureField = 1},
    };
    return spec;
}
