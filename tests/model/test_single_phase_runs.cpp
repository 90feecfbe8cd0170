// The curves of the diastole and systole windows: their time grids, the values handed out and
// where a floating-point error stops them.
#include <gtest/gtest.h>

#include <vector>

#include "model/pressure.h"
#include "tests/model/float_error_matchers.h"

namespace {

using model::FloatError;
using model::HandOut;
using model_test::ExpectFloatError;

struct Point {
    int piece;
    int curve;
    double t;
    double P;
};

using Sink = std::vector<Point>;

model::CurvePointSink Into(Sink& points) {
    return [&points](int piece, int curve, double t, double P) {
        points.push_back({piece, curve, t, P});
    };
}

TEST(RunDiastolicDecay, FiftySixTimesByRepeatedAddition) {
    Sink points;
    const model::ThreeCurves curves{{{0.5, 1.2}, {1, 1.2}, {2, 1.2}}};
    model::RunDiastolicDecay(120, curves, Into(points));
    ASSERT_EQ(points.size(), 3u * 56u);
    double t = 0;
    for (std::size_t k = 0; k < 56; ++k, t += 0.01) {
        for (int i = 0; i < 3; ++i) {
            const Point& p = points[3 * k + std::size_t(i)];
            EXPECT_EQ(p.piece, 1);
            EXPECT_EQ(p.curve, i + 1);
            EXPECT_EQ(p.t, t);  // the accumulated time, bit for bit
            EXPECT_EQ(p.P, model::DiastolicPressure(120, curves[i].X, 1.2, t));
        }
    }
    EXPECT_EQ(points.back().t, 0.5500000000000003);
    EXPECT_NEAR(points[3 * 55 + 1].P, 75.880, 0.0005);
}

TEST(RunSystolicEjection, ThirteenTimesFromTheOpeningPressure) {
    Sink points;
    const model::ThreeCurves curves{{{0.5, 1.2, 500}, {1, 1.2, 500}, {2, 1.2, 500}}};
    model::RunSystolicEjection(curves, HandOut::EachTimePoint, Into(points));
    ASSERT_EQ(points.size(), 3u * 13u);
    EXPECT_EQ(points.front().t, 0.02);
    EXPECT_EQ(points.back().t, 0.25999999999999995);
    for (const Point& p : points) {
        const auto& c = curves[std::size_t(p.curve - 1)];
        EXPECT_EQ(p.P,
                  model::SystolicPressure(model::kValveOpeningPressure, c.X, c.C, c.Qmax, p.t));
    }
    // At 0.24 s: 108.426, 125.881, 135.818 mm Hg.
    EXPECT_NEAR(points[3 * 11 + 0].P, 108.426, 0.0005);
    EXPECT_NEAR(points[3 * 11 + 1].P, 125.881, 0.0005);
    EXPECT_NEAR(points[3 * 11 + 2].P, 135.818, 0.0005);
}

// A zero elasticity in the second curve: handed out one by one, the first curve's point of the
// first time is out before the error; handed out by time point, nothing is.
TEST(RunSystolicEjection, HandOutOrderDecidesWhatPrecedesAnError) {
    const model::ThreeCurves curves{{{1, 1.2, 500}, {1, 0, 500}, {1, 1.2, 500}}};
    for (const auto& [order, before] :
         {std::pair{HandOut::EachCurve, 1u}, std::pair{HandOut::EachTimePoint, 0u}}) {
        Sink points;
        const HandOut handOut = order;  // clang 14 cannot capture a structured binding
        ExpectFloatError(FloatError::Kind::DivisionByZero,
                         [&] { model::RunSystolicEjection(curves, handOut, Into(points)); });
        EXPECT_EQ(points.size(), before);
    }
}

TEST(RunDiastolicDecay, ZeroProductStopsBeforeAnyPoint) {
    Sink points;
    ExpectFloatError(FloatError::Kind::InvalidOperation, [&] {
        model::RunDiastolicDecay(120, {{{1, 1.2}, {1, 1.2}, {0, 1.2}}}, Into(points));
    });
    EXPECT_TRUE(points.empty());
}

}  // namespace
