// The program's fonts on desktops of other kinds, each a font configuration of the test's own
// (FONTCONFIG_FILE) over the machine's fonts: start-up gives Qt only the program's fonts, but a
// character that none of them has (Devanagari here) is drawn by the desktop's fonts once
// start-up is over, not as an empty box; the default font is the family the desktop gives it;
// and a desktop whose configuration is laid out otherwise, or lacks one of the fonts, keeps its
// whole configuration from the start. Fontconfig and Qt's font list are set up once a process,
// so each desktop is probed by this program started anew in probe mode.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QtTest>
#include <cstdio>

#include "ui/fonts.h"

namespace {

const QString kDevanagari = QStringLiteral("हिन्दी");

// Glyphs of a Devanagari text drawn as empty boxes: by a font without Devanagari, or by Qt's box
// font, which stands in where no font has the script (it claims every character, and has no
// character map).
int boxesIn(const QString& text) {
    QTextLayout layout(text, ui::makeFont({"MS Sans Serif", 11}));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int boxes = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        if (!font.supportsCharacter(text.at(0)) || font.fontTable("cmap").isEmpty())
            boxes += static_cast<int>(run.glyphIndexes().size());
    }
    return boxes;
}

// The windows' own texts in each of their fonts.
QImage windowTexts() {
    QImage image(QSize(420, 150), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    int y = 0;
    for (const ui::FontMapping& m : ui::fontMappings()) {
        painter.setFont(ui::makeFont({m.designed, 16}));
        painter.drawText(QPointF(4, y += 26), QStringLiteral("Модель гемодинамики 0,123 Pж"));
    }
    return image;
}

// Start-up's steps, each followed by what the program has then, one "key=value" a line.
int probe() {
    const auto say = [](const char* key, const QString& value) {
        std::printf("%s=%s\n", key, qPrintable(value));
    };
    const auto listed = [] {
        // A family of the desktop's that the program does not draw with.
        return QString::number(QFontDatabase::families().contains(QStringLiteral("DejaVu Serif")));
    };
    ui::installProgramFonts();
    ui::DesktopFonts desktop;
    desktop.startReading();
    desktop.addDefaultFamily();
    say("listed-at-start", listed());
    say("default", QFontInfo(QGuiApplication::font()).family());
    say("boxes-at-start", QString::number(boxesIn(kDevanagari)));
    const QImage before = windowTexts();
    desktop.useAll();
    say("listed-after", listed());
    say("boxes-after", QString::number(boxesIn(kDevanagari)));
    say("default-after", QFontInfo(QGuiApplication::font()).family());
    say("texts-unchanged", QString::number(windowTexts() == before));
    return 0;
}

// A desktop: a main file over the machine's fonts, with its own folder of conf.d files.
struct Desktop {
    QTemporaryDir dir;

    void write(const QString& name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QMap<QString, QString> probe(const QStringList& environment = {}) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FONTCONFIG_FILE"), dir.filePath(QStringLiteral("fonts.conf")));
        env.insert(QStringLiteral("FONTCONFIG_PATH"), dir.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("HEMODYNAMICS_DESKTOP_FONTS"));
        for (const QString& variable : environment)
            env.insert(variable.section(QLatin1Char('='), 0, 0), variable.section('=', 1));
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--probe")});
        process.waitForFinished(60000);
        QMap<QString, QString> said;
        for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0) said[line.left(equals)] = QString::fromUtf8(line.mid(equals + 1));
        }
        return said;
    }
};

// The desktop's rules for its default font, under Qt's name for it and fontconfig's.
QByteArray defaultFamilyRules(const QByteArray& family) {
    QByteArray rules;
    for (const char* name : {"Sans Serif", "sans-serif"}) {
        rules += QByteArray("<alias><family>") + name + "</family><prefer><family>" + family +
                 "</family></prefer></alias>";
    }
    return rules;
}

// The main file as Debian lays it out: the machine's fonts and caches, the conf.d folder, and
// whatever `more` adds.
QByteArray mainFile(const QByteArray& confd, const QByteArray& more = {},
                    const QByteArray& fonts = "/usr/share/fonts") {
    return "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">"
           "<fontconfig><dir>" +
           fonts + "</dir>" + confd + more +
           "<cachedir>/var/cache/fontconfig</cachedir><cachedir "
           "prefix=\"xdg\">fontconfig</cachedir>"
           "</fontconfig>";
}

const QByteArray kConfd = "<include ignore_missing=\"yes\">conf.d</include>";

}  // namespace

class TestFontFallback : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(QStringLiteral("/usr/share/fonts/truetype/lohit-devanagari")),
                 "fonts-lohit-deva (tools/packages.txt) is not installed");
    }

    // Start-up draws with the program's fonts alone, the desktop's default family included;
    // once it is over, Devanagari has the desktop's glyphs and the windows' texts are drawn as
    // before.
    void desktopFontsDrawWhatTheProgramsLack_data() {
        QTest::addColumn<QByteArray>("defaultFamily");
        QTest::newRow("default family among the program's") << QByteArray("Liberation Serif");
        QTest::newRow("default family of the desktop's own") << QByteArray("Lohit Devanagari");
    }
    void desktopFontsDrawWhatTheProgramsLack() {
        QFETCH(QByteArray, defaultFamily);
        Desktop desktop;
        desktop.write("fonts.conf", mainFile(kConfd));
        QVERIFY(QDir(desktop.dir.path()).mkdir(QStringLiteral("conf.d")));
        QVERIFY(QFile::link(QStringLiteral("/etc/fonts/conf.d/10-hinting-slight.conf"),
                            desktop.dir.filePath(QStringLiteral("conf.d/10-hinting-slight.conf"))));
        desktop.write("conf.d/60-desktop.conf", "<?xml version=\"1.0\"?><fontconfig>" +
                                                    defaultFamilyRules(defaultFamily) +
                                                    "</fontconfig>");
        const auto said = desktop.probe();
        QCOMPARE(said.value("listed-at-start"), QStringLiteral("0"));
        QCOMPARE(said.value("default"), QString::fromLatin1(defaultFamily));
        if (defaultFamily != "Lohit Devanagari") QVERIFY(said.value("boxes-at-start").toInt() > 0);
        QCOMPARE(said.value("listed-after"), QStringLiteral("1"));
        QCOMPARE(said.value("boxes-after"), QStringLiteral("0"));
        QCOMPARE(said.value("default-after"), QString::fromLatin1(defaultFamily));
        QCOMPARE(said.value("texts-unchanged"), QStringLiteral("1"));
    }

    // A desktop whose configuration the program cannot narrow down keeps it whole from the
    // start, as does one where the user asks for it.
    void otherDesktopsKeepTheirWholeConfiguration_data() {
        QTest::addColumn<QByteArray>("main");
        QTest::addColumn<QByteArray>("drawingFile");
        QTest::addColumn<QStringList>("environment");
        const QByteArray rules = defaultFamilyRules("Liberation Serif");
        const QByteArray fine = "<fontconfig/>";
        QTest::newRow("no conf.d folder") << mainFile({}, rules) << fine << QStringList();
        QTest::newRow("the folder left out in a comment")
            << mainFile("<!-- " + kConfd + " -->", rules) << fine << QStringList();
        // Z003 lies in /usr/share/fonts/opentype.
        QTest::newRow("a mapped font not installed")
            << mainFile(kConfd, rules, "/usr/share/fonts/truetype") << fine << QStringList();
        QTest::newRow("asked for by the user")
            << mainFile(kConfd, rules) << fine
            << QStringList{QStringLiteral("HEMODYNAMICS_DESKTOP_FONTS=1")};
    }
    void otherDesktopsKeepTheirWholeConfiguration() {
        QFETCH(QByteArray, main);
        QFETCH(QByteArray, drawingFile);
        QFETCH(QStringList, environment);
        Desktop desktop;
        desktop.write("fonts.conf", main);
        QVERIFY(QDir(desktop.dir.path()).mkdir(QStringLiteral("conf.d")));
        desktop.write("conf.d/20-drawing.conf", drawingFile);
        const auto said = desktop.probe(environment);
        QCOMPARE(said.value("listed-at-start"), QStringLiteral("1"));
        QCOMPARE(said.value("boxes-at-start"), QStringLiteral("0"));
        QCOMPARE(said.value("default"), QStringLiteral("Liberation Serif"));
        QCOMPARE(said.value("texts-unchanged"), QStringLiteral("1"));
    }
};

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--probe") == 0) {
        QApplication application(argc, argv);
        return probe();
    }
    QApplication application(argc, argv);
    TestFontFallback test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_font_fallback.moc"
