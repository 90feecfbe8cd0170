// Figure 3: the fall of the aortic pressure after the aortic valve closes,
// P(t) = PS·exp(−t/(R·C)), for the reference vessel and for a larger R and a smaller C.

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "assets/generate/drawings.h"
#include "assets/generate/plot_helpers.h"

namespace generate {

namespace {

constexpr double kSystolic = 120.0;  // PS, mm Hg
constexpr double kEnd = 0.5;         // td, s
// Time constants R·C chosen so that the reference curve ends at Pd = 80 mm Hg, the curve with
// the larger resistance at 98 mm Hg and the one with the smaller elasticity at 55 mm Hg.
double timeConstantFor(double endPressure) { return kEnd / std::log(kSystolic / endPressure); }

}  // namespace

QImage figure3(Words words) {
    const bool english = words == Words::English;
    QImage image = whiteCanvas(435, 394);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const Axes axes{.left = 58, .bottom = 338, .xScale = 560, .yScale = 2.25};
    const auto at = [&](double t, double pressure) { return axes.map(t, pressure); };

    QFont tickFont(QStringLiteral("Liberation Serif"));
    tickFont.setPixelSize(14);
    p.setFont(tickFont);
    p.setPen(QPen(Qt::black, 1.2));
    drawArrow(p, at(0, 0), at(0.605, 0));
    drawArrow(p, at(0, 0), at(0, 136));
    for (int pressure = 0; pressure <= 120; pressure += 20) {
        const QPointF tick = at(0, pressure);
        p.drawLine(tick, tick + QPointF(-5, 0));
        p.drawText(QRectF(tick.x() - 40, tick.y() - 9, 32, 18), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(pressure));
    }
    for (int tenth = 0; tenth <= 5; ++tenth) {
        const QPointF tick = at(tenth / 10.0, 0);
        p.drawLine(tick, tick + QPointF(0, 5));
        const QString label = tenth == 0
                                  ? QStringLiteral("0")
                                  : QStringLiteral("0%1%2").arg(english ? '.' : ',').arg(tenth);
        p.drawText(QRectF(tick.x() - 20, tick.y() + 6, 40, 18), Qt::AlignHCenter | Qt::AlignTop,
                   label);
    }
    drawVariable(p, at(0, 136) + QPointF(10, 12), QStringLiteral("P"), {}, 16);
    p.setFont(tickFont);
    p.drawText(at(0, 136) + QPointF(21, 12),
               QString::fromUtf8(english ? ", mm Hg" : ", мм рт. ст."));
    drawVariable(p, at(0.605, 0) + QPointF(-30, -10), QStringLiteral("t"), {}, 16);
    p.setFont(tickFont);
    p.drawText(at(0.605, 0) + QPointF(-24, -10), QString::fromUtf8(english ? ", s" : ", с"));

    // Dotted guides to PS, Pd and td.
    p.setPen(QPen(Qt::black, 1.0, Qt::DotLine));
    p.drawLine(at(0, 80), at(kEnd, 80));
    p.drawLine(at(kEnd, 0), at(kEnd, 80));

    const auto curve = [&](double endPressure) {
        const double tau = timeConstantFor(endPressure);
        QPainterPath path(at(0, kSystolic));
        for (int i = 1; i <= 200; ++i) {
            const double t = kEnd * i / 200.0;
            path.lineTo(at(t, kSystolic * std::exp(-t / tau)));
        }
        return path;
    };
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2.0, Qt::DashLine));
    p.drawPath(curve(98));
    p.drawPath(curve(55));
    p.setPen(QPen(Qt::black, 2.2));
    p.drawPath(curve(80));

    p.setPen(Qt::black);
    drawVariable(p, at(0, kSystolic) + QPointF(8, -6), QStringLiteral("P"), QStringLiteral("S"),
                 16);
    drawVariable(p, at(0, 80) + QPointF(8, -6), QStringLiteral("P"), QStringLiteral("d"), 16);
    drawVariable(p, at(kEnd, 0) + QPointF(5, -8), QStringLiteral("t"), QStringLiteral("d"), 16);
    drawRelation(p, at(kEnd, 98) + QPointF(-34, -12), QStringLiteral("R"), QStringLiteral(">"), 14);
    drawRelation(p, at(kEnd, 55) + QPointF(-56, 22), QStringLiteral("C"), QStringLiteral("<"), 14);
    return image;
}

}  // namespace generate
