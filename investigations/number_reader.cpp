#include "investigations/number_reader.h"

#include <QLocale>
#include <charconv>
#include <cstdint>
#include <string>

#include "model/pressure.h"

namespace investigations {

namespace {

// Exponent digits are taken only while the exponent so far is below this value.
constexpr int kExponentDigitLimit = 500;

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

QString conversionMessage(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

}  // namespace

ConversionError::ConversionError(const QString& text)
    : std::runtime_error(conversionMessage(text).toStdString()), text_(text) {}

double readNumber(const QString& text, QChar decimalPoint) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    const auto fail = [&text]() -> double { throw ConversionError(text); };

    while (i < n && text[i] == QLatin1Char(' ')) ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    // The significand as plain ASCII for from_chars, and the position of its first non-zero
    // digit relative to the decimal point, to tell overflow from underflow.
    std::string number = negative ? "-" : "";
    std::int64_t integerDigits = 0;  // significant integer digits (after leading zeros)
    std::int64_t leadingFractionZeros = 0;
    bool nonZero = false;
    const qsizetype mantissaStart = i;
    for (; i < n && isDigit(text[i]); ++i) {
        number += static_cast<char>(text[i].unicode());
        if (text[i] != QLatin1Char('0')) nonZero = true;
        if (nonZero) ++integerDigits;
    }
    if (i < n && text[i] == decimalPoint) {
        if (i == mantissaStart) number += '0';  // a lone separator reads as zero
        number += '.';
        ++i;
        for (; i < n && isDigit(text[i]); ++i) {
            number += static_cast<char>(text[i].unicode());
            if (text[i] != QLatin1Char('0')) nonZero = true;
            if (!nonZero) ++leadingFractionZeros;
        }
    }
    if (i == mantissaStart) return fail();

    std::int64_t exponent = 0;
    if (i < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            negativeExponent = text[i] == QLatin1Char('-');
            ++i;
        }
        while (i < n && isDigit(text[i]) && exponent < kExponentDigitLimit) {
            exponent = exponent * 10 + (text[i].unicode() - u'0');
            ++i;
        }
        if (negativeExponent) exponent = -exponent;
        number += 'e';
        number += std::to_string(exponent);
    }
    while (i < n && text[i] == QLatin1Char(' ')) ++i;
    if (i != n) return fail();

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (end != number.data() + number.size()) return fail();
    if (error == std::errc::result_out_of_range) {
        // Decimal exponent of the leading digit: positive means beyond the largest double.
        const std::int64_t magnitude =
            integerDigits > 0 ? exponent + integerDigits - 1 : exponent - leadingFractionZeros - 1;
        if (magnitude > 0) throw model::FloatError(model::FloatError::Kind::Overflow);
        return negative ? -0.0 : 0.0;
    }
    if (error != std::errc()) return fail();
    return value;
}

QChar userDecimalPoint() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

}  // namespace investigations
