#pragma once
// Runs a computation that must end with a FloatError of one kind and the exact message.

#include <gtest/gtest.h>

#include <string>

#include "model/pressure.h"

namespace model_test {

inline const char* MessageOf(model::FloatError::Kind kind) {
    switch (kind) {
        case model::FloatError::Kind::InvalidOperation:
            return "Invalid floating point operation";
        case model::FloatError::Kind::DivisionByZero:
            return "Floating point division by zero";
        case model::FloatError::Kind::Overflow:
            return "Floating point overflow";
    }
    return "";
}

template <typename Computation>
void ExpectFloatError(model::FloatError::Kind kind, Computation&& computation) {
    try {
        computation();
        ADD_FAILURE() << "no FloatError, expected \"" << MessageOf(kind) << "\"";
    } catch (const model::FloatError& error) {
        EXPECT_EQ(error.kind(), kind);
        EXPECT_EQ(std::string(error.what()), MessageOf(kind));
    }
}

// Half a unit of the last printed decimal: a value printed with `digits` decimals.
inline double PrintedPrecision(int digits) {
    double unit = 1.0;
    for (int i = 0; i < digits; ++i) unit /= 10.0;
    return unit / 2.0;
}

}  // namespace model_test
