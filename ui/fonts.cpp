#include "ui/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QByteArray>
#include <QFileInfo>
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

QStringList stringsOf(FcStrList* list) {
    QStringList strings;
    while (FcChar8* const s = FcStrListNext(list))
        strings << QString::fromUtf8(reinterpret_cast<const char*>(s));
    FcStrListDone(list);
    return strings;
}

QByteArray xmlText(const QString& text) { return text.toHtmlEscaped().toUtf8(); }

// The desktop's files that say how fonts are drawn. By fontconfig's numbering, files 10 to 29
// hold the rendering settings (antialiasing, hinting, LCD filter and their exceptions), and 50
// and 51 load the user's and the machine's own files; the others choose families for names,
// which the program does itself.
bool isRenderingFile(const QString& path) {
    bool numbered = false;
    const int number = QFileInfo(path).fileName().left(2).toInt(&numbered);
    return numbered && ((number >= 10 && number < 30) || number == 50 || number == 51);
}

// The configuration Qt is given: the desktop's font folders and rendering files, only the
// program's fonts and the family of the desktop's default font, under the name the desktop
// gives it.
FcConfig* programConfig(FcConfig* desktop, const QStringList& fontDirs, const QStringList& families,
                        const QString& defaultName, const QString& defaultFamily) {
    QByteArray xml = "<?xml version=\"1.0\"?><fontconfig>";
    for (const QString& dir : fontDirs) xml += "<dir>" + xmlText(dir) + "</dir>";
    for (const QString& dir : stringsOf(FcConfigGetCacheDirs(desktop)))
        xml += "<cachedir>" + xmlText(dir) + "</cachedir>";
    for (const QString& file : stringsOf(FcConfigGetConfigFiles(desktop))) {
        if (isRenderingFile(file))
            xml += "<include ignore_missing=\"yes\">" + xmlText(file) + "</include>";
    }
    if (defaultName != defaultFamily) {
        xml += "<alias binding=\"same\"><family>" + xmlText(defaultName) +
               "</family><prefer><family>" + xmlText(defaultFamily) + "</family></prefer></alias>";
    }
    xml += "<selectfont><rejectfont><pattern/></rejectfont><acceptfont>";
    for (const QString& family : families) {
        xml += "<pattern><patelt name=\"family\"><string>" + xmlText(family) +
               "</string></patelt></pattern>";
    }
    xml += "</acceptfont></selectfont></fontconfig>";
    FcConfig* const config = FcConfigCreate();
    if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(xml.constData()),
                                       FcFalse) &&
        FcConfigBuildFonts(config) &&
        familiesIn(FcConfigGetFonts(config, FcSetSystem))
            .contains(QSet(families.begin(), families.end())))
        return config;
    FcConfigDestroy(config);
    return nullptr;
}

// Qt lists every font of the desktop before the first text is measured, and for every family
// and style it loads it sorts them all, under every rule of the desktop, to find fallbacks: on
// a desktop with hundreds of fonts that took longer than making the windows. So Qt is given a
// configuration with only the fonts the program draws with (those of the table, the fallback
// and the desktop's default font, which boxes use) and only the desktop's rules for drawing
// them, so that every text looks exactly as before. Where a font of the table is not
// installed, Qt gets the desktop's whole configuration.
void useOnlyProgramFonts() {
    FcConfig* const desktop = FcInitLoadConfig();
    if (!desktop) return;
    // The folders named in the configuration; once the fonts are read, their subfolders too.
    const QStringList fontDirs = stringsOf(FcConfigGetFontDirs(desktop));
    if (!FcConfigBuildFonts(desktop)) {
        FcConfigDestroy(desktop);
        return;
    }
    const QString defaultName = QGuiApplication::font().family();
    const QString defaultFamily = matchedFamily(desktop, defaultName);
    QStringList families;
    for (const FontMapping& m : fontMappings()) families << QString::fromLatin1(m.replacement);
    families << QString::fromLatin1(kFallbackFamily) << defaultFamily;
    families.removeDuplicates();  // a family not found (empty) keeps the whole set below
    const QSet<QString> installed = familiesIn(FcConfigGetFonts(desktop, FcSetSystem));
    FcConfig* program = nullptr;
    if (std::all_of(families.begin(), families.end(),
                    [&installed](const QString& family) { return installed.contains(family); }))
        program = programConfig(desktop, fontDirs, families, defaultName, defaultFamily);
    FcConfigSetCurrent(program ? program : desktop);
    // The current configuration holds its own reference.
    if (program) FcConfigDestroy(program);
    FcConfigDestroy(desktop);
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
