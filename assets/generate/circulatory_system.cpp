// The title window's picture: a front view of a human figure in light outline with the
// circulatory system drawn in, arteries red, veins blue, heart, lungs and abdominal organs grey.

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "assets/generate/drawings.h"

namespace generate {

namespace {

constexpr int kWidth = 400;
const QTransform kMirror(-1, 0, 0, 1, kWidth, 0);

// Draws a path and its mirror image about the figure's vertical middle.
void drawBothSides(QPainter& p, const QPainterPath& path) {
    p.drawPath(path);
    p.drawPath(kMirror.map(path));
}

// The left half of the body's outline (the viewer's left), from the top of the head down to the
// inner side of the leg.
QPainterPath halfOutline() {
    QPainterPath path(QPointF(200, 14));
    path.cubicTo(176, 14, 164, 34, 166, 60);
    path.cubicTo(167, 80, 178, 96, 186, 100);
    path.lineTo(185, 116);
    path.cubicTo(160, 124, 128, 122, 112, 138);
    path.cubicTo(100, 150, 96, 180, 92, 214);  // shoulder and upper arm, outer side
    path.cubicTo(86, 250, 78, 282, 72, 316);
    path.cubicTo(66, 350, 60, 374, 56, 398);  // forearm
    path.cubicTo(48, 410, 42, 432, 50, 448);  // hand
    path.cubicTo(56, 458, 70, 452, 72, 438);
    path.cubicTo(74, 424, 76, 410, 80, 398);
    path.cubicTo(88, 368, 96, 336, 104, 306);  // forearm, inner side
    path.cubicTo(110, 276, 116, 246, 122, 214);
    path.cubicTo(126, 196, 128, 186, 130, 182);  // armpit
    path.cubicTo(132, 230, 138, 270, 140, 300);  // flank
    path.cubicTo(142, 330, 132, 352, 130, 380);  // hip
    path.cubicTo(128, 430, 134, 520, 142, 600);  // thigh, outer side
    path.moveTo(184, 600);
    path.cubicTo(186, 520, 192, 460, 198, 426);  // thigh, inner side
    return path;
}

QPainterPath artery(std::initializer_list<QPointF> points) {
    auto it = points.begin();
    QPainterPath path(*it++);
    while (it != points.end()) {
        const QPointF a = *it++;
        if (it == points.end()) {
            path.lineTo(a);
            break;
        }
        const QPointF b = *it++;
        path.quadTo(a, b);
    }
    return path;
}

void drawOrgans(QPainter& p) {
    p.setPen(QPen(QColor(150, 150, 150), 1.2));
    p.setBrush(QColor(214, 214, 214));
    // Lungs.
    QPainterPath lung(QPointF(188, 150));
    lung.cubicTo(160, 148, 142, 190, 144, 240);
    lung.cubicTo(146, 262, 170, 262, 190, 250);
    lung.cubicTo(194, 220, 194, 180, 188, 150);
    drawBothSides(p, lung);
    // Liver on the body's right (the viewer's left), stomach on the other side.
    QPainterPath liver(QPointF(148, 268));
    liver.cubicTo(170, 256, 214, 258, 214, 272);
    liver.cubicTo(208, 292, 170, 306, 152, 300);
    liver.cubicTo(144, 292, 142, 276, 148, 268);
    p.drawPath(liver);
    p.drawEllipse(QRectF(214, 266, 40, 34));
    // Kidneys.
    p.drawEllipse(QRectF(158, 300, 18, 30));
    p.drawEllipse(QRectF(224, 300, 18, 30));
    // Intestines with a few coils.
    QPainterPath gut;
    gut.addRoundedRect(QRectF(158, 318, 84, 52), 22, 22);
    p.drawPath(gut);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.drawArc(QRectF(166 + i * 22, 328, 24, 16), 0, 180 * 16);
        p.drawArc(QRectF(166 + i * 22, 344, 24, 16), 180 * 16, 180 * 16);
    }
    // Brain.
    p.setBrush(QColor(224, 224, 224));
    p.drawEllipse(QRectF(174, 20, 52, 36));
    // The heart, darker and a little to the body's left.
    p.setPen(QPen(QColor(120, 120, 120), 1.4));
    p.setBrush(QColor(186, 186, 186));
    QPainterPath heart(QPointF(196, 196));
    heart.cubicTo(212, 184, 238, 196, 236, 216);
    heart.cubicTo(234, 236, 218, 250, 212, 256);
    heart.cubicTo(200, 246, 184, 230, 188, 212);
    heart.cubicTo(189, 204, 192, 199, 196, 196);
    p.drawPath(heart);
}

void drawVessels(QPainter& p, const QColor& colour, double shift, bool arteries) {
    const auto pen = [&](double width) {
        return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    };
    p.setBrush(Qt::NoBrush);
    const QPointF s(-shift, 0);  // veins run beside the arteries, further out
    // Neck and head.
    p.setPen(pen(3));
    drawBothSides(p, artery({QPointF(192, 186) + s, QPointF(190, 140) + s, QPointF(190, 104) + s,
                             QPointF(189, 80) + s, QPointF(182, 64) + s}));
    p.setPen(pen(1.5));
    drawBothSides(p, artery({QPointF(189, 80) + s, QPointF(176, 74) + s, QPointF(172, 56) + s}));
    drawBothSides(p, artery({QPointF(182, 64) + s, QPointF(186, 40) + s, QPointF(198, 26)}));
    // Shoulders and arms down to the fingers.
    p.setPen(pen(3));
    drawBothSides(
        p, artery({QPointF(190, 172) + s, QPointF(150, 140) + s * 0.5, QPointF(122, 156) + s * 0.5,
                   QPointF(110, 200) + s, QPointF(100, 260) + s, QPointF(92, 310) + s}));
    p.setPen(pen(2));
    drawBothSides(p, artery({QPointF(92, 310) + s, QPointF(82, 350) + s, QPointF(72, 396) + s,
                             QPointF(64, 420) + s, QPointF(58, 442) + s}));
    drawBothSides(p, artery({QPointF(92, 310) + s, QPointF(88, 356) + s, QPointF(78, 400) + s,
                             QPointF(70, 424) + s, QPointF(66, 446) + s}));
    p.setPen(pen(1.2));
    drawBothSides(p, artery({QPointF(72, 400) + s, QPointF(60, 420), QPointF(52, 438)}));
    // Trunk: aorta and its branches, or the venae cavae.
    const double middle = arteries ? 206 : 194;
    p.setPen(pen(5));
    if (arteries) {
        p.drawPath(artery({QPointF(208, 206), QPointF(204, 170), QPointF(192, 176),
                           QPointF(188, 176), QPointF(190, 186)}));
        p.drawPath(artery({QPointF(204, 174), QPointF(212, 170), QPointF(212, 190),
                           QPointF(middle, 300), QPointF(middle, 362)}));
    } else {
        p.drawPath(artery({QPointF(middle, 166), QPointF(middle, 186), QPointF(middle, 210)}));
        p.drawPath(artery({QPointF(middle, 236), QPointF(middle, 300), QPointF(middle, 362)}));
    }
    p.setPen(pen(2));
    drawBothSides(p, artery({QPointF(middle, 310), QPointF(186, 312), QPointF(174, 314)}));
    // Pelvis and legs.
    p.setPen(pen(4));
    const QPointF top(middle, 360);
    const QPainterPath leg = artery({top, QPointF(180, 376) + s, QPointF(172, 404) + s,
                                     QPointF(166, 470) + s, QPointF(164, 600) + s});
    p.drawPath(leg);
    p.drawPath(artery({top, QPointF(220, 376) - s, QPointF(228, 404) - s, QPointF(234, 470) - s,
                       QPointF(236, 600) - s}));
    p.setPen(pen(1.6));
    drawBothSides(p, artery({QPointF(172, 420) + s, QPointF(150, 460) + s, QPointF(150, 540) + s}));
    drawBothSides(p, artery({QPointF(168, 460) + s, QPointF(182, 500) + s, QPointF(178, 560) + s}));
    // Small branches to the belly.
    p.setPen(pen(1));
    for (int i = 0; i < 3; ++i) {
        const double y = 332 + i * 12;
        drawBothSides(p, artery({QPointF(middle, y), QPointF(184, y + 2) + s * 0.3,
                                 QPointF(170, y + 10) + s * 0.3}));
    }
}

}  // namespace

QImage circulatorySystem() {
    QImage image = whiteCanvas(kWidth, 600);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath body = halfOutline();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(253, 244, 236));
    QPainterPath filled = body;
    filled.connectPath(kMirror.map(body).toReversed());
    p.drawPath(filled);
    p.setPen(QPen(QColor(214, 182, 160), 2));
    p.setBrush(Qt::NoBrush);
    drawBothSides(p, body);

    drawOrgans(p);
    drawVessels(p, QColor(40, 70, 210), 7, false);
    drawVessels(p, QColor(214, 24, 24), 0, true);
    return image;
}

}  // namespace generate
