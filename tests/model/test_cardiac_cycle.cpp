#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/pressure.h"
#include "tests/model/float_error_matchers.h"

namespace {

using model::CardiacCycleTiming;
using model::FloatError;
using model::kForm16Timing;
using model::kForm22Timing;
using model::RunCardiacCycle;
using model_test::ExpectFloatError;
using model_test::PrintedPrecision;
using Kind = FloatError::Kind;

struct Point {
    int piece;
    int curve;
    double x;
    double P;
};

struct Curves {
    double X1, C1, X2, C2, X3, C3;
};

// Curve 1 is the worked example (X = 1, C = 1.2); the others differ from it.
constexpr Curves kExample{1, 1.2, 0.5, 1.2, 2, 1.2};

std::vector<Point> RunCycle(const CardiacCycleTiming& timing, double Qmax, const Curves& c) {
    std::vector<Point> points;
    RunCardiacCycle(timing, Qmax, c.X1, c.C1, c.X2, c.C2, c.X3, c.C3,
                    [&](int piece, int curve, double x, double P) {
                        points.push_back({piece, curve, x, P});
                    });
    return points;
}

std::vector<Point> PieceOf(const std::vector<Point>& points, int piece, int curve) {
    std::vector<Point> result;
    for (const Point& p : points)
        if (p.piece == piece && p.curve == curve) result.push_back(p);
    return result;
}

struct ProfileCase {
    const char* name;
    const CardiacCycleTiming* timing;
    int pointsPerPiece[4];
    int pointsPerCurve;
};

const ProfileCase kProfiles[] = {
    {"Form22", &kForm22Timing, {24, 60, 25, 61}, 170},
    {"Form16", &kForm16Timing, {24, 59, 25, 60}, 168},
};

TEST(CardiacCycleTimingTest, ProfilesOfTheTwoWindows) {
    const struct {
        const CardiacCycleTiming& timing;
        CardiacCycleTiming expected;
    } cases[] = {
        {kForm22Timing, {0.23, 0.6, 0.59, 0.23, 0.81, 1.04, 1.05}},
        {kForm16Timing, {0.22, 0.59, 0.58, 0.23, 0.8, 1.03, 1.03}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.timing.te, c.expected.te);
        EXPECT_EQ(c.timing.sMax, c.expected.sMax);
        EXPECT_EQ(c.timing.tj, c.expected.tj);
        EXPECT_EQ(c.timing.oD1, c.expected.oD1);
        EXPECT_EQ(c.timing.oS2, c.expected.oS2);
        EXPECT_EQ(c.timing.xJ2, c.expected.xJ2);
        EXPECT_EQ(c.timing.oD2, c.expected.oD2);
    }
}

TEST(CardiacCycleTest, PointCountsAndHandOutOrder) {
    for (const ProfileCase& profile : kProfiles) {
        SCOPED_TRACE(profile.name);
        const std::vector<Point> points = RunCycle(*profile.timing, 500, kExample);
        ASSERT_EQ(points.size(), static_cast<size_t>(3 * profile.pointsPerCurve));
        for (int curve = 1; curve <= 3; ++curve) {
            int total = 0;
            for (int piece = 1; piece <= 4; ++piece) {
                const std::vector<Point> pts = PieceOf(points, piece, curve);
                EXPECT_EQ(pts.size(), static_cast<size_t>(profile.pointsPerPiece[piece - 1]))
                    << "piece " << piece;
                total += static_cast<int>(pts.size());
                // A chart that keeps its points sorted by time keeps them in hand-out order.
                for (size_t k = 1; k < pts.size(); ++k)
                    EXPECT_GE(pts[k].x, pts[k - 1].x) << "piece " << piece << " point " << k;
            }
            EXPECT_EQ(total, profile.pointsPerCurve);
        }
        // Grid point by grid point, curves 1, 2, 3 at one axis time; pieces in order.
        for (size_t k = 0; k < points.size(); ++k) {
            EXPECT_EQ(points[k].curve, static_cast<int>(k % 3) + 1);
            EXPECT_EQ(points[k].x, points[k - k % 3].x);
            EXPECT_EQ(points[k].piece, points[k - k % 3].piece);
            if (k > 0) {
                EXPECT_GE(points[k].piece, points[k - 1].piece);
            }
            EXPECT_TRUE(std::isfinite(points[k].P));
        }
    }
}

struct ExpectedPoint {
    const char* profile;
    const CardiacCycleTiming* timing;
    double Qmax;
    int piece;
    int index;  // from the start of the piece, or from its end when negative (−1 = last)
    double x;
    double P;
};

class CardiacCyclePointTest : public testing::TestWithParam<ExpectedPoint> {};

TEST_P(CardiacCyclePointTest, WorkedExampleCurve) {
    const ExpectedPoint& e = GetParam();
    const std::vector<Point> points = RunCycle(*e.timing, e.Qmax, kExample);
    const std::vector<Point> piece = PieceOf(points, e.piece, 1);
    ASSERT_FALSE(piece.empty());
    const int count = static_cast<int>(piece.size());
    const int index = e.index >= 0 ? e.index : count + e.index;
    ASSERT_GE(index, 0);
    ASSERT_LT(index, count);
    EXPECT_NEAR(piece[index].x, e.x, 1e-9);
    EXPECT_NEAR(piece[index].P, e.P, PrintedPrecision(4));
}

const CardiacCycleTiming* const k22 = &kForm22Timing;
const CardiacCycleTiming* const k16 = &kForm16Timing;

INSTANTIATE_TEST_SUITE_P(Points, CardiacCyclePointTest,
                         testing::Values(
                             // Form22 profile, X = 1, C = 1.2, Qmax = 500.
                             ExpectedPoint{"Form22", k22, 500, 1, 0, 0.01, 79.6727},
                             ExpectedPoint{"Form22", k22, 500, 1, 21, 0.22, 126.6777},
                             ExpectedPoint{"Form22", k22, 500, 1, 22, 0.23, 126.5962},
                             ExpectedPoint{"Form22", k22, 500, 1, -1, 0.24, 125.8813},
                             ExpectedPoint{"Form22", k22, 500, 2, 0, 0.23, 126.5962},
                             ExpectedPoint{"Form22", k22, 500, 2, -1, 0.82, 77.4270},
                             ExpectedPoint{"Form22", k22, 500, 3, 0, 0.82, 77.4270},
                             ExpectedPoint{"Form22", k22, 500, 3, 1, 0.82, 77.1211},
                             ExpectedPoint{"Form22", k22, 500, 3, -1, 1.05, 123.7747},
                             ExpectedPoint{"Form22", k22, 500, 4, 0, 1.04, 124.4719},
                             ExpectedPoint{"Form22", k22, 500, 4, 1, 1.05, 124.4719},
                             ExpectedPoint{"Form22", k22, 500, 4, 2, 1.06, 123.4390},
                             ExpectedPoint{"Form22", k22, 500, 4, -1, 1.64, 76.1278},
                             // Form16 profile, the same curve.
                             ExpectedPoint{"Form16", k16, 500, 1, 0, 0.01, 79.6727},
                             ExpectedPoint{"Form16", k16, 500, 1, 21, 0.22, 126.6777},
                             ExpectedPoint{"Form16", k16, 500, 1, -1, 0.24, 125.8813},
                             ExpectedPoint{"Form16", k16, 500, 2, 0, 0.23, 126.6777},
                             ExpectedPoint{"Form16", k16, 500, 2, -1, 0.81, 78.1252},
                             ExpectedPoint{"Form16", k16, 500, 3, 0, 0.81, 78.1252},
                             ExpectedPoint{"Form16", k16, 500, 3, 1, 0.81, 77.8135},
                             ExpectedPoint{"Form16", k16, 500, 3, -1, 1.04, 124.3464},
                             ExpectedPoint{"Form16", k16, 500, 4, 0, 1.03, 125.1170},
                             ExpectedPoint{"Form16", k16, 500, 4, 1, 1.03, 125.1170},
                             ExpectedPoint{"Form16", k16, 500, 4, 2, 1.04, 124.0787},
                             ExpectedPoint{"Form16", k16, 500, 4, -1, 1.61, 77.1627},
                             // No inflow: the systole is a pure decay.
                             ExpectedPoint{"Form22", k22, 0, 1, 0, 0.01, 79.3361},
                             ExpectedPoint{"Form22", k22, 0, 1, -1, 0.24, 65.4985},
                             ExpectedPoint{"Form16", k16, 0, 1, 0, 0.01, 79.3361},
                             ExpectedPoint{"Form16", k16, 0, 1, -1, 0.24, 65.4985}));

TEST(CardiacCycleTest, FirstSystolePeaksShortlyBeforeItsEnd) {
    const std::vector<Point> piece = PieceOf(RunCycle(kForm22Timing, 500, kExample), 1, 1);
    size_t peak = 0;
    for (size_t k = 1; k < piece.size(); ++k)
        if (piece[k].P > piece[peak].P) peak = k;
    EXPECT_EQ(peak, 21u);  // at 0.22 s
}

TEST(CardiacCycleTest, ExactAxisTimes) {
    const struct {
        const char* name;
        const CardiacCycleTiming* timing;
        int piece;
        int index;
        double x;
    } cases[] = {
        {"Form22", k22, 1, -1, 0.24000000000000007},
        {"Form22", k22, 2, 0, 0.23},
        {"Form22", k22, 2, -1, 0.8200000000000003},
        {"Form22", k22, 3, 0, 0.82},
        {"Form22", k22, 3, 1, 0.8200000000000001},
        {"Form22", k22, 4, 0, 1.04},
        {"Form22", k22, 4, 1, 1.05},
        {"Form22", k22, 4, -1, 1.6400000000000003},
        {"Form16", k16, 2, -1, 0.8100000000000003},
        {"Form16", k16, 3, 0, 0.8099999999999999},
        {"Form16", k16, 3, 1, 0.81},
        {"Form16", k16, 4, 0, 1.03},
        {"Form16", k16, 4, 1, 1.03},
        {"Form16", k16, 4, -1, 1.6100000000000003},
    };
    for (const auto& c : cases) {
        const std::vector<Point> piece = PieceOf(RunCycle(*c.timing, 500, kExample), c.piece, 2);
        const int index = c.index >= 0 ? c.index : static_cast<int>(piece.size()) + c.index;
        ASSERT_GE(index, 0);
        EXPECT_EQ(piece[index].x, c.x) << c.name << " piece " << c.piece << " index " << c.index;
    }
}

TEST(CardiacCycleTest, JoinPointsCarryTheStartPressures) {
    for (const ProfileCase& profile : kProfiles) {
        SCOPED_TRACE(profile.name);
        const std::vector<Point> points = RunCycle(*profile.timing, 500, kExample);
        for (int curve = 1; curve <= 3; ++curve) {
            const std::vector<Point> second = PieceOf(points, 2, curve);
            const std::vector<Point> third = PieceOf(points, 3, curve);
            const std::vector<Point> fourth = PieceOf(points, 4, curve);
            // The second systole starts where the first diastole ends: tj is the last grid
            // time as written, the grid's own value carries the rounding of the additions.
            EXPECT_NEAR(third[0].P, second.back().P, 1e-9);
            // The second diastole starts at its join pressure.
            EXPECT_EQ(fourth[1].P, fourth[0].P);
        }
    }
}

TEST(CardiacCycleTest, NoInflowFallsSteadily) {
    for (const ProfileCase& profile : kProfiles) {
        SCOPED_TRACE(profile.name);
        const std::vector<Point> points = RunCycle(*profile.timing, 0, kExample);
        for (int curve = 1; curve <= 3; ++curve)
            for (int piece = 1; piece <= 4; ++piece) {
                const std::vector<Point> pts = PieceOf(points, piece, curve);
                for (size_t k = 1; k < pts.size(); ++k)
                    EXPECT_LE(pts[k].P, pts[k - 1].P) << "curve " << curve << " piece " << piece;
            }
    }
}

TEST(CardiacCycleTest, CurvesAreIndependent) {
    for (const ProfileCase& profile : kProfiles) {
        SCOPED_TRACE(profile.name);
        const std::vector<Point> base = RunCycle(*profile.timing, 500, kExample);
        for (const Curves changed :
             {Curves{1, 1.2, 0.7, 1.2, 2, 1.2}, Curves{1, 1.2, 0.5, 3, 2, 1.2}}) {
            const std::vector<Point> other = RunCycle(*profile.timing, 500, changed);
            ASSERT_EQ(other.size(), base.size());
            bool curve2Changed = false;
            for (size_t k = 0; k < base.size(); ++k) {
                EXPECT_EQ(other[k].x, base[k].x);
                if (base[k].curve == 2)
                    curve2Changed = curve2Changed || other[k].P != base[k].P;
                else
                    EXPECT_EQ(other[k].P, base[k].P);
            }
            EXPECT_TRUE(curve2Changed);
        }
    }
}

TEST(CardiacCycleTest, RunsCarryNothingOver) {
    const std::vector<Point> first = RunCycle(kForm22Timing, 500, kExample);
    (void)RunCycle(kForm22Timing, 5000, Curves{3, 3, 3, 3, 3, 3});
    const std::vector<Point> again = RunCycle(kForm22Timing, 500, kExample);
    ASSERT_EQ(again.size(), first.size());
    for (size_t k = 0; k < first.size(); ++k) {
        EXPECT_EQ(again[k].x, first[k].x);
        EXPECT_EQ(again[k].P, first[k].P);
    }
}

struct CycleErrorCase {
    const char* name;
    Curves curves;
    Kind kind;
    int pointsPerCurve;  // handed out before the error
    int lastPiece;       // piece of the last point handed out (0: none)
};

class CardiacCycleErrorTest : public testing::TestWithParam<CycleErrorCase> {};

TEST_P(CardiacCycleErrorTest, EndsTheRunAtTheGridPoint) {
    const CycleErrorCase& c = GetParam();
    for (const ProfileCase& profile : kProfiles) {
        SCOPED_TRACE(profile.name);
        std::vector<Point> points;
        ExpectFloatError(c.kind, [&] {
            RunCardiacCycle(*profile.timing, 500, c.curves.X1, c.curves.C1, c.curves.X2,
                            c.curves.C2, c.curves.X3, c.curves.C3,
                            [&](int piece, int curve, double x, double P) {
                                points.push_back({piece, curve, x, P});
                            });
        });
        // Whole grid points only: every curve got the same number of points.
        ASSERT_EQ(points.size() % 3, 0u);
        for (const Point& p : points) EXPECT_TRUE(std::isfinite(p.P));
        if (c.pointsPerCurve >= 0) {
            EXPECT_EQ(points.size(), static_cast<size_t>(3 * c.pointsPerCurve));
        }
        EXPECT_EQ(points.empty() ? 0 : points.back().piece, c.lastPiece);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CardiacCycleErrorTest,
    testing::Values(
        CycleErrorCase{"ZeroResistance1", {0, 1.2, 1, 1.2, 2, 1.2}, Kind::DivisionByZero, 0, 0},
        CycleErrorCase{"ZeroResistance2", {1, 1.2, 0, 1.2, 2, 1.2}, Kind::DivisionByZero, 0, 0},
        CycleErrorCase{"ZeroElasticity3", {1, 1.2, 1, 1.2, 2, 0}, Kind::DivisionByZero, 0, 0},
        // τ = 0.00001 s: t = 0.01 … 0.11 are handed out, E overflows at 0.12.
        CycleErrorCase{"TinyTimeConstant1", {1, 0.00001, 1, 1.2, 2, 1.2}, Kind::Overflow, 11, 1},
        CycleErrorCase{"TinyTimeConstant3", {1, 1.2, 1, 1.2, 0.00001, 1}, Kind::Overflow, 11, 1},
        // A tiny negative X·C: the very first pressure is beyond the double range.
        CycleErrorCase{
            "NegativeTinyTimeConstant", {1, 1.2, -0.00001, 1, 2, 1.2}, Kind::Overflow, 0, 0},
        // A small negative X·C grows through the first systole and overflows in the diastole.
        CycleErrorCase{"NegativeTimeConstant", {1, 1.2, 1, 1.2, -0.001, 1}, Kind::Overflow, -1, 2}),
    [](const testing::TestParamInfo<CycleErrorCase>& info) { return info.param.name; });

}  // namespace
