// Results out of a built chart, through the investigation windows as a student uses them: the
// readout under the pointer, the menu of a right click, the picture on the clipboard and in PNG
// and SVG files, the curves in a CSV file, the values window and the printed page.

#include <QClipboard>
#include <QDir>
#include <QImageReader>
#include <QMenu>
#include <QProcess>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "chart/chart_menu.h"
#include "chart/chart_view.h"
#include "chart/curve_values.h"
#include "chart/curve_values_window.h"
#include "chart/readout.h"
#include "chart/scroll_tool.h"
#include "tests/investigations/window_factory.h"
#include "tests/support/recording_desktop.h"

using chart::ChartMenu;
using testing_support::makeInvestigation;
using testing_support::typeAndBuild;

namespace {

// A window built with typical values and shown, so that the mouse reaches its chart.
struct Built {
    explicit Built(const QString& name, const QStringList& fields)
        : window(makeInvestigation(name, desktop)) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) qFatal("window not shown");
        typeAndBuild(*window, fields);
        QCoreApplication::processEvents();  // the chart hears of its new curves
    }
    chart::ChartWidget& chart() const { return *window->chart(); }
    // The pixel of (t, P) on the chart's front plane.
    QPoint pixelOf(double t, double P) const {
        return chart::pixelAt(chart().layout(), {t, P}).toPoint();
    }
    QPoint plotPoint(double fx, double fy) const {
        const QRect p = chart().layout().plot;
        return QPoint(p.left() + qRound(fx * p.width()), p.top() + qRound(fy * p.height()));
    }
    testing_support::RecordingDesktop desktop;
    std::unique_ptr<investigations::InvestigationFrame> window;
};

const QStringList kForm22{"1,2", "50", "1", "1,5", "2"};
const QStringList kForm28{"50", "1", "0,6", "1,2", "2,4"};
const QStringList kForm9{"120", "1,2", "0,5", "1", "2"};

// The value a readout row shows, read back from its text.
double rowValue(const chart::ReadoutRow& row) {
    QString number = row.text.section(QLatin1Char(' '), -1);
    if (number == QStringLiteral("с")) number = row.text.section(QLatin1Char(' '), -2, -2);
    return QLocale().toDouble(number);
}

}  // namespace

class TestChartResults : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian)); }

    // The readout at chosen pointer positions, against the curves computed from the series.
    void readout_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<double>("t");  // where the pointer is put, in seconds
        QTest::addColumn<bool>("zoomed");
        QTest::addColumn<int>("curves");  // how many curves the box lists
        QTest::newRow("inside a piece") << "Form22" << 0.415 << false << 3;
        QTest::newRow("pieces overlapping") << "Form22" << 0.235 << false << 3;
        QTest::newRow("junction of two pieces") << "Form22" << 0.82 << false << 3;
        QTest::newRow("after a zoom") << "Form22" << 1.3 << true << 3;
        QTest::newRow("beyond the curves' end") << "Form9" << 0.6 << false << 0;
        QTest::newRow("3-D") << "Form28" << 0.13 << false << 3;
    }
    void readout() {
        QFETCH(QString, window);
        QFETCH(double, t);
        QFETCH(bool, zoomed);
        QFETCH(int, curves);
        Built built(window, window == "Form22" ? kForm22 : window == "Form28" ? kForm28 : kForm9);
        chart::ChartWidget& chart = built.chart();
        if (zoomed) {
            chart.setViewState({chart::AxisRange{1.2, 1.5}, chart::AxisRange{100, 140}});
        }
        // On the plane of the curves (the front plane in 2-D).
        const double plane = chart::planeUnder(chart.layout(), chart.data(), {});
        const QPoint at = chart::pixelAt(chart.layout(), {t, 100}, plane).toPoint();
        QTest::mouseMove(&chart, at);
        QVERIFY(chart.readout().isShown());
        QCOMPARE(chart.readout().lineX(), at.x());
        const chart::AxisRange pressure = chart.layout().leftMap.range();
        QCOMPARE(chart.readout().line().y1(),
                 qRound(chart::pixelAt(chart.layout(), {t, pressure.maximum}, plane).y()));
        QCOMPARE(chart.readout().line().y2(),
                 qRound(chart::pixelAt(chart.layout(), {t, pressure.minimum}, plane).y()));
        // The box stays inside the chart and never covers the pointer.
        QVERIFY(chart.rect().contains(chart.readout().box()));
        QVERIFY(!chart.readout().box().contains(at));

        const auto& rows = chart.readout().rows();
        QCOMPARE(int(rows.size()), 1 + curves);
        // The time as read on that plane, and each curve's value there.
        const double read = chart::valueAt(chart.layout(), QPointF(at), plane).x();
        QVERIFY(rows[0].text.startsWith(QStringLiteral("t = ")));
        QVERIFY(qAbs(rowValue(rows[0]) - read) < 0.006);
        const auto list = chart.data().curves();
        for (int i = 1; i <= curves; ++i) {
            const auto& curve = list[std::size_t(i - 1)];
            QVERIFY(rows[std::size_t(i)].text.startsWith(curve.title.trimmed() + ": "));
            QCOMPARE(rows[std::size_t(i)].colour, curve.colour);
            const double expected = *chart::curveValueAt(curve.points, read);
            QVERIFY2(qAbs(rowValue(rows[std::size_t(i)]) - expected) <= 0.051,
                     qPrintable(rows[std::size_t(i)].text));
        }
        // One decimal more than the labels: pressure labels 80, 85 … give one decimal.
        if (window == "Form22" && !zoomed) {
            QCOMPARE(rows[1].text.section(',', -1).size(), 1);
            QCOMPARE(rows[0].text.section(',', -1), rows[0].text.section(',', -1).left(2) + " с");
        }

        // Gone when a button is held, and when the pointer leaves.
        QTest::mousePress(&chart, Qt::LeftButton, {}, at);
        QVERIFY(!chart.readout().isShown());
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, at);
        QTest::mouseMove(&chart, at + QPoint(1, 0));
        QVERIFY(chart.readout().isShown());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&chart, &leave);
        QVERIFY(!chart.readout().isShown());
        // Outside the plot there is none.
        QTest::mouseMove(&chart, QPoint(2, 2));
        QVERIFY(!chart.readout().isShown());
    }

    // The readout's box hides none of the curves it reads, where the plot leaves room: no curve
    // passes through it in the columns it covers.
    void readoutBoxClearsTheCurves_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("pressure");  // where the pointer is, on the pressure axis
        QTest::newRow("before the first peak") << "Form22" << 0.18 << 110.0;
        QTest::newRow("on the first peak") << "Form22" << 0.2 << 126.0;
        QTest::newRow("in the first diastole") << "Form22" << 0.5 << 95.0;
        QTest::newRow("near the axis's end") << "Form22" << 1.5 << 100.0;
        QTest::newRow("3-D") << "Form28" << 0.13 << 120.0;
    }
    void readoutBoxClearsTheCurves() {
        QFETCH(QString, window);
        QFETCH(double, t);
        QFETCH(double, pressure);
        Built built(window, window == "Form22" ? kForm22 : kForm28);
        chart::ChartWidget& chart = built.chart();
        const chart::ChartGeometry& g = chart.layout();
        const double plane = chart::planeUnder(g, chart.data(), {});
        const QPoint at = chart::pixelAt(g, {t, pressure}, plane).toPoint();
        QTest::mouseMove(&chart, at);
        QVERIFY(chart.readout().isShown());
        const QRect box = chart.readout().box();
        for (const chart::CurvePoints& curve : chart.curves()) {
            for (int x = box.left(); x <= box.right(); ++x) {
                const double time = chart::valueAt(g, {double(x), 0}, plane).x();
                const auto value = chart::curveValueAt(curve.points, time);
                if (!value) continue;
                const QPointF pixel = chart::pixelAt(g, {time, *value}, plane);
                QVERIFY2(!box.contains(pixel.toPoint()),
                         qPrintable(QStringLiteral("%1 at %2 s").arg(curve.title).arg(time)));
            }
        }
    }

    // The chart kept for the readout's small repaints is the chart itself: a readout shown and
    // gone leaves the same picture as the chart drawn anew.
    void readoutLeavesTheChartAsItWas() {
        Built built("Form26", {"1,2", "50", "0,5", "1", "2"});
        chart::ChartWidget& chart = built.chart();
        const QImage drawn = chart.grab().toImage();
        QTest::mouseMove(&chart, built.plotPoint(0.4, 0.5));
        QVERIFY(chart.readout().isShown());
        QCoreApplication::processEvents();  // a small repaint, from the kept picture
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&chart, &leave);
        QCOMPARE(chart.grab().toImage(), drawn);
    }

    // Screen readers name the chart by its title and hear its curves in its description.
    void chartForScreenReaders_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("curves");
        QTest::newRow("Form22") << "Form22"
                                << "График"
                                << "Кривые: x1, x2, x3";
        QTest::newRow("Form20") << "Form20"
                                << "Chart"
                                << "Кривые: Qmax1, Qmax2, Qmax3";
        QTest::newRow("Form9, no visible title") << "Form9"
                                                 << "График"
                                                 << "Кривые: Х1, Х2, Х3";
    }
    void chartForScreenReaders() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, curves);
        testing_support::RecordingDesktop desktop;
        const auto form = makeInvestigation(window, desktop);
        QCOMPARE(form->chart()->accessibleName(), name);
        QVERIFY2(form->chart()->accessibleDescription().endsWith(curves),
                 qPrintable(form->chart()->accessibleDescription()));
    }

    // A right click without a drag opens the menu; a right drag still scrolls.
    void rightClickAndRightDrag() {
        Built built("Form22", kForm22);
        chart::ChartWidget& chart = built.chart();
        const QPoint at = built.plotPoint(0.5, 0.5);
        QTest::mouseClick(&chart, Qt::RightButton, {}, at);
        QMenu* menu = chart.menu().openMenu();
        QVERIFY(menu && menu->isVisible());
        QStringList texts;
        for (const QAction* a : menu->actions())
            if (!a->isSeparator()) texts << a->text();
        QCOMPARE(texts,
                 (QStringList{ChartMenu::kCopyPicture, ChartMenu::kSavePicture,
                              ChartMenu::kSaveData, ChartMenu::kCurveValues, ChartMenu::kPrint}));
        QVERIFY(!chart.isZoomed());
        menu->close();

        QTest::mousePress(&chart, Qt::RightButton, {}, at);
        QTest::mouseMove(&chart, at + QPoint(30, 20));
        QTest::mouseRelease(&chart, Qt::RightButton, {}, at + QPoint(30, 20));
        QVERIFY(chart.isZoomed());  // scrolled
        QVERIFY(!chart.menu().openMenu() || !chart.menu().openMenu()->isVisible());

        // While zoomed or scrolled the menu also undoes it.
        QTest::mouseClick(&chart, Qt::RightButton, {}, at);
        menu = chart.menu().openMenu();
        QVERIFY(menu);
        QAction* undo = menu->actions().last();
        QCOMPARE(undo->text(), QString::fromUtf8(ChartMenu::kUndoZoom));
        undo->trigger();
        QCoreApplication::sendPostedEvents();
        QVERIFY(!chart.isZoomed());
    }

    // An entry's dialog opens after the menu has finished with the key or click that chose it:
    // a dialog with an event loop of its own (the native one on Windows) must not run inside the
    // menu's handling of the click while the closed menu is due for deletion.
    void menuEntryRunsAfterTheMenu() {
        Built built("Form22", kForm22);
        chart::ChartWidget& chart = built.chart();
        QTest::mouseClick(&chart, Qt::RightButton, {}, built.plotPoint(0.5, 0.5));
        const QPointer<QMenu> menu = chart.menu().openMenu();
        QVERIFY(menu && menu->isVisible());
        for (int down = 0; down < 3; ++down) QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(menu->activeAction()->text(), QString::fromUtf8(ChartMenu::kSaveData));
        QTest::keyClick(menu, Qt::Key_Return);
        QVERIFY(!menu || !menu->isVisible());
        QVERIFY(built.desktop.saveDialogs.empty());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(built.desktop.saveDialogs.size(), std::size_t(1));
        QCOMPARE(built.desktop.saveDialogs[0].suggestedName, QStringLiteral("график.csv"));
    }

    // The picture: twice the pixels of the chart on screen, without its edge.
    void pictureOnTheClipboardAndInPng() {
        Built built("Form22", kForm22);
        chart::ChartWidget& chart = built.chart();
        chart.menu().copyPicture();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), chart.size() * 2);
        // No raised edge: the corner has the chart's background.
        QCOMPARE(copied.pixelColor(0, 0), chart.data().settings().backgroundColour());

        QTemporaryDir folder;
        built.desktop.savePath = folder.filePath("график");
        chart.menu().savePicture();
        QCOMPARE(built.desktop.saveDialogs.size(), std::size_t(1));
        QCOMPARE(built.desktop.saveDialogs[0].suggestedName, QStringLiteral("график.png"));
        const QImage saved(folder.filePath("график.png"));
        QCOMPARE(saved.size(), chart.size() * 2);
        // Marked as 192 dots per inch: placed in a document at its size on screen.
        QCOMPARE(saved.dotsPerMeterX(), qRound(192 / 0.0254));
        QCOMPARE(saved.pixelColor(saved.width() / 2, 2), copied.pixelColor(copied.width() / 2, 2));
        QVERIFY(built.desktop.errors.isEmpty());
    }

    // SVG: vectors with real text; each curve of a 2-D chart is one path.
    void svgHoldsOnePathPerCurve() {
        Built built("Form9", kForm9);
        chart::ChartWidget& chart = built.chart();
        QTemporaryDir folder;
        built.desktop.savePath = folder.filePath("chart");
        built.desktop.saveFilter = QStringLiteral("Рисунок SVG (*.svg)");
        chart.menu().savePicture();
        QFile file(folder.filePath("chart.svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        std::map<QString, int> pathsByColour;
        QStringList texts;
        QStringList strokes{QString()};  // of the groups the reader is in
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("g")) {
                strokes.removeLast();
            }
            if (token != QXmlStreamReader::StartElement) continue;
            const QString stroke = xml.attributes().value("stroke").toString();
            if (xml.name() == QLatin1String("g")) {
                strokes << (stroke.isEmpty() ? strokes.last() : stroke);
            } else if (xml.name() == QLatin1String("path")) {
                ++pathsByColour[stroke.isEmpty() ? strokes.last() : stroke];
            } else if (xml.name() == QLatin1String("text")) {
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(pathsByColour["#0000ff"], 1);
        QCOMPARE(pathsByColour["#008000"], 1);
        QCOMPARE(pathsByColour["#ff0000"], 1);
        QVERIFY(texts.contains(QStringLiteral("время (с)")));
        QVERIFY(texts.contains(QStringLiteral("Х2")));
    }

    // The CSV file: one row per point of every curve, helpers left out, read back exactly.
    void dataFile() {
        Built built("Form22", kForm22);
        chart::ChartWidget& chart = built.chart();
        QTemporaryDir folder;
        built.desktop.savePath = folder.filePath("данные.csv");
        chart.menu().saveData();
        QFile file(folder.filePath("данные.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines =
            QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines[0], QStringLiteral("Кривая;время (с);давление (мм.рт.ст)"));
        QCOMPARE(lines.size(), 1 + 3 * 170);
        const auto curves = chart.data().curves();
        const QStringList last = lines.back().split(';');
        QCOMPARE(last[0], QStringLiteral("x3"));
        QCOMPARE(QString(last[1]).replace(',', '.').toDouble(), curves[2].points.back().x);
        QCOMPARE(QString(last[2]).replace(',', '.').toDouble(), curves[2].points.back().y);
    }

    // The file's type is the one chosen in the dialog; a name that does not end in its extension
    // gets it added, whatever dots it holds.
    void fileNamesKeepTheirType_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("type");  // the dialog's file type
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("format");  // as Qt's reader sees it; "csv" for data
        const QString png = QStringLiteral("Рисунок PNG (*.png)");
        const QString svg = QStringLiteral("Рисунок SVG (*.svg)");
        const QString csv = QStringLiteral("Таблица CSV (*.csv)");
        QTest::newRow("C=1.2 as PNG") << "C=1.2" << png << "C=1.2.png" << QByteArray("png");
        QTest::newRow("C=1.2 as SVG") << "C=1.2" << svg << "C=1.2.svg" << QByteArray("svg");
        QTest::newRow("another type's name")
            << "график.jpg" << png << "график.jpg.png" << QByteArray("png");
        QTest::newRow("svg name, PNG chosen")
            << "chart.svg" << png << "chart.svg.png" << QByteArray("png");
        QTest::newRow("own extension in capitals")
            << "chart.PNG" << png << "chart.PNG" << QByteArray("png");
        QTest::newRow("X 1.5 as data") << "X 1.5" << csv << "X 1.5.csv" << QByteArray("csv");
        QTest::newRow("data with its extension")
            << "данные.csv" << csv << "данные.csv" << QByteArray("csv");
    }
    void fileNamesKeepTheirType() {
        QFETCH(QString, typed);
        QFETCH(QString, type);
        QFETCH(QString, written);
        QFETCH(QByteArray, format);
        Built built("Form9", kForm9);
        QTemporaryDir folder;
        built.desktop.savePath = folder.filePath(typed);
        built.desktop.saveFilter = type;
        if (format == "csv") {
            built.chart().menu().saveData();
        } else {
            built.chart().menu().savePicture();
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
        const QString path = folder.filePath(written);
        if (format == "csv") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll().startsWith("\xEF\xBB\xBF\xD0\x9A"));  // BOM, "К"
        } else if (format == "svg") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll().contains("<svg"));
        } else {
            QCOMPARE(QImageReader(path).format(), format);
        }
        QVERIFY(built.desktop.overwriteQuestions.isEmpty());
    }

    // An existing file is replaced only when the user says so, asked once, by name.
    void existingFileIsReplacedOnlyWhenConfirmed() {
        Built built("Form9", kForm9);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("C=1.2.png"));
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("kept");
        existing.close();
        built.desktop.savePath = folder.filePath(QStringLiteral("C=1.2"));
        built.desktop.overwrite = false;
        built.chart().menu().savePicture();
        QCOMPARE(built.desktop.overwriteQuestions, QStringList{path});
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("kept"));
        existing.close();
        built.desktop.overwrite = true;
        built.chart().menu().savePicture();
        QCOMPARE(built.desktop.overwriteQuestions.size(), 2);
        QCOMPARE(QImageReader(path).format(), QByteArray("png"));
        QVERIFY(built.desktop.errors.isEmpty());
    }

    // A file that cannot be written gives the error box with the path, and no file.
    void unwritableFile_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << "missing/folder/chart.png";
        QTest::newRow("a folder's name") << "taken.png";
    }
    void unwritableFile() {
        QFETCH(QString, path);
        Built built("Form9", kForm9);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("taken.png"));
        built.desktop.savePath = folder.filePath(path);
        built.chart().menu().savePicture();
        QCOMPARE(built.desktop.errors.size(), 1);
        QVERIFY(built.desktop.errors[0].contains(QDir::toNativeSeparators(folder.filePath(path))));
        QVERIFY(!QFileInfo(folder.filePath(path)).isFile());
        // Nothing left behind in the folder but the folder that was there.
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"taken.png"});
    }

    // The values window: per curve its peak, lowest point, range and mean over the time the
    // chart shows; copied as a table; named after its window and closed with it.
    void curveValues() {
        Built built("Form22", kForm22);
        chart::CurveValuesWindow& values = built.chart().menu().showCurveValues();
        QVERIFY(values.isVisible());
        QVERIFY(values.windowTitle().startsWith(QStringLiteral("Значения кривых — Исследование")));
        const auto* table = values.findChild<QTableWidget*>("Table");
        QCOMPARE(table->rowCount(), 3);
        // Every cell in sight: nothing to scroll to.
        QVERIFY(QTest::qWaitForWindowExposed(&values));
        QCOMPARE(table->verticalScrollBar()->maximum(), 0);
        QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("x1"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("126,678"));  // the first peak
        // The curves run on past the axis's 1,6 s; the lowest point shown is at 0,82 s.
        QCOMPARE(values.span(), QStringLiteral("На отрезке времени от 0,00 до 1,60 с"));
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("77,121"));
        QCOMPARE(table->item(0, 4)->text(), QStringLiteral("0,820"));
        values.findChild<QPushButton*>("Copy")->click();
        const QStringList copied = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(copied[0].split('\t').size(), 7);
        QCOMPARE(copied[1].split('\t')[0], QStringLiteral("x1"));
        QCOMPARE(copied[1].split('\t')[1], QStringLiteral("126,678"));

        // A zoom onto the first systole: the values follow, and so they do after a rebuild.
        built.chart().setViewState({chart::AxisRange{0.1, 0.3}, std::nullopt});
        QCoreApplication::processEvents();
        QVERIFY(values.span().startsWith(QStringLiteral("На отрезке времени от 0,1")));
        const double from = built.chart().layout().bottomMap.range().minimum;
        const double to = built.chart().layout().bottomMap.range().maximum;
        const auto zoomed =
            chart::statisticsOf(chart::pointsWithin(built.chart().curves()[0].points, from, to));
        QCOMPARE(table->item(0, 3)->text(), QLocale().toString(zoomed->minimum, 'f', 3));
        typeAndBuild(*built.window, {"1,2", "50", "1,1", "1,5", "2"});
        QCoreApplication::processEvents();
        QVERIFY(values.isVisible());
        const auto rebuilt =
            chart::statisticsOf(chart::pointsWithin(built.chart().curves()[0].points, from, to));
        QCOMPARE(table->item(0, 3)->text(), QLocale().toString(rebuilt->minimum, 'f', 3));

        built.window->hide();
        QVERIFY(!values.isVisible());
    }

    // Until the chart has curves, the entries that need them are off.
    void emptyChartMenu() {
        testing_support::RecordingDesktop desktop;
        const auto window = makeInvestigation("Form22", desktop);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        chart::ChartWidget& chart = *window->chart();
        chart.menu().popup(chart.layout().plot.center());
        QMenu* const menu = chart.menu().openMenu();
        QVERIFY(menu);
        QStringList enabled;
        for (const QAction* a : menu->actions())
            if (a->isEnabled()) enabled << a->text();
        QCOMPARE(enabled, (QStringList{ChartMenu::kCopyPicture, ChartMenu::kSavePicture,
                                       ChartMenu::kPrint}));
        menu->close();
    }

    // Printing through the window's desktop into a PDF file: the heading, each prompt with its
    // value, and the chart's texts as text.
    void printedPage() {
        Built built("Form22", kForm22);
        QTemporaryDir folder;
        built.desktop.printTo = folder.filePath("page.pdf");
        built.chart().menu().print();
        QCOMPARE(built.desktop.printDialogs, 1);
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", built.desktop.printTo, "-"});
        QVERIFY2(pdftotext.waitForFinished(30000), "pdftotext did not run");
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        QVERIFY2(text.contains("Исследование зависимости давления в аорте от периферического "
                               "сопротивления на протяжении сердечного цикла"),
                 qPrintable(text));
        QVERIFY(text.contains("Задайте значение эластичности стенок крупных сосудов: 1,2"));
        QVERIFY(text.contains("X1 = 1"));
        QVERIFY(text.contains("X2 = 1,5"));
        QVERIFY(text.contains("время (с)"));  // the chart's axis title, as text
    }

    // The printed header reads top to bottom as the window does, a value row's prompt once.
    void printedHeader() {
        Built built("Form20", {"1,2", "1", "10", "50", "30"});
        QCOMPARE(built.window->documentHeader(),
                 (QStringList{"Исследование зависимости давления в аорте от значения объемной "
                              "скорости поступления крови в аорту в систолу",
                              "Задайте значение эластичности стенок крупных сосудов: 1,2",
                              "Задайте значение периферического сопротивления: 1",
                              "Задайте значения объемной скорости поступления крови в аорту:",
                              "    Qmax1 = 10", "    Qmax2 = 30", "    Qmax3 = 50"}));
    }
};

QTEST_MAIN(TestChartResults)
#include "test_chart_results.moc"
