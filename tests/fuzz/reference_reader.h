#pragma once
// A plain, independent reading of a field's text, straight from the rules, for checking the
// program's reader: spaces, sign, digits, separator, digits, exponent (digits taken while the
// exponent is below 500), spaces, end; the value by the C library's correctly rounded strtod.

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace fuzz_reference {

enum class Outcome { Value, Unreadable, Overflow };

struct Reading {
    Outcome outcome = Outcome::Unreadable;
    double value = 0;
};

inline Reading readReference(const std::u16string& text, char16_t separator) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    const auto digit = [&](std::size_t k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
    while (i < n && text[i] == u' ') ++i;
    std::string ascii;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) ascii += char(text[i++]);
    std::size_t taken = 0;
    std::string mantissa;
    while (digit(i)) mantissa += char(text[i++]), ++taken;
    if (i < n && text[i] == separator) {
        ++i, ++taken;
        mantissa += '.';
        while (digit(i)) mantissa += char(text[i++]), ++taken;
    }
    if (taken == 0) return {};
    int exponent = 0;
    bool negativeExponent = false;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) negativeExponent = text[i++] == u'-';
        while (digit(i) && exponent < 500) exponent = exponent * 10 + (text[i++] - u'0');
    }
    while (i < n && text[i] == u' ') ++i;
    if (i != n) return {};
    if (mantissa == ".") mantissa = "0";
    if (mantissa.front() == '.') mantissa.insert(mantissa.begin(), '0');
    ascii += mantissa + "e" + (negativeExponent ? "-" : "") + std::to_string(exponent);
    errno = 0;
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value)) return {Outcome::Overflow, 0};
    return {Outcome::Value, value};
}

}  // namespace fuzz_reference
