// Cardiac cycle, elasticity C: two heart beats for C1 (Edit5), C2 (Edit3), C3 (Edit4).

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"

using namespace investigations;

const InvestigationSpec& TForm16::table() {
    using rows::button, rows::chart, rows::edit, rows::label;
    static const ui::FontSpec heading{"MS Sans Serif", 19, true};
    static const ui::FontSpec body{"MS Sans Serif", 16, true};
    static const InvestigationSpec spec{
        .form = {.name = "Form16",
                 .caption = rows::kCaption,
                 .position = {170, 84},
                 .size = {1073, 548},
                 .windowFont = {"MS Sans Serif", 11}},
        .controls =
            {
                label("Label1", 224, 8,
                      "Исследование зависимости давления в аорте от эластичности стенок \n         "
                      "   "
                      "     крупных сосудов в течение сердечного цикла",
                      heading),
                label("Label2", 16, 72,
                      "Задайте значение периферического\n             сопротивления", body),
                label("Label3", 16, 136,
                      "Задайте значение объемной скорости\n     поступления крови в аорту", body),
                label(
                    "Label4", 24, 240,
                    "Задайте несколько значений эластичности \n             стенок крупных сосудов",
                    body),
                label("Label5", 152, 304, "C1 =", body),
                label("Label6", 152, 336, "C2 =", body),
                label("Label7", 152, 368, "C3 =", body),
                edit(1, 368, 72, 49, 28, 2, body),
                edit(2, 368, 144, 49, 28, 3, body),
                edit(3, 200, 336, 41, 28, 4, body),
                edit(4, 200, 368, 41, 28, 5, body),
                edit(5, 200, 304, 41, 28, 6, body),
                button(136, 432, 185, 41, 0, body),
                chart(560, 64, 505, 465),
            },
        .keyFilter = true,
        .chart = {.title = {"График"},
                  .bottomAxisTitle = "время (с)",
                  .leftAxisTitle = "давление (мм.рт.ст)",
                  .bottomAxis = FixedAxisRange{0, 1.6, 0.1}},
        .series = {{"Series3", "С1", colours::blue},
                   {"Series1", "С2", colours::red},
                   {"Series2", "С3", colours::green},
                   {"Series7", " ", colours::white},
                   {"Series5", " ", colours::white},
                   {"Series6", " ", colours::white},
                   {"Series4", " ", colours::white},
                   {"Series8", " ", colours::white},
                   {"Series9", " ", colours::white},
                   {"Series10", " ", colours::white},
                   {"Series11", " ", colours::white},
                   {"Series12", " ", colours::white},
                   {"Series13", " ", colours::white},
                   {"Series14", " ", colours::white}},
        .clearedSeries = {"Series1", "Series2", "Series3", "Series4", "Series5", "Series6",
                          "Series7", "Series8", "Series9", "Series10", "Series11", "Series12",
                          "Series13", "Series14"},
        .anchors = AnchorSpec{"Series7", "Series8", 1.0},
        .readOrder = {{{1}, {2, 10}, {3}, {4}, {5}}},
        .compute = {.model = Model::CardiacCycle,
                    // Curve 1 is C2 (Edit3), curve 2 is C3 (Edit4), curve 3 is C1 (Edit5).
                    .curves = {{{1, 3, 2, colours::red},
                                {1, 4, 2, colours::green},
                                {1, 5, 2, colours::blue}}},
                    .timing = &model::kForm16Timing,
                    .pieceSeries = {{{"Series1", "Series2", "Series3"},
                                     {"Series4", "Series5", "Series6"},
                                     {"Series9", "Series10", "Series11"},
                                     {"Series12", "Series13", "Series14"}}}},
    };
    return spec;
}
