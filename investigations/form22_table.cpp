// Cardiac cycle, resistance X: two heart beats for X1, X2, X3 at one elasticity.

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"

using namespace investigations;

const InvestigationSpec& TForm22::table() {
    using rows::button, rows::chart, rows::edit, rows::label;
    static const ui::FontSpec heading{"MS Sans Serif", 21, true};
    static const ui::FontSpec body{"MS Sans Serif", 21, false};
    static const InvestigationSpec spec{
        .form = {.name = "Form22",
                 .caption = rows::kCaption,
                 .position = {150, 67},
                 .size = {1054, 570},
                 .windowFont = {"MS Sans Serif", 11}},
        .controls =
            {
                label("Label1", 240, 8,
                      "Исследование зависимости давления в аорте от периферического\n         "
                      "    сопротивления на протяжении сердечного цикла",
                      heading),
                label("Label3", 48, 80,
                      "Задайте значение эластичности\n      стенок крупных сосудов", body),
                label("Label2", 32, 152,
                      "Задайте значение объемной скорости\n     поступления крови в аорту", body),
                label("Label4", 64, 216,
                      "    Задайте несколько значений\n периферического сопротивления", body),
                label("kl", 136, 280, "X1 =", body),
                label("Label6", 136, 320, "X2 =", body),
                label("Label7", 136, 360, "X3 =", body),
                edit(1, 384, 88, 41, 31, 2, body),
                edit(2, 384, 152, 41, 31, 3, body),
                edit(3, 184, 280, 33, 31, 4, body),
                edit(4, 184, 320, 33, 31, 5, body),
                edit(5, 184, 360, 33, 31, 6, body),
                button(136, 424, 225, 49, 0, body),
                chart(504, 80, 553, 449),
            },
        .keyFilter = true,
        .chart = {.title = {"График"},
                  .bottomAxisTitle = "время (с)",
                  .leftAxisTitle = "давление (мм.рт.ст)",
                  .bottomAxis = FixedAxisRange{0, 1.6, 0.1}},
        .series = {{"Series1", "x1", colours::red},
                   {"Series2", "x2", colours::green},
                   {"Series3", "x3", colours::blue},
                   {"Series4", " ", colours::white},
                   {"Series5", " ", colours::white},
                   {"Series6", " ", colours::white},
                   {"Series7", " ", colours::white},
                   {"Series8", " ", colours::white},
                   {"Series9", " ", colours::white},
                   {"Series10", " ", colours::white},
                   {"Series11", " ", colours::white},
                   {"Series12", " ", colours::white}},
        .clearedSeries = {"Series1", "Series2", "Series3", "Series4", "Series5", "Series6",
                          "Series7", "Series8", "Series9", "Series10", "Series11", "Series12"},
        .anchors = std::nullopt,
        .readOrder = {{{1}, {2, 10}, {3}, {4}, {5}}},
        .compute = {.model = Model::CardiacCycle,
                    .curves = {{{3, 1, 2, colours::red},
                                {4, 1, 2, colours::green},
                                {5, 1, 2, colours::blue}}},
                    .timing = &model::kForm22Timing,
                    .pieceSeries = {{{"Series1", "Series2", "Series3"},
                                     {"Series4", "Series5", "Series6"},
                                     {"Series7", "Series8", "Series9"},
                                     {"Series10", "Series11", "Series12"}}}},
    };
    return spec;
}
