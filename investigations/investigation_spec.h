#pragma once
// Everything in which the seven investigation windows differ, as one table per window: the
// frame and its prompts, the five fields and what each holds, the model and its three curves,
// the chart and its series. The frame (investigation_frame.h) reads it; every name in it is
// checked when the window is made.

#include <QColor>
#include <array>
#include <optional>
#include <variant>
#include <vector>

#include "chart/chart_data.h"
#include "model/pressure.h"
#include "ui/form_spec.h"

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

// What a field holds: a quantity of the model, either shared by the three curves or one of the
// three values of the quantity under study.
struct Parameter {
    enum class Quantity { SystolicPressure, Resistance, Elasticity, Inflow };
    Quantity quantity;
    int value = 0;  // 1, 2, 3: the value of that curve; 0: shared by the three curves
    bool operator==(const Parameter&) const = default;
};

namespace parameters {
using Q = Parameter::Quantity;
inline constexpr Parameter P0{Q::SystolicPressure};  // mm Hg
inline constexpr Parameter X{Q::Resistance};         // mm Hg·s/ml
inline constexpr Parameter C{Q::Elasticity};         // ml/mm Hg
inline constexpr Parameter Qmax{Q::Inflow};          // ml/s
inline constexpr Parameter X1{Q::Resistance, 1}, X2{Q::Resistance, 2}, X3{Q::Resistance, 3};
inline constexpr Parameter C1{Q::Elasticity, 1}, C2{Q::Elasticity, 2}, C3{Q::Elasticity, 3};
inline constexpr Parameter Qmax1{Q::Inflow, 1}, Qmax2{Q::Inflow, 2}, Qmax3{Q::Inflow, 3};
}  // namespace parameters

// An input field: its control, what it holds and where it stands. A build reads the fields in
// the order of the table; the value read is multiplied by `factor` (a peak inflow is typed in
// tens of ml/s).
struct FieldSpec {
    const char* name;  // "Edit1" ... "Edit5"
    Parameter holds;
    double factor = 1;
    QRect geometry;
    int tabOrder = -1;
};

// The models of the three kinds of window.
struct DiastolicDecay {};
struct SystolicEjection {
    model::HandOut handOut;
};
struct CardiacCycle {
    const model::CardiacCycleTiming* timing;
};
using ModelRun = std::variant<DiastolicDecay, SystolicEjection, CardiacCycle>;

// One of the three curves: the value under study that makes it, the colour of its points, the
// series that receive its pieces (four in a cardiac cycle) and the legend row that names it,
// when that is not the row of its first series.
struct CurveSpec {
    Parameter value;
    QColor colour;
    std::vector<const char*> series;
    const char* legendRow = nullptr;
};

struct SeriesSpec {
    const char* name;   // "Series1"
    const char* title;  // legend text; " " leaves the legend row blank
    QColor colour;      // legend sample only; curves are drawn in their points' colours
    bool lineVisible = true;
    bool shade3D = true;
};

// The two fixed points that keep the pressure axis at least 50..130 mm Hg.
struct AnchorSpec {
    const char* upperSeries;  // receives (time, 130)
    const char* lowerSeries;  // receives (time, 50)
    double time;
    bool clearedByBuild = false;  // otherwise the points of earlier builds stay
};

struct InvestigationSpec {
    ui::FormSpec form;
    ui::ControlTable prompts;  // the labels
    std::array<FieldSpec, 5> fields;
    ui::FontSpec fieldFont;
    bool keyFilter;  // on every field
    ui::ControlSpec button;
    ui::ControlSpec chartControl;  // the chart's place
    ModelRun model;
    std::array<CurveSpec, 3> curves;
    chart::ChartSettings chart;
    std::vector<SeriesSpec> series;  // in chart order
    std::optional<AnchorSpec> anchors;
};

}  // namespace investigations
