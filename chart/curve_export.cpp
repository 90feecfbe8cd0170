#include "chart/curve_export.h"

#include <charconv>
#include <cmath>

#include "chart/chart_texts.h"
#include "chart/curve_values.h"

namespace chart {

namespace {

QChar decimalPointOf(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

// A CSV field, quoted when it holds the separator, a quote or a line break.
QString csvField(const QString& text, QChar separator) {
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Three decimals in the user's notation, without digit grouping, so that a spreadsheet reads
// the cell as a number; beyond 1e15 the scientific form, which stays short.
QString tableNumber(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return std::abs(value) < 1e15 ? plain.toString(value, 'f', 3) : plain.toString(value, 'e', 6);
}

}  // namespace

QString exactNumber(double value, QChar decimalPoint) {
    char buffer[32];
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), value);
    QString text = QString::fromLatin1(buffer, error == std::errc() ? end - buffer : 0);
    text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}

QByteArray curvesCsv(const std::vector<CurvePoints>& curves, const QStringList& headers,
                     const QLocale& locale) {
    const QChar point = decimalPointOf(locale);
    const QChar separator = point == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    QStringList header;
    for (const QString& h : headers) header << csvField(h, separator);
    text += header.join(separator) + lineEnd;
    for (const CurvePoints& curve : curves) {
        const QString title = csvField(curve.title, separator);
        for (const ChartPoint& p : curve.points) {
            text += title + separator + exactNumber(p.x, point) + separator +
                    exactNumber(p.y, point) + lineEnd;
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

ValuesTable valuesTable(const std::vector<CurvePoints>& curves, const QLocale& locale) {
    ValuesTable table;
    table.header = {chartText(QT_TRANSLATE_NOOP("Chart", "Кривая")),
                    chartText(QT_TRANSLATE_NOOP("Chart", "Максимум, мм рт. ст.")),
                    chartText(QT_TRANSLATE_NOOP("Chart", "Время максимума, с")),
                    chartText(QT_TRANSLATE_NOOP("Chart", "Минимум, мм рт. ст.")),
                    chartText(QT_TRANSLATE_NOOP("Chart", "Время минимума, с")),
                    chartText(QT_TRANSLATE_NOOP("Chart", "Максимум − минимум, мм рт. ст.")),
                    chartText(QT_TRANSLATE_NOOP("Chart", "Среднее по времени, мм рт. ст."))};
    for (const CurvePoints& curve : curves) {
        const auto s = statisticsOf(curve.points);
        if (!s) {
            table.rows.push_back({curve.title, {}, {}, {}, {}, {}, {}});
            continue;
        }
        table.rows.push_back(
            {curve.title, tableNumber(s->maximum, locale), tableNumber(s->timeOfMaximum, locale),
             tableNumber(s->minimum, locale), tableNumber(s->timeOfMinimum, locale),
             tableNumber(s->range, locale), tableNumber(s->timeWeightedMean, locale)});
    }
    return table;
}

QString tabSeparated(const ValuesTable& table) {
    // A tab or line break inside a cell would split it; none of the program's texts has one.
    const auto line = [](QStringList cells) {
        for (QString& cell : cells) cell.replace(QLatin1Char('\t'), QLatin1Char(' '));
        return cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    QString text = line(table.header);
    for (const QStringList& row : table.rows) text += line(row);
    return text;
}

}  // namespace chart
