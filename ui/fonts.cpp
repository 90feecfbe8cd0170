#include "ui/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSet>
#include <QStringList>
#include <chrono>
#include <memory>

#include "assets/builtin_fonts.h"

// Qt asks fontconfig for the desktop's fonts. With the desktop's configuration as it stands,
// Qt lists every installed font before the first text is measured, and for every family and
// style it loads it sorts them all, under the desktop's hundreds of rules for choosing
// families, to find fallbacks: on a desktop with many fonts that took longer than making all
// the windows. The program names its families itself, so Qt is given a configuration of its
// own: the desktop's main file and its rendering files (antialiasing, hinting, LCD filter, the
// user's and the machine's own files), but only the fonts the program draws with. Every text
// is drawn exactly as with the desktop's whole configuration.

namespace ui {

namespace {

// The substitutions fall back to it, and it draws any character that the mapped fonts lack.
constexpr const char* kFallbackFamily = "DejaVu Sans";

const FcChar8* fcText(const QByteArray& text) {
    return reinterpret_cast<const FcChar8*>(text.constData());
}

QString qtText(const FcChar8* text) {
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

QByteArray xmlText(const QString& text) { return text.toHtmlEscaped().toUtf8(); }

// Where fontconfig finds one of its configuration files (null: the main file).
QString configPath(FcConfig* config, const char* name) {
    FcChar8* const path = FcConfigGetFilename(config, reinterpret_cast<const FcChar8*>(name));
    const QString result = path ? qtText(path) : QString();
    FcStrFree(path);
    return result;
}

QSet<QString> familiesIn(const FcFontSet* set) {
    QSet<QString> families;
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8* family = nullptr;
        for (int k = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, k, &family) == FcResultMatch;
             ++k)
            families.insert(qtText(family));
    }
    return families;
}

// The families a configuration's rules put in place of a name, best first.
QStringList familiesNamedFor(FcConfig* config, const QString& name) {
    FcPattern* const pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, fcText(name.toUtf8()));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    QStringList families;
    FcChar8* family = nullptr;
    for (int k = 0; FcPatternGetString(pattern, FC_FAMILY, k, &family) == FcResultMatch; ++k)
        families << qtText(family);
    FcPatternDestroy(pattern);
    return families;
}

// The family whose font a configuration gives for a name, as for the desktop's default font.
QString matchedFamily(FcConfig* config, const QString& name) {
    FcPattern* const pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, fcText(name.toUtf8()));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* const match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    QString family;
    FcChar8* value = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &value) == FcResultMatch)
        family = qtText(value);
    if (match) FcPatternDestroy(match);
    return family;
}

QStringList filesOf(FcConfig* config, const QString& family) {
    FcPattern* const pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, fcText(family.toUtf8()));
    FcObjectSet* const objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* const fonts = FcFontList(config, pattern, objects);
    QStringList files;
    FcChar8* file = nullptr;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
            files << qtText(file);
    }
    if (fonts) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return files;
}

// By fontconfig's numbering of the files in conf.d, 00 to 09 add font folders, 10 to 29 hold
// the rendering settings and their exceptions, 50 and 51 load the user's and the machine's own
// files; the others choose families for names.
bool isDrawingFile(const QString& name) {
    bool numbered = false;
    const int number = name.left(2).toInt(&numbered);
    return numbered && (number < 30 || number == 50 || number == 51);
}

QStringList programFamilies() {
    QStringList families;
    for (const FontMapping& m : fontMappings()) families << QString::fromLatin1(m.replacement);
    families << QString::fromLatin1(kFallbackFamily);
    families.removeDuplicates();
    return families;
}

// The desktop's main file with the conf.d files that say how fonts are drawn in place of the
// whole folder, and only the program's fonts; null where the desktop's files are not laid out
// so, or a font of the table is not installed.
FcConfig* programConfig() {
    FcConfig* const config = FcConfigCreate();
    QFile mainFile(configPath(config, nullptr));
    const QString confd = configPath(config, "conf.d");
    QByteArray xml = mainFile.open(QIODevice::ReadOnly) ? mainFile.readAll() : QByteArray();
    // The element that reads the whole folder: <include ...>conf.d</include>.
    constexpr QByteArrayView kFolderEnd(">conf.d</include>");
    const qsizetype folder = xml.indexOf(kFolderEnd);
    const qsizetype start = folder >= 0 ? xml.lastIndexOf("<include", folder) : -1;
    const QStringList families = programFamilies();
    if (start >= 0) {
        QByteArray includes;
        // Listed without a name filter, which QDir would compile into a regular expression.
        const QStringList files = QDir(confd).entryList(QDir::Files, QDir::Name);
        for (const QString& file : files) {
            if (isDrawingFile(file) && file.endsWith(QLatin1String(".conf")))
                includes +=
                    "<include ignore_missing=\"yes\">" + xmlText(confd + '/' + file) + "</include>";
        }
        includes += "<selectfont><rejectfont><pattern/></rejectfont><acceptfont>";
        for (const QString& family : families) {
            includes += "<pattern><patelt name=\"family\"><string>" + xmlText(family) +
                        "</string></patelt></pattern>";
        }
        includes += "</acceptfont></selectfont>";
        xml.replace(start, folder + kFolderEnd.size() - start, includes);
        if (FcConfigParseAndLoadFromMemory(config, fcText(xml), FcFalse) &&
            FcConfigBuildFonts(config) &&
            familiesIn(FcConfigGetFonts(config, FcSetSystem))
                .contains(QSet<QString>(families.begin(), families.end())))
            return config;
    }
    FcConfigDestroy(config);
    return nullptr;
}

bool& programFontsOnly() {
    static bool only = false;
    return only;
}

bool& desktopDefaultAdded() {
    static bool added = false;
    return added;
}

// The name the desktop gives its default font ("Sans Serif"), as Qt first reports it.
QString& desktopDefaultName() {
    static QString name;
    return name;
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
    static const bool chosen = [] {
        if (FcConfig* const config = programConfig()) {
            FcConfigSetCurrent(config);
            FcConfigDestroy(config);  // the current configuration holds its own reference
            programFontsOnly() = true;
            // The program's configuration has none of the desktop's rules for its generic names,
            // so any of the program's fonts could stand for the default font until the desktop's
            // family for it is known: the fallback family does. (A label that shows a link lays
            // out its text once in the default font before its own font is set.)
            desktopDefaultName() = QGuiApplication::font().family();
            QFont font = QGuiApplication::font();
            font.setFamily(QString::fromLatin1(kFallbackFamily));
            QGuiApplication::setFont(font);
        }
        // Without them, the installed fonts draw the same texts.
        if (!assets::addBuiltInFonts()) qWarning("The program's built-in fonts are missing");
        return true;
    }();
    Q_UNUSED(chosen);
    for (const FontMapping& m : fontMappings()) {
        QStringList families{QString::fromLatin1(m.replacement),
                             QString::fromLatin1(kFallbackFamily)};
        if (m.builtIn) families.prepend(QString::fromLatin1(m.builtIn));
        QFont::insertSubstitutions(QString::fromLatin1(m.designed), families);
    }
}

DesktopFontConfiguration::DesktopFontConfiguration() {
    // Not wanted where Qt has the desktop's whole configuration already, or once the default
    // family is added.
    if (!programFontsOnly() || desktopDefaultAdded()) return;
    // Read at once on a thread of its own where one can be started, else when taken. Fontconfig
    // may be used from several threads; this configuration is nobody else's.
    reading_ = std::async(std::launch::async | std::launch::deferred,
                          [] { return FcInitLoadConfigAndFonts(); });
}

DesktopFontConfiguration::~DesktopFontConfiguration() {
    if (reading_.valid() &&
        reading_.wait_for(std::chrono::seconds(0)) != std::future_status::deferred) {
        if (FcConfig* const config = take()) FcConfigDestroy(config);
    }
}

FcConfig* DesktopFontConfiguration::take() { return reading_.valid() ? reading_.get() : nullptr; }

void addDesktopDefaultFont() {
    if (desktopDefaultAdded() || !programFontsOnly()) return;
    DesktopFontConfiguration desktop;
    addDesktopDefaultFont(desktop);
}

void addDesktopDefaultFont(DesktopFontConfiguration& configuration) {
    // Only the desktop's whole configuration and font set tell which family it gives its
    // default font. It is let go as soon as that is known.
    const std::unique_ptr<FcConfig, void (*)(FcConfig*)> owned(configuration.take(),
                                                               &FcConfigDestroy);
    FcConfig* const desktop = owned.get();
    if (!desktop || desktopDefaultAdded() || !programFontsOnly()) return;
    desktopDefaultAdded() = true;
    const QString name = desktopDefaultName();
    const QString family = matchedFamily(desktop, name);
    FcConfig* const program = FcConfigGetCurrent();
    if (!family.isEmpty()) {
        QByteArray aliases = "<?xml version=\"1.0\"?><fontconfig>";
        for (const QString& named : familiesNamedFor(program, name)) {
            aliases += "<alias binding=\"same\"><family>" + xmlText(named) +
                       "</family><prefer><family>" + xmlText(family) + "</family></prefer></alias>";
        }
        aliases += "</fontconfig>";
        FcConfigParseAndLoadFromMemory(program, fcText(aliases), FcFalse);
        if (!familiesIn(FcConfigGetFonts(program, FcSetSystem)).contains(family)) {
            for (const QString& file : filesOf(desktop, family))
                QFontDatabase::addApplicationFont(file);
        }
        // Named outright as well: a window made before this may have had Qt look up the
        // default name already (a link label lays out its text), and Qt keeps what it found.
        QFont font = QGuiApplication::font();
        font.setFamily(family);
        QGuiApplication::setFont(font);
    }
}

void installFontSubstitutes() {
    installProgramFonts();
    addDesktopDefaultFont();
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
