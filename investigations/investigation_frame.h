#pragma once
// The frame shared by the seven investigation windows: controls and chart from the window's
// table, the key filter on its fields, and the build run by "Построить график".

#include <array>

#include "ui/form.h"
#include "investigations/investigation_spec.h"

class QLineEdit;

namespace chart {
class ChartWidget;
}

namespace investigations {

class InvestigationFrame : public ui::Form {
    Q_OBJECT
  public:
    InvestigationFrame(const InvestigationSpec& spec, ui::Desktop& desktop);

    // The build: clear the curves, add the anchor points, read the five fields, compute and
    // add the curves. Throws the first error, which ends the build where it occurs; the click
    // on Button1 runs it through invoke(), which shows the error box.
    void Button1Click();

    const InvestigationSpec& investigationSpec() const { return spec_; }
    chart::ChartWidget* chart() const { return chart_; }
    QLineEdit* field(int number) const;  // Edit1 = 1

  private:
    void configureChart();
    void readFields();

    const InvestigationSpec& spec_;
    chart::ChartWidget* chart_ = nullptr;
    // The values of the last build, by field number (index 0 unused); overwritten by each build.
    std::array<double, 6> values_{};
};

}  // namespace investigations
