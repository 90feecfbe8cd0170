// Diastole, resistance X: the decay of the pressure for three resistances X1, X2, X3 at one
// systolic pressure P0 and one elasticity C. Its fields take any character.

#include "investigations/investigation_windows.h"
#include "investigations/table_rows.h"

using namespace investigations;

const InvestigationSpec& TForm9::table() {
    using rows::button, rows::chart, rows::field, rows::inflowField, rows::label, rows::kCaption,
        rows::kTime;
    using namespace parameters;
    static const ui::FontSpec heading{"MS Sans Serif", 19, true};
    static const ui::FontSpec body{"MS Sans Serif", 16, true};
    static const InvestigationSpec spec{
        .form = {.name = "Form9",
                 .caption = kCaption,
                 .position = {145, 94},
                 .size = {1156, 566},
                 .sizeIs = ui::SizeIs::Outer,
                 .resizable = true,
                 .windowFont = {"MS Sans Serif", 11}},
        .prompts =
            {
                label("Label1", 184, 8,
                      QT_TRANSLATE_NOOP(
                          "Form9",
                          " Исследование зависимости давления в аорте\nот периферического "
                          "сопротивления в диастолу"),
                      heading),
                label("Label2", 24, 120,
                      QT_TRANSLATE_NOOP("Form9", "Задайте значение систолического давления:"),
                      body),
                label("Label3", 24, 160,
                      QT_TRANSLATE_NOOP("Form9",
                                        "Задайте значение эластичности стенок крупных сосудов:"),
                      body),
                label("Label4", 24, 200,
                      QT_TRANSLATE_NOOP(
                          "Form9", "Задайте несколько значений периферического сопротивления:"),
                      body),
                label("Label5", 176, 232, QT_TRANSLATE_NOOP("Form9", "Х1 = "), body),
                label("Label6", 176, 264, QT_TRANSLATE_NOOP("Form9", "Х2 = "), body),
                label("Label7", 176, 296, QT_TRANSLATE_NOOP("Form9", "Х3 = "), body),
            },
        // In the order a build reads them.
        .fields = {{
            field("Edit1", P0, {544, 120, 41, 28}, 1),
            field("Edit2", C, {544, 160, 41, 28}, 2),
            field("Edit3", X1, {224, 232, 41, 28}, 3),
            field("Edit4", X2, {224, 264, 41, 28}, 4),
            field("Edit5", X3, {224, 296, 41, 28}, 5),
        }},
        .fieldFont = body,
        .keyFilter = false,
        .button = button(192, 416, 193, 41, 6, body),
        .chartControl = chart(624, 64, 489, 401),
        .model = DiastolicDecay{},
        // Each legend title stands beside the colour of its curve, not in its curve's own row:
        // the X1 curve is held by the series titled "Х3", the X3 curve by a blank one.
        .curves = {{
            {X1, colours::blue, {"Series1"}, "Series4"},
            {X2, colours::green, {"Series2"}},
            {X3, colours::red, {"Series3"}, "Series1"},
        }},
        .chart = {.title = {""},
                  .bottomAxis = {.title = kTime},
                  .leftAxis = {.title = QT_TRANSLATE_NOOP("Form9", "давление (мм.рт.ст.)")}},
        .series = {{"Series5", " ", colours::white},
                   {"Series4", QT_TRANSLATE_NOOP("Form9", "Х1"), colours::blue},
                   {"Series2", QT_TRANSLATE_NOOP("Form9", "Х2"), colours::green},
                   {"Series1", QT_TRANSLATE_NOOP("Form9", "Х3"), colours::red},
                   {"Series3", " ", colours::yellow}},
        .anchors = AnchorSpec{"Series4", "Series5", 0.62},
    };
    return spec;
}
