#pragma once
// Arithmetic in the 80-bit extended format that stops at the first floating-point condition:
// every operation checks its own result, so the operation that raises a condition decides the
// error, and no infinity or NaN ever leaves a computation. Underflow is silent.

#include <cmath>

#include "model/pressure.h"

namespace model {

[[noreturn]] void ThrowFloatError(FloatError::Kind kind);

class CheckedExtended {
  public:
    constexpr CheckedExtended(double v) : v_(v) {}  // NOLINT: implicit, as stored values are read
    static constexpr CheckedExtended FromExtended(long double v) { return CheckedExtended(v, 0); }

    long double value() const { return v_; }

    // Rounds to a double as a stored variable does; beyond the double range is an overflow.
    double ToDouble() const { return CheckedStore(v_); }

    friend CheckedExtended operator+(CheckedExtended a, CheckedExtended b) {
        return Checked(a.v_ + b.v_);
    }
    friend CheckedExtended operator-(CheckedExtended a, CheckedExtended b) {
        return Checked(a.v_ - b.v_);
    }
    friend CheckedExtended operator*(CheckedExtended a, CheckedExtended b) {
        return Checked(a.v_ * b.v_);
    }
    friend CheckedExtended operator/(CheckedExtended a, CheckedExtended b) {
        if (b.v_ == 0.0L) {
            // 0/0 (or NaN/0) has no value at all; anything else over zero is a division by zero.
            ThrowFloatError(a.v_ == 0.0L || std::isnan(a.v_) ? FloatError::Kind::InvalidOperation
                                                             : FloatError::Kind::DivisionByZero);
        }
        return Checked(a.v_ / b.v_);
    }
    friend CheckedExtended operator-(CheckedExtended a) { return FromExtended(-a.v_); }

    friend CheckedExtended Exp(CheckedExtended x) { return Checked(std::exp(x.v_)); }

  private:
    constexpr CheckedExtended(long double v, int) : v_(v) {}

    static CheckedExtended Checked(long double r) {
        if (!std::isfinite(r)) [[unlikely]] {
            ThrowFloatError(std::isnan(r) ? FloatError::Kind::InvalidOperation
                                          : FloatError::Kind::Overflow);
        }
        return FromExtended(r);
    }

    static double CheckedStore(long double v) {
        const double d = static_cast<double>(v);
        if (!std::isfinite(d)) [[unlikely]] {
            ThrowFloatError(std::isnan(d) ? FloatError::Kind::InvalidOperation
                                          : FloatError::Kind::Overflow);
        }
        return d;
    }

    long double v_;
};

// A literal in the extended format, as the program's constants are.
constexpr CheckedExtended Ext(long double v) { return CheckedExtended::FromExtended(v); }

}  // namespace model
