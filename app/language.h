#pragma once
// The language of the program's texts: Russian, the program's own, as the windows were designed,
// or English. Chosen once at start-up; the regional number settings (the decimal separator) are
// not the language and stay as the desktop has them.

#include <QStringList>
#include <optional>
#include <string_view>

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

}  // namespace app
