#include "ui/font_configuration.h"

#include "ui/fonts.h"

#ifdef HEMODYNAMICS_FONTCONFIG

#include <fontconfig/fontconfig.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSet>
#include <chrono>
#include <future>

#include "assets/builtin_fonts.h"

// Qt asks fontconfig for the desktop's fonts. With the desktop's configuration as it stands,
// Qt lists every installed font before the first text is measured, and for every family and
// style it loads it sorts them all, under the desktop's hundreds of rules for choosing
// families, to find fallbacks: on a desktop with many fonts that took longer than making all
// the windows. So start-up gives Qt a configuration of its own: the desktop's main file and
// its drawing files (antialiasing, hinting, LCD filter, the user's and the machine's own
// files), but only the fonts the program draws with; every text is drawn exactly as with the
// desktop's whole configuration. Once start-up is over Qt gets the whole configuration back.

namespace ui {

namespace {

const FcChar8* fcText(const QByteArray& text) {
    return reinterpret_cast<const FcChar8*>(text.constData());
}

QString qtText(const FcChar8* text) {
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

QByteArray xmlText(const QString& text) { return text.toHtmlEscaped().toUtf8(); }

using Config = std::unique_ptr<FcConfig, void (*)(FcConfig*)>;
Config owned(FcConfig* config) { return Config(config, &FcConfigDestroy); }

// Where fontconfig finds one of its configuration files (null: the main file).
QString configPath(FcConfig* config, const char* name) {
    FcChar8* const path = FcConfigGetFilename(config, reinterpret_cast<const FcChar8*>(name));
    const QString result = path ? qtText(path) : QString();
    FcStrFree(path);
    return result;
}

// A font's family names (a face may have several: "DejaVu Sans" and "DejaVu Sans Condensed").
QSet<QString> familiesOf(FcPattern* font) {
    QSet<QString> families;
    FcChar8* family = nullptr;
    for (int k = 0; FcPatternGetString(font, FC_FAMILY, k, &family) == FcResultMatch; ++k)
        families.insert(qtText(family));
    return families;
}

QSet<QString> familiesIn(const FcFontSet* set) {
    QSet<QString> families;
    for (int i = 0; set && i < set->nfont; ++i) families.unite(familiesOf(set->fonts[i]));
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
// the drawing settings and their exceptions, 50 and 51 load the user's and the machine's own
// files; the others choose families for names.
bool isDrawingFile(const QString& name) {
    bool numbered = false;
    const int number = name.left(2).toInt(&numbered);
    return numbered && (number < 30 || number == 50 || number == 51) &&
           name.endsWith(QLatin1String(".conf"));
}

// Whether every font of the set is of one of the families, and every family has a font.
bool holdsExactly(const FcFontSet* set, const QStringList& families) {
    QSet<QString> found;
    for (int i = 0; set && i < set->nfont; ++i) {
        const QSet<QString> names = familiesOf(set->fonts[i]);
        bool ours = false;
        for (const QString& family : families) {
            if (names.contains(family)) {
                found.insert(family);
                ours = true;
            }
        }
        if (!ours) return false;
    }
    return found.size() == families.size();
}

// The desktop's main file with the conf.d files that say how fonts are drawn in place of the
// whole folder, and only the given fonts; null where the desktop's files are not laid out so,
// do not load, or do not give exactly those families.
Config programConfig(const QStringList& families) {
    Config config = owned(FcConfigCreate());
    QFile mainFile(configPath(config.get(), nullptr));
    const QString confd = configPath(config.get(), "conf.d");
    QByteArray xml = mainFile.open(QIODevice::ReadOnly) ? mainFile.readAll() : QByteArray();
    // The element that reads the whole folder: <include ...>conf.d</include>.
    constexpr QByteArrayView kFolderEnd(">conf.d</include>");
    const qsizetype folder = xml.indexOf(kFolderEnd);
    const qsizetype start = folder >= 0 ? xml.lastIndexOf("<include", folder) : -1;
    if (start < 0) return owned(nullptr);
    QByteArray includes;
    for (const QString& file : QDir(confd).entryList(QDir::Files, QDir::Name)) {
        if (isDrawingFile(file))
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
    const bool loaded = FcConfigParseAndLoadFromMemory(config.get(), fcText(xml), FcFalse) &&
                        FcConfigBuildFonts(config.get()) &&
                        holdsExactly(FcConfigGetFonts(config.get(), FcSetSystem), families);
    return loaded ? std::move(config) : owned(nullptr);
}

// What start-up changed, once for the program.
struct State {
    bool programFontsOnly = false;
    QString desktopDefaultName;  // as Qt first reported the default font ("Sans Serif")
    bool defaultAdded = false;
};
State& state() {
    static State s;
    return s;
}

}  // namespace

bool useOnlyFamilies(const QStringList& families) {
    const Config config = programConfig(families);
    if (!config) return false;
    FcConfigSetCurrent(config.get());  // the current configuration holds its own reference
    state().programFontsOnly = true;
    // The program's configuration has none of the desktop's rules for its generic names, so any
    // of its fonts could stand for the default font until the desktop's family for it is known:
    // the first family does. (A link label lays out its text once in the default font before
    // its own font is set.)
    state().desktopDefaultName = QGuiApplication::font().family();
    QFont font = QGuiApplication::font();
    font.setFamily(families.value(0));
    QGuiApplication::setFont(font);
    return true;
}

struct DesktopFonts::Reading {
    std::future<FcConfig*> future;
    Config config = owned(nullptr);

    // A reading under way is waited for and let go; one not started is not started now.
    ~Reading() {
        if (future.valid() &&
            future.wait_for(std::chrono::seconds(0)) != std::future_status::deferred)
            get();
    }
    // The desktop's configuration once read; null if none was started or it gave nothing.
    FcConfig* get() {
        if (future.valid()) config = owned(future.get());
        return config.get();
    }
};

DesktopFonts::DesktopFonts() : reading_(std::make_unique<Reading>()) {}

DesktopFonts::~DesktopFonts() = default;

void DesktopFonts::startReading() {
    if (!state().programFontsOnly || reading_->future.valid() || reading_->config) return;
    // On a thread of its own where one can be started, else when it is wanted. Fontconfig may be
    // used from several threads; this configuration is nobody else's until it is read.
    reading_->future = std::async(std::launch::async | std::launch::deferred,
                                  [] { return FcInitLoadConfigAndFonts(); });
}

void DesktopFonts::addDefaultFamily() {
    State& s = state();
    if (!s.programFontsOnly || s.defaultAdded) return;
    startReading();
    FcConfig* const desktop = reading_->get();
    if (!desktop) return;
    s.defaultAdded = true;
    const QString family = matchedFamily(desktop, s.desktopDefaultName);
    if (family.isEmpty()) return;
    FcConfig* const program = FcConfigGetCurrent();
    QByteArray aliases = "<?xml version=\"1.0\"?><fontconfig>";
    for (const QString& named : familiesNamedFor(program, s.desktopDefaultName)) {
        aliases += "<alias binding=\"same\"><family>" + xmlText(named) +
                   "</family><prefer><family>" + xmlText(family) + "</family></prefer></alias>";
    }
    aliases += "</fontconfig>";
    FcConfigParseAndLoadFromMemory(program, fcText(aliases), FcFalse);
    if (!familiesIn(FcConfigGetFonts(program, FcSetSystem)).contains(family)) {
        for (const QString& file : filesOf(desktop, family))
            QFontDatabase::addApplicationFont(file);
    }
    // Named outright as well: a window made before this may have had Qt look up the default
    // name already (a link label lays out its text), and Qt keeps what it found.
    QFont font = QGuiApplication::font();
    font.setFamily(family);
    QGuiApplication::setFont(font);
}

void DesktopFonts::useAll() {
    State& s = state();
    if (!s.programFontsOnly) return;
    startReading();
    FcConfig* const desktop = reading_->get();
    if (!desktop) return;
    FcConfigSetCurrent(desktop);  // which holds a reference of its own
    s.programFontsOnly = false;
    // Qt lists the fonts anew, from the current configuration, once application fonts are
    // removed; the built-in ones are added again, and the desktop's whole configuration has the
    // family of its default font already. Listed now, not at the next text drawn.
    QFontDatabase::removeAllApplicationFonts();
    assets::addBuiltInFonts();
    QFontDatabase::families();
}

}  // namespace ui

#else  // Qt's own font matching: the desktop's fonts are Qt's already.

namespace ui {

bool useOnlyFamilies(const QStringList&) { return false; }

struct DesktopFonts::Reading {};

DesktopFonts::DesktopFonts() = default;
DesktopFonts::~DesktopFonts() = default;
void DesktopFonts::startReading() {}
void DesktopFonts::addDefaultFamily() {}
void DesktopFonts::useAll() {}

}  // namespace ui

#endif
