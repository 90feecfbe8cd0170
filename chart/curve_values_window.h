#pragma once
// A small window that lists each curve's peak and lowest point with their times, their
// difference and the time-weighted mean over the span of time the chart shows, with a button
// that copies the table for a spreadsheet or a word processor.

#include <QWidget>

#include "chart/curve_export.h"

class QLabel;
class QTableWidget;

namespace chart {

class CurveValuesWindow : public QWidget {
    Q_OBJECT
  public:
    // A window of its own that stays above `owner`'s window and closes with it.
    explicit CurveValuesWindow(QWidget* owner);

    // Shows the values of these curves, in their colours, under a line that says which span of
    // time they cover.
    void setCurves(const std::vector<CurvePoints>& curves, const QString& span);
    QString span() const;
    const ValuesTable& table() const { return table_; }

    // Puts the table on the clipboard as tab-separated text with a header row.
    void copyTable() const;

  private:
    QLabel* span_;
    QTableWidget* view_;
    ValuesTable table_;
};

}  // namespace chart
