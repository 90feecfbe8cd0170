// The fonts Qt is given: only those the windows are drawn with, so that start-up does not grow
// with the number of fonts on the desktop, each drawn with the settings the desktop gives it.
#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <algorithm>

#include "assets/builtin_fonts.h"
#include "tests/support/desktop_fonts.h"
#include "tests/support/program_fonts.h"

namespace {

QString familyOf(FcPattern* font) {
    FcChar8* family = nullptr;
    FcPatternGetString(font, FC_FAMILY, 0, &family);
    return QString::fromUtf8(reinterpret_cast<const char*>(family));
}

// The settings a font is drawn with at a size, as Qt reads them when it loads the font.
QString renderingOf(FcConfig* config, FcPattern* font, double pixelSize) {
    FcPattern* const pattern = FcPatternCreate();
    FcChar8* file = nullptr;
    FcPatternGetString(font, FC_FILE, 0, &file);
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(familyOf(font).toUtf8().data()));
    FcPatternAddString(pattern, FC_FILE, file);
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixelSize);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcPattern* const prepared = FcFontRenderPrepare(config, pattern, font);
    QStringList settings;
    for (const char* name : {FC_HINTING, FC_AUTOHINT, FC_ANTIALIAS}) {
        FcBool value = FcFalse;
        const FcResult found = FcPatternGetBool(prepared, name, 0, &value);
        settings << QStringLiteral("%1=%2").arg(name).arg(found == FcResultMatch ? value : -1);
    }
    for (const char* name : {FC_HINT_STYLE, FC_RGBA, FC_LCD_FILTER}) {
        int value = 0;
        const FcResult found = FcPatternGetInteger(prepared, name, 0, &value);
        settings << QStringLiteral("%1=%2").arg(name).arg(found == FcResultMatch ? value : -1);
    }
    FcPatternDestroy(prepared);
    FcPatternDestroy(pattern);
    return settings.join(QLatin1Char(' '));
}

}  // namespace

class TestFonts : public QObject {
    Q_OBJECT
  private slots:
    void onlyTheProgramsFamiliesAreListed() {
        const testing_support::DesktopFonts desktop;
        QStringList expected{QStringLiteral("DejaVu Sans"),
                             desktop.familyFor(QGuiApplication::font().family())};
        for (const ui::FontMapping& m : ui::fontMappings()) {
            expected << QString::fromLatin1(m.replacement);
            if (m.builtIn) expected << QString::fromLatin1(m.builtIn);
        }
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

    // Boxes and empty fields use the desktop's default font: still the family that the
    // desktop's whole font set and rules give for it.
    void theDefaultFontIsTheDesktops() {
        const testing_support::DesktopFonts desktop;
        QCOMPARE(QFontInfo(QGuiApplication::font()).family(),
                 desktop.familyFor(QGuiApplication::font().family()));
    }

    // Antialiasing, hinting, subpixel order and LCD filter come from the desktop's rules (and
    // the user's), so every text is drawn as it was with the desktop's whole configuration.
    void eachFontIsDrawnWithTheDesktopsSettings() {
        const testing_support::DesktopFonts desktop;
        const FcFontSet* const fonts = FcConfigGetFonts(FcConfigGetCurrent(), FcSetSystem);
        QVERIFY(fonts && fonts->nfont > 0);
        for (int i = 0; i < fonts->nfont; ++i) {
            for (const double px : {7.0, 11.0, 13.0, 16.0, 21.0, 24.0}) {
                FcPattern* const font = fonts->fonts[i];
                QCOMPARE(renderingOf(FcConfigGetCurrent(), font, px),
                         renderingOf(desktop.config, font, px));
            }
        }
    }

    // The built-in part of Andika draws the title window's texts exactly as the whole font: the
    // same glyphs, shaping, kerning and hinting, regular and bold.
    void theBuiltInHandwritingIsAndika_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("px");
        QTest::newRow("title") << QStringLiteral("Модель гемодинамики сосудистого русла") << true
                               << 21;
        QTest::newRow("aim") << QStringLiteral("Цель работы:") << false << 16;
        QTest::newRow("authors") << QStringLiteral("Авторы") << false << 13;
        QTest::newRow("letters") << QStringLiteral("ЁЖЩЪЫЭЮЯ ёжщъыэюя AVTWfiffl № «—» 0123456789")
                                 << false << 13;
    }
    void theBuiltInHandwritingIsAndika() {
        QFETCH(QString, text);
        QFETCH(bool, bold);
        QFETCH(int, px);
        const auto drawn = [&](const char* family) {
            QFont font(QString::fromLatin1(family));
            font.setPixelSize(px);
            font.setBold(bold);
            font.setUnderline(!bold);
            QImage image(QSize(700, 40), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setFont(font);
            painter.drawText(QPointF(4, 30), text);
            painter.end();
            return std::make_pair(QFontInfo(font).family(), image);
        };
        const auto [builtInFamily, builtIn] = drawn(assets::kHandwritingFamily);
        const auto [installedFamily, installed] = drawn("Andika");
        QCOMPARE(builtInFamily, QString::fromLatin1(assets::kHandwritingFamily));
        QCOMPARE(installedFamily, QStringLiteral("Andika"));
        QImage blank(builtIn.size(), builtIn.format());
        blank.fill(Qt::white);
        QVERIFY(builtIn != blank);
        QCOMPARE(builtIn, installed);
    }

    void installingAgainChangesNothing() {
        const QStringList before = QFontDatabase::families();
        ui::installProgramFonts();
        QCOMPARE(QFontDatabase::families(), before);
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    testing_support::installFontsAsAtStartUp();
    TestFonts test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fonts.moc"
