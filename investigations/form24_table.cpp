// Diastole, elasticity C: the decay of the pressure for three elasticities C1, C2, C3 at one
// resistance X and one systolic pressure P0.

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"
#include "ui/fonts.h"

using namespace investigations;

const InvestigationSpec& TForm24::table() {
    using rows::button, rows::chart, rows::field, rows::inflowField, rows::label, rows::kCaption,
        rows::kPressure, rows::kTime;
    using namespace parameters;
    static const ui::FontSpec heading{"MS Sans Serif", 19, true};
    static const ui::FontSpec body{"MS Sans Serif", 16, true};
    static const QFont axisTitleFont = ui::makeFont({"Arial", 16});
    static const InvestigationSpec spec{
        .form = {.name = "Form24",
                 .caption = kCaption,
                 .position = {196, 84},
                 .size = {1100, 594},
                 .sizeIs = ui::SizeIs::Outer,
                 .resizable = true,
                 .windowFont = {"MS Sans Serif", 11}},
        .prompts =
            {
                label("Label1", 272, 8,
                      QT_TRANSLATE_NOOP(
                          "Form24",
                          "     Исследование зависимости давления в аорте \nот эластичности "
                          "стенок крупных сосудов в диастолу"),
                      heading),
                label("Label2", 16, 80,
                      QT_TRANSLATE_NOOP(
                          "Form24",
                          "Задайте значение периферического\n                сопротивления"),
                      body),
                label("Label3", 16, 144,
                      QT_TRANSLATE_NOOP("Form24", "Задайте значение систолического давления"),
                      body),
                label("Label4", 16, 208,
                      QT_TRANSLATE_NOOP(
                          "Form24",
                          "Задайте несколько значений эластичности стенок\n                       "
                          "     крупных сосудов"),
                      body),
                label("Label5", 112, 280, QT_TRANSLATE_NOOP("Form24", "С1 ="), body),
                label("Label6", 112, 312, QT_TRANSLATE_NOOP("Form24", "С2 ="), body),
                label("Label7", 112, 344, QT_TRANSLATE_NOOP("Form24", "С3 ="), body),
            },
        // In the order a build reads them.
        .fields = {{
            field("Edit1", X, {440, 80, 49, 28}, 2),
            field("Edit2", P0, {440, 144, 49, 28}, 3),
            field("Edit3", C1, {160, 280, 49, 28}, 4),
            field("Edit4", C2, {160, 312, 49, 28}, 5),
            field("Edit5", C3, {160, 344, 49, 28}, 6),
        }},
        .fieldFont = body,
        .keyFilter = true,
        .button = button(160, 448, 169, 41, 0, body),
        .chartControl = chart(520, 72, 545, 465),
        .model = DiastolicDecay{},
        .curves = {{
            {C1, colours::blue, {"Series1"}},
            {C2, colours::green, {"Series2"}},
            {C3, colours::red, {"Series3"}},
        }},
        .chart = {.title = {QT_TRANSLATE_NOOP("Form24", "график")},
                  .bottomAxis = {.title = kTime, .titleFont = axisTitleFont},
                  .leftAxis = {.title = kPressure, .titleFont = axisTitleFont}},
        .series = {{"Series4", " ", colours::white},
                   {"Series1", "C1", colours::blue},
                   {"Series2", "C2", colours::green},
                   {"Series3", "C3", colours::red},
                   {"Series5", " ", colours::white}},
        .anchors = AnchorSpec{"Series4", "Series5", 0.62},
    };
    return spec;
}
