#pragma once
// The 8-bit character set of all texts of the program, and the verdict of the key filter of
// the investigation fields on a typed character.

#include <optional>

namespace investigations {

// The Windows-1251 code of a Unicode character, or nothing when the set has no such character.
std::optional<int> win1251Code(char32_t ch);

// The character that a Windows-1251 code stands for (code 0x98, unassigned, maps to U+0098).
char32_t win1251Char(int code);

// Whether the key filter lets a character of this Windows-1251 code into a field under Russian
// regional settings: control characters, digits, the comma, the apostrophe, the backslash, DEL
// and the upper half below the Russian alphabet except Ё, ё and №.
bool acceptedWin1251Code(int code);

// The verdict on a typed character in a field whose numbers are written with the given decimal
// separator. The table's comma is the separator of Russian settings: the user's separator is
// accepted whatever it is, and the comma only when it is the separator. Any other character is
// judged by its Windows-1251 code; a character without one is refused.
bool isAcceptedKey(char32_t ch, char32_t decimalPoint);

}  // namespace investigations
