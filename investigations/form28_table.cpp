// Systole, elasticity C: the pressure during the ejection for three elasticities C1, C2, C3 at
// one peak inflow and one resistance X, drawn in 3-D with an animated zoom.

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"
#include "ui/fonts.h"

using namespace investigations;

const InvestigationSpec& TForm28::table() {
    using rows::button, rows::chart, rows::field, rows::inflowField, rows::label, rows::kCaption,
        rows::kPressure, rows::kTime;
    using namespace parameters;
    static const ui::FontSpec heading{"MS Sans Serif", 19, true};
    static const ui::FontSpec body{"MS Sans Serif", 16, true};
    static const QFont axisTitleFont = ui::makeFont({"Arial", 16});
    static const InvestigationSpec spec{
        .form = {.name = "Form28",
                 .caption = kCaption,
                 .position = {160, 78},
                 .size = {1085, 556},
                 .windowFont = {"MS Sans Serif", 11}},
        .prompts =
            {
                label("Label1", 264, 8,
                      QT_TRANSLATE_NOOP("Form28",
                                        "    Исследование зависимости давления в аорте\nот "
                                        "эластичности стенок крупных "
                                        "сосудов в систолу"),
                      heading),
                label("Label2", 8, 80,
                      QT_TRANSLATE_NOOP(
                          "Form28",
                          "Задайте значение объемной скорости\n     поступления крови в аорту"),
                      body),
                label(
                    "Label3", 8, 136,
                    QT_TRANSLATE_NOOP(
                        "Form28", "Задайте значение периферического\n               сопротивления"),
                    body),
                label("Label4", 48, 192,
                      QT_TRANSLATE_NOOP("Form28",
                                        "Задайте несколько значений эластичности \n             "
                                        "стенок крупных сосудов"),
                      body),
                label("Label5", 152, 248, "c1 =", body),
                label("Label6", 152, 288, "c2 =", body),
                label("Label7", 152, 328, "c3 =", body),
            },
        // In the order a build reads them.
        .fields = {{
            field("Edit3", C1, {192, 248, 49, 28}, 2),
            inflowField("Edit1", Qmax, {368, 80, 57, 28}, 0),
            field("Edit2", X, {368, 136, 57, 28}, 1),
            field("Edit4", C2, {192, 288, 49, 28}, 3),
            field("Edit5", C3, {192, 328, 49, 28}, 4),
        }},
        .fieldFont = body,
        .keyFilter = true,
        .button = button(144, 400, 201, 57, 5, body),
        .chartControl = chart(520, 72, 537, 441),
        // The three points of a time point are added after all three are computed.
        .model = SystolicEjection{model::HandOut::EachTimePoint},
        .curves = {{
            {C1, colours::red, {"Series1"}},
            {C2, colours::green, {"Series2"}},
            {C3, colours::yellow, {"Series3"}},
        }},
        .chart = {.title = {QT_TRANSLATE_NOOP("Form28", "график")},
                  .view3D = true,
                  .background = colours::lightGrey,
                  .bottomAxis = {.title = kTime, .titleFont = axisTitleFont},
                  .leftAxis = {.title = kPressure,
                               .titleFont = axisTitleFont,
                               .gridColor = colours::lightYellow},
                  .animatedZoom = true},
        // The anchor series draw no line.
        .series = {{"Series4", " ", colours::white, false},
                   {"Series1", QT_TRANSLATE_NOOP("Form28", "с1"), colours::red},
                   {"Series2", QT_TRANSLATE_NOOP("Form28", "с2"), colours::green},
                   {"Series3", QT_TRANSLATE_NOOP("Form28", "с3"), colours::yellow},
                   {"Series5", " ", colours::white, false}},
        .anchors = AnchorSpec{"Series4", "Series5", 0.26},
    };
    return spec;
}
