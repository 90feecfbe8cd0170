// The language of the program's texts: chosen from the user's interface languages or by
// --language, and the English catalogue complete, every window text translated.

#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/command_line.h"
#include "app/display_check.h"
#include "app/language.h"
#include "tests/support/command_line_args.h"
#include "tests/support/cyrillic.h"

Q_DECLARE_METATYPE(app::Language)

using testing_support::readArguments;

class TestLanguage : public QObject {
    Q_OBJECT

  private slots:
    void choice_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("option");
        QTest::addColumn<app::Language>("chosen");
        using app::Language;
        QTest::newRow("Russian desktop") << QStringList{"ru-RU", "ru"} << "" << Language::Russian;
        QTest::newRow("English desktop") << QStringList{"en-US", "en"} << "" << Language::English;
        QTest::newRow("British English") << QStringList{"en-GB"} << "" << Language::English;
        QTest::newRow("German, then English")
            << QStringList{"de-DE", "en-US"} << "" << Language::English;
        QTest::newRow("German, then Russian, then English")
            << QStringList{"de-DE", "ru-RU", "en-US"} << "" << Language::Russian;
        QTest::newRow("German only") << QStringList{"de-DE", "de"} << "" << Language::Russian;
        QTest::newRow("C locale") << QStringList{"C"} << "" << Language::Russian;
        QTest::newRow("nothing") << QStringList{} << "" << Language::Russian;
        QTest::newRow("--language en on a Russian desktop")
            << QStringList{"ru-RU"} << "en" << Language::English;
        QTest::newRow("--language ru on an English desktop")
            << QStringList{"en-US"} << "ru" << Language::Russian;
    }
    void choice() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, option);
        QFETCH(app::Language, chosen);
        QCOMPARE(app::chooseLanguage(uiLanguages, option.toStdString()), chosen);
    }

    void languageOption_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("error");
        QTest::newRow("none") << QStringList{} << ""
                              << "";
        QTest::newRow("separate value") << QStringList{"--language", "en"} << "en"
                                        << "";
        QTest::newRow("joined value") << QStringList{"--language=ru"} << "ru"
                                      << "";
        QTest::newRow("with Qt's options")
            << QStringList{"-style", "Fusion", "--language", "en"} << "en"
            << "";
        QTest::newRow("unknown language") << QStringList{"--language", "de"} << ""
                                          << "неизвестный язык «de», есть ru и en";
        QTest::newRow("no value") << QStringList{"--language"} << ""
                                  << "параметру «--language» нужно значение";
    }
    void languageOption() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(QString, error);
        const app::CommandLine commandLine = readArguments(arguments);
        QCOMPARE(QString::fromStdString(commandLine.error()), error);
        QCOMPARE(QString::fromStdString(commandLine.language), language);
    }

    // The command line's answers in English, read from the catalogue before Qt is set up.
    void answersInEnglish() {
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/translations/hemodynamics_en.qm")));
        const QString help = QString::fromStdString(app::helpText("lab", &english));
        QVERIFY2(help.startsWith(QStringLiteral("Usage: lab [option]\nHemodynamic model of the "
                                                "vascular bed: a teaching program")),
                 qPrintable(help));
        QVERIFY(help.contains(QStringLiteral("--language ru|en")));
        // The title as the desktop entry and the Windows installer give it.
        QCOMPARE(QString::fromStdString(app::versionText(&english)),
                 QStringLiteral(ENGLISH_NAME " (hemodynamics) 1.0.0\n"));
        QCOMPARE(QString::fromStdString(app::errorLine(
                     "lab", readArguments({"--language", "en", "--bogus"}), &english)),
                 QStringLiteral("lab: unknown option «--bogus»; help: lab --help\n"));
        QCOMPARE(QString::fromStdString(app::noDisplayLine("lab", ":7", &english)),
                 QStringLiteral("lab: no graphical display: the display «:7» does not open; start "
                                "the program in a graphical session or like this: xvfb-run -a "
                                "lab\n"));
        QVERIFY(!testing_support::hasCyrillic(help));
        // Without the catalogue, the Russian answers as they always were.
        QVERIFY(QString::fromStdString(app::helpText("lab"))
                    .startsWith(QStringLiteral("Использование: lab [параметр]")));
    }

    // Every text of the catalogue is translated, and none is left from texts that are gone.
    void catalogueIsComplete() {
        QFile file(QStringLiteral(TRANSLATIONS_DIR "/hemodynamics_en.ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source;
        QStringList unfinished;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("name")) context = xml.readElementText();
            if (xml.name() == QLatin1String("source")) source = xml.readElementText();
            if (xml.name() != QLatin1String("translation")) continue;
            ++messages;
            const QString type = xml.attributes().value("type").toString();
            if (!type.isEmpty() || xml.readElementText().trimmed().isEmpty())
                unfinished << context + QStringLiteral(": ") + source;
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 100);
        QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
