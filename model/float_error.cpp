#include "model/checked_extended.h"
#include "model/pressure.h"

namespace model {

namespace {

const char* MessageOf(FloatError::Kind kind) {
    switch (kind) {
        case FloatError::Kind::InvalidOperation:
            return "Invalid floating point operation";
        case FloatError::Kind::DivisionByZero:
            return "Floating point division by zero";
        case FloatError::Kind::Overflow:
            return "Floating point overflow";
    }
    return "Invalid floating point operation";
}

}  // namespace

FloatError::FloatError(Kind kind) : std::runtime_error(MessageOf(kind)), kind_(kind) {}

void ThrowFloatError(FloatError::Kind kind) { throw FloatError(kind); }

}  // namespace model
