// Systole, resistance X: the pressure during the ejection for three resistances X1, X2, X3 at
// one elasticity C and one peak inflow, drawn in 3-D.

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"
#include "ui/fonts.h"

using namespace investigations;

const InvestigationSpec& TForm26::table() {
    using rows::button, rows::chart, rows::field, rows::inflowField, rows::label, rows::kCaption,
        rows::kPressure, rows::kTime;
    using namespace parameters;
    static const ui::FontSpec heading{"MS Sans Serif", 19, true};
    static const ui::FontSpec body{"MS Sans Serif", 16, true};
    static const QFont axisTitleFont = ui::makeFont({"Arial", 16});
    static const InvestigationSpec spec{
        .form = {.name = "Form26",
                 .caption = kCaption,
                 .position = {159, 69},
                 .size = {1083, 568},
                 .windowFont = {"MS Sans Serif", 11}},
        .prompts =
            {
                label("Label1", 288, 16,
                      QT_TRANSLATE_NOOP("Form26",
                                        "Исследование зависимости давления в аорте от\n  "
                                        "периферического сопротивления "
                                        "в систолу"),
                      heading),
                label("Label2", 24, 88,
                      QT_TRANSLATE_NOOP(
                          "Form26",
                          "Задайте значение эластичности стенок\n              крупных сосудов"),
                      body),
                label("Label3", 24, 152,
                      QT_TRANSLATE_NOOP(
                          "Form26",
                          "Задайте значение объемной скорости\n     поступления крови в аорту"),
                      body),
                label(
                    "Label4", 72, 224,
                    QT_TRANSLATE_NOOP(
                        "Form26", "   Задайте несколько значений \nпериферического сопротивления:"),
                    body),
                label("Label5", 136, 296, "x1 =", body),
                label("Label6", 136, 328, "x2 =", body),
                label("Label7", 136, 360, "x3 =", body),
            },
        // In the order a build reads them.
        .fields = {{
            field("Edit1", C, {400, 96, 49, 28}, 2),
            inflowField("Edit2", Qmax, {400, 152, 49, 28}, 3),
            field("Edit3", X1, {176, 296, 41, 28}, 4),
            field("Edit4", X2, {176, 328, 41, 28}, 5),
            field("Edit5", X3, {176, 360, 41, 28}, 6),
        }},
        .fieldFont = body,
        .keyFilter = true,
        .button = button(128, 424, 193, 41, 0, body),
        .chartControl = chart(504, 72, 553, 481),
        // The three points of a time point are added after all three are computed.
        .model = SystolicEjection{model::HandOut::EachTimePoint},
        .curves = {{
            {X1, colours::green, {"Series1"}},
            {X2, colours::red, {"Series2"}},
            {X3, colours::blue, {"Series3"}},
        }},
        .chart = {.title = {QT_TRANSLATE_NOOP("Form26", "График")},
                  .view3D = true,
                  .leftWallColor = colours::teal,
                  .bottomAxis = {.title = kTime, .titleFont = axisTitleFont},
                  .leftAxis = {.title = kPressure, .titleFont = axisTitleFont}},
        // The anchor series draw no line; the X1 ribbon is drawn without darker sides.
        .series = {{"Series4", " ", colours::white, false},
                   {"Series1", "x1", colours::green, true, false},
                   {"Series2", "x2", colours::red},
                   {"Series3", "x3", colours::blue},
                   {"Series5", " ", colours::white, false}},
        .anchors = AnchorSpec{"Series4", "Series5", 0.26},
    };
    return spec;
}
