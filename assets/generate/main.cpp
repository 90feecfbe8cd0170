// Regenerates the pictures in assets/: run as
//   QT_QPA_PLATFORM=offscreen generate_pictures <path of assets folder>
// The outputs are committed; the program's build never runs this tool.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

#include "assets/generate/drawings.h"
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
        {"circulatory_system.jpg", generate::circulatorySystem},
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
    const QString icon = folder.filePath(QStringLiteral("heart.png"));
    if (!generate::heartIcon().save(icon, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(icon));
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
