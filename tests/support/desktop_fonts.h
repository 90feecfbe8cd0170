#pragma once
// The desktop's own font configuration, as fontconfig loads it for any program, to compare the
// program's fonts with.

#include <fontconfig/fontconfig.h>

#include <QSet>
#include <QString>

namespace testing_support {

struct DesktopFonts {
    FcConfig* config = FcInitLoadConfigAndFonts();
    DesktopFonts() = default;
    DesktopFonts(const DesktopFonts&) = delete;
    DesktopFonts& operator=(const DesktopFonts&) = delete;
    ~DesktopFonts() { FcConfigDestroy(config); }

    // How many families the desktop's fonts have.
    qsizetype familyCount() const {
        FcPattern* const pattern = FcPatternCreate();
        FcObjectSet* const objects = FcObjectSetBuild(FC_FAMILY, nullptr);
        FcFontSet* const fonts = FcFontList(config, pattern, objects);
        QSet<QString> families;
        FcChar8* family = nullptr;
        for (int i = 0; fonts && i < fonts->nfont; ++i) {
            if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch)
                families.insert(QString::fromUtf8(reinterpret_cast<const char*>(family)));
        }
        if (fonts) FcFontSetDestroy(fonts);
        FcObjectSetDestroy(objects);
        FcPatternDestroy(pattern);
        return families.size();
    }

    // The family whose font the desktop gives for a name, as for its default font.
    QString familyFor(const QString& name) const {
        FcPattern* const pattern =
            FcNameParse(reinterpret_cast<const FcChar8*>(name.toUtf8().constData()));
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* const match = FcFontMatch(config, pattern, &result);
        FcChar8* family = nullptr;
        const QString found =
            match && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch
                ? QString::fromUtf8(reinterpret_cast<const char*>(family))
                : QString();
        if (match) FcPatternDestroy(match);
        FcPatternDestroy(pattern);
        return found;
    }
};

}  // namespace testing_support
