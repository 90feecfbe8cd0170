// Fonts in the order start-up gives them: the program's fonts before the title window is made,
// the desktop's default font, read on a thread while the title window is drawn, once it is
// drawn, and all of the desktop's fonts once start-up is over. The title window looks the same
// all along, and what is made afterwards (fields, boxes) gets the desktop's default font.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QtTest>

#include "content/title_window.h"
#include "tests/support/desktop_fonts.h"
#include "tests/support/recording_desktop.h"
#include "ui/fonts.h"

class TestStartFonts : public QObject {
    Q_OBJECT
  private slots:
    void defaultFontJoinsOnceTheTitleWindowIsShown() {
        TForm1 title(desktop_);
        title.Show();
        ui::DesktopFonts desktopFonts;
        desktopFonts.startReading();  // read on a thread while the title is drawn
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        const QImage before = title.grab().toImage();
        // Until then the default font is the fallback family, not whichever of the program's
        // fonts its own configuration would give for the desktop's generic name.
        QCOMPARE(QFontInfo(QGuiApplication::font()).family(), QStringLiteral("DejaVu Sans"));

        desktopFonts.addDefaultFamily();

        const testing_support::DesktopFonts desktop;
        const QString expected = desktop.familyFor(QGuiApplication::font().family());
        QMessageBox box(QMessageBox::Critical, QString(), QStringLiteral("Недопустимый символ!!!"));
        QCOMPARE(QFontInfo(box.font()).family(), expected);
        title.update();
        QCOMPARE(title.grab().toImage(), before);

        // Once start-up is over Qt knows every font of the desktop.
        desktopFonts.useAll();
        QVERIFY(QFontDatabase::families().size() >= desktop.familyCount());
        QMessageBox later(QMessageBox::Critical, QString(),
                          QStringLiteral("Недопустимый символ!!!"));
        QCOMPARE(QFontInfo(later.font()).family(), expected);
        title.update();
        QCOMPARE(title.grab().toImage(), before);
    }

  private:
    testing_support::RecordingDesktop desktop_;
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ui::installProgramFonts();
    TestStartFonts test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_start_fonts.moc"
