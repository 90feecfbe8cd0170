// Reading a field as a number: every rule, the separators, the exponent limit, the range of a
// double and the texts of the two errors.

#include <QtTest>
#include <cfloat>
#include <cmath>

#include "investigations/number_reader.h"
#include "model/pressure.h"

using investigations::ConversionError;
using investigations::readNumber;

namespace {
enum class Outcome { Value, Unreadable, Overflow };
}
Q_DECLARE_METATYPE(Outcome)

class TestNumberReader : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian)); }

    void userSeparator() { QCOMPARE(investigations::userDecimalPoint(), QChar(u',')); }

    void read_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<double>("value");
        const QChar comma(u','), stop(u'.');
        const auto value = [&](const char* name, const char* text, double v, QChar sep = u',') {
            QTest::newRow(name) << QString::fromUtf8(text) << sep << Outcome::Value << v;
        };
        const auto unreadable = [&](const char* name, const char* text, QChar sep = u',') {
            QTest::newRow(name) << QString::fromUtf8(text) << sep << Outcome::Unreadable << 0.0;
        };
        const auto overflow = [&](const char* name, const char* text) {
            QTest::newRow(name) << QString::fromUtf8(text) << comma << Outcome::Overflow << 0.0;
        };
        value("integer", "120", 120);
        value("comma fraction", "1,2", 1.2);
        value("comma then 5", ",5", 0.5);
        value("5 then comma", "5,", 5);
        value("lone comma", ",", 0);
        value("minus lone comma", "-,", -0.0);
        value("leading zeros", "00012,50", 12.5);
        value("spaces around", " 5 ", 5);
        value("many spaces", "    -5     ", -5);
        value("minus", "-5", -5);
        value("plus", "+5", 5);
        value("exponent", "1E3", 1000);
        value("small exponent letter", "1e3", 1000);
        value("negative exponent", "2,5e-2", 0.025);
        value("exponent plus", "1E+2", 100);
        value("empty exponent", "1E", 1);
        value("empty signed exponent", "1e-", 1);
        value("comma exponent", ",e5", 0);
        value("exponent leading zeros", "1e0000000003", 1000);
        value("exponent 499", "1e-499", 0);
        value("zero to a big power", "0e999", 0);
        value("nearest double", "0,1", 0.1);
        value("many digits", "3,14159265358979323846264338327950288", 3.141592653589793);
        value("largest double", "1,7976931348623157e308", DBL_MAX);
        value("subnormal", "4,9406564584124654e-324", std::numeric_limits<double>::denorm_min());
        value("subnormal 1e-320", "1e-320", 1e-320);
        value("below subnormal", "1e-400", 0);
        value("negative below subnormal", "-1e-500", -0.0);
        value("full stop separator", "1.5", 1.5, stop);
        unreadable("empty", "");
        unreadable("spaces only", "   ");
        unreadable("full stop under comma", "1.5");
        unreadable("comma under full stop", "1,5", stop);
        unreadable("two commas", "1,5,2");
        unreadable("sign only", "-");
        unreadable("two signs", "--5");
        unreadable("sign after", "5-");
        unreadable("space after sign", "- 5");
        unreadable("exponent only", "E3");
        unreadable("apostrophe", "'");
        unreadable("apostrophe after digit", "5'");
        unreadable("backslash", "1\\");
        unreadable("digit groups", "1 000");
        unreadable("tab before", "\t5");
        unreadable("tab after", "5\t");
        unreadable("letter", "12a");
        unreadable("Russian letter", "1ж");
        unreadable("no-break space", "1\u00a0");
        unreadable("exponent digit beyond 500", "1e5001");
        unreadable("exponent 5000", "1e5000");
        unreadable("negative exponent 5000", "1e-5000");
        unreadable("exponent 49999", "1e49999");
        unreadable("second exponent", "1e2e3");
        overflow("1e400", "1e400");
        overflow("exponent exactly 500", "1e500");
        overflow("exponent 4999", "1e4999");
        overflow("negative 1e400", "-1e400");
        overflow("just above the largest double", "1,8e308");
        overflow("many digits above range", "99999999999999999999e300");
    }
    void read() {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(Outcome, outcome);
        QFETCH(double, value);
        switch (outcome) {
            case Outcome::Value: {
                const double read = readNumber(text, separator);
                QCOMPARE(read, value);
                QCOMPARE(std::signbit(read), std::signbit(value));
                break;
            }
            case Outcome::Unreadable:
                try {
                    readNumber(text, separator);
                    QFAIL("read an unreadable text");
                } catch (const ConversionError& e) {
                    const QString expected =
                        QStringLiteral("'") + text +
                        QStringLiteral("' is not a valid floating point value");
                    QCOMPARE(QString::fromUtf8(e.what()), expected);
                    QCOMPARE(e.text(), text);
                }
                break;
            case Outcome::Overflow:
                try {
                    readNumber(text, separator);
                    QFAIL("read a number beyond the double range");
                } catch (const model::FloatError& e) {
                    QCOMPARE(e.kind(), model::FloatError::Kind::Overflow);
                    QCOMPARE(QString::fromUtf8(e.what()),
                             QStringLiteral("Floating point overflow"));
                }
                break;
        }
    }

    // The message carries the whole text, untrimmed, Cyrillic included.
    void messageKeepsWholeText() {
        const QString text = QStringLiteral("  1,,2 ж ");
        try {
            readNumber(text, u',');
            QFAIL("read an unreadable text");
        } catch (const ConversionError& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("'  1,,2 ж ' is not a valid floating point value"));
        }
    }
};

QTEST_MAIN(TestNumberReader)
#include "test_number_reader.moc"
