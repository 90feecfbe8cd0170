#pragma once
// Cuts a segment to a rectangle in double precision, before anything reaches QPainter, so that
// points far outside the plot neither overflow pixel arithmetic nor cost drawing time.

#include <QPointF>
#include <QRectF>
#include <optional>
#include <utility>

namespace chart {

// Liang-Barsky: the part of a..b inside `box` (edges included), or nothing.
inline std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b,
                                                              const QRectF& box) {
    double t0 = 0;
    double t1 = 1;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const auto edge = [&](double p, double q) {
        if (p == 0) {
            return q >= 0;
        }
        const double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
        return true;
    };
    if (!edge(-dx, a.x() - box.left()) || !edge(dx, box.right() - a.x()) ||
        !edge(-dy, a.y() - box.top()) || !edge(dy, box.bottom() - a.y())) {
        return std::nullopt;
    }
    return std::pair{QPointF(a.x() + t0 * dx, a.y() + t0 * dy),
                     QPointF(a.x() + t1 * dx, a.y() + t1 * dy)};
}

}  // namespace chart
