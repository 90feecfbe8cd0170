#include <gtest/gtest.h>

#include "model/pressure.h"
#include "tests/model/float_error_matchers.h"

namespace {

using model::FloatError;
using model::SystolicPressure;
using model_test::ExpectFloatError;
using model_test::PrintedPrecision;
using Kind = FloatError::Kind;

struct SystoleCase {
    double Pd, X, C, Qmax, t;
    double expected;
    int digits;  // decimals to which the expected value is given
};

class SystolicPressureValueTest : public testing::TestWithParam<SystoleCase> {};

TEST_P(SystolicPressureValueTest, MatchesTheSolution) {
    const SystoleCase& c = GetParam();
    EXPECT_NEAR(SystolicPressure(c.Pd, c.X, c.C, c.Qmax, c.t), c.expected,
                PrintedPrecision(c.digits));
}

INSTANTIATE_TEST_SUITE_P(
    Values, SystolicPressureValueTest,
    testing::Values(
        // The rise and, with the inflow expression negative after 0.24 s, the fall.
        SystoleCase{80, 1, 1.2, 500, 0.02, 79.982, 3},
        SystoleCase{80, 1, 1.2, 500, 0.12, 104.503, 3},
        SystoleCase{80, 1, 1.2, 500, 0.24, 125.881, 3},
        SystoleCase{80, 1, 1.2, 500, 0.26, 122.343, 3},
        // On the accumulated systole grid.
        SystoleCase{80, 1, 1.2, 500, 0.01, 79.6727, 4},
        SystoleCase{80, 1, 1.2, 500, 0.22000000000000006, 126.6777, 4},
        SystoleCase{80, 1, 1.2, 500, 0.23000000000000007, 126.5962, 4},
        SystoleCase{80, 1, 1.2, 500, 0.24000000000000007, 125.8813, 4},
        // No inflow: a pure decay.
        SystoleCase{80, 1, 2, 0, 0.02, 79.204, 3}, SystoleCase{80, 1, 2, 0, 0.26, 70.248, 3},
        SystoleCase{80, 1, 1.2, 0, 0.01, 79.3361, 4},
        SystoleCase{80, 1, 1.2, 0, 0.24000000000000007, 65.4985, 4},
        // A larger X or a smaller C raises the pressure reached at 0.24 s.
        SystoleCase{80, 0.5, 1.2, 500, 0.24, 108.426, 3},
        SystoleCase{80, 2, 1.2, 500, 0.24, 135.818, 3},
        SystoleCase{80, 1, 0.6, 500, 0.24, 163.227, 3},
        SystoleCase{80, 1, 2.4, 500, 0.24, 104.103, 3},
        // Just below the extended range of E = exp(t/(X·C)); the decay underflows to 0.
        SystoleCase{80, 1, 1e-5, 0, 0.11356, 0.0, 12}));

TEST(SystolicPressureTest, StartsAtTheOpeningPressure) {
    for (const double Pd : {80.0, 65.5, 130.0})
        for (const double X : {0.1, 1.0, 7.0})
            for (const double C : {0.1, 1.2, 10.0})
                for (const double Qmax : {0.0, 500.0, 5000.0})
                    EXPECT_DOUBLE_EQ(SystolicPressure(Pd, X, C, Qmax, 0.0), Pd)
                        << "X " << X << " C " << C << " Qmax " << Qmax;
}

TEST(SystolicPressureTest, NoInflowIsThePureDecay) {
    for (const double t : {0.01, 0.1, 0.24, 0.5}) {
        EXPECT_NEAR(SystolicPressure(80, 1, 2, 0, t), model::DiastolicPressure(80, 1, 2, t), 1e-9);
        EXPECT_NEAR(SystolicPressure(80, 0.5, 1.2, 0, t), model::DiastolicPressure(80, 0.5, 1.2, t),
                    1e-9);
    }
}

struct SystoleErrorCase {
    const char* name;
    double Pd, X, C, Qmax, t;
    Kind kind;
};

class SystolicPressureErrorTest : public testing::TestWithParam<SystoleErrorCase> {};

TEST_P(SystolicPressureErrorTest, RaisesTheCondition) {
    const SystoleErrorCase& c = GetParam();
    ExpectFloatError(c.kind, [&] { (void)SystolicPressure(c.Pd, c.X, c.C, c.Qmax, c.t); });
}

INSTANTIATE_TEST_SUITE_P(
    Errors, SystolicPressureErrorTest,
    testing::Values(
        // −1/X, or its quotient by C, divides by zero; even at t = 0.
        SystoleErrorCase{"ZeroResistance", 80, 0, 1.2, 500, 0.01, Kind::DivisionByZero},
        SystoleErrorCase{"ZeroElasticity", 80, 1, 0, 500, 0.01, Kind::DivisionByZero},
        SystoleErrorCase{"BothZero", 80, 0, 0, 500, 0.01, Kind::DivisionByZero},
        SystoleErrorCase{"ZeroResistanceAtOpening", 80, 0, 1.2, 500, 0.0, Kind::DivisionByZero},
        SystoleErrorCase{"ZeroNoInflow", 80, 1, 0, 0, 0.01, Kind::DivisionByZero},
        // E = exp(t/(X·C)) leaves the extended range.
        SystoleErrorCase{"TinyTimeConstant", 80, 1, 1e-5, 500, 0.12, Kind::Overflow},
        SystoleErrorCase{"TinyTimeConstantNoInflow", 80, 1, 1e-5, 0, 0.11357, Kind::Overflow},
        // A negative X·C: F grows and the pressure leaves the double range.
        SystoleErrorCase{"NegativeResistance", 80, -1e-5, 1, 500, 0.01, Kind::Overflow},
        SystoleErrorCase{"NegativeElasticity", 80, 1, -1e-4, 0, 0.1, Kind::Overflow}),
    [](const testing::TestParamInfo<SystoleErrorCase>& info) { return info.param.name; });

}  // namespace
