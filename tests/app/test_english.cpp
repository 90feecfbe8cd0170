// The program in English: no window keeps a Russian word, the chart's texts included (pictures
// aside, which are drawn; their descriptions are checked), every English text lies inside its
// window, clear of the other controls, and a built chart says in English what it holds.

#include <QAbstractButton>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "app/language.h"
#include "app/window_set.h"
#include "chart/chart_menu.h"
#include "chart/chart_widget.h"
#include "tests/investigations/window_factory.h"
#include "tests/support/cyrillic.h"
#include "tests/support/program_fonts.h"
#include "tests/support/recording_desktop.h"
#include "ui/form.h"

namespace {

using testing_support::hasCyrillic;

// Where a label's words stand, in its parent's coordinates: the ink of each line of a label sized
// to its text (lines are indented with spaces, so a line may stand beside a picture the label's
// own box overlaps); the label's width by the height its words need when it breaks lines itself.
QList<QRect> textRects(const QLabel& label) {
    const QRect content = label.contentsRect().translated(label.pos());
    if (label.wordWrap())
        return {
            QRect(content.topLeft(), QSize(content.width(), label.heightForWidth(label.width())))};
    const QFontMetrics metrics(label.font());
    const QStringList lines = label.text().split(QLatin1Char('\n'));
    const int lineHeight = content.height() / static_cast<int>(lines.size());
    QList<QRect> rects;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        if (trimmed.isEmpty()) continue;
        const int left = metrics.horizontalAdvance(lines[i].left(lines[i].indexOf(trimmed)));
        const int baseline = content.top() + static_cast<int>(i) * lineHeight + metrics.ascent();
        rects << metrics.tightBoundingRect(trimmed).translated(content.left() + left, baseline);
    }
    return rects;
}

}  // namespace

class TestEnglish : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        testing_support::installFontsAsAtStartUp();
        QVERIFY(app::useLanguage(app::Language::English));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void noRussianLeft() {
        testing_support::RecordingDesktop desktop;
        const app::WindowSet set(desktop);
        QStringList russian;
        const auto check = [&](const QString& where, const QString& text) {
            if (hasCyrillic(text)) russian << where + QStringLiteral(": ") + text;
        };
        for (const ui::Form* window : set.windows()) {
            const QString name = window->objectName();
            check(name + QStringLiteral(" caption"), window->windowTitle());
            for (const QWidget* w : window->findChildren<QWidget*>()) {
                const QString where = name + QLatin1Char('.') + w->objectName();
                check(where, w->toolTip());
                check(where + QStringLiteral(" name"), w->accessibleName());
                check(where + QStringLiteral(" description"), w->accessibleDescription());
                if (const auto* label = qobject_cast<const QLabel*>(w)) check(where, label->text());
                if (const auto* button = qobject_cast<const QAbstractButton*>(w))
                    check(where, button->text());
                if (const auto* chart = qobject_cast<const chart::ChartWidget*>(w)) {
                    const chart::ChartSettings& s = chart->data().settings();
                    check(where + QStringLiteral(" title"), s.title.join(QLatin1Char(' ')));
                    check(where + QStringLiteral(" time axis"), s.bottomAxis.title);
                    check(where + QStringLiteral(" pressure axis"), s.leftAxis.title);
                }
            }
        }
        QVERIFY2(russian.isEmpty(), qPrintable(russian.join(QLatin1Char('\n'))));
    }

    // Each label's words, laid out in the fonts the program uses, lie inside the window and
    // clear of every other control of it: an English text longer than the Russian one was made
    // to fit in the wording, the window unchanged.
    void textsFit_data() {
        QTest::addColumn<QString>("window");
        testing_support::RecordingDesktop desktop;
        const app::WindowSet set(desktop);
        for (const ui::Form* window : set.windows())
            QTest::newRow(qPrintable(window->objectName())) << window->objectName();
    }
    void textsFit() {
        QFETCH(QString, window);
        testing_support::RecordingDesktop desktop;
        const app::WindowSet set(desktop);
        ui::Form* const form = set.window(window.toLatin1().constData());
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QStringList faults;
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty()) continue;
            const QWidget* const parent = label->parentWidget();
            const auto siblings = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (const QRect& text : textRects(*label)) {
                if (!parent->rect().contains(text))
                    faults << label->objectName() + QStringLiteral(" runs out of the window");
                for (const QWidget* other : siblings) {
                    if (other == label || !other->isVisible()) continue;
                    // Another label is met where its words are, any other control where it is.
                    const auto* const otherLabel = qobject_cast<const QLabel*>(other);
                    const QList<QRect> occupied = otherLabel && !otherLabel->text().isEmpty()
                                                      ? textRects(*otherLabel)
                                                      : QList<QRect>{other->geometry()};
                    for (const QRect& place : occupied) {
                        if (place.intersects(text))
                            faults << label->objectName() + QStringLiteral(" runs into ") +
                                          other->objectName();
                    }
                }
            }
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    // A cardiac cycle built as a student does: the chart's title, axes and legend, the printed
    // header, and its data file headed in English with every point's value exactly as on the chart.
    void cardiacCycleChartAndData() {
        testing_support::RecordingDesktop desktop;
        const app::WindowSet set(desktop);
        auto* const window =
            qobject_cast<investigations::InvestigationFrame*>(set.window("Form16"));
        QVERIFY(window);
        window->Show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        testing_support::typeAndBuild(*window, {"1", "50", "1.2", "1.5", "1"});
        QCoreApplication::processEvents();
        const chart::ChartWidget& chart = *window->chart();
        const chart::ChartSettings& settings = chart.data().settings();
        QCOMPARE(settings.title, QStringList{QStringLiteral("Chart")});
        QCOMPARE(settings.bottomAxis.title, QStringLiteral("time (s)"));
        QCOMPARE(settings.leftAxis.title, QStringLiteral("pressure (mm Hg)"));
        QStringList legend;
        for (const chart::LegendRow& row : chart.layout().legendRows) {
            const QString title = chart.data().seriesList()[row.seriesIndex]->title().trimmed();
            if (!title.isEmpty()) legend << title;
        }
        QCOMPARE(legend, (QStringList{"C1", "C2", "C3"}));
        // The printed page's header: the window's heading and its values, as the window says them.
        const QStringList header = window->documentHeader();
        QCOMPARE(header.front(),
                 QStringLiteral("Dependence of aortic pressure on the compliance of "
                                "the large vessels over the cardiac cycle"));
        QVERIFY2(!hasCyrillic(header.join(QLatin1Char('\n'))),
                 qPrintable(header.join(QLatin1Char('\n'))));

        QTemporaryDir folder;
        desktop.savePath = folder.filePath(QStringLiteral("data.csv"));
        chart.menu().saveData();
        QCOMPARE(desktop.saveDialogs.size(), 1u);
        QCOMPARE(desktop.saveDialogs[0].caption, QStringLiteral("Save data"));
        QCOMPARE(desktop.saveDialogs[0].suggestedName, QStringLiteral("chart.csv"));
        QFile file(desktop.savePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll().mid(3))
                                      .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.front(), QStringLiteral("Curve,time (s),pressure (mm Hg)"));
        const std::vector<chart::CurvePoints> curves = chart.data().curves();
        QCOMPARE(curves.size(), 3u);
        // The values are those of the Russian program for the same entries.
        QCOMPARE(curves[1].title, QStringLiteral("C2"));
        const auto endOfDiastole =
            std::find_if(curves[1].points.begin(), curves[1].points.end(),
                         [](const chart::ChartPoint& p) { return qFuzzyCompare(p.x, 0.81); });
        QVERIFY(endOfDiastole != curves[1].points.end());
        QVERIFY(qAbs(endOfDiastole->y - 78.1252) < 1e-4);
        qsizetype row = 1;
        for (const chart::CurvePoints& curve : curves) {
            for (const chart::ChartPoint& point : curve.points) {
                QVERIFY(row < lines.size());
                const QStringList fields = lines[row++].split(QLatin1Char(','));
                QCOMPARE(fields[0], curve.title);
                QCOMPARE(fields[1].toDouble(), point.x);
                QCOMPARE(fields[2].toDouble(), point.y);
            }
        }
        QCOMPARE(row, lines.size());
    }
};

QTEST_MAIN(TestEnglish)
#include "test_english.moc"
