#pragma once
// The charts of the seven investigation windows as the windows configure them: size, titles,
// fonts, view, time axis and legend rows. Tests add points to reach a window's ranges.

#include <QSize>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "chart/chart_data.h"

namespace chart::windows {

struct SeriesRow {
    const char* name;
    const char* title;
    QColor colour;
    bool lineVisible = true;
};

struct WindowChart {
    const char* window;
    QSize size;
    const char* title;
    const char* bottomTitle;
    const char* leftTitle;
    int axisTitlePx;  // "Arial" at this height
    bool view3D;
    bool fixedTime;  // 0 .. 1.6 s, a label every 0.1 s
    std::vector<SeriesRow> series;
};

inline const std::vector<WindowChart>& all() {
    const QColor blue(0, 0, 255), green(0, 128, 0), lime(0, 255, 0), red(255, 0, 0),
        yellow(255, 255, 0), white(255, 255, 255);
    static const std::vector<WindowChart> charts{
        {"Form9",
         {489, 401},
         "",
         "время (с)",
         "давление (мм.рт.ст.)",
         11,
         false,
         false,
         {{"Series5", " ", white},
          {"Series4", "Х1", blue},
          {"Series2", "Х2", green},
          {"Series1", "Х3", red},
          {"Series3", " ", yellow}}},
        {"Form24",
         {545, 465},
         "график",
         "время (с)",
         "давление (мм.рт.ст)",
         16,
         false,
         false,
         {{"Series4", " ", white},
          {"Series1", "C1", blue},
          {"Series2", "C2", green},
          {"Series3", "C3", red},
          {"Series5", " ", white}}},
        {"Form20",
         {513, 441},
         "Chart",
         "Время (с)",
         "давление  (мм.рт.ст)",
         11,
         false,
         false,
         {{"Series4", " ", white, false},
          {"Series2", "Qmax1", blue},
          {"Series3", "Qmax2", lime},
          {"Series1", "Qmax3", red},
          {"Series5", " ", white, false}}},
        {"Form26",
         {553, 481},
         "График",
         "время (с)",
         "давление (мм.рт.ст)",
         16,
         true,
         false,
         {{"Series4", " ", white, false},
          {"Series1", "x1", green},
          {"Series2", "x2", red},
          {"Series3", "x3", blue},
          {"Series5", " ", white, false}}},
        {"Form28",
         {537, 441},
         "график",
         "время (с)",
         "давление (мм.рт.ст)",
         16,
         true,
         false,
         {{"Series4", " ", white, false},
          {"Series1", "с1", red},
          {"Series2", "с2", green},
          {"Series3", "с3", yellow},
          {"Series5", " ", white, false}}},
        {"Form16",
         {505, 465},
         "График",
         "время (с)",
         "давление (мм.рт.ст)",
         11,
         false,
         true,
         {{"Series3", "С1", blue},
          {"Series1", "С2", red},
          {"Series2", "С3", green},
          {"Series7", " ", white},
          {"Series5", " ", white},
          {"Series6", " ", white},
          {"Series4", " ", white},
          {"Series8", " ", white},
          {"Series9", " ", white},
          {"Series10", " ", white},
          {"Series11", " ", white},
          {"Series12", " ", white},
          {"Series13", " ", white},
          {"Series14", " ", white}}},
        {"Form22",
         {553, 449},
         "График",
         "время (с)",
         "давление (мм.рт.ст)",
         11,
         false,
         true,
         {{"Series1", "x1", red},
          {"Series2", "x2", green},
          {"Series3", "x3", blue},
          {"Series4", " ", white},
          {"Series5", " ", white},
          {"Series6", " ", white},
          {"Series7", " ", white},
          {"Series8", " ", white},
          {"Series9", " ", white},
          {"Series10", " ", white},
          {"Series11", " ", white},
          {"Series12", " ", white}}},
    };
    return charts;
}

inline const WindowChart& byName(const QString& window) {
    for (const WindowChart& c : all()) {
        if (window == QLatin1String(c.window)) return c;
    }
    Q_ASSERT(false);
    return all().front();
}

inline void configure(ChartData& data, const WindowChart& c) {
    auto& s = data.settings();
    s.title = QStringList{QString::fromUtf8(c.title)};
    s.bottomAxis.title = QString::fromUtf8(c.bottomTitle);
    s.leftAxis.title = QString::fromUtf8(c.leftTitle);
    s.bottomAxis.titleFont = chartFont(c.axisTitlePx);
    s.leftAxis.titleFont = chartFont(c.axisTitlePx);
    s.view3D = c.view3D;
    if (c.fixedTime) {
        s.bottomAxis.automatic = false;
        s.bottomAxis.minimum = 0;
        s.bottomAxis.maximum = 1.6;
        s.bottomAxis.increment = 0.1;
    }
    for (const SeriesRow& row : c.series) {
        data.addSeries(QString::fromLatin1(row.name), QString::fromUtf8(row.title), row.colour)
            .setLineVisible(row.lineVisible);
    }
}

// What a build of the elasticity systole window (Form28) adds: three curves of 13 points
// rising to their peaks at 0.24 s (red 163.227, green 125.881, yellow 104.103 mm Hg) and
// falling at 0.26 s, and the two anchor points.
inline void addSystoleBuild(ChartData& data) {
    const QColor blue(0, 0, 255);
    data.series("Series4")->addPoint(0.26, 130, blue);
    data.series("Series5")->addPoint(0.26, 50, blue);
    const std::pair<const char*, QColor> curves[3] = {
        {"Series1", QColor(255, 0, 0)}, {"Series2", QColor(0, 128, 0)}, {"Series3", Qt::yellow}};
    const double peaks[3] = {163.227, 125.881, 104.103};
    for (int c = 0; c < 3; ++c) {
        for (int i = 1; i <= 13; ++i) {
            const double t = 0.02 * i;
            const double rise = std::sin(std::min(t, 0.24) / 0.24 * std::numbers::pi / 2);
            const double p = 80 + (peaks[c] - 80) * rise - (i == 13 ? 3 : 0);
            data.series(curves[c].first)->addPoint(t, p, curves[c].second);
        }
    }
}

}  // namespace chart::windows
