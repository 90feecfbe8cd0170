#include "investigations/curve_builds.h"

#include <stdexcept>

#include "model/pressure.h"

namespace investigations {

namespace {

// Diastole grid: t = 0, 0.01, ... while t < 0.56, by repeated addition (56 points).
constexpr double kDiastoleStep = 0.01;
constexpr double kDiastoleEnd = 0.56;
// Systole grid: the step is added before each point, while t < 0.24 (13 points, 0.02 ... 0.26).
constexpr double kSystoleStep = 0.02;
constexpr double kSystoleEnd = 0.24;
// Every systole window's curve starts from this pressure when the valve opens.
constexpr double kOpeningPressure = 80.0;

using Values = std::array<double, 6>;

double value(const Values& values, int field) { return values.at(static_cast<std::size_t>(field)); }

std::array<chart::LineSeries*, 3> curveSeries(const ComputeSpec& compute, chart::ChartData& data) {
    std::array<chart::LineSeries*, 3> series{};
    for (std::size_t i = 0; i < 3; ++i) series[i] = &seriesNamed(data, compute.curves[i].series);
    return series;
}

void addDiastole(const ComputeSpec& compute, const Values& values, chart::ChartData& data) {
    const auto series = curveSeries(compute, data);
    const double p0 = value(values, compute.systolicPressureField);
    for (double t = 0; t < kDiastoleEnd; t += kDiastoleStep) {
        std::array<double, 3> pressure{};
        for (std::size_t i = 0; i < 3; ++i) {
            const CurveSpec& c = compute.curves[i];
            pressure[i] = model::DiastolicPressure(p0, value(values, c.resistanceField),
                                                   value(values, c.elasticityField), t);
        }
        for (std::size_t i = 0; i < 3; ++i) {
            series[i]->addPoint(t, pressure[i], compute.curves[i].pointColour);
        }
    }
}

void addSystole(const ComputeSpec& compute, const Values& values, chart::ChartData& data) {
    const auto series = curveSeries(compute, data);
    const auto pressureOf = [&](std::size_t i, double t) {
        const CurveSpec& c = compute.curves[i];
        return model::SystolicPressure(kOpeningPressure, value(values, c.resistanceField),
                                       value(values, c.elasticityField),
                                       value(values, c.inflowField), t);
    };
    double t = 0;
    while (t < kSystoleEnd) {
        t += kSystoleStep;
        if (compute.addOrder == AddOrder::AfterEachCurve) {
            for (std::size_t i = 0; i < 3; ++i) {
                series[i]->addPoint(t, pressureOf(i, t), compute.curves[i].pointColour);
            }
        } else {
            std::array<double, 3> pressure{};
            for (std::size_t i = 0; i < 3; ++i) pressure[i] = pressureOf(i, t);
            for (std::size_t i = 0; i < 3; ++i) {
                series[i]->addPoint(t, pressure[i], compute.curves[i].pointColour);
            }
        }
    }
}

void addCardiacCycle(const ComputeSpec& compute, const Values& values, chart::ChartData& data) {
    std::array<std::array<chart::LineSeries*, 3>, 4> pieces{};
    for (std::size_t k = 0; k < 4; ++k) {
        for (std::size_t i = 0; i < 3; ++i) {
            pieces[k][i] = &seriesNamed(data, compute.pieceSeries[k][i]);
        }
    }
    const auto& c = compute.curves;
    model::RunCardiacCycle(*compute.timing, value(values, c[0].inflowField),
                           value(values, c[0].resistanceField), value(values, c[0].elasticityField),
                           value(values, c[1].resistanceField), value(values, c[1].elasticityField),
                           value(values, c[2].resistanceField), value(values, c[2].elasticityField),
                           [&](int piece, int curve, double x, double p) {
                               const auto k = static_cast<std::size_t>(piece - 1);
                               const auto i = static_cast<std::size_t>(curve - 1);
                               pieces.at(k).at(i)->addPoint(x, p, c.at(i).pointColour);
                           });
}

}  // namespace

chart::LineSeries& seriesNamed(chart::ChartData& data, const char* name) {
    chart::LineSeries* const series = data.series(QString::fromLatin1(name));
    if (!series) throw std::logic_error(std::string("no chart series ") + name);
    return *series;
}

void addCurves(const ComputeSpec& compute, const Values& values, chart::ChartData& data) {
    switch (compute.model) {
        case Model::Diastole:
            addDiastole(compute, values, data);
            return;
        case Model::Systole:
            addSystole(compute, values, data);
            return;
        case Model::CardiacCycle:
            addCardiacCycle(compute, values, data);
            return;
    }
}

}  // namespace investigations
