#include <gtest/gtest.h>

#include "model/pressure.h"
#include "tests/model/float_error_matchers.h"

namespace {

using model::DiastolicPressure;
using model::FloatError;
using model_test::ExpectFloatError;
using model_test::PrintedPrecision;
using Kind = FloatError::Kind;

struct DecayCase {
    double P0, X, C, t;
    double expected;
    int digits;  // decimals to which the expected value is given
};

class DiastolicPressureValueTest : public testing::TestWithParam<DecayCase> {};

TEST_P(DiastolicPressureValueTest, MatchesTheDecayLaw) {
    const DecayCase& c = GetParam();
    EXPECT_NEAR(DiastolicPressure(c.P0, c.X, c.C, c.t), c.expected, PrintedPrecision(c.digits));
}

INSTANTIATE_TEST_SUITE_P(
    Values, DiastolicPressureValueTest,
    testing::Values(
        // Starts at the systolic pressure.
        DecayCase{120, 1, 1.2, 0.0, 120.0, 12}, DecayCase{120, 1, 1.2, 0.1, 110.405, 3},
        DecayCase{120, 1, 1.2, 0.55, 75.880, 3},
        // Three resistances at one elasticity: the ends of the three curves.
        DecayCase{120, 0.5, 1.2, 0.55, 47.982, 3}, DecayCase{120, 2, 1.2, 0.55, 95.424, 3},
        // The last time of the 56-point grid, as accumulated.
        DecayCase{120, 1, 1.2, 0.5500000000000003, 75.880, 3},
        // A negative resistance grows instead of decaying.
        DecayCase{120, -1, 1.2, 0.55, 189.772, 3},
        // A very fast decay underflows silently to 0.
        DecayCase{120, 1e-6, 1, 0.1, 0.0, 12}, DecayCase{120, 1e-3, 1e-3, 0.5, 0.0, 12}));

TEST(DiastolicPressureTest, GridOfTheDiastoleWindowsHas56Points) {
    int points = 0;
    double last = 0.0;
    for (double t = 0.0; t < 0.56; t += 0.01) {
        last = t;
        EXPECT_GT(DiastolicPressure(120, 1, 1.2, t), 0.0);
        ++points;
    }
    EXPECT_EQ(points, 56);
    EXPECT_EQ(last, 0.5500000000000003);
}

struct DecayErrorCase {
    const char* name;
    double P0, X, C, t;
    Kind kind;
};

class DiastolicPressureErrorTest : public testing::TestWithParam<DecayErrorCase> {};

TEST_P(DiastolicPressureErrorTest, RaisesTheCondition) {
    const DecayErrorCase& c = GetParam();
    ExpectFloatError(c.kind, [&] { (void)DiastolicPressure(c.P0, c.X, c.C, c.t); });
}

INSTANTIATE_TEST_SUITE_P(
    Errors, DiastolicPressureErrorTest,
    testing::Values(
        // X·C = 0 at the first time point: (−0)/0.
        DecayErrorCase{"ZeroResistanceAtStart", 120, 0, 1.2, 0.0, Kind::InvalidOperation},
        DecayErrorCase{"ZeroElasticityAtStart", 120, 1, 0, 0.0, Kind::InvalidOperation},
        DecayErrorCase{"BothZeroAtStart", 120, 0, 0, 0.0, Kind::InvalidOperation},
        // Later in a diastole the exponent is a non-zero over zero.
        DecayErrorCase{"ZeroResistanceLater", 120, 0, 1.2, 0.1, Kind::DivisionByZero},
        DecayErrorCase{"ZeroElasticityLater", 120, 1, 0, 0.1, Kind::DivisionByZero},
        // A negative X·C: the value leaves the double range when stored...
        DecayErrorCase{"NegativeBeyondDouble", 120, -1e-4, 1, 0.1, Kind::Overflow},
        DecayErrorCase{"LargeStartBeyondDouble", 1.5e308, -1, 1.2, 0.55, Kind::Overflow},
        // ...or already the exponential leaves the extended range.
        DecayErrorCase{"NegativeBeyondExtended", 120, -1e-6, 1, 0.1, Kind::Overflow}),
    [](const testing::TestParamInfo<DecayErrorCase>& info) { return info.param.name; });

}  // namespace
