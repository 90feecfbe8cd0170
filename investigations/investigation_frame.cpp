#include "investigations/investigation_frame.h"

#include <QLineEdit>
#include <cmath>

#include "ui/controls.h"
#include "ui/fonts.h"
#include "chart/chart_widget.h"
#include "investigations/curve_builds.h"
#include "investigations/key_filter.h"
#include "investigations/number_reader.h"

namespace investigations {

namespace {

constexpr double kUpperAnchorPressure = 130.0;
constexpr double kLowerAnchorPressure = 50.0;

}  // namespace

InvestigationFrame::InvestigationFrame(const InvestigationSpec& spec, ui::Desktop& desktop)
    : ui::Form(spec.form, desktop), spec_(spec) {
    ui::buildControls(this, spec.controls, [this](QWidget* parent, const ui::ControlSpec&) {
        chart_ = new chart::ChartWidget(parent);
        // The chart is never reached with the Tab key.
        chart_->setFocusPolicy(static_cast<Qt::FocusPolicy>(chart_->focusPolicy() & ~Qt::TabFocus));
        return chart_;
    });
    configureChart();
    if (spec.keyFilter) {
        for (int number = 1; number <= 5; ++number) new KeyFilter(field(number), desktop);
    }
    setHandler(QStringLiteral("Button1Click"), [this] { Button1Click(); });
    connectClick(QStringLiteral("Button1"), QStringLiteral("Button1Click"));
}

QLineEdit* InvestigationFrame::field(int number) const {
    return control<QLineEdit>(QStringLiteral("Edit%1").arg(number));
}

void InvestigationFrame::configureChart() {
    chart::ChartData& data = chart_->data();
    chart::ChartSettings& settings = data.settings();
    const ChartSpec& c = spec_.chart;
    settings.title.clear();
    for (const char* line : c.title) settings.title << QString::fromUtf8(line);
    settings.bottomAxis.title = QString::fromUtf8(c.bottomAxisTitle);
    settings.leftAxis.title = QString::fromUtf8(c.leftAxisTitle);
    if (c.axisTitleFont) {
        for (chart::Axis* axis : {&settings.bottomAxis, &settings.leftAxis}) {
            axis->titleFont = ui::makeFont(*c.axisTitleFont);
            axis->titleColor = Qt::black;
        }
    }
    settings.view3D = c.view3D;
    if (c.bottomAxis) {
        settings.bottomAxis.automatic = false;
        settings.bottomAxis.minimum = c.bottomAxis->minimum;
        settings.bottomAxis.maximum = c.bottomAxis->maximum;
        settings.bottomAxis.increment = c.bottomAxis->increment;
    }
    if (c.leftWall) settings.leftWallColor = *c.leftWall;
    if (c.background) settings.background = *c.background;
    if (c.leftAxisGrid) settings.leftAxis.gridColor = *c.leftAxisGrid;
    settings.animatedZoom = c.animatedZoom;

    for (const SeriesSpec& s : spec_.series) {
        chart::LineSeries& series =
            data.addSeries(QString::fromLatin1(s.name), QString::fromUtf8(s.title), s.colour);
        series.setLineVisible(s.lineVisible);
        series.setShade3D(s.shade3D);
    }
}

void InvestigationFrame::Button1Click() {
    chart::ChartData& data = chart_->data();
    for (const char* name : spec_.clearedSeries) seriesNamed(data, name).clear();
    if (spec_.anchors) {
        const AnchorSpec& a = *spec_.anchors;
        seriesNamed(data, a.upperSeries).addPoint(a.time, kUpperAnchorPressure, colours::blue);
        seriesNamed(data, a.lowerSeries).addPoint(a.time, kLowerAnchorPressure, colours::blue);
    }
    readFields();
    addCurves(spec_.compute, values_, data);
}

void InvestigationFrame::readFields() {
    const QChar decimalPoint = userDecimalPoint();
    for (const FieldRead& read : spec_.readOrder) {
        const double value = readNumber(field(read.field)->text(), decimalPoint);
        const double scaled = value * read.factor;
        if (!std::isfinite(scaled)) throw model::FloatError(model::FloatError::Kind::Overflow);
        values_.at(static_cast<std::size_t>(read.field)) = scaled;
    }
}

}  // namespace investigations
