// Systole, peak inflow Qmax: the pressure during the ejection for three peak inflows at one
// elasticity C and one resistance X. The rows "Qmax2 =" and "Qmax3 =" hold Edit5 and Edit4.

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"

using namespace investigations;

const InvestigationSpec& TForm20::table() {
    using rows::button, rows::chart, rows::field, rows::inflowField, rows::label, rows::kCaption;
    using namespace parameters;
    static const ui::FontSpec heading{"MS Sans Serif", 19, true};
    static const ui::FontSpec body{"MS Sans Serif", 16, true};
    static const InvestigationSpec spec{
        .form = {.name = "Form20",
                 .caption = kCaption,
                 .position = {225, 47},
                 .size = {1050, 612},
                 .windowFont = {"MS Sans Serif", 11}},
        .prompts =
            {
                label("Label1", 264, 16,
                      QT_TRANSLATE_NOOP(
                          "Form20",
                          "  Исследование зависимости давления в \n   аорте от значения объемной "
                          "скорости\n    поступления крови в аорту в систолу"),
                      heading),
                label("Label2", 16, 96,
                      QT_TRANSLATE_NOOP(
                          "Form20", "Задайте значение эластичности \n     стенок крупных сосудов"),
                      body),
                label("Label3", 16, 160,
                      QT_TRANSLATE_NOOP(
                          "Form20", "Задайте значение периферического \n           сопротивления"),
                      body),
                label("Label4", 32, 224,
                      QT_TRANSLATE_NOOP(
                          "Form20",
                          "Задайте значения объемной скорости\n     поступления крови в аорту"),
                      body),
                label("Label5", 144, 272, "Qmax1 = ", body),
                label("Label6", 144, 304, "Qmax2 =", body),
                label("Label7", 144, 336, "Qmax3 =", body),
            },
        // In the order a build reads them.
        .fields = {{
            field("Edit1", C, {360, 104, 41, 28}, 2),
            inflowField("Edit3", Qmax1, {224, 272, 33, 28}, 4),
            field("Edit2", X, {360, 168, 41, 28}, 3),
            inflowField("Edit4", Qmax3, {224, 336, 33, 28}, 5),
            inflowField("Edit5", Qmax2, {224, 304, 33, 28}, 6),
        }},
        .fieldFont = body,
        .keyFilter = true,
        .button = button(112, 448, 209, 49, 0, body),
        .chartControl = chart(456, 104, 513, 441),
        // Each point is added as soon as its curve's value is computed.
        .model = SystolicEjection{model::HandOut::EachCurve},
        // The curves are held by series of other titles; each legend title stands beside the
        // colour of its curve.
        .curves = {{
            {Qmax1, colours::blue, {"Series1"}, "Series2"},
            {Qmax3, colours::red, {"Series2"}, "Series1"},
            {Qmax2, colours::green, {"Series3"}},
        }},
        .chart = {.title = {"Chart"},
                  .bottomAxis = {.title = QT_TRANSLATE_NOOP("Form20", "Время (с)")},
                  .leftAxis = {.title = QT_TRANSLATE_NOOP("Form20", "давление  (мм.рт.ст)")}},
        .series = {{"Series4", " ", colours::white, false},
                   {"Series2", "Qmax1", colours::blue},
                   {"Series3", "Qmax2", colours::lime},
                   {"Series1", "Qmax3", colours::red},
                   {"Series5", " ", colours::white, false}},
        .anchors = AnchorSpec{"Series4", "Series5", 0.26},
    };
    return spec;
}
