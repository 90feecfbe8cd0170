#include <array>

#include "model/pressure.h"

namespace model {

const CardiacCycleTiming kForm16Timing{
    .te = 0.22, .sMax = 0.59, .tj = 0.58, .oD1 = 0.23, .oS2 = 0.8, .xJ2 = 1.03, .oD2 = 1.03};
const CardiacCycleTiming kForm22Timing{
    .te = 0.23, .sMax = 0.6, .tj = 0.59, .oD1 = 0.23, .oS2 = 0.81, .xJ2 = 1.04, .oD2 = 1.05};

namespace {

constexpr int kCurves = 3;
constexpr double kGridStep = 0.01;
constexpr double kSystoleLength = 0.24;

using Triple = std::array<double, kCurves>;

struct Curve {
    double X;
    double C;
};

// The three pressures of a grid point are all computed before any point is handed out, so an
// error in any curve keeps the whole grid point off the chart.
void HandOutTriple(const CurvePointSink& sink, int piece, double x, const Triple& P) {
    for (int i = 0; i < kCurves; ++i) sink(piece, i + 1, x, P[i]);
}

// Systole grid: the opening time itself gets no point; times accumulate by addition.
template <typename Point>
void ForEachSystoleTime(Point&& point) {
    for (double t = 0.0; t < kSystoleLength;) {
        t += kGridStep;
        point(t);
    }
}

// Diastole grid: starts at the closing time; times accumulate by addition.
template <typename Point>
void ForEachDiastoleTime(double sMax, Point&& point) {
    for (double s = 0.0; s < sMax; s += kGridStep) point(s);
}

}  // namespace

void RunCardiacCycle(const CardiacCycleTiming& timing, double Qmax, double X1, double C1, double X2,
                     double C2, double X3, double C3, const CurvePointSink& sink) {
    const std::array<Curve, kCurves> curves{{{X1, C1}, {X2, C2}, {X3, C3}}};
    Triple P{};

    // Piece 1: first systole from the opening pressure.
    ForEachSystoleTime([&](double t) {
        for (int i = 0; i < kCurves; ++i)
            P[i] = SystolicPressure(kValveOpeningPressure, curves[i].X, curves[i].C, Qmax, t);
        HandOutTriple(sink, 1, t, P);
    });

    // Piece 2: first diastole, starting from the systolic pressure at te. The start pressure
    // does not depend on s, so it is formed once; the diastole at s = 0 cannot fail, which
    // keeps the first error the same as forming it again at every grid point.
    Triple start{};
    for (int i = 0; i < kCurves; ++i)
        start[i] =
            SystolicPressure(kValveOpeningPressure, curves[i].X, curves[i].C, Qmax, timing.te);
    ForEachDiastoleTime(timing.sMax, [&](double s) {
        for (int i = 0; i < kCurves; ++i)
            P[i] = DiastolicPressure(start[i], curves[i].X, curves[i].C, s);
        HandOutTriple(sink, 2, timing.oD1 + s, P);
    });

    // Join point of the second systole: the pressure at the end of the first diastole.
    Triple join{};
    for (int i = 0; i < kCurves; ++i)
        join[i] = DiastolicPressure(start[i], curves[i].X, curves[i].C, timing.tj);
    HandOutTriple(sink, 3, timing.oD1 + timing.tj, join);

    // Piece 3: second systole from the join pressure.
    ForEachSystoleTime([&](double t) {
        for (int i = 0; i < kCurves; ++i)
            P[i] = SystolicPressure(join[i], curves[i].X, curves[i].C, Qmax, t);
        HandOutTriple(sink, 3, timing.oS2 + t, P);
    });

    // Join point of the second diastole: the second systole's pressure at te.
    Triple second{};
    for (int i = 0; i < kCurves; ++i)
        second[i] = SystolicPressure(join[i], curves[i].X, curves[i].C, Qmax, timing.te);
    HandOutTriple(sink, 4, timing.xJ2, second);

    // Piece 4: second diastole.
    ForEachDiastoleTime(timing.sMax, [&](double s) {
        for (int i = 0; i < kCurves; ++i)
            P[i] = DiastolicPressure(second[i], curves[i].X, curves[i].C, s);
        HandOutTriple(sink, 4, timing.oD2 + s, P);
    });
}

}  // namespace model
