#include "chart/readout.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "chart/chart_texts.h"
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
    std::vector<ReadoutRow> rows{{chartText(QT_TRANSLATE_NOOP("Chart", "t = %1 с"))
                                      .arg(readoutNumber(t, timeLabels, locale)),
                                  Qt::black}};
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

namespace {

// The pixel rows that each curve takes between two columns of the plane: where a box placed
// there would hide it.
std::vector<std::pair<double, double>> rowsTaken(const ChartGeometry& g,
                                                 const std::vector<CurvePoints>& curves,
                                                 double plane, int fromX, int toX) {
    constexpr int kSamples = 12;
    std::vector<std::pair<double, double>> taken;
    for (const CurvePoints& curve : curves) {
        double top = std::numeric_limits<double>::infinity();
        double bottom = -top;
        for (int i = 0; i <= kSamples; ++i) {
            const double x = fromX + (toX - fromX) * static_cast<double>(i) / kSamples;
            const double t = valueAt(g, {x, 0}, plane).x();
            if (const auto value = curveValueAt(curve.points, t)) {
                const double y = pixelAt(g, {t, *value}, plane).y();
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        if (top <= bottom) taken.emplace_back(top, bottom);
    }
    return taken;
}

// The top of a box of `height` between `low` and `high` (pixel rows) that hides none of the
// rows taken, as near as can be to `wanted`; nothing when there is no such room.
std::optional<int> freeTop(const std::vector<std::pair<double, double>>& taken, int height, int low,
                           int high, int wanted) {
    constexpr int kClearance = 3;
    std::optional<int> best;
    const auto consider = [&](int top) {
        top = std::clamp(top, low, high - height);
        if (top < low) return;
        for (const auto& [from, to] : taken) {
            if (top < to + kClearance && top + height > from - kClearance) return;
        }
        if (!best || std::abs(top - wanted) < std::abs(*best - wanted)) best = top;
    };
    consider(wanted);
    for (const auto& [from, to] : taken) {
        consider(static_cast<int>(std::floor(from)) - kClearance - height);
        consider(static_cast<int>(std::ceil(to)) + kClearance + 1);
    }
    consider(low);
    consider(high - height);
    return best;
}

}  // namespace

void Readout::showAt(QPoint pointer) {
    const ChartGeometry& g = chart().layout();
    // In 3-D the time is read on the plane of the curves, as a zoom reads it, and the line is
    // drawn there.
    const double plane = planeUnder(g, chart().data(), {});
    const QPointF read = valueAt(g, QPointF(pointer), plane);
    const AxisRange time = g.bottomMap.range();
    if (!g.plotRegion().contains(pointer) || time.minimum == time.maximum ||
        read.x() < time.minimum || read.x() > time.maximum) {
        hide();
        return;
    }
    const QRect before = shown_ ? area() : QRect();
    pointer_ = pointer;
    const double t = read.x();
    rows_ = readoutRows(chart().curves(), t, g.bottomTexts, g.leftTexts);

    const QFontMetrics fm(readoutFont());
    int width = 0;
    for (const ReadoutRow& row : rows_) width = std::max(width, fm.horizontalAdvance(row.text));
    width += 2 * kPadding + kSample + kPadding;
    const int height = static_cast<int>(rows_.size()) * fm.height() + 2 * kPadding;
    const AxisRange pressure = g.leftMap.range();
    lineX_ = pointer.x();
    lineTop_ = qRound(pixelAt(g, {t, pressure.maximum}, plane).y());
    lineBottom_ = qRound(pixelAt(g, {t, pressure.minimum}, plane).y());
    // Beside the line, right of it where there is room, else left of it: never over the
    // pointer, which is on the line; inside the chart; and where the plot leaves room, clear of
    // the curves it reads, so that the box hides none of what is read.
    const QRect bounds = chart().rect().adjusted(1, 1, -1, -1);
    const int wanted = pointer.y() - height / 2;
    const int low = bounds.top();
    const int high = std::max(bounds.top() + height, bounds.bottom());
    const auto place = [&](int left) -> std::optional<QRect> {
        if (left < bounds.left() || left + width > bounds.right()) return std::nullopt;
        const auto top = freeTop(rowsTaken(g, chart().curves(), plane, left, left + width), height,
                                 low, high, wanted);
        if (!top) return std::nullopt;
        return QRect(left, *top, width, height);
    };
    const int right = pointer.x() + kGap;
    const int left = pointer.x() - kGap - width;
    auto clear = place(right);
    if (!clear) clear = place(left);
    const int side = right + width > bounds.right() ? left : right;
    box_ = clear ? *clear
                 : QRect(side, std::clamp(wanted, low, std::max(low, bounds.bottom() - height)),
                         width, height);
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
