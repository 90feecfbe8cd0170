#include "model/checked_extended.h"
#include "model/pressure.h"

namespace model {

double DiastolicPressure(double P0, double X, double C, double t) {
    // The exponent is (−t) over the product X·C, so t = 0 with X·C = 0 is 0/0.
    const CheckedExtended exponent = -CheckedExtended(t) / (CheckedExtended(X) * C);
    return (CheckedExtended(P0) * Exp(exponent)).ToDouble();
}

}  // namespace model
