#include "chart/readout.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "chart/chart_view.h"
#include "chart/chart_widget.h"
#include "chart/curve_values.h"

namespace chart {

namespace {

constexpr int kGap = 10;     // between the line and the box
constexpr int kPadding = 4;  // inside the box
constexpr int kSample = 12;  // the colour sample before a curve's value
constexpr int kBarHeight = 3;

QFont readoutFont() { return chartFont(11); }

// The decimals a label shows: the digits after its decimal separator (of its mantissa).
int decimalsOf(const QString& label, const QString& point) {
    const qsizetype at = label.indexOf(point);
    if (at < 0) return 0;
    int count = 0;
    for (qsizetype i = at + point.size(); i < label.size() && label[i].isDigit(); ++i) ++count;
    return count;
}

// A colour that reads on the white box: light colours (yellow, lime) a shade darker.
QColor textColour(const QColor& colour) {
    return colour.lightnessF() > 0.45 && colour.greenF() > 0.7 ? colour.darker(170) : colour;
}

}  // namespace

QString readoutNumber(double value, const std::vector<QString>& labels, const QLocale& locale) {
    int decimals = 0;
    bool scientific = false;
    for (const QString& label : labels) {
        decimals = std::max(decimals, decimalsOf(label, locale.decimalPoint()));
        scientific = scientific || label.contains(QLatin1Char('E'));
    }
    if (scientific) return formatLabel(value, LabelFormat{true, decimals + 1}, locale);
    return locale.toString(value, 'f', decimals + 1);
}

std::vector<ReadoutRow> readoutRows(const std::vector<CurvePoints>& curves, double t,
                                    const std::vector<QString>& timeLabels,
                                    const std::vector<QString>& pressureLabels,
                                    const QLocale& locale) {
    std::vector<ReadoutRow> rows{
        {QStringLiteral("t = %1 с").arg(readoutNumber(t, timeLabels, locale)), Qt::black}};
    for (const CurvePoints& curve : curves) {
        if (const auto value = curveValueAt(curve.points, t)) {
            rows.push_back(
                {QStringLiteral("%1: %2").arg(curve.title.trimmed(),
                                              readoutNumber(*value, pressureLabels, locale)),
                 curve.colour});
        }
    }
    return rows;
}

Readout::Readout(ChartWidget& chart) : ChartTool(chart) { chart.setMouseTracking(true); }

bool Readout::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &chart()) return false;
    switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->buttons() != Qt::NoButton || animating_) {
                hide();
            } else {
                showAt(mouse->position().toPoint());
            }
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::Leave:
        case QEvent::Hide:
            hide();
            break;
        default:
            break;
    }
    return false;
}

void Readout::chartChanged() {
    if (shown_ && !animating_) showAt(pointer_);
}

void Readout::viewAnimationChanged(bool running) {
    animating_ = running;
    if (running) hide();
}

QRect Readout::area() const {
    return box_.united(QRect(lineX_, lineTop_, 1, lineBottom_ - lineTop_ + 1))
        .adjusted(-1, -1, 1, 1);
}

void Readout::hide() {
    if (!shown_) return;
    shown_ = false;
    chart().update(area());
}

void Readout::showAt(QPoint pointer) {
    const ChartGeometry& g = chart().layout();
    // The time is read on the front plane, where the time axis and its labels are.
    if (!g.plotRegion().contains(pointer) || pointer.x() < g.plot.left() ||
        pointer.x() > g.plot.right() ||
        g.bottomMap.range().minimum == g.bottomMap.range().maximum) {
        hide();
        return;
    }
    const QRect before = shown_ ? area() : QRect();
    pointer_ = pointer;
    const double t = valueAt(g, QPointF(pointer)).x();
    rows_ = readoutRows(chart().curves(), t, g.bottomTexts, g.leftTexts);

    const QFontMetrics fm(readoutFont());
    int width = 0;
    for (const ReadoutRow& row : rows_) width = std::max(width, fm.horizontalAdvance(row.text));
    width += 2 * kPadding + kSample + kPadding;
    const int height = static_cast<int>(rows_.size()) * fm.height() + 2 * kPadding;
    // Beside the line, right of it where there is room, else left of it: never over the
    // pointer, which is on the line; inside the chart.
    const QRect bounds = chart().rect().adjusted(1, 1, -1, -1);
    int left = pointer.x() + kGap;
    if (left + width > bounds.right()) left = pointer.x() - kGap - width;
    const int top = std::clamp(pointer.y() - height / 2, bounds.top(),
                               std::max(bounds.top(), bounds.bottom() - height));
    box_ = QRect(left, top, width, height);
    lineX_ = pointer.x();
    lineTop_ = g.plot.top();
    lineBottom_ = g.plot.bottom();
    shown_ = true;
    chart().update(before.united(area()));
}

void Readout::paintOverlay(QPainter& painter) const {
    if (!shown_) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.drawLine(lineX_, lineTop_, lineX_, lineBottom_);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(box_.adjusted(0, 0, -1, -1));
    painter.setFont(readoutFont());
    const QFontMetrics fm(readoutFont());
    int y = box_.top() + kPadding;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const ReadoutRow& row = rows_[i];
        const int textLeft = box_.left() + kPadding + kSample + kPadding;
        if (i > 0) {
            painter.fillRect(box_.left() + kPadding, y + fm.height() / 2 - 1, kSample, kBarHeight,
                             row.colour);
        }
        painter.setPen(textColour(row.colour));
        painter.drawText(i == 0 ? box_.left() + kPadding : textLeft, y + fm.ascent(), row.text);
        y += fm.height();
    }
    painter.restore();
}

}  // namespace chart
