#pragma once
// The curves as text for other programs: a CSV file of every point, and the table of each
// curve's peak, lowest point, range and mean as the values window shows it and as
// tab-separated text for the clipboard.

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

#include "chart/chart_data.h"

namespace chart {

// The shortest text that reads back as the same double, with `decimalPoint` as its separator
// ("0,5500000000000003", "1e+290").
QString exactNumber(double value, QChar decimalPoint);

// One row per point (curve title, time, pressure) after a header row of `headers`; UTF-8 with
// a byte-order mark. Under a decimal comma the fields are separated by ";", otherwise by ",".
QByteArray curvesCsv(const std::vector<CurvePoints>& curves, const QStringList& headers,
                     const QLocale& locale);

// Per curve: title, maximum and its time, minimum and its time, range, time-weighted mean.
struct ValuesTable {
    QStringList header;
    std::vector<QStringList> rows;
};
ValuesTable valuesTable(const std::vector<CurvePoints>& curves, const QLocale& locale);

// Header row and rows, cells separated by tabs, rows ended by a line break.
QString tabSeparated(const ValuesTable& table);

}  // namespace chart
