#pragma once
// The pressure models of the elastic-reservoir aorta: C·dP/dt + P/X = Qc(t).
// Pure computations without state. Floating-point conditions (invalid operation, division
// by zero, overflow) end a computation with FloatError; underflow is silent, and no infinity
// or NaN is ever returned or handed out.

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

// piece 1..4 (first systole, first diastole, second systole, second diastole), curve 1..3.
using CyclePointSink = std::function<void(int piece, int curve, double x, double P)>;

// Two heart beats for three (X, C) curves; every point goes to the sink in a fixed order.
void RunCardiacCycle(const CardiacCycleTiming& timing, double Qmax, double X1, double C1, double X2,
                     double C2, double X3, double C3, const CyclePointSink& sink);

}  // namespace model
