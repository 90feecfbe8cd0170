// The fonts Qt is given: only those the windows are drawn with, so that start-up does not grow
// with the number of fonts on the desktop, under the desktop's own font configuration.
#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>
#include <algorithm>

#include "ui/fonts.h"

class TestFonts : public QObject {
    Q_OBJECT
  private slots:
    void onlyTheProgramsFamiliesAreListed() {
        QStringList expected{QStringLiteral("DejaVu Sans")};
        for (const ui::FontMapping& m : ui::fontMappings())
            expected << QString::fromLatin1(m.replacement);
        // Qt names a family "Z003 [urw]" when two foundries make it; subfamilies such as
        // "DejaVu Sans Condensed" come with their family.
        const auto startsWithAny = [](const QString& family, const QStringList& prefixes) {
            return std::any_of(prefixes.begin(), prefixes.end(),
                               [&family](const QString& p) { return family.startsWith(p); });
        };
        const QStringList listed = QFontDatabase::families();
        for (const QString& family : expected) {
            const bool found = std::any_of(listed.begin(), listed.end(), [&](const QString& l) {
                return startsWithAny(l, {family});
            });
            QVERIFY2(found, qPrintable(family));
        }
        // Qt adds its generic names, which fontconfig resolves.
        const QStringList generic{QStringLiteral("Serif"), QStringLiteral("Sans Serif"),
                                  QStringLiteral("Monospace")};
        for (const QString& family : listed)
            QVERIFY2(startsWithAny(family, expected) || generic.contains(family),
                     qPrintable(family));
    }

    // The desktop's default font, which boxes and fields use, is still the one the desktop's
    // whole font set and rules give.
    void theDefaultFontIsTheDesktops() {
        FcConfig* const desktop = FcInitLoadConfigAndFonts();
        FcPattern* const pattern = FcNameParse(reinterpret_cast<const FcChar8*>(
            QGuiApplication::font().family().toUtf8().constData()));
        FcConfigSubstitute(desktop, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* const match = FcFontMatch(desktop, pattern, &result);
        QVERIFY(match);
        FcChar8* family = nullptr;
        QCOMPARE(FcPatternGetString(match, FC_FAMILY, 0, &family), FcResultMatch);
        const QString expected = QString::fromUtf8(reinterpret_cast<const char*>(family));
        FcPatternDestroy(match);
        FcPatternDestroy(pattern);
        FcConfigDestroy(desktop);
        QCOMPARE(QFontInfo(QGuiApplication::font()).family(), expected);
    }

    void installingAgainChangesNothing() {
        const QStringList before = QFontDatabase::families();
        ui::installFontSubstitutes();
        QCOMPARE(QFontDatabase::families(), before);
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ui::installFontSubstitutes();
    TestFonts test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fonts.moc"
