#include "ui/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include "assets/builtin_fonts.h"
#include "ui/font_configuration.h"
#include "ui/font_width.h"

namespace ui {

namespace {

// The fallback family first: it stands for the default font until the desktop's is known.
QStringList programFamilies() {
    QStringList families{QString::fromLatin1(kFallbackFamily)};
    for (const FontMapping& m : fontMappings()) families << QString::fromLatin1(m.replacement);
    families.removeDuplicates();
    return families;
}

bool desktopFontsAsked() {
    const QByteArray value = qgetenv("HEMODYNAMICS_DESKTOP_FONTS");
    return !value.isEmpty() && value != "0";
}

}  // namespace

const std::vector<FontMapping>& fontMappings() {
    // Liberation fonts are metric-compatible with Arial and Times New Roman, so captions keep
    // their designed widths. MS Sans Serif is an Arial-like sans with narrower letters: drawn
    // 7 % narrower, its prompts end left of the fields beside them as designed. Segoe Print is
    // an informal hand, drawn with Andika (the part built into the program); Segoe Script with the
    // chancery script Z003. All cover Cyrillic.
    static const std::vector<FontMapping> mappings{
        {"MS Sans Serif", "Liberation Sans", 93},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Segoe Print", "Andika", QFont::Unstretched, assets::kHandwritingFamily},
        {"Segoe Script", "Z003"},
    };
    return mappings;
}

void installProgramFonts() {
    static const bool installed = [] {
        if (!desktopFontsAsked()) useOnlyFamilies(programFamilies());
        // Without them, the installed fonts draw the same texts.
        if (!assets::addBuiltInFonts()) qWarning("The program's built-in fonts are missing");
        for (const FontMapping& m : fontMappings()) {
            QStringList families{QString::fromLatin1(m.replacement),
                                 QString::fromLatin1(kFallbackFamily)};
            if (m.builtIn) families.prepend(QString::fromLatin1(m.builtIn));
            QFont::insertSubstitutions(QString::fromLatin1(m.designed), families);
        }
        return true;
    }();
    Q_UNUSED(installed);
}

QFont makeFont(const FontSpec& spec) {
    QFont font(QString::fromLatin1(spec.family));
    font.setPixelSize(spec.px);
    // A designed font the computer lacks is drawn by its replacement, at the replacement's
    // width; where the computer has the font (Windows), it is drawn as designed. Asked once, so
    // that every window made at start-up is measured alike.
    static const QStringList installed = QFontDatabase::families();
    bool replaced = false;
    int stretch = QFont::Unstretched;  // always set: a control never inherits its window's width
    for (const FontMapping& m : fontMappings()) {
        if (qstrcmp(m.designed, spec.family) == 0 &&
            !installed.contains(QString::fromLatin1(m.designed), Qt::CaseInsensitive)) {
            stretch = m.stretch;
            replaced = true;
        }
    }
    font.setStretch(stretch);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    if (replaced) keepDesignedWidth(font);
    return font;
}

}  // namespace ui
