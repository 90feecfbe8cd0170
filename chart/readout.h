#pragma once
// The readout under the pointer: while the pointer is over the plot and no button is held, a
// thin vertical line follows it and a small box beside the line gives the time and each
// curve's pressure there, in the curve's colour, with one decimal more than the axis labels
// show; the box stands clear of the curves where the plot leaves room. In 3-D the time is read,
// and the line drawn, on the plane of the curves.

#include <QColor>
#include <QLine>
#include <QLocale>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "chart/chart_data.h"
#include "chart/chart_layout.h"
#include "chart/chart_tool.h"

namespace chart {

struct ReadoutRow {
    QString text;
    QColor colour;
};

// What the box says at time t: the time first, then each curve that reaches t, in the order
// given; numbers written as the axis labels `timeLabels` and `pressureLabels` are written, with
// one decimal more.
std::vector<ReadoutRow> readoutRows(const std::vector<CurvePoints>& curves, double t,
                                    const std::vector<QString>& timeLabels,
                                    const std::vector<QString>& pressureLabels,
                                    const QLocale& locale = QLocale());

// A number with one decimal more than the labels show.
QString readoutNumber(double value, const std::vector<QString>& labels,
                      const QLocale& locale = QLocale());

class Readout : public ChartTool {
    Q_OBJECT
  public:
    explicit Readout(ChartWidget& chart);

    bool isShown() const { return shown_; }
    const std::vector<ReadoutRow>& rows() const { return rows_; }
    // Where the box and the line are drawn, in the widget's coordinates.
    QRect box() const { return box_; }
    int lineX() const { return lineX_; }
    QLine line() const { return QLine(lineX_, lineTop_, lineX_, lineBottom_); }

    void paintOverlay(QPainter& painter) const override;
    void chartChanged() override;
    void viewAnimationChanged(bool running) override;
    void dragStarted() override { hide(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showAt(QPoint pointer);
    void hide();
    QRect area() const;  // what the line and the box cover

    bool shown_ = false;
    bool animating_ = false;  // the view is between pictures: nothing to read yet
    QPoint pointer_;
    int lineX_ = 0;
    int lineTop_ = 0;
    int lineBottom_ = 0;
    QRect box_;
    std::vector<ReadoutRow> rows_;
};

}  // namespace chart
