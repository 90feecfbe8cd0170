// Systole, elasticity C: three ejection curves for C1, C2, C3, drawn in 3-D.

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"

using namespace investigations;

const InvestigationSpec& TForm28::table() {
    using rows::button, rows::chart, rows::edit, rows::label;
    static const ui::FontSpec heading{"MS Sans Serif", 19, true};
    static const ui::FontSpec body{"MS Sans Serif", 16, true};
    static const ui::FontSpec kAxisTitleFont{"Arial", 16};
    static const InvestigationSpec spec{
        .form = {.name = "Form28",
                 .caption = rows::kCaption,
                 .position = {160, 78},
                 .size = {1085, 556},
                 .windowFont = {"MS Sans Serif", 11}},
        .controls =
            {
                label(
                    "Label1", 264, 8,
                    "    Исследование зависимости давления в аорте\nот эластичности стенок крупных "
                    "сосудов в систолу",
                    heading),
                label("Label2", 8, 80,
                      "Задайте значение объемной скорости\n     поступления крови в аорту", body),
                label("Label3", 8, 136,
                      "Задайте значение периферического\n               сопротивления", body),
                label(
                    "Label4", 48, 192,
                    "Задайте несколько значений эластичности \n             стенок крупных сосудов",
                    body),
                label("Label5", 152, 248, "c1 =", body),
                label("Label6", 152, 288, "c2 =", body),
                label("Label7", 152, 328, "c3 =", body),
                edit(1, 368, 80, 57, 28, 0, body),
                edit(2, 368, 136, 57, 28, 1, body),
                edit(3, 192, 248, 49, 28, 2, body),
                edit(4, 192, 288, 49, 28, 3, body),
                edit(5, 192, 328, 49, 28, 4, body),
                button(144, 400, 201, 57, 5, body),
                chart(520, 72, 537, 441),
            },
        .keyFilter = true,
        .chart = {.title = {"график"},
                  .bottomAxisTitle = "время (с)",
                  .leftAxisTitle = "давление (мм.рт.ст)",
                  .axisTitleFont = kAxisTitleFont,
                  .view3D = true,
                  .background = colours::lightGrey,
                  .leftAxisGrid = colours::lightYellow,
                  .animatedZoom = true},
        .series = {{"Series4", " ", colours::white, false},
                   {"Series1", "с1", colours::red},
                   {"Series2", "с2", colours::green},
                   {"Series3", "с3", colours::yellow},
                   {"Series5", " ", colours::white, false}},
        .clearedSeries = {"Series1", "Series2", "Series3"},
        .anchors = AnchorSpec{"Series4", "Series5", 0.26},
        .readOrder = {{{3}, {1, 10}, {2}, {4}, {5}}},
        .compute = {.model = Model::Systole,
                    .curves = {{{2, 3, 1, colours::red, "Series1"},
                                {2, 4, 1, colours::green, "Series2"},
                                {2, 5, 1, colours::yellow, "Series3"}}},
                    .addOrder = AddOrder::AfterAllCurves},
    };
    return spec;
}
