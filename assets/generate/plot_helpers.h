#pragma once
// Small drawing helpers shared by the figures.

#include <QPainter>
#include <QPointF>
#include <QString>

namespace generate {

// Maps plot coordinates (time, value) to picture pixels.
struct Axes {
    double left;    // pixel x of time 0
    double bottom;  // pixel y of value 0
    double xScale;  // pixels per second
    double yScale;  // pixels per unit of value
    QPointF map(double t, double value) const {
        return {left + t * xScale, bottom - value * yScale};
    }
};

// A line with a filled arrow head at `to`.
void drawArrow(QPainter& painter, QPointF from, QPointF to, double head = 7);

// An italic variable with an optional upright subscript, baseline-left at `at`.
void drawVariable(QPainter& painter, QPointF at, const QString& name, const QString& sub,
                  int pixelSize);

// "X2 > X1" (or "<"): the relation of a changed parameter to the reference one.
void drawRelation(QPainter& painter, QPointF at, const QString& name, const QString& relation,
                  int pixelSize);

QFont serif(int pixelSize, bool italic = false);

}  // namespace generate
