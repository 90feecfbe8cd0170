// Two independent checks of the systolic solution: the term-by-term evaluation against the
// short closed form, and the closed form against a numerical integration of the model
// equation C·dP/dt + P/X = Qc(t).

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/pressure.h"

namespace {

using model::SystolicPressure;

long double InflowA(long double Qmax) { return Qmax / 0.0144L; }
long double InflowB(long double Qmax) { return 2.0L * Qmax / 0.12L; }

// P(t) = Pd·F + X·[(b + 2·a·τ)·(t − τ·(1 − F)) − a·t²], τ = X·C, F = exp(−t/τ).
long double ShortClosedForm(long double Pd, long double X, long double C, long double Qmax,
                            long double t) {
    const long double a = InflowA(Qmax);
    const long double b = InflowB(Qmax);
    const long double tau = X * C;
    const long double F = std::exp(-t / tau);
    return Pd * F + X * ((b + 2.0L * a * tau) * (t - tau * (1.0L - F)) - a * t * t);
}

// Classical Runge–Kutta for dP/dt = (Qc(t) − P/X)/C from P(0) = Pd, with Qc(t) = b·t − a·t²;
// returns P at every multiple of `every` steps.
std::vector<double> IntegrateModel(double Pd, double X, double C, double Qmax, double h, int steps,
                                   int every) {
    const double a = Qmax / 0.0144;
    const double b = 2.0 * Qmax / 0.12;
    const auto slope = [&](double t, double P) { return (b * t - a * t * t - P / X) / C; };
    std::vector<double> samples;
    double P = Pd;
    for (int n = 0; n < steps; ++n) {
        const double t = n * h;
        const double k1 = slope(t, P);
        const double k2 = slope(t + h / 2, P + h / 2 * k1);
        const double k3 = slope(t + h / 2, P + h / 2 * k2);
        const double k4 = slope(t + h, P + h * k3);
        P += h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
        if ((n + 1) % every == 0) samples.push_back(P);
    }
    return samples;
}

TEST(SystolicCrossCheckTest, ReferenceEvaluationAgreesWithShortClosedForm) {
    const double values[] = {0.1, 0.2, 0.35, 0.5, 0.75, 1.0, 1.2, 2.0, 3.5, 5.0, 7.5, 10.0};
    int compared = 0;
    for (const double X : values) {
        for (const double C : values) {
            for (const double Qmax : {0.0, 50.0, 500.0, 1500.0, 5000.0}) {
                for (const double Pd : {80.0, 55.0}) {
                    // The systole grid and a little beyond the end of the ejection.
                    for (double t = 0.0; t < 0.3;) {
                        t += 0.01;
                        const double reference = SystolicPressure(Pd, X, C, Qmax, t);
                        const double closed =
                            static_cast<double>(ShortClosedForm(Pd, X, C, Qmax, t));
                        ASSERT_NEAR(reference, closed, 1e-4)
                            << "X " << X << " C " << C << " Qmax " << Qmax << " t " << t;
                        ++compared;
                    }
                }
            }
        }
    }
    EXPECT_EQ(compared, 12 * 12 * 5 * 2 * 30);
}

TEST(SystolicCrossCheckTest, ReferenceEvaluationAgreesForTinyTimeConstant) {
    // Huge E terms in the extended range still cancel to the right value.
    double t = 0.0;
    for (int k = 1; k <= 11; ++k) {  // up to 0.11 s; E overflows at 0.12 s
        t += 0.01;
        EXPECT_NEAR(SystolicPressure(80, 1, 1e-5, 500, t),
                    static_cast<double>(ShortClosedForm(80, 1, 1e-5, 500, t)), 1e-4)
            << "t " << t;
    }
}

struct IntegrationCase {
    double Pd, X, C, Qmax;
};

class ClosedFormIntegrationTest : public testing::TestWithParam<IntegrationCase> {};

TEST_P(ClosedFormIntegrationTest, ClosedFormSolvesTheModelEquation) {
    const IntegrationCase& c = GetParam();
    constexpr double kStep = 1e-5;
    constexpr int kEvery = 1000;  // a sample every 0.01 s
    constexpr int kSamples = 26;  // up to 0.26 s, past the end of the ejection
    const std::vector<double> integrated =
        IntegrateModel(c.Pd, c.X, c.C, c.Qmax, kStep, kSamples * kEvery, kEvery);
    ASSERT_EQ(integrated.size(), static_cast<size_t>(kSamples));
    for (int k = 0; k < kSamples; ++k) {
        const double t = (k + 1) * 0.01;
        const double closed = static_cast<double>(ShortClosedForm(c.Pd, c.X, c.C, c.Qmax, t));
        EXPECT_NEAR(closed, integrated[k], 1e-6 * std::max(1.0, std::fabs(closed))) << "t " << t;
        EXPECT_NEAR(SystolicPressure(c.Pd, c.X, c.C, c.Qmax, t), integrated[k],
                    1e-6 * std::max(1.0, std::fabs(closed)))
            << "t " << t;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, ClosedFormIntegrationTest,
    testing::Values(IntegrationCase{80, 1, 1.2, 500}, IntegrationCase{80, 0.5, 1.2, 500},
                    IntegrationCase{80, 2, 2.4, 5000}, IntegrationCase{100, 0.1, 0.1, 500},
                    IntegrationCase{80, 10, 10, 5000}, IntegrationCase{80, 1, 2, 0},
                    IntegrationCase{65, 3, 0.4, 1500}));

}  // namespace
