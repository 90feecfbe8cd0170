#include <gtest/gtest.h>

#include <cfloat>
#include <functional>
#include <stdexcept>
#include <string>

#include "model/checked_extended.h"
#include "tests/model/float_error_matchers.h"

namespace {

using model::CheckedExtended;
using model::Ext;
using model::FloatError;
using model_test::ExpectFloatError;
using Kind = FloatError::Kind;

TEST(FloatErrorTest, MessagesAndKinds) {
    const struct {
        Kind kind;
        const char* message;
    } cases[] = {
        {Kind::InvalidOperation, "Invalid floating point operation"},
        {Kind::DivisionByZero, "Floating point division by zero"},
        {Kind::Overflow, "Floating point overflow"},
    };
    for (const auto& c : cases) {
        const FloatError error(c.kind);
        const std::runtime_error& base = error;
        EXPECT_EQ(std::string(base.what()), c.message);
        EXPECT_EQ(error.kind(), c.kind);
    }
}

struct FailingOperation {
    const char* name;
    Kind kind;
    std::function<void()> run;
};

class CheckedExtendedErrorTest : public testing::TestWithParam<FailingOperation> {};

TEST_P(CheckedExtendedErrorTest, RaisesAtTheOperation) {
    ExpectFloatError(GetParam().kind, GetParam().run);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, CheckedExtendedErrorTest,
    testing::Values(
        FailingOperation{"ZeroOverZero", Kind::InvalidOperation, [] { (void)(Ext(0) / 0.0); }},
        FailingOperation{"NegZeroOverZero", Kind::InvalidOperation, [] { (void)(-Ext(0) / 0.0); }},
        FailingOperation{"OneOverZero", Kind::DivisionByZero, [] { (void)(Ext(1) / 0.0); }},
        FailingOperation{"MinusOneOverNegZero", Kind::DivisionByZero,
                         [] { (void)(Ext(-1) / -0.0); }},
        FailingOperation{"ProductBeyondExtended", Kind::Overflow,
                         [] { (void)(Ext(LDBL_MAX) * 2.0); }},
        FailingOperation{"SumBeyondExtended", Kind::Overflow,
                         [] { (void)(Ext(LDBL_MAX) + Ext(LDBL_MAX)); }},
        FailingOperation{"DifferenceBeyondExtended", Kind::Overflow,
                         [] { (void)(-Ext(LDBL_MAX) - Ext(LDBL_MAX)); }},
        FailingOperation{"QuotientBeyondExtended", Kind::Overflow,
                         [] { (void)(Ext(LDBL_MAX) / 0.5); }},
        FailingOperation{"ExpBeyondExtended", Kind::Overflow, [] { (void)Exp(Ext(11357)); }},
        FailingOperation{"StoredBeyondDouble", Kind::Overflow,
                         [] { (void)(Ext(1e309L)).ToDouble(); }},
        FailingOperation{"NegativeStoredBeyondDouble", Kind::Overflow,
                         [] { (void)(Ext(-1e309L)).ToDouble(); }}),
    [](const testing::TestParamInfo<FailingOperation>& info) { return info.param.name; });

TEST(CheckedExtendedTest, ExtendedRangeBeyondDoubleIsNoErrorUntilStored) {
    const CheckedExtended big = Exp(Ext(11356));  // far beyond the double range
    EXPECT_GT(big.value(), static_cast<long double>(DBL_MAX));
    EXPECT_NEAR(static_cast<double>((Exp(Ext(-11356)) * big).value()), 1.0, 1e-12);
}

TEST(CheckedExtendedTest, UnderflowIsSilent) {
    EXPECT_EQ(Exp(Ext(-12000)).value(), 0.0L);
    EXPECT_EQ((Ext(1e-4000L)).ToDouble(), 0.0);
    EXPECT_EQ((Ext(DBL_MIN) * 1e-10).ToDouble(), DBL_MIN * 1e-10);  // subnormal
    EXPECT_EQ((Ext(1e-3000L) * Ext(1e-3000L)).value(), 0.0L);
}

TEST(CheckedExtendedTest, LargestDoubleStoresWithoutError) {
    EXPECT_EQ(Ext(DBL_MAX).ToDouble(), DBL_MAX);
    EXPECT_EQ((-Ext(DBL_MAX)).ToDouble(), -DBL_MAX);
}

}  // namespace
