#include "ui/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QSet>
#include <QStringList>
#include <algorithm>

namespace ui {

namespace {

// The substitutions fall back to it, and it draws any character that the mapped fonts lack.
constexpr const char* kFallbackFamily = "DejaVu Sans";

// The family that fontconfig gives for a font the desktop names, such as its default font.
QString matchedFamily(FcConfig* config, const QString& family) {
    FcPattern* const pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* const match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    QString matched;
    FcChar8* name = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
        matched = QString::fromUtf8(reinterpret_cast<const char*>(name));
    if (match) FcPatternDestroy(match);
    return matched;
}

QSet<QString> familiesIn(const FcFontSet* set) {
    QSet<QString> families;
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8* family = nullptr;
        for (int k = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, k, &family) == FcResultMatch;
             ++k)
            families.insert(QString::fromUtf8(reinterpret_cast<const char*>(family)));
    }
    return families;
}

// Qt lists every font of the desktop before the first text is measured, and for every family
// and style it loads it sorts them all to find fallbacks: on a desktop with hundreds of fonts
// that took longer than making the windows. So Qt is shown only the fonts the program draws
// with: those of the table, the fallback and the family of the desktop's default font (boxes and
// fields use it), under the desktop's own configuration (rendering settings, aliases, the user's
// file), so that every text looks exactly as before. Where one of them is not installed, the
// desktop's whole set is kept.
void useOnlyProgramFonts() {
    FcConfig* const config = FcInitLoadConfigAndFonts();
    if (!config) return;
    QStringList families;
    for (const FontMapping& m : fontMappings()) families << QString::fromLatin1(m.replacement);
    families << QString::fromLatin1(kFallbackFamily)
             << matchedFamily(config, QGuiApplication::font().family());
    families.removeDuplicates();
    families.removeAll(QString());
    const QSet<QString> installed = familiesIn(FcConfigGetFonts(config, FcSetSystem));
    if (std::all_of(families.begin(), families.end(),
                    [&installed](const QString& family) { return installed.contains(family); })) {
        QByteArray xml =
            "<?xml version=\"1.0\"?><fontconfig><selectfont>"
            "<rejectfont><pattern/></rejectfont><acceptfont>";
        for (const QString& family : families) {
            xml += "<pattern><patelt name=\"family\"><string>" + family.toHtmlEscaped().toUtf8() +
                   "</string></patelt></pattern>";
        }
        xml += "</acceptfont></selectfont></fontconfig>";
        // Builds the set again, this time only with the accepted fonts.
        if (!FcConfigParseAndLoadFromMemory(
                config, reinterpret_cast<const FcChar8*>(xml.constData()), FcFalse) ||
            !FcConfigBuildFonts(config)) {
            FcConfigDestroy(config);
            return;
        }
    }
    FcConfigSetCurrent(config);
    FcConfigDestroy(config);  // the current configuration holds its own reference
}

}  // namespace

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
    static const bool fontSetChosen = (useOnlyProgramFonts(), true);
    Q_UNUSED(fontSetChosen);
    for (const FontMapping& m : fontMappings()) {
        QFont::insertSubstitutions(
            QString::fromLatin1(m.designed),
            {QString::fromLatin1(m.replacement), QString::fromLatin1(kFallbackFamily)});
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
