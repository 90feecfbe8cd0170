#pragma once
// The credit texts of the lab work, in one place. The names and the department below are
// placeholders for the school that uses the program to replace with its own.

#include <QtGlobal>

namespace content::credits {

// The statement of who prepared the lab work, one line each; the window centres each line.
inline constexpr const char* kStatement[] = {
    QT_TRANSLATE_NOOP("Form30", "Предлагаемая лабораторная работа подготовлена"),
    QT_TRANSLATE_NOOP("Form30", "на кафедре (название кафедры)"),
    QT_TRANSLATE_NOOP("Form30", "(название медицинского университета)"),
};

inline constexpr const char* kHeadOfDepartment =
    QT_TRANSLATE_NOOP("Form30", "И. И. Иванов");  // initials and surname
inline constexpr const char* kAssistant =
    QT_TRANSLATE_NOOP("Form30", "П. П. Петров");  // initials and surname
inline constexpr const char* kProgrammer =
    QT_TRANSLATE_NOOP("Form30", "Сидоров С. С.");  // surname and initials

}  // namespace content::credits
