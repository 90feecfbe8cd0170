// Regenerates the pictures in assets/: run as
//   QT_QPA_PLATFORM=offscreen generate_pictures <path of assets folder>
// The outputs are committed; the program's build never runs this tool.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

#include "assets/generate/drawings.h"
#include "assets/generate/heart_icon.h"
#include "assets/generate/jpeg_writer.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_pictures <assets folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    struct Output {
        const char* file;
        std::function<QImage()> draw;
    };
    const Output outputs[] = {
        {"figure1.jpg", generate::figure1},
        {"figure2.jpg", generate::figure2},
        {"figure3.jpg", generate::figure3},
        {"equation2.jpg", generate::equation2},
        {"equation3.jpg", generate::equation3},
        {"equation4.jpg", generate::equation4},
        {"equation5.jpg", generate::equation5},
        {"equation6.jpg", generate::equation6},
        {"equations7_8.jpg", generate::equations7And8},
        {"equations9_10.jpg", generate::equations9And10},
        {"khan_academy_logo.jpg", generate::khanAcademyLogo},
    };
    int failures = 0;
    for (const Output& output : outputs) {
        const QString path = folder.filePath(QString::fromLatin1(output.file));
        if (!generate::writeJpeg(output.draw(), path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    const auto writePng = [&](const QImage& image, const QString& path) {
        if (image.save(path, "PNG")) return;
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++failures;
    };
    const auto writeBytes = [&](const QByteArray& bytes, const QString& path) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) return;
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++failures;
    };
    // Plain pixels, row after row, which the program reads where they lie without a decoder:
    // the title window's picture (three bytes a pixel) and the window icon (four).
    const auto writePixels = [&](const QImage& image, const QString& path) {
        const qsizetype row = qsizetype(image.width()) * image.depth() / 8;
        QByteArray bytes;
        for (int y = 0; y < image.height(); ++y)
            bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), row);
        writeBytes(bytes, path);
    };
    writePixels(generate::circulatorySystem().convertToFormat(QImage::Format_RGB888),
                folder.filePath(QStringLiteral("circulatory_system.rgb")));
    writePixels(generate::heartIcon().convertToFormat(QImage::Format_RGBA8888),
                folder.filePath(QStringLiteral("heart.rgba")));

    // The same heart for the desktop's icon theme.
    if (!folder.mkpath(QStringLiteral("icons"))) ++failures;
    for (const int size : generate::kThemeIconSizes) {
        writePng(generate::heartThemeIcon(size),
                 folder.filePath(QStringLiteral("icons/heart-%1.png").arg(size)));
    }
    writeBytes(generate::heartThemeSvg(), folder.filePath(QStringLiteral("icons/heart.svg")));
    return failures == 0 ? 0 : 1;
}
