// Figure 2: ventricular and aortic pressure and the ejection rate over two cardiac cycles.
// The curves are a smooth illustration of the textbook shapes, not a model computation.

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

#include "assets/generate/drawings.h"
#include "assets/generate/plot_helpers.h"

namespace generate {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPeriod = 0.8;          // T, s
constexpr double kEjectionStart = 0.06;  // end of isovolumic contraction
constexpr double kValveCloses = 0.30;    // tc, s
constexpr double kDecay = 1.4;           // diastolic time constant, s

double bump(double x, double centre, double width) {
    const double z = (x - centre) / width;
    return std::exp(-z * z);
}

double phase(double t) { return std::fmod(t, kPeriod); }

double ventricle(double t) {
    const double s = phase(t);
    if (s < kEjectionStart) return 8 + 72 * std::pow(s / kEjectionStart, 1.6);
    if (s < kValveCloses)
        return 80 +
               42 * std::sin(kPi * (s - kEjectionStart) / (kValveCloses - kEjectionStart + 0.1));
    const double fall = (s - kValveCloses) / 0.07;
    if (fall < 1)
        return 8 + (ventricle(kValveCloses - 1e-9) - 8) * 0.5 * (1 + std::cos(kPi * fall));
    return 8 - 3 * bump(s, 0.45, 0.05);
}

double aorta(double t) {
    const double s = phase(t);
    const double atClosure = 80 +
                             42 * std::sin(kPi * (kValveCloses - kEjectionStart) /
                                           (kValveCloses - kEjectionStart + 0.1)) -
                             2;
    const double endDiastolic = atClosure * std::exp(-(kPeriod - kValveCloses) / kDecay);
    if (s < kEjectionStart) return endDiastolic * std::exp(-s / kDecay);
    if (s < kValveCloses) {
        const double x = (s - kEjectionStart) / (kValveCloses - kEjectionStart);
        const double start = endDiastolic * std::exp(-kEjectionStart / kDecay);
        const double v = ventricle(t) - 2 * std::sin(kPi * x);
        return std::max(v, start);
    }
    // Dicrotic notch: a short dip after the valve closes and a small rise after it.
    return atClosure * std::exp(-(s - kValveCloses) / kDecay) - 7 * bump(s, 0.318, 0.012) +
           3 * bump(s, 0.35, 0.02);
}

double ejection(double t) {
    const double s = phase(t);
    if (s >= kEjectionStart && s < kValveCloses) {
        const double x = (s - kEjectionStart) / (kValveCloses - kEjectionStart);
        return 480 * std::pow(std::sin(kPi * x), 1.3) * (1.25 - 0.5 * x);
    }
    return -70 * bump(s, 0.312, 0.009) + 25 * bump(s, 0.338, 0.012);
}

QPainterPath trace(const Axes& axes, const std::function<double(double)>& f, double from,
                   double to) {
    QPainterPath path(axes.map(from, f(from)));
    for (int i = 1; i <= 800; ++i) {
        const double t = from + (to - from) * i / 800.0;
        path.lineTo(axes.map(t, f(t)));
    }
    return path;
}

}  // namespace

QImage figure2(Words words) {
    const bool english = words == Words::English;
    // The subscripts of the ventricular and the aortic pressure.
    const QString ventricular = QString::fromUtf8(english ? "lv" : "ж");
    const QString aortic = QString::fromUtf8(english ? "a" : "а");
    QImage image = whiteCanvas(643, 415);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    constexpr double kEnd = 1.62;
    const Axes pressure{.left = 54, .bottom = 200, .xScale = 340, .yScale = 1.2};
    const Axes flow{.left = 54, .bottom = 292, .xScale = 340, .yScale = 0.09};

    // Phase boundaries of both cycles.
    p.setPen(QPen(QColor(90, 90, 90), 0.8));
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (const double s : {kEjectionStart, kValveCloses}) {
            const double t = cycle * kPeriod + s;
            p.drawLine(pressure.map(t, 150), flow.map(t, -120));
        }
    }
    p.drawLine(pressure.map(kPeriod, 150), flow.map(kPeriod, -120));

    p.setPen(QPen(Qt::black, 1.2));
    drawArrow(p, pressure.map(0, 0), pressure.map(kEnd + 0.06, 0));
    drawArrow(p, pressure.map(0, 0), pressure.map(0, 158));
    drawArrow(p, flow.map(0, 0), flow.map(kEnd + 0.06, 0));
    drawArrow(p, flow.map(0, -100), flow.map(0, 600));
    drawVariable(p, pressure.map(0, 158) + QPointF(-22, 8), QStringLiteral("P"), {}, 17);
    drawVariable(p, flow.map(0, 600) + QPointF(-22, 8), QStringLiteral("Q"), {}, 17);
    drawVariable(p, pressure.map(kEnd + 0.06, 0) + QPointF(-6, 18), QStringLiteral("t"), {}, 17);
    drawVariable(p, flow.map(kEnd + 0.06, 0) + QPointF(-6, 18), QStringLiteral("t"), {}, 17);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2.0));
    p.drawPath(trace(pressure, ventricle, 0, kEnd));
    p.setPen(QPen(Qt::black, 2.0, Qt::DashLine));
    p.drawPath(trace(pressure, aorta, 0, kEnd));
    p.setPen(QPen(Qt::black, 0.8));
    for (int cycle = 0; cycle < 2; ++cycle) {
        const double from = cycle * kPeriod + kEjectionStart;
        const double to = cycle * kPeriod + kValveCloses;
        p.drawPath(trace(
            pressure, [](double t) { return 4 * std::max(0.0, ventricle(t) - aorta(t)); }, from,
            to));
    }
    p.setPen(QPen(Qt::black, 2.0));
    p.drawPath(trace(flow, ejection, 0, kEnd));

    // Labels of the curves and of the notch.
    p.setPen(Qt::black);
    drawVariable(p, pressure.map(0.16, 128), QStringLiteral("P"), ventricular, 16);
    drawVariable(p, pressure.map(0.56, 96), QStringLiteral("P"), aortic, 16);
    const QPointF difference = pressure.map(0.2, 0) + QPointF(-6, -22);
    drawVariable(p, difference, QStringLiteral("P"), ventricular, 14);
    p.setFont(serif(14));
    // "lv" is wider than "ж": the minus and the second P move along.
    const qreal wider = english ? 5 : 0;
    p.drawText(difference + QPointF(17 + wider, 0), QString::fromUtf8(" − "));
    drawVariable(p, difference + QPointF(33 + wider, 0), QStringLiteral("P"), aortic, 14);
    p.setFont(serif(14, true));
    p.drawText(pressure.map(1.2, 140), QString::fromUtf8(english ? "dicrotic" : "дикротическая"));
    p.drawText(pressure.map(1.2, 140) + QPointF(0, 16),
               QString::fromUtf8(english ? "notch" : "выемка"));
    p.setPen(QPen(Qt::black, 1.0));
    drawArrow(p, pressure.map(1.22, 118), pressure.map(kPeriod + 0.325, aorta(1.119) + 4), 6);

    // Systole duration and period under the plot.
    const double arrowsY = flow.map(0, -120).y() + 14;
    const auto span = [&](double from, double to, double y, const QString& name) {
        const QPointF a(pressure.map(from, 0).x(), y);
        const QPointF b(pressure.map(to, 0).x(), y);
        drawArrow(p, (a + b) / 2, a, 6);
        drawArrow(p, (a + b) / 2, b, 6);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF((a.x() + b.x()) / 2 - 9, y - 9, 18, 16));
        p.restore();
        drawVariable(p, QPointF((a.x() + b.x()) / 2 - 6, y + 5), name.left(1), name.mid(1), 16);
    };
    p.setPen(QPen(Qt::black, 1.0));
    span(0, kValveCloses, arrowsY, QStringLiteral("tc"));
    span(0, kPeriod, arrowsY + 22, QStringLiteral("T"));

    p.setFont(serif(14));
    p.drawText(QRectF(0, 362, 643, 18), Qt::AlignHCenter,
               english ? QString::fromUtf8("Fig. 2. Pressure P and cardiac output rate Q over the "
                                           "cardiac cycle")
                       : QString::fromUtf8("Рис. 2. Изменение давления P и скорости сердечного "
                                           "выброса Q в течение сердечного цикла"));
    p.drawText(QRectF(0, 382, 643, 18), Qt::AlignHCenter,
               english ? QString::fromUtf8("(Pa, aortic pressure; Plv, left-ventricular pressure)")
                       : QString::fromUtf8("(Pа — давление в аорте; Pж — давление в желудочке)"));
    return image;
}

}  // namespace generate
