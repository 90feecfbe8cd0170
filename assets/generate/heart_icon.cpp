#include "assets/generate/heart_icon.h"

#include <QBuffer>
#include <QDataStream>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <vector>

namespace generate {

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 52;

// Scales the heart's box to the width of a square of the given side and centres it vertically,
// which leaves transparent padding above and below; the heart itself keeps clear of the sides.
void placeInSquare(QPainter& p, double side) {
    const double scale = side / kWidth;
    p.translate(0, (side - kHeight * scale) / 2);
    p.scale(scale, scale);
}

}  // namespace

void drawHeart(QPainter& p) {
    p.save();
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
    p.restore();
}

QImage heartIcon() {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawHeart(p);
    return image;
}

QImage heartThemeIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    placeInSquare(p, size);
    drawHeart(p);
    return image;
}

QByteArray heartThemeSvg() {
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(kWidth, kWidth));
    generator.setViewBox(QRect(0, 0, kWidth, kWidth));
    generator.setTitle(QStringLiteral("Сердце"));
    {
        QPainter p(&generator);
        placeInSquare(p, kWidth);
        drawHeart(p);
    }
    return svg;
}

QByteArray heartWindowsIcon() {
    // The ICONDIR header, one 16-byte entry per size, then the images (Windows reads PNG ones).
    std::vector<QByteArray> images;
    for (const int size : kWindowsIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        QImageWriter writer(&buffer, "png");
        writer.write(heartThemeIcon(size).convertToFormat(QImage::Format_ARGB32));
        images.push_back(png);
    }
    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * quint32(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = kWindowsIconSizes[i];
        out << quint8(size % 256) << quint8(size % 256)  // 0 stands for 256
            << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(images[i].size())
            << offset;
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images) out.writeRawData(image.constData(), int(image.size()));
    return ico;
}

}  // namespace generate
