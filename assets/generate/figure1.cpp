// Figure 1: the hydrodynamic model of the elastic reservoir in systole (а) and diastole (б).
// Heart: left ventricle (1) with the left atrium (2) in its upper part; aortic valve (3);
// aorta as a chamber with a spring-loaded piston (4); small vessels as a rigid tube (5).

#include <QPainter>
#include <QPainterPath>

#include "assets/generate/drawings.h"
#include "assets/generate/plot_helpers.h"

namespace generate {

namespace {

void drawSpring(QPainter& p, double x, double top, double bottom) {
    constexpr int kTurns = 7;
    constexpr double kHalfWidth = 9;
    QPainterPath spring(QPointF(x, top));
    spring.lineTo(x, top + 6);
    const double step = (bottom - top - 12) / (2 * kTurns);
    double y = top + 6;
    for (int i = 0; i < 2 * kTurns; ++i) {
        y += step;
        spring.lineTo(x + ((i % 2 == 0) ? kHalfWidth : -kHalfWidth), y - step / 2);
    }
    spring.lineTo(x, bottom - 6);
    spring.lineTo(x, bottom);
    p.drawPath(spring);
}

void drawNumber(QPainter& p, QPointF label, QPointF target, int number) {
    p.save();
    p.setPen(QPen(Qt::black, 0.8));
    p.drawLine(label + QPointF(4, -4), target);
    p.setFont(serif(15));
    p.drawText(QRectF(label.x() - 7, label.y() - 16, 14, 16), Qt::AlignCenter,
               QString::number(number));
    p.restore();
}

// One panel with its origin at the top-left; systole: valve open, piston rising.
void drawPanel(QPainter& p, QPointF origin, bool systole, Words words) {
    p.save();
    p.translate(origin);
    const QPen line(Qt::black, 1.6);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);

    // Heart: a bag with the atrium in its upper part.
    QPainterPath bag(QPointF(62, 38));
    bag.cubicTo(20, 40, 18, 110, 30, 150);
    bag.cubicTo(42, 190, 70, 214, 84, 212);
    bag.cubicTo(104, 208, 112, 170, 110, 140);
    bag.lineTo(110, 126);  // the duct leaves here
    p.drawPath(bag);
    QPainterPath bagTop(QPointF(62, 38));
    bagTop.cubicTo(96, 36, 112, 70, 110, 110);
    p.drawPath(bagTop);
    // Partition between atrium and ventricle with the opening of the mitral valve.
    p.drawLine(QPointF(26, 96), QPointF(52, 100));
    p.drawLine(QPointF(74, 100), QPointF(110, 96));

    // Duct from the ventricle to the aorta, with the aortic valve.
    p.drawLine(QPointF(110, 110), QPointF(150, 110));
    p.drawLine(QPointF(110, 126), QPointF(150, 126));
    if (systole) {
        p.drawLine(QPointF(126, 110), QPointF(138, 114));
        p.drawLine(QPointF(126, 126), QPointF(138, 122));
    } else {
        p.drawLine(QPointF(128, 110), QPointF(134, 118));
        p.drawLine(QPointF(128, 126), QPointF(134, 118));
    }

    // Aorta: a chamber open at the top, with a piston hanging on a spring from a fixed bar.
    const double pistonY = systole ? 84 : 104;
    QPainterPath chamber(QPointF(150, 60));
    chamber.lineTo(150, 110);
    chamber.moveTo(150, 126);
    chamber.lineTo(150, 200);
    chamber.lineTo(236, 200);
    chamber.lineTo(236, 186);
    chamber.moveTo(236, 172);
    chamber.lineTo(236, 60);
    p.drawPath(chamber);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(152, pistonY, 82, 9));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(193, pistonY), QPointF(193, pistonY));
    p.setPen(QPen(Qt::black, 2.4));
    p.drawLine(QPointF(162, 22), QPointF(224, 22));
    p.setPen(QPen(Qt::black, 0.9));
    for (double x = 164; x <= 224; x += 8) p.drawLine(QPointF(x, 22), QPointF(x - 6, 14));
    p.setPen(line);
    drawSpring(p, 193, 22, pistonY);

    // Small vessels: a rigid tube leaving the chamber on the right.
    p.drawLine(QPointF(236, 172), QPointF(304, 172));
    p.drawLine(QPointF(236, 186), QPointF(304, 186));

    // Arrows of the flow and of the piston.
    p.setPen(QPen(Qt::black, 1.3));
    drawArrow(p, QPointF(262, 179), QPointF(298, 179), 6);  // outflow goes on in both phases
    if (systole) {
        drawArrow(p, QPointF(72, 160), QPointF(100, 122), 6);
        drawArrow(p, QPointF(112, 118), QPointF(146, 118), 6);
        drawArrow(p, QPointF(160, 130), QPointF(200, 170), 6);
        drawArrow(p, QPointF(216, pistonY + 40), QPointF(216, pistonY + 14), 6);
    } else {
        drawArrow(p, QPointF(63, 62), QPointF(63, 132), 6);
        drawArrow(p, QPointF(216, pistonY + 14), QPointF(216, pistonY + 40), 6);
        drawArrow(p, QPointF(180, 150), QPointF(228, 178), 6);
    }

    drawNumber(p, QPointF(14, 190), QPointF(34, 160), 1);
    drawNumber(p, QPointF(14, 40), QPointF(36, 64), 2);
    drawNumber(p, QPointF(124, 156), QPointF(131, 126), 3);
    drawNumber(p, QPointF(262, 100), QPointF(236, 112), 4);
    drawNumber(p, QPointF(286, 160), QPointF(276, 172), 5);

    p.setFont(serif(18));
    p.drawText(QRectF(120, 206, 60, 22), Qt::AlignCenter,
               words == Words::English ? QString::fromUtf8(systole ? "a" : "b")
                                       : QString::fromUtf8(systole ? "а" : "б"));
    p.restore();
}

}  // namespace

QImage figure1(Words words) {
    const bool english = words == Words::English;
    QImage image = whiteCanvas(631, 289);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawPanel(p, QPointF(4, 0), true, words);
    drawPanel(p, QPointF(322, 0), false, words);
    p.setPen(Qt::black);
    p.setFont(serif(14));
    p.drawText(QRectF(0, 234, 631, 18), Qt::AlignHCenter,
               english ? QString::fromUtf8("Fig. 1. Hydrodynamic elastic-reservoir model of the "
                                           "vascular bed in systole and diastole:")
                       : QString::fromUtf8("Рис. 1. Гидродинамическая модель упругого резервуара "
                                           "сосудистого русла в фазах систолы и диастолы:"));
    p.drawText(QRectF(0, 254, 631, 18), Qt::AlignHCenter,
               english ? QString::fromUtf8("a, the first phase, aortic valve open; "
                                           "b, the second phase, aortic valve closed")
                       : QString::fromUtf8("а — первая фаза, аортальный клапан открыт; "
                                           "б — вторая фаза, аортальный клапан закрыт"));
    return image;
}

}  // namespace generate
