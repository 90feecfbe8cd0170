#pragma once
// Step 4 of a build: the three curves of a window computed with its model and added to its
// series, each point in its curve's colour.

#include <array>

#include "chart/chart_data.h"
#include "investigations/investigation_spec.h"

namespace investigations {

// The series of that name; a window's tables name only series it has.
chart::LineSeries& seriesNamed(chart::ChartData& data, const char* name);

// values: the numbers read from the fields, by field number. A floating-point error of the
// model ends the computation where it occurs; the points added before it stay.
void addCurves(const ComputeSpec& compute, const std::array<double, 6>& values,
               chart::ChartData& data);

}  // namespace investigations
