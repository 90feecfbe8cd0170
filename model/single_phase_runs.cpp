// The curves of the diastole and systole windows: three curves over one phase of the beat.

#include "model/pressure.h"

namespace model {

namespace {

constexpr int kCurves = 3;

constexpr double kDiastoleStep = 0.01;
constexpr double kDiastoleEnd = 0.56;
constexpr double kSystoleStep = 0.02;
constexpr double kSystoleLength = 0.24;

}  // namespace

void RunDiastolicDecay(double P0, const ThreeCurves& curves, const CurvePointSink& sink) {
    for (double t = 0; t < kDiastoleEnd; t += kDiastoleStep) {
        std::array<double, kCurves> P{};
        for (int i = 0; i < kCurves; ++i) P[i] = DiastolicPressure(P0, curves[i].X, curves[i].C, t);
        for (int i = 0; i < kCurves; ++i) sink(1, i + 1, t, P[i]);
    }
}

void RunSystolicEjection(const ThreeCurves& curves, HandOut handOut, const CurvePointSink& sink) {
    const auto pressure = [&](int i, double t) {
        return SystolicPressure(kValveOpeningPressure, curves[i].X, curves[i].C, curves[i].Qmax, t);
    };
    // The time grows before each point: t = 0 itself gets none, and the accumulated twelfth
    // time is still below the end, so a thirteenth point follows at 0.26 s.
    for (double t = 0; t < kSystoleLength;) {
        t += kSystoleStep;
        if (handOut == HandOut::EachCurve) {
            for (int i = 0; i < kCurves; ++i) sink(1, i + 1, t, pressure(i, t));
        } else {
            std::array<double, kCurves> P{};
            for (int i = 0; i < kCurves; ++i) P[i] = pressure(i, t);
            for (int i = 0; i < kCurves; ++i) sink(1, i + 1, t, P[i]);
        }
    }
}

}  // namespace model
