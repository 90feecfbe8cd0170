// Typing and reading a field under different regional settings: the key filter lets through the
// decimal separator that the build reads, and nothing else changes. Russian and German settings
// keep the comma (the full stop refused); English and C settings take the full stop instead.

#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest>
#include <cmath>
#include <optional>

#include "investigations/key_filter.h"
#include "investigations/number_reader.h"
#include "tests/investigations/window_factory.h"
#include "tests/support/recording_desktop.h"

namespace {

const QString kRefused = QStringLiteral("Недопустимый символ!!!");

// Types each character as a key press carrying it as text, as a keyboard does.
void type(QLineEdit& field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&field, &release);
    }
}

std::optional<double> readField(const QString& text) {
    try {
        return investigations::readNumber(text, investigations::userDecimalPoint());
    } catch (const investigations::ConversionError&) {
        return std::nullopt;
    }
}

}  // namespace

class TestFieldInputLocales : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void typedAndRead_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");  // what the field holds after typing
        QTest::addColumn<int>("refused");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<double>("value");
        const auto row = [](const char* locale, const char* typed, const char* text, int refused,
                            std::optional<double> value) {
            QTest::addRow("%s '%s'", locale, typed)
                << locale << QString::fromUtf8(typed) << QString::fromUtf8(text) << refused
                << value.has_value() << value.value_or(0.0);
        };
        for (const char* locale : {"ru_RU", "de_DE"}) {
            row(locale, "1,5", "1,5", 0, 1.5);
            row(locale, "1.5", "15", 1, 15);
            row(locale, ",5", ",5", 0, 0.5);
            row(locale, "120", "120", 0, 120);
            row(locale, "1,5,2", "1,5,2", 0, std::nullopt);
            row(locale, "-5", "5", 1, 5);
        }
        for (const char* locale : {"en_US", "C"}) {
            row(locale, "1.5", "1.5", 0, 1.5);
            row(locale, "1,5", "15", 1, 15);
            row(locale, ".5", ".5", 0, 0.5);
            row(locale, "5.", "5.", 0, 5);
            row(locale, ".", ".", 0, 0);
            row(locale, "0.025", "0.025", 0, 0.025);
            row(locale, "1.5.2", "1.5.2", 0, std::nullopt);
            row(locale, "-1.5e3", "1.53", 2, 1.53);
            row(locale, "1 000", "1000", 1, 1000);
            row(locale, "1'5", "1'5", 0, std::nullopt);
            row(locale, "1\\", "1\\", 0, std::nullopt);
            row(locale, "1ж,", "1", 2, 1);
        }
    }
    void typedAndRead() {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, refused);
        QFETCH(bool, readable);
        QFETCH(double, value);
        QLocale::setDefault(QLocale(locale));
        testing_support::RecordingDesktop desktop;
        QLineEdit field;
        field.setObjectName(QStringLiteral("Edit1"));
        new investigations::KeyFilter(&field, desktop);
        type(field, typed);
        QCOMPARE(field.text(), text);
        QCOMPARE(desktop.messages, QStringList(refused, kRefused));
        const std::optional<double> read = readField(field.text());
        QCOMPARE(read.has_value(), readable);
        if (readable) QCOMPARE(*read, value);
    }

    // A whole build: the same values typed with the separator of each setting give the same
    // curves, without a box.
    void sameCurvesUnderEverySetting_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("en_US") << "en_US" << QStringList{"1", "120", "1.2", "2.4", "0.6"};
        QTest::newRow("C") << "C" << QStringList{"1", "120", "1.2", "2.4", "0.6"};
        QTest::newRow("de_DE") << "de_DE" << QStringList{"1", "120", "1,2", "2,4", "0,6"};
    }
    void sameCurvesUnderEverySetting() {
        QFETCH(QString, locale);
        QFETCH(QStringList, fields);
        testing_support::RecordingDesktop desktop;
        const auto russian = testing_support::makeInvestigation("Form24", desktop);
        testing_support::typeAndBuild(*russian, {"1", "120", "1,2", "2,4", "0,6"});
        QLocale::setDefault(QLocale(locale));
        const auto other = testing_support::makeInvestigation("Form24", desktop);
        testing_support::typeAndBuild(*other, fields);
        QVERIFY(desktop.messages.isEmpty());
        QVERIFY2(desktop.errors.isEmpty(), qPrintable(desktop.errors.join('|')));
        for (int number = 1; number <= 5; ++number)
            QCOMPARE(other->field(number)->text(), fields[number - 1]);
        for (const char* name : {"Series1", "Series2", "Series3"}) {
            const auto& expected = testing_support::series(*russian, name).points();
            const auto& points = testing_support::series(*other, name).points();
            QVERIFY(!points.empty());
            QCOMPARE(points.size(), expected.size());
            for (std::size_t i = 0; i < points.size(); ++i) {
                QCOMPARE(points[i].x, expected[i].x);
                QCOMPARE(points[i].y, expected[i].y);
            }
        }
    }
};

QTEST_MAIN(TestFieldInputLocales)
#include "test_field_input_locales.moc"
