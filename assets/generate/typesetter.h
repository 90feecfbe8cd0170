#pragma once
// A very small formula typesetter: text runs with italic variables, built-up fractions,
// sub- and superscripts, integral signs and evaluation bars with limits.

#include <QFont>
#include <QPainter>
#include <QString>
#include <functional>
#include <vector>

namespace generate {

struct Box {
    double width = 0;
    double ascent = 0;                             // above the baseline
    double descent = 0;                            // below the baseline
    std::function<void(QPainter&, QPointF)> draw;  // draws with the baseline's left end given
    double height() const { return ascent + descent; }
};

class Typesetter {
  public:
    explicit Typesetter(double pixelSize, QString family = QStringLiteral("Liberation Serif"));

    // Latin letters come out italic, except inside braces: "{d}P", "{ln}". Digits, brackets,
    // operators and Cyrillic letters are upright. A space is a small fixed gap.
    Box math(const QString& source, double scale = 1.0) const;
    Box row(std::vector<Box> parts) const;
    Box fraction(Box numerator, Box denominator) const;
    Box subscript(Box base, Box sub) const;
    Box superscript(Box base, Box sup) const;
    Box integral(Box lower, Box upper) const;
    // A tall vertical bar with limits, as in ln|P| evaluated from P0 to P.
    Box evaluated(Box inner, Box lower, Box upper) const;
    Box gap(double width) const;

    double size() const { return size_; }

  private:
    QFont font(bool italic, double scale) const;
    Box run(const QString& text, bool italic, double scale) const;

    double size_;
    QString family_;
};

// Draws the box with its left end at x and its vertical middle at centreY.
void drawCentred(QPainter& painter, const Box& box, double x, double centreY);

}  // namespace generate
