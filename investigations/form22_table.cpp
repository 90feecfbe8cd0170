// Cardiac cycle, resistance X: the pressure over two heart beats for three resistances X1, X2,
// X3 at one elasticity C and one peak inflow.

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"

using namespace investigations;

const InvestigationSpec& TForm22::table() {
    using rows::button, rows::chart, rows::field, rows::inflowField, rows::label, rows::kCaption,
        rows::kPressure, rows::kTime;
    using namespace parameters;
    static const ui::FontSpec heading{"MS Sans Serif", 21, true};
    static const ui::FontSpec body{"MS Sans Serif", 21, false};
    static const InvestigationSpec spec{
        .form = {.name = "Form22",
                 .caption = kCaption,
                 .position = {150, 67},
                 .size = {1054, 570},
                 .windowFont = {"MS Sans Serif", 11}},
        .prompts =
            {
                label("Label1", 240, 8,
                      QT_TRANSLATE_NOOP(
                          "Form22",
                          "Исследование зависимости давления в аорте от периферического\n         "
                          "    сопротивления на протяжении сердечного цикла"),
                      heading),
                label("Label3", 48, 80,
                      QT_TRANSLATE_NOOP(
                          "Form22", "Задайте значение эластичности\n      стенок крупных сосудов"),
                      body),
                label("Label2", 32, 152,
                      QT_TRANSLATE_NOOP(
                          "Form22",
                          "Задайте значение объемной скорости\n     поступления крови в аорту"),
                      body),
                label(
                    "Label4", 64, 216,
                    QT_TRANSLATE_NOOP(
                        "Form22", "    Задайте несколько значений\n периферического сопротивления"),
                    body),
                label("kl", 136, 280, "X1 =", body),
                label("Label6", 136, 320, "X2 =", body),
                label("Label7", 136, 360, "X3 =", body),
            },
        // In the order a build reads them.
        .fields = {{
            field("Edit1", C, {384, 88, 41, 31}, 2),
            inflowField("Edit2", Qmax, {384, 152, 41, 31}, 3),
            field("Edit3", X1, {184, 280, 33, 31}, 4),
            field("Edit4", X2, {184, 320, 33, 31}, 5),
            field("Edit5", X3, {184, 360, 33, 31}, 6),
        }},
        .fieldFont = body,
        .keyFilter = true,
        .button = button(136, 424, 225, 49, 0, body),
        .chartControl = chart(504, 80, 553, 449),
        .model = CardiacCycle{&model::kForm22Timing},
        // Each curve is drawn by four series: the first systole, the first diastole, the second
        // systole and the second diastole.
        .curves = {{
            {X1, colours::red, {"Series1", "Series4", "Series7", "Series10"}},
            {X2, colours::green, {"Series2", "Series5", "Series8", "Series11"}},
            {X3, colours::blue, {"Series3", "Series6", "Series9", "Series12"}},
        }},
        .chart = {.title = {QT_TRANSLATE_NOOP("Form22", "График")},
                  .bottomAxis = {.title = kTime,
                                 .automatic = false,
                                 .minimum = 0,
                                 .maximum = 1.6,
                                 .increment = 0.1},
                  .leftAxis = {.title = kPressure}},
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
        // The time axis is fixed and the pressure axis follows the curves: no anchor points.
        .anchors = std::nullopt,
    };
    return spec;
}
