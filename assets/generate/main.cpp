// Regenerates the pictures in assets/: run as
//   QT_QPA_PLATFORM=offscreen generate_pictures <path of assets folder>
// The outputs are committed; the program's build never runs this tool.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>
#include <functional>

#include "assets/generate/drawings.h"
#include "assets/generate/heart_icon.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_pictures <assets folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    int failures = 0;
    const auto failed = [&](const QString& path) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++failures;
    };
    // Lossless, so that the windows show exactly what was drawn; the pictures without
    // transparency are kept at three bytes a pixel, as Qt reads them back.
    const auto writePng = [&](const QImage& image, const QString& path) {
        const QImage stored = image.hasAlphaChannel()
                                  ? image.convertToFormat(QImage::Format_ARGB32)
                                  : image.convertToFormat(QImage::Format_RGB888);
        QImageWriter writer(path, "png");
        if (!writer.write(stored)) failed(path);
    };
    struct Output {
        const char* file;
        std::function<QImage()> draw;
    };
    const Output outputs[] = {
        {"circulatory_system.png", generate::circulatorySystem},
        {"figure1.png", [] { return generate::figure1(); }},
        {"figure2.png", [] { return generate::figure2(); }},
        {"figure3.png", [] { return generate::figure3(); }},
        {"equation2.png", generate::equation2},
        {"equation3.png", generate::equation3},
        {"equation4.png", [] { return generate::equation4(); }},
        {"equation5.png", generate::equation5},
        {"equation6.png", generate::equation6},
        {"equations7_8.png", generate::equations7And8},
        {"equations9_10.png", generate::equations9And10},
        {"khan_academy_logo.png", generate::khanAcademyLogo},
        // The variants with English words, for the program in English.
        {"figure1_en.png", [] { return generate::figure1(generate::Words::English); }},
        {"figure2_en.png", [] { return generate::figure2(generate::Words::English); }},
        {"figure3_en.png", [] { return generate::figure3(generate::Words::English); }},
        {"equation4_en.png", [] { return generate::equation4(generate::Words::English); }},
        {"heart.png", generate::heartIcon},
    };
    for (const Output& output : outputs)
        writePng(output.draw(), folder.filePath(QString::fromLatin1(output.file)));

    // The same heart for the desktop's icon theme.
    if (!folder.mkpath(QStringLiteral("icons"))) ++failures;
    for (const int size : generate::kThemeIconSizes) {
        writePng(generate::heartThemeIcon(size),
                 folder.filePath(QStringLiteral("icons/heart-%1.png").arg(size)));
    }
    const auto writeBytes = [&](const QByteArray& bytes, const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) failed(path);
    };
    writeBytes(generate::heartThemeSvg(), folder.filePath(QStringLiteral("icons/heart.svg")));
    // And for the Windows program's file, its Start-menu entry and its uninstaller.
    writeBytes(generate::heartWindowsIcon(), folder.filePath(QStringLiteral("icons/heart.ico")));
    return failures == 0 ? 0 : 1;
}
