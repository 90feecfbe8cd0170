// The program in English: no window keeps a Russian word, the chart's texts included; pictures
// aside, which are drawn (their descriptions are checked).

#include <QAbstractButton>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

#include "app/language.h"
#include "app/window_set.h"
#include "chart/chart_widget.h"
#include "tests/support/program_fonts.h"
#include "tests/support/recording_desktop.h"
#include "ui/form.h"

namespace {

bool hasCyrillic(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

}  // namespace

class TestEnglish : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        testing_support::installFontsAsAtStartUp();
        QVERIFY(app::useLanguage(app::Language::English));
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
};

QTEST_MAIN(TestEnglish)
#include "test_english.moc"
