// Systole, resistance X: three ejection curves for X1, X2, X3, drawn in 3-D.

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"

using namespace investigations;

const InvestigationSpec& TForm26::table() {
    using rows::button, rows::chart, rows::edit, rows::label;
    static const ui::FontSpec heading{"MS Sans Serif", 19, true};
    static const ui::FontSpec body{"MS Sans Serif", 16, true};
    static const ui::FontSpec kAxisTitleFont{"Arial", 16};
    static const InvestigationSpec spec{
        .form = {.name = "Form26",
                 .caption = rows::kCaption,
                 .position = {159, 69},
                 .size = {1083, 568},
                 .windowFont = {"MS Sans Serif", 11}},
        .controls =
            {
                label(
                    "Label1", 288, 16,
                    "Исследование зависимости давления в аорте от\n  периферического сопротивления "
                    "в систолу",
                    heading),
                label("Label2", 24, 88,
                      "Задайте значение эластичности стенок\n              крупных сосудов", body),
                label("Label3", 24, 152,
                      "Задайте значение объемной скорости\n     поступления крови в аорту", body),
                label("Label4", 72, 224,
                      "   Задайте несколько значений \nпериферического сопротивления:", body),
                label("Label5", 136, 296, "x1 =", body),
                label("Label6", 136, 328, "x2 =", body),
                label("Label7", 136, 360, "x3 =", body),
                edit(1, 400, 96, 49, 28, 2, body),
                edit(2, 400, 152, 49, 28, 3, body),
                edit(3, 176, 296, 41, 28, 4, body),
                edit(4, 176, 328, 41, 28, 5, body),
                edit(5, 176, 360, 41, 28, 6, body),
                button(128, 424, 193, 41, 0, body),
                chart(504, 72, 553, 481),
            },
        .keyFilter = true,
        .chart = {.title = {"График"},
                  .bottomAxisTitle = "время (с)",
                  .leftAxisTitle = "давление (мм.рт.ст)",
                  .axisTitleFont = kAxisTitleFont,
                  .view3D = true,
                  .leftWall = colours::teal},
        .series = {{"Series4", " ", colours::white, false},
                   {"Series1", "x1", colours::green, true, false},
                   {"Series2", "x2", colours::red},
                   {"Series3", "x3", colours::blue},
                   {"Series5", " ", colours::white, false}},
        .clearedSeries = {"Series1", "Series2", "Series3"},
        .anchors = AnchorSpec{"Series4", "Series5", 0.26},
        .readOrder = {{{1}, {2, 10}, {3}, {4}, {5}}},
        .compute = {.model = Model::Systole,
                    .curves = {{{3, 1, 2, colours::green, "Series1"},
                                {4, 1, 2, colours::red, "Series2"},
                                {5, 1, 2, colours::blue, "Series3"}}},
                    .addOrder = AddOrder::AfterAllCurves},
    };
    return spec;
}
