#pragma once
// The frame shared by the seven investigation windows: prompts, fields and chart from the
// window's table, the key filter on its fields, and the build run by "Построить график".

#include <array>

#include "chart/chart_host.h"
#include "investigations/investigation_spec.h"
#include "ui/form.h"

class QLineEdit;

namespace chart {
class ChartWidget;
class LineSeries;
}  // namespace chart

namespace investigations {

// The window is also its chart's host: the chart's menu saves and prints through the window's
// desktop, and prints the window's heading and typed values above the chart.
class InvestigationFrame : public ui::Form, private chart::ChartHost {
    Q_OBJECT
  public:
    // Throws ui::TableError when the table names a field, parameter or series that the window
    // does not have.
    InvestigationFrame(const InvestigationSpec& spec, ui::Desktop& desktop);

    // The build: clear the curves, add the anchor points, read the five fields, compute the
    // three curves and add their points. Throws the first error, which ends the build where it
    // occurs; the click on Button1 runs it through invoke(), which shows the error box.
    void Button1Click();

    const InvestigationSpec& investigationSpec() const { return spec_; }
    chart::ChartWidget* chart() const { return chart_; }
    QLineEdit* field(int number) const;  // Edit1 = 1

    // The heading, then each prompt with the value typed beside it, top to bottom.
    QStringList documentHeader() const override;

  private:
    QString saveFileName(const QString& caption, const QString& suggestedName,
                         const QStringList& filters, QString* selectedFilter) override;
    bool confirmOverwrite(const QString& path) override;
    bool choosePrinter(QPrinter& printer) override;
    void showError(const QString& message) override;

    using Quantity = Parameter::Quantity;
    static constexpr int kQuantities = 4;

    void resolveTable();
    void configureChart();
    void readFields();
    double value(int curve, Quantity quantity) const;  // curve 0..2
    void runModel();

    const InvestigationSpec& spec_;
    chart::ChartWidget* chart_ = nullptr;
    // For each curve and quantity, the field (index in the table) that holds its value; -1 when
    // the model does not need it.
    std::array<std::array<int, kQuantities>, 3> sources_{};
    // The series of each curve's pieces, and the series a build clears.
    std::array<std::vector<chart::LineSeries*>, 3> pieces_;
    std::vector<chart::LineSeries*> cleared_;
    // The values of the last build, by field in table order; overwritten by each build.
    std::array<double, 5> values_{};
};

}  // namespace investigations
