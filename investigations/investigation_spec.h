#pragma once
// Everything in which the seven investigation windows differ, as one data table per window:
// the frame and its controls, the chart and its series, and the steps of a build.

#include <QColor>
#include <array>
#include <optional>
#include <vector>

#include "ui/form_spec.h"
#include "model/pressure.h"

namespace investigations {

// The colours of curves, legend samples and chart parts.
namespace colours {
inline const QColor blue{0, 0, 255};
inline const QColor green{0, 128, 0};
inline const QColor lime{0, 255, 0};
inline const QColor red{255, 0, 0};
inline const QColor yellow{255, 255, 0};
inline const QColor white{255, 255, 255};
inline const QColor teal{0, 128, 128};
inline const QColor lightYellow{255, 255, 128};
inline const QColor lightGrey{240, 240, 240};
}  // namespace colours

struct SeriesSpec {
    const char* name;   // "Series1"
    const char* title;  // legend text, UTF-8; " " leaves the legend row blank
    QColor colour;      // legend sample only; curves are drawn in their points' colours
    bool lineVisible = true;
    bool shade3D = true;
};

struct FixedAxisRange {
    double minimum;
    double maximum;
    double increment;
};

struct ChartSpec {
    std::vector<const char*> title;  // lines, UTF-8; an empty line still takes its height
    const char* bottomAxisTitle;
    const char* leftAxisTitle;
    std::optional<ui::FontSpec> axisTitleFont;  // none: the chart's default
    bool view3D = false;
    std::optional<FixedAxisRange> bottomAxis;  // none: automatic
    std::optional<QColor> leftWall;            // none: the chart's default
    std::optional<QColor> background;          // none: the chart's default
    std::optional<QColor> leftAxisGrid;        // none: the chart's default
    bool animatedZoom = false;
};

// The two fixed points that keep the pressure axis at least 50..130 mm Hg.
struct AnchorSpec {
    const char* upperSeries;  // receives (time, 130)
    const char* lowerSeries;  // receives (time, 50)
    double time;
};

// One field read by a build: its number (Edit1 = 1) and the factor applied to the value read
// (10 for a typed inflow, which gives Qmax in ml/s).
struct FieldRead {
    int field;
    double factor = 1;
};

enum class Model { Diastole, Systole, CardiacCycle };

// When the systole windows add a time point's values: right after each curve's value, or after
// all three values of the time point are computed.
enum class AddOrder { AfterEachCurve, AfterAllCurves };

// Where a curve's parameters come from (field numbers, 0 for none) and where its points go.
struct CurveSpec {
    int resistanceField;  // X
    int elasticityField;  // C
    int inflowField;      // Qmax (systole and cardiac cycle)
    QColor pointColour;
    const char* series;  // the curve series (diastole and systole windows)
};

// Step 4 of a build: the model, the parameters of its three curves, and the series of each
// piece of a cardiac-cycle curve.
struct ComputeSpec {
    Model model;
    std::array<CurveSpec, 3> curves;
    int systolicPressureField = 0;  // P0 (diastole)
    AddOrder addOrder = AddOrder::AfterAllCurves;
    const model::CardiacCycleTiming* timing = nullptr;           // cardiac cycle
    std::array<std::array<const char*, 3>, 4> pieceSeries = {};  // [piece - 1][curve - 1]
};

struct InvestigationSpec {
    ui::FormSpec form;
    ui::ControlTable controls;  // includes the chart, a Custom row named "Chart1"
    bool keyFilter;             // on Edit1..Edit5
    ChartSpec chart;
    std::vector<SeriesSpec> series;          // in chart order
    std::vector<const char*> clearedSeries;  // step 1
    std::optional<AnchorSpec> anchors;       // step 2
    std::array<FieldRead, 5> readOrder;      // step 3
    ComputeSpec compute;                     // step 4
};

}  // namespace investigations
