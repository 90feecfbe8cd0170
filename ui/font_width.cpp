#include "ui/font_width.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QFontMetricsF>
#include <QRawFont>
#include <cmath>
#include <map>
#include <tuple>
#endif

namespace ui {

#ifdef Q_OS_WIN

void keepDesignedWidth(QFont& font) {
    using Key = std::tuple<QString, int, int, bool, bool>;
    static std::map<Key, qreal> spacings;  // the same for every control of a kind
    const Key key{font.family(), font.pixelSize(), font.stretch(), font.bold(), font.italic()};
    auto found = spacings.find(key);
    if (found == spacings.end()) {
        static const QString sample = QStringLiteral("Задайте значение объемной скорости");
        QFont unstretched = font;
        unstretched.setStretch(QFont::Unstretched);
        const QRawFont raw = QRawFont::fromFont(unstretched);
        qreal designed = 0;
        for (const QPointF advance : raw.advancesForGlyphIndexes(raw.glyphIndexesForString(sample),
                                                                 QRawFont::UseDesignMetrics))
            designed += advance.x();
        designed = designed * font.stretch() / 100;  // the share the layouts were made for
        const qreal drawn = QFontMetricsF(font).horizontalAdvance(sample);
        const bool off = designed > 0 && drawn > 0 && std::abs(drawn - designed) > designed / 200;
        found = spacings.emplace(key, off ? 100 * designed / drawn : 100.0).first;
    }
    if (found->second != 100.0) font.setLetterSpacing(QFont::PercentageSpacing, found->second);
}

#else

void keepDesignedWidth(QFont&) {}

#endif

}  // namespace ui
