#pragma once
// The language of the program's texts: Russian, the program's own, as the windows were designed,
// or English. Chosen once at start-up; the regional number settings (the decimal separator) are
// not the language and stay as the desktop has them.

#include <QStringList>
#include <memory>
#include <optional>
#include <string_view>

class QTranslator;

namespace app {

enum class Language { Russian, English };

// The language a code of --language names ("ru", "en"), if the program has it.
std::optional<Language> languageNamed(std::string_view code);

// The first of the user's interface languages (QLocale::uiLanguages(): LANGUAGE, LC_MESSAGES,
// LANG) that the program has, Russian when it has none of them; a valid --language code
// overrides them.
Language chooseLanguage(const QStringList& uiLanguages, std::string_view option = {});

// Installs the program's catalogue for the language (none for Russian) and Qt's own for its
// dialogs; gives whether the program's catalogue could be read.
bool useLanguage(Language language);

// For the texts written before Qt is set up (the command line's answers, the line about a missing
// display): the program's catalogue when its windows would be in English, else none.
std::unique_ptr<QTranslator> catalogueBeforeStart(std::string_view option);

// A text in the catalogue's language, or as declared (Russian) without one.
QString textIn(const QTranslator* catalogue, const char* context, const char* text);

}  // namespace app
