#include "chart/chart_menu.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>
#include <algorithm>

#include "chart/chart_host.h"
#include "chart/chart_render.h"
#include "chart/chart_texts.h"
#include "chart/chart_widget.h"
#include "chart/curve_export.h"
#include "chart/curve_values.h"
#include "chart/curve_values_window.h"
#include "chart/readout.h"

namespace chart {

namespace {

constexpr const char* kPngFilter = QT_TRANSLATE_NOOP("Chart", "Рисунок PNG (*.png)");
constexpr const char* kSvgFilter = QT_TRANSLATE_NOOP("Chart", "Рисунок SVG (*.svg)");
constexpr const char* kCsvFilter = QT_TRANSLATE_NOOP("Chart", "Таблица CSV (*.csv)");
// The name every file of the chart is offered under, a picture, the data or a printed page.
constexpr const char* kFileName = QT_TRANSLATE_NOOP("Chart", "график");

// A dialog's caption: the entry's text without its ellipsis.
QString captionOf(const char* entry) { return chartText(entry).chopped(1); }

// The name a file is saved under: as typed when it ends in the extension of the type chosen in
// the dialog, else with that extension added ("C=1.2" gives "C=1.2.png").
QString withExtension(const QString& path, const QString& extension) {
    const QString ending = QLatin1Char('.') + extension;
    return path.endsWith(ending, Qt::CaseInsensitive) ? path : path + ending;
}

}  // namespace

ChartMenu::ChartMenu(ChartWidget& chart) : ChartTool(chart) {}

void ChartMenu::popup(QPoint at) {
    if (menu_) menu_->deleteLater();
    menu_ = new QMenu(&chart());
    menu_->setObjectName(QStringLiteral("ChartMenu"));
    menu_->setAttribute(Qt::WA_DeleteOnClose);
    const bool hosted = chart().host() != nullptr;
    const std::vector<CurvePoints>& curves = chart().curves();
    const bool data = std::any_of(curves.begin(), curves.end(),
                                  [](const CurvePoints& curve) { return !curve.points.empty(); });
    // An entry's work is done once the menu has closed and its activation is over, never from
    // inside it: a dialog's own event loop (the native file dialog's on Windows) would otherwise
    // run while the menu, closed and due for deletion, is still handling the click.
    const auto entry = [this](const char* text, auto* receiver, auto work, bool enabled) {
        QAction* const action = menu_->addAction(chartText(text));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, receiver, work, Qt::QueuedConnection);
    };
    entry(kCopyPicture, this, &ChartMenu::copyPicture, true);
    entry(kSavePicture, this, &ChartMenu::savePicture, hosted);
    entry(kSaveData, this, &ChartMenu::saveData, hosted && data);
    const auto showValues = [this] { showCurveValues(); };
    entry(kCurveValues, this, showValues, data);
    entry(kPrint, this, &ChartMenu::print, hosted);
    if (chart().isZoomed()) {
        menu_->addSeparator();
        entry(kUndoZoom, &chart(), &ChartWidget::undoZoom, true);
    }
    menu_->popup(chart().mapToGlobal(at));
}

void ChartMenu::copyPicture() {
    QGuiApplication::clipboard()->setImage(
        chartImage(chart().data(), chart().viewState(), chart().size(), kPictureScale));
}

void ChartMenu::savePicture() {
    ChartHost* const host = chart().host();
    if (!host) return;
    const QString png = chartText(kPngFilter);
    const QString svgType = chartText(kSvgFilter);
    QString filter = png;
    const QString chosen =
        host->saveFileName(captionOf(kSavePicture), chartText(kFileName) + QStringLiteral(".png"),
                           {png, svgType}, &filter);
    if (chosen.isEmpty()) return;
    // The file's type is the one chosen in the dialog, whatever the name typed.
    const bool svg = filter == svgType;
    const QString path = withExtension(chosen, svg ? QStringLiteral("svg") : QStringLiteral("png"));
    if (!mayWrite(path)) return;
    if (svg) {
        write(path, chartSvg(chart().data(), chart().viewState(), chart().size(),
                             chart().accessibleName()));
        return;
    }
    write(path,
          pngBytes(chartImage(chart().data(), chart().viewState(), chart().size(), kPictureScale)));
}

void ChartMenu::saveData() {
    ChartHost* const host = chart().host();
    if (!host) return;
    const QString csv = chartText(kCsvFilter);
    QString filter = csv;
    const QString chosen = host->saveFileName(
        captionOf(kSaveData), chartText(kFileName) + QStringLiteral(".csv"), {csv}, &filter);
    if (chosen.isEmpty()) return;
    const QString path = withExtension(chosen, QStringLiteral("csv"));
    if (!mayWrite(path)) return;
    const ChartSettings& settings = chart().data().settings();
    const auto orDefault = [](const QString& title, const char* otherwise) {
        return title.trimmed().isEmpty() ? chartText(otherwise) : title;
    };
    write(path,
          curvesCsv(chart().curves(),
                    {chartText(QT_TRANSLATE_NOOP("Chart", "Кривая")),
                     orDefault(settings.bottomAxis.title, QT_TRANSLATE_NOOP("Chart", "время (с)")),
                     orDefault(settings.leftAxis.title,
                               QT_TRANSLATE_NOOP("Chart", "давление (мм.рт.ст)"))},
                    QLocale()));
}

void ChartMenu::showShownValues() {
    // What the chart shows: the curves cut at the ends of the time axis as it stands (fixed, or
    // zoomed and scrolled).
    const ChartGeometry& g = chart().layout();
    const AxisRange shown = g.bottomMap.range();
    std::vector<CurvePoints> curves = chart().curves();
    for (CurvePoints& curve : curves)
        curve.points = pointsWithin(curve.points, shown.minimum, shown.maximum);
    values_->setCurves(curves,
                       chartText(QT_TRANSLATE_NOOP("Chart", "На отрезке времени от %1 до %2 с"))
                           .arg(readoutNumber(shown.minimum, g.bottomTexts),
                                readoutNumber(shown.maximum, g.bottomTexts)));
}

CurveValuesWindow& ChartMenu::showCurveValues() {
    const bool first = !values_;
    if (first) {
        values_ = new CurveValuesWindow(&chart());
        // Named after its window's heading, and closed when that window is.
        const QStringList header =
            chart().host() ? chart().host()->documentHeader() : QStringList();
        if (!header.isEmpty())
            values_->setWindowTitle(values_->windowTitle() + QStringLiteral(" — ") +
                                    header.first());
        chart().window()->installEventFilter(this);
    }
    showShownValues();
    if (first) {
        // Over the chart's upper left corner, where it hides no prompt or field; on the screen.
        const QRect screen = chart().screen()->availableGeometry();
        QPoint at = chart().mapToGlobal(QPoint(24, 24));
        at.setX(std::clamp(at.x(), screen.left(),
                           std::max(screen.left(), screen.right() - values_->width())));
        at.setY(std::clamp(at.y(), screen.top(),
                           std::max(screen.top(), screen.bottom() - values_->height())));
        values_->move(at);
    }
    values_->show();
    values_->raise();
    values_->activateWindow();
    return *values_;
}

void ChartMenu::chartChanged() {
    // An open values window follows the curves.
    if (values_ && values_->isVisible()) showShownValues();
}

bool ChartMenu::eventFilter(QObject* watched, QEvent* event) {
    // Closed (hidden by the program), not minimized (hidden by the desktop).
    if (watched == chart().window() && watched != &chart() && event->type() == QEvent::Hide &&
        !event->spontaneous() && values_)
        values_->close();
    return ChartTool::eventFilter(watched, event);
}

void ChartMenu::print() {
    ChartHost* const host = chart().host();
    if (!host) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(chartText(kFileName));
    if (!host->choosePrinter(printer)) return;
    printChart(printer, host->documentHeader(), chart().data(), chart().viewState(),
               chart().size());
}

bool ChartMenu::mayWrite(const QString& path) {
    return !QFileInfo(path).isFile() || chart().host()->confirmOverwrite(path);
}

bool ChartMenu::write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written && chart().host()) {
        chart().host()->showError(
            chartText(QT_TRANSLATE_NOOP("Chart", "Не удалось сохранить файл\n%1\n%2"))
                .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return written;
}

}  // namespace chart
