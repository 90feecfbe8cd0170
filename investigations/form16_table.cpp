// Cardiac cycle, elasticity C: the pressure over two heart beats for three elasticities C1, C2,
// C3 at one resistance X and one peak inflow. The rows "C1 =", "C2 =", "C3 =" hold Edit5,
// Edit3, Edit4.

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"

using namespace investigations;

const InvestigationSpec& TForm16::table() {
    using rows::button, rows::chart, rows::field, rows::inflowField, rows::label, rows::kCaption,
        rows::kPressure, rows::kTime;
    using namespace parameters;
    static const ui::FontSpec heading{"MS Sans Serif", 19, true};
    static const ui::FontSpec body{"MS Sans Serif", 16, true};
    static const InvestigationSpec spec{
        .form = {.name = "Form16",
                 .caption = kCaption,
                 .position = {170, 84},
                 .size = {1073, 548},
                 .windowFont = {"MS Sans Serif", 11}},
        .prompts =
            {
                label("Label1", 224, 8,
                      QT_TRANSLATE_NOOP("Form16",
                                        "Исследование зависимости давления в аорте от эластичности "
                                        "стенок \n         "
                                        "        крупных сосудов в течение сердечного цикла"),
                      heading),
                label("Label2", 16, 72,
                      QT_TRANSLATE_NOOP(
                          "Form16", "Задайте значение периферического\n             сопротивления"),
                      body),
                label("Label3", 16, 136,
                      QT_TRANSLATE_NOOP(
                          "Form16",
                          "Задайте значение объемной скорости\n     поступления крови в аорту"),
                      body),
                label("Label4", 24, 240,
                      QT_TRANSLATE_NOOP("Form16",
                                        "Задайте несколько значений эластичности \n             "
                                        "стенок крупных сосудов"),
                      body),
                label("Label5", 152, 304, "C1 =", body),
                label("Label6", 152, 336, "C2 =", body),
                label("Label7", 152, 368, "C3 =", body),
            },
        // In the order a build reads them.
        .fields = {{
            field("Edit1", X, {368, 72, 49, 28}, 2),
            inflowField("Edit2", Qmax, {368, 144, 49, 28}, 3),
            field("Edit3", C2, {200, 336, 41, 28}, 4),
            field("Edit4", C3, {200, 368, 41, 28}, 5),
            field("Edit5", C1, {200, 304, 41, 28}, 6),
        }},
        .fieldFont = body,
        .keyFilter = true,
        .button = button(136, 432, 185, 41, 0, body),
        .chartControl = chart(560, 64, 505, 465),
        .model = CardiacCycle{&model::kForm16Timing},
        // Each curve is drawn by four series: the first systole, the first diastole, the second
        // systole and the second diastole.
        .curves = {{
            {C2, colours::red, {"Series1", "Series4", "Series9", "Series12"}},
            {C3, colours::green, {"Series2", "Series5", "Series10", "Series13"}},
            {C1, colours::blue, {"Series3", "Series6", "Series11", "Series14"}},
        }},
        .chart = {.title = {QT_TRANSLATE_NOOP("Form16", "График")},
                  .bottomAxis = {.title = kTime,
                                 .automatic = false,
                                 .minimum = 0,
                                 .maximum = 1.6,
                                 .increment = 0.1},
                  .leftAxis = {.title = kPressure}},
        .series = {{"Series3", QT_TRANSLATE_NOOP("Form16", "С1"), colours::blue},
                   {"Series1", QT_TRANSLATE_NOOP("Form16", "С2"), colours::red},
                   {"Series2", QT_TRANSLATE_NOOP("Form16", "С3"), colours::green},
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
        // Unlike the other windows, a build starts by emptying every series, anchors included.
        .anchors = AnchorSpec{"Series7", "Series8", 1.0, true},
    };
    return spec;
}
