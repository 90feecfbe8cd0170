#include "model/checked_extended.h"
#include "model/pressure.h"

namespace model {

namespace {

// Time of the peak inflow t0 = 0.12 s and its square; the ejection lasts 2·t0.
constexpr long double kPeakTime = 0.12L;
constexpr long double kPeakTimeSquared = 0.0144L;
// Pressure at the outflow end of the small vessels.
constexpr double kEndPressure = 0.0;

}  // namespace

double SystolicPressure(double Pd, double X, double C, double Qmax, double t) {
    // The inflow coefficients are stored values: Qc(t) = b·t − a·t².
    const double a = (CheckedExtended(Qmax) / Ext(kPeakTimeSquared)).ToDouble();
    const double b = (Ext(2.0L) * Qmax / Ext(kPeakTime)).ToDouble();

    // F first: with X or C zero the evaluation stops at −1/X or at its division by C.
    const CheckedExtended F = Exp((Ext(-1.0L) / X) / C * t);
    const CheckedExtended E = Exp(t * ((Ext(1.0L) / X) / C));

    // The integrating-factor arrangement, term by term and in this order: the terms are large
    // and cancel, and with tiny X·C the overflow of E is where the evaluation stops.
    const CheckedExtended s1 =
        E * (Ext(2.0L) * C * C) * X * X * X * a - Ext(2.0L) * C * C * X * X * X * a;
    const CheckedExtended s2 = s1 - E * (Ext(2.0L) * C) * X * X * a * t;
    const CheckedExtended s3 = E * C * X * X * b + s2;
    const CheckedExtended s4 = E * X * a * t * t + s3;
    const CheckedExtended s5 = s4 - CheckedExtended(C) * X * X * b;
    const CheckedExtended s6 = s5 - E * X * b * t;
    const CheckedExtended s7 = s6 - E * kEndPressure - Pd + kEndPressure;
    return (s7 * -F).ToDouble();
}

}  // namespace model
