// The learning site's logo for the links window and the application icon.

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "assets/generate/drawings.h"

namespace generate {

QImage khanAcademyLogo() {
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(QColor(43, 61, 92));  // dark slate blue
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Crown: overlapping leaves in several greens.
    const QColor greens[] = {QColor(96, 178, 64), QColor(132, 200, 74), QColor(70, 150, 60),
                             QColor(156, 212, 96)};
    struct Leaf {
        double x, y, r;
    };
    const Leaf leaves[] = {{150, 62, 30},  {112, 76, 28},  {188, 76, 28},  {86, 108, 24},
                           {214, 108, 24}, {130, 100, 30}, {170, 100, 30}, {150, 126, 26},
                           {104, 134, 20}, {196, 134, 20}, {124, 50, 20},  {176, 50, 20}};
    p.setPen(Qt::NoPen);
    int index = 0;
    for (const Leaf& leaf : leaves) {
        p.setBrush(greens[index++ % 4]);
        QPainterPath shape;
        shape.moveTo(leaf.x - leaf.r, leaf.y);
        shape.quadTo(leaf.x, leaf.y - leaf.r * 1.2, leaf.x + leaf.r, leaf.y);
        shape.quadTo(leaf.x, leaf.y + leaf.r * 1.2, leaf.x - leaf.r, leaf.y);
        p.drawPath(shape);
    }

    // Trunk: an open hand, the palm below and the fingers spread up into the crown.
    p.setBrush(QColor(250, 246, 238));
    QPainterPath palm;
    palm.moveTo(130, 222);
    palm.cubicTo(124, 196, 122, 172, 128, 156);
    palm.lineTo(172, 156);
    palm.cubicTo(178, 172, 176, 196, 170, 222);
    palm.closeSubpath();
    p.drawPath(palm);
    const auto finger = [&](QPointF base, double angle, double length, double width) {
        p.save();
        p.translate(base);
        p.rotate(angle);
        p.drawRoundedRect(QRectF(-width / 2, -length, width, length + 6), width / 2, width / 2);
        p.restore();
    };
    finger({133, 160}, -24, 44, 12);  // little finger
    finger({143, 158}, -10, 54, 12.5);
    finger({155, 158}, 4, 56, 12.5);
    finger({166, 160}, 18, 48, 12);
    finger({170, 190}, 52, 40, 13);        // thumb
    p.drawRect(QRectF(134, 218, 32, 12));  // wrist

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(30);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 244, 300, 40), Qt::AlignCenter, QStringLiteral("KHAN ACADEMY"));
    return image;
}

QImage heartIcon() {
    QImage image(64, 52, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(90, 10, 16), 1.2);

    // Great vessels on top: the aortic arch and the pulmonary trunk.
    p.setPen(outline);
    p.setBrush(QColor(196, 40, 48));
    QPainterPath arch(QPointF(26, 20));
    arch.lineTo(26, 9);
    arch.cubicTo(26, 1, 44, 0, 45, 9);
    arch.lineTo(45, 14);
    arch.lineTo(39, 14);
    arch.lineTo(39, 10);
    arch.cubicTo(38, 6, 33, 6, 33, 10);
    arch.lineTo(33, 20);
    arch.closeSubpath();
    p.drawPath(arch);
    p.drawRect(QRectF(28, 1, 3, 5));
    p.drawRect(QRectF(33, 0, 3, 5));
    p.drawRect(QRectF(38, 1, 3, 5));
    p.setBrush(QColor(70, 90, 190));
    p.drawRect(QRectF(17, 8, 7, 14));  // superior vena cava

    // Body of the heart, tilted with its apex down and to the left of the patient.
    QPainterPath body(QPointF(18, 22));
    body.cubicTo(10, 30, 14, 40, 24, 45);
    body.cubicTo(32, 49, 40, 51, 46, 50);
    body.cubicTo(54, 44, 58, 32, 54, 22);
    body.cubicTo(50, 14, 40, 16, 34, 19);
    body.cubicTo(28, 16, 22, 17, 18, 22);
    QRadialGradient shade(QPointF(30, 28), 30);
    shade.setColorAt(0.0, QColor(236, 88, 88));
    shade.setColorAt(0.6, QColor(198, 30, 40));
    shade.setColorAt(1.0, QColor(140, 14, 24));
    p.setBrush(shade);
    p.drawPath(body);
    // The groove between the ventricles, with its vessel.
    p.setPen(QPen(QColor(120, 16, 24), 1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath groove(QPointF(34, 21));
    groove.cubicTo(36, 30, 40, 40, 45, 49);
    p.drawPath(groove);
    p.setPen(QPen(QColor(255, 170, 160, 170), 2));
    p.drawArc(QRectF(18, 24, 14, 14), 100 * 16, 70 * 16);  // highlight
    return image;
}

QImage whiteCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace generate
