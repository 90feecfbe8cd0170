#include "app/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "assets/pictures.h"
#include "ui/desktop_setup.h"

namespace app {

namespace {

// The English catalogue, built into the program.
bool loadEnglish(QTranslator& translator) {
    return translator.load(QStringLiteral(":/translations/hemodynamics_en.qm"));
}

}  // namespace

std::optional<Language> languageNamed(std::string_view code) {
    if (code == "ru") return Language::Russian;
    if (code == "en") return Language::English;
    return std::nullopt;
}

Language chooseLanguage(const QStringList& uiLanguages, std::string_view option) {
    if (const auto named = languageNamed(option)) return *named;
    for (const QString& name : uiLanguages) {
        // "en-GB", "en_US", "ru-RU", "C": the language is what comes before the region.
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::Russian) return Language::Russian;
        if (language == QLocale::English && name != QLatin1String("C")) return Language::English;
    }
    return Language::Russian;
}

bool useLanguage(Language language) {
    assets::useEnglishPictures(language == Language::English);
    if (language == Language::Russian) {
        ui::installQtTranslation(QLocale(QLocale::Russian));
        return true;
    }
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!loadEnglish(*translator)) return false;
    QCoreApplication::installTranslator(translator.release());  // owned by the application
    return true;
}

std::unique_ptr<QTranslator> catalogueBeforeStart(std::string_view option) {
    if (chooseLanguage(QLocale::system().uiLanguages(), option) != Language::English) return {};
    auto catalogue = std::make_unique<QTranslator>();
    if (!loadEnglish(*catalogue)) return {};
    return catalogue;
}

QString textIn(const QTranslator* catalogue, const char* context, const char* text) {
    const QString translated = catalogue ? catalogue->translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

}  // namespace app
