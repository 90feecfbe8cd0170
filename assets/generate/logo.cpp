// The learning site's logo for the links window.

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
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

QImage whiteCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace generate
