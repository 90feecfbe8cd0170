#pragma once
// The pressure models of the elastic-reservoir aorta: C·dP/dt + P/X = Qc(t).
// Pure computations without state. Floating-point conditions (invalid operation, division
// by zero, overflow) end a computation with FloatError; underflow is silent, and no infinity
// or NaN is ever returned or handed out.

#include <array>
#include <functional>
#include <stdexcept>

namespace model {

class FloatError : public std::runtime_error {
  public:
    enum class Kind { InvalidOperation, DivisionByZero, Overflow };
    explicit FloatError(Kind kind);
    Kind kind() const noexcept { return kind_; }

  private:
    Kind kind_;
};

// Diastolic decay P0·exp((−t)/(X·C)).
double DiastolicPressure(double P0, double X, double C, double t);

// Pressure during the ejection, starting from Pd at t = 0, parabolic inflow peaking at Qmax
// at 0.12 s; evaluated term by term in extended precision.
double SystolicPressure(double Pd, double X, double C, double Qmax, double t);

// The pressure in the aorta when the aortic valve opens for the first ejection, mm Hg.
inline constexpr double kValveOpeningPressure = 80.0;

// Where a run hands out its points: piece 1..4 (a single-phase run has only piece 1), curve
// 1..3, time t (s) and pressure P (mm Hg). The three pressures of a time point are computed
// before any of them is handed out, unless a run says otherwise.
using CurvePointSink = std::function<void(int piece, int curve, double t, double P)>;

// The resistance X, elasticity C and peak inflow Qmax (ml/s) of one of a run's three curves.
struct CurveParameters {
    double X = 0;
    double C = 0;
    double Qmax = 0;
};
using ThreeCurves = std::array<CurveParameters, 3>;

// The diastole: decay from P0 for the three (X, C) at t = 0, 0.01, ... while t < 0.56 s,
// times accumulated by addition (56 points, the last at 0.55 s).
void RunDiastolicDecay(double P0, const ThreeCurves& curves, const CurvePointSink& sink);

// When an ejection run hands out a time point's pressures: each right after it is computed, or
// all three after the three are computed.
enum class HandOut { EachCurve, EachTimePoint };

// The ejection from kValveOpeningPressure for the three (X, C, Qmax): the time grows by 0.02 s
// before each point while t < 0.24 s (13 points, 0.02 ... 0.26 s).
void RunSystolicEjection(const ThreeCurves& curves, HandOut handOut, const CurvePointSink& sink);

// The timing of the two-beat cardiac cycle of one window.
struct CardiacCycleTiming {
    double te;    // systole time whose pressure starts each diastole
    double sMax;  // a diastole grid runs while s < sMax
    double tj;    // diastole time of the join point of the second systole
    double oD1;   // axis offset of the first diastole
    double oS2;   // axis offset of the second systole
    double xJ2;   // axis time of the join point of the second diastole
    double oD2;   // axis offset of the second diastole
};

extern const CardiacCycleTiming kForm16Timing;  // te 0.22, sMax 0.59, ...
extern const CardiacCycleTiming kForm22Timing;  // te 0.23, sMax 0.6, ...

// Two heart beats for three (X, C) curves with one Qmax; pieces 1..4 are the first systole,
// the first diastole, the second systole and the second diastole, every point placed on the
// chart's time axis and handed out in a fixed order.
void RunCardiacCycle(const CardiacCycleTiming& timing, double Qmax, double X1, double C1, double X2,
                     double C2, double X3, double C3, const CurvePointSink& sink);

}  // namespace model
