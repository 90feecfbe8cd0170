// The formula pictures of the theory pages: black serif type on white, variables in italic,
// fractions built up, each ending with the punctuation of its sentence.

#include <QPainter>
#include <cstdio>

#include "assets/generate/drawings.h"
#include "assets/generate/typesetter.h"

namespace generate {

namespace {

struct Line {
    Box box;
    double centreY;
};

// Draws the lines left-aligned at x; warns when a line does not fit the width that the window
// shows of the picture.
QImage formulaPicture(int width, int height, int visibleWidth, double x,
                      const std::vector<Line>& lines) {
    QImage image = whiteCanvas(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    for (const Line& line : lines) {
        if (x + line.box.width > visibleWidth - 1)
            std::fprintf(stderr, "formula line %.1f px wide does not fit %d px\n", line.box.width,
                         visibleWidth);
        drawCentred(painter, line.box, x, line.centreY);
    }
    return image;
}

Box q0(const Typesetter& t) { return t.subscript(t.math("Q"), t.math("0", 0.7)); }
Box p0(const Typesetter& t) { return t.subscript(t.math("P"), t.math("0", 0.7)); }
Box dOver(const Typesetter& t, const char* top) {
    return t.fraction(t.math(QString::fromUtf8("{d}") + QString::fromUtf8(top)), t.math("{d}t"));
}
Box pOverR(const Typesetter& t) { return t.fraction(t.math("P(t)"), t.math("R")); }
Box oneOverCR(const Typesetter& t) { return t.fraction(t.math("1"), t.math("CR")); }

}  // namespace

QImage equation2() {
    const Typesetter t(15);
    const Box line = t.row({dOver(t, "V"), t.math(" = C"), dOver(t, "P"), t.math(".")});
    return formulaPicture(83, 32, 81, 2, {{line, 16}});
}

QImage equation3() {
    const Typesetter t(15);
    const Box line = t.row({t.math("Q(t) = "), dOver(t, "V"), t.math(QString::fromUtf8(" + ")),
                            q0(t), t.math("(t),")});
    return formulaPicture(117, 41, 117, 2, {{line, 21}});
}

QImage equation4(Words words) {
    const Typesetter t(15);
    const char* const venous = words == Words::English ? "v" : "в";
    const Box numerator = t.row(
        {t.math(QString::fromUtf8("P(t) − ")), t.subscript(t.math("P"), t.math(venous, 0.7))});
    const Box line =
        t.row({q0(t), t.math("(t) = "), t.fraction(numerator, t.math("R")), t.math(",")});
    return formulaPicture(123, 39, 121, 2, {{line, 20}});
}

QImage equation5() {
    const Typesetter t(15);
    const Box line = t.row({q0(t), t.math("(t) = "), pOverR(t), t.math(".")});
    return formulaPicture(113, 37, 105, 2, {{line, 19}});
}

QImage equation6() {
    const Typesetter t(14);
    const Box line = t.row({t.math("Q(t) = C"), dOver(t, "P"), t.math(QString::fromUtf8(" + ")),
                            pOverR(t), t.math(".")});
    return formulaPicture(123, 42, 121, 1, {{line, 22}});
}

QImage equations7And8() {
    const Typesetter t(13);
    const Box first = t.row(
        {t.math("0 = C"), dOver(t, "P"), t.math(QString::fromUtf8(" + ")), pOverR(t), t.math(";")});
    const Box middle = t.row(
        {t.math(QString::fromUtf8("−C")), dOver(t, "P"), t.math(" = "), pOverR(t), t.math(";")});
    const Box last = t.row({t.fraction(t.math("{d}P"), t.math("P")),
                            t.math(QString::fromUtf8(" = −")), oneOverCR(t), t.math("{d}t.")});
    return formulaPicture(99, 121, 99, 1, {{first, 17}, {middle, 60}, {last, 103}});
}

QImage equations9And10() {
    const Typesetter t(12);
    const Box smallP0 = t.subscript(t.math("P", 0.7), t.math("0", 0.5));
    const Box first =
        t.row({t.integral(smallP0, t.math("P", 0.7)), t.fraction(t.math("{d}P"), t.math("P")),
               t.math(QString::fromUtf8(" = −")), oneOverCR(t), t.gap(2),
               t.integral(t.math("0", 0.7), t.math("t", 0.7)), t.math("{d}t;")});
    const Box second =
        t.row({t.evaluated(t.math("{ln}|P|"), smallP0, t.math("P", 0.7)),
               t.math(QString::fromUtf8(" = −")), oneOverCR(t),
               t.evaluated(t.math("t"), t.math("0", 0.7), t.math("t", 0.7)), t.math(";")});
    const Box third =
        t.row({t.math("{ln}"), t.fraction(t.math("P"), p0(t)), t.math(QString::fromUtf8(" = −")),
               t.fraction(t.math("t"), t.math("CR")), t.math(";")});
    const Box last = t.row({t.math("P(t) = "), p0(t),
                            t.superscript(t.math("{e}"), t.math(QString::fromUtf8("−t/(CR)"), 0.7)),
                            t.math(".")});
    return formulaPicture(128, 173, 113, 1, {{first, 21}, {second, 66}, {third, 110}, {last, 152}});
}

}  // namespace generate
