#include "investigations/win1251.h"

#include <array>

namespace investigations {

namespace {

// Codes 0x80..0xBF; 0xC0..0xFF are А..я (U+0410..U+044F) and 0x00..0x7F are ASCII.
constexpr std::array<char16_t, 64> kUpperHalf{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

constexpr int kCyrillicFirstCode = 0xC0;
constexpr char32_t kCyrillicA = 0x0410;   // А
constexpr char32_t kCyrillicYa = 0x044F;  // я

}  // namespace

std::optional<int> win1251Code(char32_t ch) {
    if (ch < 0x80) return static_cast<int>(ch);
    if (ch >= kCyrillicA && ch <= kCyrillicYa) {
        return kCyrillicFirstCode + static_cast<int>(ch - kCyrillicA);
    }
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
        if (kUpperHalf[i] == ch) return 0x80 + static_cast<int>(i);
    }
    return std::nullopt;
}

char32_t win1251Char(int code) {
    if (code < 0x80) return static_cast<char32_t>(code);
    if (code >= kCyrillicFirstCode)
        return kCyrillicA + static_cast<char32_t>(code - kCyrillicFirstCode);
    return kUpperHalf[static_cast<std::size_t>(code - 0x80)];
}

bool acceptedWin1251Code(int code) {
    if (code < 0 || code > 255) return false;
    if (code <= 31) return true;                 // control characters
    if (code == 39 || code == 44) return true;   // apostrophe, comma
    if (code >= 48 && code <= 57) return true;   // digits
    if (code == 92 || code == 127) return true;  // backslash, DEL
    if (code >= 128 && code <= 191) return code != 168 && code != 184 && code != 185;  // Ё ё №
    return false;  // the rest of ASCII and the Russian letters
}

bool isAcceptedKey(char32_t ch, char32_t decimalPoint) {
    if (ch == decimalPoint) return true;
    if (ch == U',') return false;  // a comma that is no separator cannot be read
    const std::optional<int> code = win1251Code(ch);
    return code && acceptedWin1251Code(*code);
}

}  // namespace investigations
