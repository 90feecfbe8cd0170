#pragma once
// Charts set up like the program's investigation windows, with believable curves, for tests,
// snapshots and the benchmark.

#include <cmath>

#include "chart/chart_data.h"

namespace chart::samples {

inline void configureCommon(ChartData& data, const QString& title) {
    auto& s = data.settings();
    s.title = QStringList{title};
    s.bottomAxis.title = QStringLiteral("время (с)");
    s.leftAxis.title = QStringLiteral("давление (мм.рт.ст)");
}

// A pressure curve over one beat piece: a rise during systole, a decay during diastole.
inline double pressureAt(double t, int curve) {
    const double beat = std::fmod(t, 0.8);
    const double peak = 120 + 10 * curve;
    if (beat <= 0.24) {
        return 80 + (peak - 80) * std::sin(beat / 0.24 * 1.4);
    }
    return peak * 0.98 * std::exp(-(beat - 0.24) / (0.8 + 0.3 * curve));
}

// The cardiac-cycle chart of elasticity: fourteen series, fixed time axis 0..1.6, 510 points.
inline void fillCardiacCycle(ChartData& data) {
    configureCommon(data, QStringLiteral("График"));
    auto& bottom = data.settings().bottomAxis;
    bottom.automatic = false;
    bottom.minimum = 0;
    bottom.maximum = 1.6;
    bottom.increment = 0.1;
    const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 128, 0), white(255, 255, 255);
    const QString blank = QStringLiteral(" ");
    data.addSeries("Series3", QStringLiteral("С1"), blue);
    data.addSeries("Series1", QStringLiteral("С2"), red);
    data.addSeries("Series2", QStringLiteral("С3"), green);
    for (const char* name : {"Series7", "Series5", "Series6", "Series4", "Series8", "Series9",
                             "Series10", "Series11", "Series12", "Series13", "Series14"}) {
        data.addSeries(name, blank, white);
    }
    data.series("Series7")->addPoint(1.0, 130, blue);
    data.series("Series8")->addPoint(1.0, 50, blue);
    const char* pieces[4][3] = {{"Series1", "Series2", "Series3"},
                                {"Series4", "Series5", "Series6"},
                                {"Series9", "Series10", "Series11"},
                                {"Series12", "Series13", "Series14"}};
    const double starts[5] = {0, 0.24, 0.8, 1.04, 1.6};
    const int counts[4] = {29, 56, 29, 55};
    const QColor colours[3] = {red, green, blue};
    for (int curve = 0; curve < 3; ++curve) {
        for (int piece = 0; piece < 4; ++piece) {
            const int n = counts[piece] + (curve == 0 && piece == 3 ? 1 : 0);
            LineSeries& s = *data.series(pieces[piece][curve]);
            for (int i = 0; i < n; ++i) {
                const double t = starts[piece] + (starts[piece + 1] - starts[piece]) * i / (n - 1);
                s.addPoint(t, pressureAt(t, curve), colours[curve]);
            }
        }
    }
}

// The 3-D systole chart of resistance: five series, 41 points.
inline void fillSystole3D(ChartData& data) {
    configureCommon(data, QStringLiteral("График"));
    auto& s = data.settings();
    s.view3D = true;
    s.leftWallColor = QColor(0, 128, 128);
    s.bottomAxis.titleFont = chartFont(16);
    s.leftAxis.titleFont = chartFont(16);
    const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 128, 0), white(255, 255, 255);
    data.addSeries("Series4", " ", white).setLineVisible(false);
    data.addSeries("Series1", "x1", green).setShade3D(false);
    data.addSeries("Series2", "x2", red);
    data.addSeries("Series3", "x3", blue);
    data.addSeries("Series5", " ", white).setLineVisible(false);
    data.series("Series4")->addPoint(0.26, 130, blue);
    data.series("Series5")->addPoint(0.26, 50, blue);
    const char* names[3] = {"Series1", "Series2", "Series3"};
    const QColor colours[3] = {green, red, blue};
    for (int curve = 0; curve < 3; ++curve) {
        for (int i = 0; i <= 12; ++i) {
            const double t = 0.02 * i;
            data.series(names[curve])->addPoint(t, pressureAt(t, curve), colours[curve]);
        }
    }
}

inline int pointCount(const ChartData& data) {
    int n = 0;
    for (const auto& s : data.seriesList()) {
        n += static_cast<int>(s->points().size());
    }
    return n;
}

}  // namespace chart::samples
