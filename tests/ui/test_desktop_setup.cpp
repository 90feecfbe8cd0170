// The program's colours whatever the desktop's theme, and Qt's own texts in Russian under
// Russian settings while the program's own boxes keep theirs.

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>
#include <memory>

#include "ui/desktop_setup.h"

namespace {

// What a dark desktop theme hands the program.
QPalette darkPalette() {
    QPalette dark(QColor(49, 54, 59), QColor(35, 38, 41));
    dark.setColor(QPalette::WindowText, QColor(239, 240, 241));
    dark.setColor(QPalette::Text, QColor(239, 240, 241));
    dark.setColor(QPalette::ButtonText, QColor(239, 240, 241));
    dark.setColor(QPalette::Base, QColor(27, 30, 32));
    return dark;
}

QStringList contextMenuTexts() {
    QLineEdit field(QStringLiteral("1,5"));
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) texts << action->text().section(QLatin1Char('\t'), 0, 0);
    }
    return texts;
}

}  // namespace

class TestDesktopSetup : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());  // the theme's palette, before the program's
        ui::useDesignedPalette();
    }

    void designedPaletteReplacesTheTheme_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("role");
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            for (const auto role :
                 {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText,
                  QPalette::Base, QPalette::Text, QPalette::Highlight, QPalette::ToolTipBase}) {
                QTest::addRow("%d/%d", group, role) << int(group) << int(role);
            }
        }
    }
    void designedPaletteReplacesTheTheme() {
        QFETCH(int, group);
        QFETCH(int, role);
        // This platform's theme is light: the style's palette is the designed one.
        const QPalette standard =
            std::unique_ptr<QStyle>(QStyleFactory::create(QStringLiteral("Fusion")))
                ->standardPalette();
        const auto g = QPalette::ColorGroup(group);
        const auto r = QPalette::ColorRole(role);
        QCOMPARE(QApplication::palette().color(g, r), standard.color(g, r));
        QWidget window;
        QCOMPARE(window.palette().color(g, r), standard.color(g, r));
    }

    void lightLook() {
        const QPalette palette = QApplication::palette();
        QVERIFY(palette.color(QPalette::Window).lightness() > 200);
        QVERIFY(palette.color(QPalette::Button).lightness() > 200);
        QVERIFY(palette.color(QPalette::Base).lightness() > 240);
        QVERIFY(palette.color(QPalette::WindowText).lightness() < 40);
        QVERIFY(palette.color(QPalette::Text).lightness() < 40);
        QVERIFY(palette.color(QPalette::ButtonText).lightness() < 40);
    }

    // A theme switched while the program runs does not reach its windows.
    void laterPaletteChangesAreUndone() {
        const QPalette designed = QApplication::palette();
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::setPalette(darkPalette());
        QCOMPARE(QApplication::palette(), designed);
        QCOMPARE(window.palette().color(QPalette::WindowText),
                 designed.color(QPalette::WindowText));
    }

    // Checked before the Russian translation is loaded: it stays for the rest of the run.
    void otherLanguagesKeepQtsEnglish_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("English") << "en_US";
        QTest::newRow("C") << "C";
        QTest::newRow("German") << "de_DE";
    }
    void otherLanguagesKeepQtsEnglish() {
        QFETCH(QString, locale);
        QVERIFY(!ui::installQtTranslation(QLocale(locale)));
        QVERIFY(contextMenuTexts().contains(QStringLiteral("&Copy")));
    }

    void russianQtTexts() {
        QVERIFY2(ui::installQtTranslation(QLocale(QStringLiteral("ru_RU"))),
                 "qtbase_ru.qm not found: install qt6-translations-l10n");
        const QStringList texts = contextMenuTexts();
        QVERIFY2(texts.contains(QStringLiteral("&Копировать")), qPrintable(texts.join('|')));
        QVERIFY(texts.contains(QStringLiteral("В&ставить")));
        QVERIFY(!texts.contains(QStringLiteral("&Copy")));
        // The program's boxes keep their OK button.
        QMessageBox box(QMessageBox::Critical, QStringLiteral("x"), QStringLiteral("y"),
                        QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    }
};

QTEST_MAIN(TestDesktopSetup)
#include "test_desktop_setup.moc"
