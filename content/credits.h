#pragma once
// The credit texts of the lab work, in one place. The names and the department below are
// placeholders for the school that uses the program to replace with its own.

namespace content::credits {

// The statement of who prepared the lab work, one line each; the window centres each line.
inline constexpr const char* kStatement[] = {
    "Предлагаемая лабораторная работа подготовлена",
    "на кафедре (название кафедры)",
    "(название медицинского университета)",
};

inline constexpr const char* kHeadOfDepartment = "И. И. Иванов";  // initials and surname
inline constexpr const char* kAssistant = "П. П. Петров";         // initials and surname
inline constexpr const char* kProgrammer = "Сидоров С. С.";       // surname and initials

}  // namespace content::credits
