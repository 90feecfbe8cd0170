#pragma once
// Cuts a segment to a rectangle in double precision, before anything reaches QPainter, so that
// points far outside the plot neither overflow pixel arithmetic nor cost drawing time.

#include <QPointF>
#include <QRectF>
#include <optional>
#include <utility>

namespace chart {

// Cohen-Sutherland: the part of a..b inside `box` (edges included), or nothing. Each end is
// moved onto the edge it lies beyond by interpolating from the other end, which keeps
// vertical and horizontal lines exact even from ends far away.
inline std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b,
                                                              const QRectF& box) {
    enum : int { Left = 1, Right = 2, Top = 4, Bottom = 8 };
    const auto code = [&](QPointF p) {
        return (p.x() < box.left()    ? Left
                : p.x() > box.right() ? Right
                                      : 0) |
               (p.y() < box.top()      ? Top
                : p.y() > box.bottom() ? Bottom
                                       : 0);
    };
    int codeA = code(a);
    int codeB = code(b);
    for (int guard = 0; guard < 8; ++guard) {
        if ((codeA | codeB) == 0) {
            return std::pair{a, b};
        }
        if ((codeA & codeB) != 0) {
            return std::nullopt;
        }
        const bool moveA = codeA != 0;
        const QPointF from = moveA ? b : a;
        QPointF& p = moveA ? a : b;
        const int out = moveA ? codeA : codeB;
        if (out & (Top | Bottom)) {
            const double y = out & Top ? box.top() : box.bottom();
            p = QPointF(from.x() + (p.x() - from.x()) * ((y - from.y()) / (p.y() - from.y())), y);
        } else {
            const double x = out & Left ? box.left() : box.right();
            p = QPointF(x, from.y() + (p.y() - from.y()) * ((x - from.x()) / (p.x() - from.x())));
        }
        (moveA ? codeA : codeB) = code(p);
    }
    return std::nullopt;
}

}  // namespace chart
