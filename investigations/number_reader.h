#pragma once
// Reading a typed field as a number: optional spaces, sign, digits with the decimal separator
// of the user's regional settings, an optional exponent; the nearest double.

#include <QChar>
#include <QString>
#include <stdexcept>

namespace investigations {

// A text that is not a number; what() is the message of the error box, in UTF-8.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(const QString& text);
    const QString& text() const { return text_; }

  private:
    QString text_;
};

// The value of the whole text, rounded to the nearest double. Throws ConversionError when the
// text is not a number and model::FloatError (overflow) when its magnitude is beyond the double
// range; a value too small for a double becomes a subnormal number or zero.
double readNumber(const QString& text, QChar decimalPoint);

// The decimal separator of the user's regional settings: the one the key filter lets through and
// the build reads, both asking here, so that a fraction that can be typed can be read.
QChar userDecimalPoint();

}  // namespace investigations
