#include "assets/generate/typesetter.h"

#include <QFontMetricsF>
#include <algorithm>

namespace generate {

Typesetter::Typesetter(double pixelSize, QString family)
    : size_(pixelSize), family_(std::move(family)) {}

QFont Typesetter::font(bool italic, double scale) const {
    QFont f(family_);
    f.setPixelSize(static_cast<int>(size_ * scale + 0.5));
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

Box Typesetter::run(const QString& text, bool italic, double scale) const {
    const QFont f = font(italic, scale);
    const QFontMetricsF metrics(f);
    Box box;
    // Italic letters lean out of their advance; a little extra keeps them off the next glyph.
    box.width = metrics.horizontalAdvance(text) + (italic ? 0.08 * f.pixelSize() : 0.0);
    box.ascent = metrics.capHeight() + 0.12 * f.pixelSize();
    box.descent = 0.22 * f.pixelSize();
    box.draw = [f, text](QPainter& p, QPointF at) {
        p.setFont(f);
        p.drawText(at, text);
    };
    return box;
}

Box Typesetter::math(const QString& source, double scale) const {
    std::vector<Box> parts;
    QString current;
    bool currentItalic = false;
    bool upright = false;  // inside braces
    const auto flush = [&] {
        if (!current.isEmpty()) parts.push_back(run(current, currentItalic, scale));
        current.clear();
    };
    for (const QChar c : source) {
        if (c == u'{' || c == u'}') {
            flush();
            upright = c == u'{';
            continue;
        }
        if (c == u' ') {
            flush();
            parts.push_back(gap(0.18 * size_ * scale));
            continue;
        }
        const bool latin = c.unicode() < 128 && c.isLetter();
        const bool italic = latin && !upright;
        if (italic != currentItalic) flush();
        currentItalic = italic;
        current += c;
    }
    flush();
    return row(std::move(parts));
}

Box Typesetter::row(std::vector<Box> parts) const {
    Box box;
    for (const Box& part : parts) {
        box.width += part.width;
        box.ascent = std::max(box.ascent, part.ascent);
        box.descent = std::max(box.descent, part.descent);
    }
    box.draw = [parts = std::move(parts)](QPainter& p, QPointF at) {
        for (const Box& part : parts) {
            part.draw(p, at);
            at.rx() += part.width;
        }
    };
    return box;
}

Box Typesetter::fraction(Box numerator, Box denominator) const {
    const double axis = 0.28 * size_;  // height of the fraction bar above the baseline
    const double clearance = 0.12 * size_;
    const double bar = std::max(1.0, 0.06 * size_);
    const double overhang = 0.1 * size_;
    Box box;
    box.width = std::max(numerator.width, denominator.width) + 2 * overhang;
    box.ascent = axis + bar / 2 + clearance + numerator.height();
    box.descent = denominator.height() + clearance + bar / 2 - axis;
    box.draw = [=](QPainter& p, QPointF at) {
        const double w = box.width;
        const double barY = at.y() - axis;
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRect(QRectF(at.x() + overhang * 0.4, barY - bar / 2, w - overhang * 0.8, bar));
        p.restore();
        numerator.draw(p, {at.x() + (w - numerator.width) / 2,
                           barY - bar / 2 - clearance - numerator.descent});
        denominator.draw(p, {at.x() + (w - denominator.width) / 2,
                             barY + bar / 2 + clearance + denominator.ascent});
    };
    return box;
}

Box Typesetter::subscript(Box base, Box sub) const {
    const double drop = 0.22 * size_;
    Box box;
    box.width = base.width + sub.width;
    box.ascent = base.ascent;
    box.descent = std::max(base.descent, drop + sub.descent);
    box.draw = [=](QPainter& p, QPointF at) {
        base.draw(p, at);
        sub.draw(p, {at.x() + base.width, at.y() + drop});
    };
    return box;
}

Box Typesetter::superscript(Box base, Box sup) const {
    const double rise = 0.45 * size_;
    Box box;
    box.width = base.width + sup.width;
    box.ascent = std::max(base.ascent, rise + sup.ascent);
    box.descent = base.descent;
    box.draw = [=](QPainter& p, QPointF at) {
        base.draw(p, at);
        sup.draw(p, {at.x() + base.width, at.y() - rise});
    };
    return box;
}

Box Typesetter::integral(Box lower, Box upper) const {
    const QFont f = font(false, 2.0);
    const QFontMetricsF metrics(f);
    const QString sign(QChar(0x222B));
    const double signWidth = metrics.horizontalAdvance(sign);
    // The sign is centred on the fraction axis; the limits sit at its top right and bottom right.
    const double axis = 0.28 * size_;
    const QRectF ink = metrics.tightBoundingRect(sign);
    const double drop = -axis - (ink.top() + ink.bottom()) / 2;
    const double top = -ink.top() - drop;       // above the baseline
    const double bottom = ink.bottom() + drop;  // below the baseline
    Box box;
    box.width = signWidth + std::max(lower.width, upper.width) + 0.1 * size_;
    box.ascent = top + upper.ascent * 0.3;
    box.descent = bottom + lower.height() * 0.5;
    box.draw = [=](QPainter& p, QPointF at) {
        p.setFont(f);
        p.drawText(QPointF(at.x(), at.y() + drop), sign);
        upper.draw(p, {at.x() + signWidth * 0.95, at.y() - top + upper.ascent * 0.9});
        lower.draw(p, {at.x() + signWidth * 0.6, at.y() + bottom + lower.ascent * 0.5});
    };
    return box;
}

Box Typesetter::evaluated(Box inner, Box lower, Box upper) const {
    const double top = inner.ascent + 0.2 * size_;
    const double bottom = inner.descent + 0.25 * size_;
    const double pad = 0.12 * size_;
    Box box;
    box.width = inner.width + pad + 1.0 + pad * 0.6 + std::max(lower.width, upper.width);
    box.ascent = top + upper.ascent * 0.4;
    box.descent = bottom + lower.height() * 0.6;
    box.draw = [=](QPainter& p, QPointF at) {
        inner.draw(p, at);
        const double x = at.x() + inner.width + pad;
        p.save();
        p.setPen(QPen(Qt::black, 1.0));
        p.drawLine(QPointF(x, at.y() - top), QPointF(x, at.y() + bottom));
        p.restore();
        upper.draw(p, {x + pad * 0.6 + 1.0, at.y() - top + upper.ascent * 0.4});
        lower.draw(p, {x + pad * 0.6 + 1.0, at.y() + bottom + lower.ascent * 0.6});
    };
    return box;
}

Box Typesetter::gap(double width) const {
    Box box;
    box.width = width;
    box.draw = [](QPainter&, QPointF) {};
    return box;
}

void drawCentred(QPainter& painter, const Box& box, double x, double centreY) {
    const double baseline = centreY + (box.ascent - box.descent) / 2;
    box.draw(painter, {x, baseline});
}

}  // namespace generate
