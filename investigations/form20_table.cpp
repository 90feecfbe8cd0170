// Systole, peak inflow Qmax: three ejection curves for three typed inflows (times 10).

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"

using namespace investigations;

const InvestigationSpec& TForm20::table() {
    using rows::button, rows::chart, rows::edit, rows::label;
    static const ui::FontSpec heading{"MS Sans Serif", 19, true};
    static const ui::FontSpec body{"MS Sans Serif", 16, true};
    static const InvestigationSpec spec{
        .form = {.name = "Form20",
                 .caption = rows::kCaption,
                 .position = {225, 47},
                 .size = {1050, 612},
                 .windowFont = {"MS Sans Serif", 11}},
        .controls =
            {
                label("Label1", 264, 16,
                      "  Исследование зависимости давления в \n   аорте от значения объемной "
                      "скорости\n    поступления крови в аорту в систолу",
                      heading),
                label("Label2", 16, 96,
                      "Задайте значение эластичности \n     стенок крупных сосудов", body),
                label("Label3", 16, 160,
                      "Задайте значение периферического \n           сопротивления", body),
                label("Label4", 32, 224,
                      "Задайте значения объемной скорости\n     поступления крови в аорту", body),
                label("Label5", 144, 272, "Qmax1 = ", body),
                label("Label6", 144, 304, "Qmax2 =", body),
                label("Label7", 144, 336, "Qmax3 =", body),
                edit(1, 360, 104, 41, 28, 2, body),
                edit(2, 360, 168, 41, 28, 3, body),
                edit(3, 224, 272, 33, 28, 4, body),
                edit(4, 224, 336, 33, 28, 5, body),
                edit(5, 224, 304, 33, 28, 6, body),
                button(112, 448, 209, 49, 0, body),
                chart(456, 104, 513, 441),
            },
        .keyFilter = true,
        .chart = {.title = {"Chart"},
                  .bottomAxisTitle = "Время (с)",
                  .leftAxisTitle = "давление  (мм.рт.ст)"},
        .series = {{"Series4", " ", colours::white, false},
                   {"Series2", "Qmax1", colours::blue},
                   {"Series3", "Qmax2", colours::lime},
                   {"Series1", "Qmax3", colours::red},
                   {"Series5", " ", colours::white, false}},
        .clearedSeries = {"Series1", "Series2", "Series3"},
        .anchors = AnchorSpec{"Series4", "Series5", 0.26},
        .readOrder = {{{1}, {3, 10}, {2}, {4, 10}, {5, 10}}},
        .compute = {.model = Model::Systole,
                    // Qmax1 beside "Qmax1 = " (Edit3), Qmax3 (Edit4), Qmax2 (Edit5).
                    .curves = {{{2, 1, 3, colours::blue, "Series1"},
                                {2, 1, 4, colours::red, "Series2"},
                                {2, 1, 5, colours::green, "Series3"}}},
                    .addOrder = AddOrder::AfterEachCurve},
    };
    return spec;
}
