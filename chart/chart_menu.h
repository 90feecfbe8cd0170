#pragma once
// The chart's menu, on a right click without a drag (or the menu key): copy the picture, save
// it as PNG or SVG, save the curves as CSV, the curves' values, print, and undo the zoom while
// zoomed; the entries that need curves are disabled while the chart has none. Dialogs, boxes
// and the printed header come from the chart's host.

#include <QMenu>
#include <QPointer>
#include <QString>

#include "chart/chart_tool.h"
#include "chart/curve_values_window.h"

namespace chart {

class ChartMenu : public ChartTool {
    Q_OBJECT
  public:
    explicit ChartMenu(ChartWidget& chart);

    // The texts of the menu's entries, in Russian; shown through chartText().
    static constexpr const char* kCopyPicture =
        QT_TRANSLATE_NOOP("Chart", "Копировать изображение");
    static constexpr const char* kSavePicture =
        QT_TRANSLATE_NOOP("Chart", "Сохранить изображение…");
    static constexpr const char* kSaveData = QT_TRANSLATE_NOOP("Chart", "Сохранить данные…");
    static constexpr const char* kCurveValues = QT_TRANSLATE_NOOP("Chart", "Значения кривых…");
    static constexpr const char* kPrint = QT_TRANSLATE_NOOP("Chart", "Печать…");
    static constexpr const char* kUndoZoom = QT_TRANSLATE_NOOP("Chart", "Отменить увеличение");

    // Opens the menu at this point of the chart; it stays open until chosen or dismissed.
    void popup(QPoint at);
    QMenu* openMenu() const { return menu_; }

    // What the entries do.
    void copyPicture();
    void savePicture();
    void saveData();
    CurveValuesWindow& showCurveValues();
    void print();

    void chartChanged() override;
    void menuRequested(QPoint at) override { popup(at); }

    // The picture is this many times as fine as the chart on screen.
    static constexpr qreal kPictureScale = 2;

  protected:
    // The values window closes with the chart's window.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showShownValues();
    // Whether the file may be written: no file there yet, or its replacing confirmed.
    bool mayWrite(const QString& path);
    // Writes the file whole or not at all; an error box names the file and the reason.
    bool write(const QString& path, const QByteArray& bytes);

    QPointer<QMenu> menu_;
    QPointer<CurveValuesWindow> values_;
};

}  // namespace chart
