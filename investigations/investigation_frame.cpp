#include "investigations/investigation_frame.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "chart/chart_widget.h"
#include "investigations/key_filter.h"
#include "investigations/number_reader.h"
#include "ui/controls.h"
#include "ui/desktop.h"
#include "ui/table_error.h"
#include "ui/window_text.h"

namespace investigations {

namespace {

constexpr double kUpperAnchorPressure = 130.0;
constexpr double kLowerAnchorPressure = 50.0;

// Which quantities a model takes from each curve's fields, in Quantity order.
using Needs = std::array<bool, 4>;
Needs needs(const ModelRun& run) {
    if (std::holds_alternative<DiastolicDecay>(run)) return {true, true, true, false};
    return {false, true, true, true};
}

int piecesPerCurve(const ModelRun& run) {
    return std::holds_alternative<CardiacCycle>(run) ? 4 : 1;
}

QString nameOf(Parameter p) {
    static const char* const kNames[] = {"P0", "X", "C", "Qmax"};
    QString name = QString::fromLatin1(kNames[static_cast<int>(p.quantity)]);
    return p.value > 0 ? name + QString::number(p.value) : name;
}

}  // namespace

InvestigationFrame::InvestigationFrame(const InvestigationSpec& spec, ui::Desktop& desktop)
    : ui::Form(spec.form, desktop), spec_(spec) {
    resolveTable();

    ui::ControlTable controls = spec.prompts;
    for (const FieldSpec& f : spec.fields) {
        controls.push_back(
            {ui::ControlKind::Edit, f.name, f.geometry, "", spec.fieldFont, f.tabOrder});
    }
    controls.push_back(spec.button);
    controls.push_back(spec.chartControl);
    ui::buildControls(this, controls, [this](QWidget* parent, const ui::ControlSpec&) {
        chart_ = new chart::ChartWidget(parent);
        // The chart is never reached with the Tab key.
        chart_->setFocusPolicy(static_cast<Qt::FocusPolicy>(chart_->focusPolicy() & ~Qt::TabFocus));
        return chart_;
    });
    configureChart();
    chart_->setHost(this);
    chart_->describe();
    if (spec.keyFilter) {
        for (int number = 1; number <= 5; ++number) new KeyFilter(field(number), desktop);
    }
    setHandler(QStringLiteral("Button1Click"), [this] { Button1Click(); });
    connectClick(QStringLiteral("Button1"), QStringLiteral("Button1Click"));
}

QLineEdit* InvestigationFrame::field(int number) const {
    return control<QLineEdit>(QStringLiteral("Edit%1").arg(number));
}

// Every name the table uses must stand for something the window has: the five fields, a field
// for each value a curve needs, and each curve's series.
void InvestigationFrame::resolveTable() {
    const QString table = objectName();
    for (int number = 1; number <= 5; ++number) {
        const QString name = QStringLiteral("Edit%1").arg(number);
        if (std::none_of(spec_.fields.begin(), spec_.fields.end(),
                         [&](const FieldSpec& f) { return name == QLatin1String(f.name); })) {
            throw ui::TableError(table, QStringLiteral("field ") + name);
        }
    }
    const Needs needed = needs(spec_.model);
    for (std::size_t i = 0; i < spec_.curves.size(); ++i) {
        const Parameter own = spec_.curves[i].value;
        for (int q = 0; q < kQuantities; ++q) {
            sources_[i][q] = -1;
            if (!needed[q]) continue;
            const auto quantity = static_cast<Quantity>(q);
            // A cardiac cycle takes one peak inflow for all three curves.
            const bool ownValue =
                own.quantity == quantity && !(std::holds_alternative<CardiacCycle>(spec_.model) &&
                                              quantity == Quantity::Inflow);
            const Parameter wanted = ownValue ? own : Parameter{quantity};
            const auto holder = std::find_if(spec_.fields.begin(), spec_.fields.end(),
                                             [&](const FieldSpec& f) { return f.holds == wanted; });
            if (holder == spec_.fields.end()) {
                throw ui::TableError(table, QStringLiteral("field for ") + nameOf(wanted));
            }
            sources_[i][q] = static_cast<int>(holder - spec_.fields.begin());
        }
    }
}

void InvestigationFrame::configureChart() {
    chart::ChartData& data = chart_->data();
    // The chart's texts in the program's language, as the window's others.
    const char* const window = spec_.form.name;
    const auto translated = [window](const QString& text) {
        return ui::windowText(window, text.toUtf8().constData());
    };
    chart::ChartSettings settings = spec_.chart;
    for (QString& line : settings.title) line = translated(line);
    settings.bottomAxis.title = translated(settings.bottomAxis.title);
    settings.leftAxis.title = translated(settings.leftAxis.title);
    data.settings() = settings;
    for (const SeriesSpec& s : spec_.series) {
        if (data.series(QString::fromLatin1(s.name))) {
            throw ui::TableError(objectName(), QStringLiteral("second series ") + s.name);
        }
        chart::LineSeries& series =
            data.addSeries(QString::fromLatin1(s.name), ui::windowText(window, s.title), s.colour);
        series.setLineVisible(s.lineVisible);
        series.setShade3D(s.shade3D);
    }
    const auto seriesNamed = [&](const char* name) -> chart::LineSeries& {
        chart::LineSeries* const series = name ? data.series(QString::fromLatin1(name)) : nullptr;
        if (!series) {
            throw ui::TableError(objectName(), QStringLiteral("series ") + QLatin1String(name));
        }
        return *series;
    };

    const int pieces = piecesPerCurve(spec_.model);
    for (std::size_t i = 0; i < spec_.curves.size(); ++i) {
        const CurveSpec& curve = spec_.curves[i];
        if (static_cast<int>(curve.series.size()) != pieces) {
            throw ui::TableError(objectName(),
                                 QStringLiteral("series for each of the %1 pieces of %2")
                                     .arg(pieces)
                                     .arg(nameOf(curve.value)));
        }
        QStringList names;
        for (const char* name : curve.series) {
            pieces_[i].push_back(&seriesNamed(name));
            names << QString::fromLatin1(name);
        }
        const char* const legend = curve.legendRow ? curve.legendRow : curve.series.front();
        seriesNamed(legend);
        if (!data.addCurve(QString::fromLatin1(legend), curve.colour, names)) {
            throw ui::TableError(objectName(),
                                 QStringLiteral("series of its own for ") + nameOf(curve.value));
        }
        cleared_.insert(cleared_.end(), pieces_[i].begin(), pieces_[i].end());
    }
    if (spec_.anchors) {
        seriesNamed(spec_.anchors->upperSeries);
        seriesNamed(spec_.anchors->lowerSeries);
        if (spec_.anchors->clearedByBuild) {
            cleared_.push_back(&seriesNamed(spec_.anchors->upperSeries));
            cleared_.push_back(&seriesNamed(spec_.anchors->lowerSeries));
        }
    }
}

QStringList InvestigationFrame::documentHeader() const {
    QStringList lines;
    if (const auto* heading = control<QLabel>(QStringLiteral("Label1"))) {
        lines << heading->text().simplified();
    }
    std::vector<const QLineEdit*> fields;
    for (int number = 1; number <= 5; ++number) fields.push_back(field(number));
    std::sort(fields.begin(), fields.end(), [](const QLineEdit* a, const QLineEdit* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    // A value row ("X1 =") is named after the prompt above it and its own label: the prompt is
    // printed once, the rows below it.
    QString group;
    for (const QLineEdit* f : fields) {
        const QString name = f->accessibleName().simplified();
        if (name.endsWith(QLatin1Char('='))) {
            const QString valueLabel = name.section(QLatin1Char(' '), -2);
            const QString prompt = name.section(QLatin1Char(' '), 0, -3);
            if (!prompt.isEmpty() && prompt != group) {
                group = prompt;
                lines << (prompt.endsWith(QLatin1Char(':')) ? prompt : prompt + QLatin1Char(':'));
            }
            lines << QStringLiteral("    %1 %2").arg(valueLabel, f->text());
        } else {
            group.clear();
            lines << (name.endsWith(QLatin1Char(':')) ? name + QLatin1Char(' ')
                                                      : name + QStringLiteral(": ")) +
                         f->text();
        }
    }
    return lines;
}

QString InvestigationFrame::saveFileName(const QString& caption, const QString& suggestedName,
                                         const QStringList& filters, QString* selectedFilter) {
    return desktop().saveFileName(caption, suggestedName, filters, selectedFilter);
}

bool InvestigationFrame::confirmOverwrite(const QString& path) {
    return desktop().confirmOverwrite(path);
}

bool InvestigationFrame::choosePrinter(QPrinter& printer) {
    return desktop().choosePrinter(printer);
}

void InvestigationFrame::showError(const QString& message) { desktop().showError(message); }

void InvestigationFrame::Button1Click() {
    chart::ChartData& data = chart_->data();
    for (chart::LineSeries* const series : cleared_) series->clear();
    if (spec_.anchors) {
        const AnchorSpec& a = *spec_.anchors;
        data.series(QString::fromLatin1(a.upperSeries))
            ->addPoint(a.time, kUpperAnchorPressure, colours::blue);
        data.series(QString::fromLatin1(a.lowerSeries))
            ->addPoint(a.time, kLowerAnchorPressure, colours::blue);
    }
    readFields();
    runModel();
}

void InvestigationFrame::readFields() {
    const QChar decimalPoint = userDecimalPoint();
    for (std::size_t i = 0; i < spec_.fields.size(); ++i) {
        const FieldSpec& f = spec_.fields[i];
        const double scaled =
            readNumber(control<QLineEdit>(QLatin1String(f.name))->text(), decimalPoint) * f.factor;
        if (!std::isfinite(scaled)) throw model::FloatError(model::FloatError::Kind::Overflow);
        values_[i] = scaled;
    }
}

double InvestigationFrame::value(int curve, Quantity quantity) const {
    return values_.at(static_cast<std::size_t>(sources_.at(curve).at(static_cast<int>(quantity))));
}

void InvestigationFrame::runModel() {
    const model::CurvePointSink sink = [this](int piece, int curve, double t, double P) {
        const auto i = static_cast<std::size_t>(curve - 1);
        pieces_.at(i)
            .at(static_cast<std::size_t>(piece - 1))
            ->addPoint(t, P, spec_.curves.at(i).colour);
    };
    model::ThreeCurves curves;
    for (int i = 0; i < 3; ++i) {
        curves[i] = {.X = value(i, Quantity::Resistance), .C = value(i, Quantity::Elasticity)};
    }
    if (std::holds_alternative<DiastolicDecay>(spec_.model)) {
        model::RunDiastolicDecay(value(0, Quantity::SystolicPressure), curves, sink);
    } else if (const auto* ejection = std::get_if<SystolicEjection>(&spec_.model)) {
        for (int i = 0; i < 3; ++i) curves[i].Qmax = value(i, Quantity::Inflow);
        model::RunSystolicEjection(curves, ejection->handOut, sink);
    } else {
        const auto& cycle = std::get<CardiacCycle>(spec_.model);
        model::RunCardiacCycle(*cycle.timing, value(0, Quantity::Inflow), curves[0].X, curves[0].C,
                               curves[1].X, curves[1].C, curves[2].X, curves[2].C, sink);
    }
}

}  // namespace investigations
