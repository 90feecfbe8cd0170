#include "assets/generate/plot_helpers.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPolygonF>
#include <cmath>

namespace generate {

QFont serif(int pixelSize, bool italic) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(pixelSize);
    font.setItalic(italic);
    return font;
}

void drawArrow(QPainter& painter, QPointF from, QPointF to, double head) {
    painter.drawLine(from, to);
    const QLineF line(to, from);
    const double angle = std::atan2(line.dy(), line.dx());
    const QPointF a = to + QPointF(std::cos(angle + 0.38) * head, std::sin(angle + 0.38) * head);
    const QPointF b = to + QPointF(std::cos(angle - 0.38) * head, std::sin(angle - 0.38) * head);
    painter.save();
    painter.setBrush(painter.pen().color());
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF{to, a, b});
    painter.restore();
}

void drawVariable(QPainter& painter, QPointF at, const QString& name, const QString& sub,
                  int pixelSize) {
    const QFont main = serif(pixelSize, true);
    painter.setFont(main);
    painter.drawText(at, name);
    if (sub.isEmpty()) return;
    const double advance = QFontMetricsF(main).horizontalAdvance(name) + 1;
    painter.setFont(serif(pixelSize * 7 / 10, false));
    painter.drawText(at + QPointF(advance, pixelSize * 0.25), sub);
}

void drawRelation(QPainter& painter, QPointF at, const QString& name, const QString& relation,
                  int pixelSize) {
    const QFont main = serif(pixelSize, true);
    const QFont small = serif(pixelSize * 7 / 10);
    const QFont upright = serif(pixelSize);
    const double nameWidth = QFontMetricsF(main).horizontalAdvance(name) + 1;
    const double subWidth = QFontMetricsF(small).horizontalAdvance(QStringLiteral("2"));
    const QString middle = QStringLiteral(" %1 ").arg(relation);
    const double middleWidth = QFontMetricsF(upright).horizontalAdvance(middle);
    drawVariable(painter, at, name, QStringLiteral("2"), pixelSize);
    painter.setFont(upright);
    painter.drawText(at + QPointF(nameWidth + subWidth, 0), middle);
    drawVariable(painter, at + QPointF(nameWidth + subWidth + middleWidth, 0), name,
                 QStringLiteral("1"), pixelSize);
}

}  // namespace generate
