#include "ui/fonts.h"

namespace ui {

const std::vector<FontMapping>& fontMappings() {
    // Liberation fonts are metric-compatible with Arial and Times New Roman, so captions keep
    // their designed widths. MS Sans Serif is an Arial-like sans with narrower letters: drawn
    // 7 % narrower, its prompts end left of the fields beside them as designed. Segoe Print is
    // an informal hand, drawn with Andika; Segoe Script with the chancery script Z003. All
    // cover Cyrillic.
    static const std::vector<FontMapping> mappings{
        {"MS Sans Serif", "Liberation Sans", 93},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Segoe Print", "Andika"},
        {"Segoe Script", "Z003"},
    };
    return mappings;
}

void installFontSubstitutes() {
    for (const FontMapping& m : fontMappings()) {
        QFont::insertSubstitutions(
            QString::fromLatin1(m.designed),
            {QString::fromLatin1(m.replacement), QStringLiteral("DejaVu Sans")});
    }
}

QFont makeFont(const FontSpec& spec) {
    QFont font(QString::fromLatin1(spec.family));
    font.setPixelSize(spec.px);
    // Always set, so that a control never inherits the width of its window's font.
    int stretch = QFont::Unstretched;
    for (const FontMapping& m : fontMappings()) {
        if (qstrcmp(m.designed, spec.family) == 0) stretch = m.stretch;
    }
    font.setStretch(stretch);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    return font;
}

}  // namespace ui
